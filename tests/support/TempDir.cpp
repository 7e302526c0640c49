#include "TempDir.h"

#include <fstream>
#include <random>
#include <stdexcept>
#include <string>

TempDir::TempDir()
{
    std::random_device entropy;
    do
        path_ = std::filesystem::temp_directory_path() / ("pictavo-test-" + std::to_string(entropy()));
    while (!std::filesystem::create_directory(path_));
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempDir::write(std::string_view name, const std::vector<std::uint8_t> &bytes) const
{
    const auto file = path_ / std::filesystem::path(std::u8string(name.begin(), name.end()));
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
    return file;
}
