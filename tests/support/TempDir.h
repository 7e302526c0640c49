#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &path() const { return path_; }
    std::filesystem::path write(std::string_view name, const std::vector<std::uint8_t> &bytes) const;

private:
    std::filesystem::path path_;
};
