#include "FileByteSource.h"

#include "ExtendedLengthPath.h"

#include <algorithm>
#include <windows.h>

struct FileByteSource::Handle {
    explicit Handle(HANDLE opened) : file(opened) {}
    ~Handle() { CloseHandle(file); }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;

    const HANDLE file;
};

FileByteSource::FileByteSource(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}

FileByteSource::~FileByteSource() = default;
FileByteSource::FileByteSource(FileByteSource &&) noexcept = default;
FileByteSource &FileByteSource::operator=(FileByteSource &&) noexcept = default;

std::optional<FileByteSource> FileByteSource::open(const std::filesystem::path &path)
{
    const std::wstring name = extendedLengthPath(path);
    if (name.empty())
        return std::nullopt;
    // Sharing everything: sync clients, backup tools and editors that save by renaming hold
    // files open for writing and deleting, and we only read a few bytes.
    constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, shareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    auto handle = std::make_unique<Handle>(file);
    // A pipe or a character device could keep a read waiting, or deliver bytes without end.
    if (GetFileType(file) != FILE_TYPE_DISK)
        return std::nullopt;
    return FileByteSource(std::move(handle));
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
        if (!ReadFile(handle_->file, buffer.data() + copied, asked, &got, &at))
            return GetLastError() == ERROR_HANDLE_EOF ? std::optional(copied) : std::nullopt;
        if (got == 0)
            break;
        copied += got;
    }
    return copied;
}
