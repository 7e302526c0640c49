#include "FileByteSource.h"

#include "OwnedFileWindows.h"

#include <algorithm>

struct FileByteSource::Handle {
    OwnedFile file;
};

FileByteSource::FileByteSource(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}

FileByteSource::~FileByteSource() = default;
FileByteSource::FileByteSource(FileByteSource &&) noexcept = default;
FileByteSource &FileByteSource::operator=(FileByteSource &&) noexcept = default;

std::optional<FileByteSource> FileByteSource::open(const std::filesystem::path &path)
{
    OwnedFile file = openSharingAll(path, GENERIC_READ, 0);
    // A pipe or a character device could keep a read waiting, or deliver bytes without end.
    if (!file || GetFileType(file.get()) != FILE_TYPE_DISK)
        return std::nullopt;
    return FileByteSource(std::make_unique<Handle>(Handle{std::move(file)}));
}

std::optional<std::size_t> FileByteSource::readAt(std::uint64_t offset, std::span<std::uint8_t> buffer)
{
    std::size_t copied = 0;
    while (copied < buffer.size()) {
        const std::uint64_t position = offset + copied;
        // On a handle opened for synchronous reads the offset in OVERLAPPED is where the read starts.
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(position);
        at.OffsetHigh = static_cast<DWORD>(position >> 32);
        const auto asked = static_cast<DWORD>(std::min<std::size_t>(buffer.size() - copied, MAXDWORD));
        DWORD got = 0;
        if (!ReadFile(handle_->file.get(), buffer.data() + copied, asked, &got, &at))
            return GetLastError() == ERROR_HANDLE_EOF ? std::optional(copied) : std::nullopt;
        if (got == 0)
            break;
        copied += got;
    }
    return copied;
}
