#pragma once

#include <cstdint>
#include <filesystem>

// Describes one image file on disk: its path, its type as judged from the file's first bytes,
// and its width and height as stored in its header. Nothing is ever reported or thrown: a file
// that cannot be read has type -1 and dimensions 0. No file stays open between calls.
class clsImageInfo {
public:
    // Type codes returned by FileType().
    static constexpr std::int32_t kUndetermined = 0;
    static constexpr std::int32_t kBmp = 1;
    static constexpr std::int32_t kGif = 2;
    static constexpr std::int32_t kJpeg = 3;
    static constexpr std::int32_t kUnknown = -1;

    const std::filesystem::path &Filename() const { return filename_; }
    // Stores the path and forgets the type: the next FileType() detects afresh.
    void setFilename(std::filesystem::path path);

    // Detects the type from the file's first bytes, then returns the stored code. A non-zero
    // code survives a detection in which no signature matches; only 0 becomes -1.
    std::int32_t FileType();
    // Stores any code unaltered, with no detection and no validation.
    void setFileType(std::int32_t code) { fileType_ = code; }

    // Read by the stored type code, never detecting: call FileType() first.
    float Height() const;
    float Width() const;

    // Bytes that all operations so far have read from their files, counted on the way from the
    // file to the header readers, so a measurement can tell how much of each file an inspection
    // really touches.
    std::uint64_t bytesRead() const { return bytesRead_; }

private:
    void DetectFileType();

    std::filesystem::path filename_;
    std::int32_t fileType_ = kUndetermined;
    mutable std::uint64_t bytesRead_ = 0;
};
