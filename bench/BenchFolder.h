#pragma once

#include <filesystem>
#include <vector>

// The regular files directly inside a folder, sorted by path so every run reads them in the
// same order.
std::vector<std::filesystem::path> sortedFilesIn(const std::filesystem::path &folder);
