#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes.
class TempDir {
public:
    TempDir()
    {
        std::random_device entropy;
        do
            path_ = std::filesystem::temp_directory_path() / ("pictavo-test-" + std::to_string(entropy()));
        while (!std::filesystem::create_directory(path_));
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const std::filesystem::path &path() const { return path_; }
    // A file of the given bytes; the name is UTF-8.
    std::filesystem::path write(const std::string &name, const std::vector<std::uint8_t> &bytes) const
    {
        const auto file = path_ / std::filesystem::path(std::u8string(name.begin(), name.end()));
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char *>(bytes.data()), std::ssize(bytes));
        if (!std::filesystem::exists(file))
            throw std::runtime_error("cannot write " + file.string());
        return file;
    }

private:
    std::filesystem::path path_;
};
