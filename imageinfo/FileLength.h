#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

// The length in bytes of the file at path, or of the file a link there leads to, asked of the
// file system without reading the file, so it never waits for a pipe or a device. Empty where
// nothing exists at the path, a link leads nowhere, or the system cannot say what is there (a
// folder on the way that may not be searched, a loop of links): a folder, a pipe, a socket or a
// device that is there has no length worth reporting, so 0. Each platform has its own
// implementation, chosen by the build.
std::optional<std::uintmax_t> fileLength(const std::filesystem::path &path);
