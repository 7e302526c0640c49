#pragma once

#include <filesystem>
#include <vector>

// The files named on the command line ("pictavo a.gif b.jpg", a file manager's "Open with"), in
// their order, each made absolute against the working folder, since the window shows the full
// path of a file. A name that cannot be made absolute (the working folder is gone) stays as given:
// it then fails as a dropped path that names nothing would.
std::vector<std::filesystem::path> commandLineFiles(std::vector<std::filesystem::path> arguments);
