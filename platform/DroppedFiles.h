#pragma once

#include <filesystem>
#include <optional>
#include <vector>

// What a drop or a paste carries: the list of its local files, or no list at all when it brought
// none (text, a web address, a file that lives only inside another program, such as a mail
// attachment).
using DroppedFiles = std::optional<std::vector<std::filesystem::path>>;
