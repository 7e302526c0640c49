#pragma once

#include <filesystem>
#include <vector>

class QMimeData;

// The local files of a drop, in the order the platform delivered them, as native paths (with
// backslashes on Windows). URLs that name no local file are left out, so a drop of text or of
// web links gives an empty list.
std::vector<std::filesystem::path> droppedFilePaths(const QMimeData &data);
