#include "FileByteSource.h"

#include <cerrno>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

struct FileByteSource::Handle {
    explicit Handle(int descriptor) : fd(descriptor) {}
    ~Handle() { ::close(fd); }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;

    const int fd;
};

FileByteSource::FileByteSource(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}

FileByteSource::~FileByteSource() = default;
FileByteSource::FileByteSource(FileByteSource &&) noexcept = default;
FileByteSource &FileByteSource::operator=(FileByteSource &&) noexcept = default;

std::optional<FileByteSource> FileByteSource::open(const std::filesystem::path &path)
{
    // O_NONBLOCK keeps the open itself from waiting for a writer on a named pipe or for a
    // device; on a regular file it changes nothing, and nothing else gets past fstat below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    auto handle = std::make_unique<Handle>(fd);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return FileByteSource(std::move(handle));
}

std::optional<std::size_t> FileByteSource::readAt(std::uint64_t offset, std::span<std::uint8_t> buffer)
{
    std::size_t copied = 0;
    while (copied < buffer.size()) {
        const std::uint64_t position = offset + copied;
        if (position > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max()))
            break; // no file reaches that far: it is past the end
        const ssize_t got = ::pread(handle_->fd, buffer.data() + copied, buffer.size() - copied, static_cast<off_t>(position));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (got == 0)
            break;
        copied += static_cast<std::size_t>(got);
    }
    return copied;
}
