#pragma once

#include "ByteSource.h"

#include <filesystem>
#include <memory>
#include <optional>

// A regular file opened for reading, closed when the object goes. Each platform has its own
// implementation of the handle, chosen by the build, so callers never see the difference.
class FileByteSource final : public ByteSource {
public:
    // Empty for anything that is not a readable regular file: a missing path, a file without
    // read permission, a folder, a named pipe, a socket or a device. Never blocks on those.
    static std::optional<FileByteSource> open(const std::filesystem::path &path);

    ~FileByteSource() override;
    FileByteSource(FileByteSource &&) noexcept;
    FileByteSource &operator=(FileByteSource &&) noexcept;

    std::optional<std::size_t> readAt(std::uint64_t offset, std::span<std::uint8_t> buffer) override;

private:
    struct Handle;
    explicit FileByteSource(std::unique_ptr<Handle> handle);

    std::unique_ptr<Handle> handle_;
};
