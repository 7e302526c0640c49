#include "FileByteSource.h"

#include <fstream>
#include <system_error>

// Standard streams only, for platforms without the POSIX calls. The regular-file check comes
// first because opening a pipe or a device as a stream could block or read forever.
struct FileByteSource::Handle {
    std::ifstream stream;
};

FileByteSource::FileByteSource(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}

FileByteSource::~FileByteSource() = default;
FileByteSource::FileByteSource(FileByteSource &&) noexcept = default;
FileByteSource &FileByteSource::operator=(FileByteSource &&) noexcept = default;

std::optional<FileByteSource> FileByteSource::open(const std::filesystem::path &path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    auto handle = std::make_unique<Handle>();
    handle->stream.open(path, std::ios::binary);
    if (!handle->stream.is_open())
        return std::nullopt;
    return FileByteSource(std::move(handle));
}

std::optional<std::size_t> FileByteSource::readAt(std::uint64_t offset, std::span<std::uint8_t> buffer)
{
    std::ifstream &stream = handle_->stream;
    // A read that reached the end left eof and fail set; they must not spoil the next one.
    stream.clear();
    stream.seekg(static_cast<std::streamoff>(offset));
    if (!stream)
        return std::nullopt;
    stream.read(reinterpret_cast<char *>(buffer.data()), static_cast<std::streamsize>(buffer.size()));
    if (stream.bad())
        return std::nullopt;
    return static_cast<std::size_t>(stream.gcount());
}
