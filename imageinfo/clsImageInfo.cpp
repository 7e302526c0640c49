#include "clsImageInfo.h"

#include "CountingByteSource.h"
#include "FileByteSource.h"
#include "ImageHeader.h"
#include "ReadAheadByteSource.h"

#include <optional>
#include <type_traits>

namespace {

// Opens the file afresh for each read, so no handle outlives the call that needed it, and adds
// the bytes read from it to the tally. The readers ask for a few bytes at a time; reading ahead
// turns those requests into one file read per block. Empty when the file cannot be opened.
template <typename Read>
auto readFile(const std::filesystem::path &path, std::uint64_t &tally, Read read)
    -> std::optional<std::invoke_result_t<Read, ByteSource &>>
{
    auto file = FileByteSource::open(path);
    if (!file)
        return std::nullopt;
    CountingByteSource counted(*file);
    ReadAheadByteSource readAhead(counted);
    auto result = read(readAhead);
    tally += counted.bytesRead();
    return result;
}

// Only these types record dimensions in their headers.
bool recordsDimensions(std::int32_t type)
{
    return type == clsImageInfo::kBmp || type == clsImageInfo::kGif || type == clsImageInfo::kJpeg;
}

// For any other type code the result is 0 by 0 whatever the file holds, so the file is not even
// opened: a refused drop of a text or PNG file costs one opening instead of three.
ImageSize readStoredSize(const std::filesystem::path &path, std::int32_t type, std::uint64_t &tally)
{
    if (!recordsDimensions(type))
        return {};
    return readFile(path, tally, [type](ByteSource &source) { return imageheader::readSize(source, type); })
        .value_or(ImageSize{});
}

} // namespace

void clsImageInfo::setFilename(std::filesystem::path path)
{
    filename_ = std::move(path);
    fileType_ = kUndetermined;
}

std::int32_t clsImageInfo::FileType()
{
    DetectFileType();
    return fileType_;
}

float clsImageInfo::Height() const
{
    return static_cast<float>(readStoredSize(filename_, fileType_, bytesRead_).height);
}

float clsImageInfo::Width() const
{
    return static_cast<float>(readStoredSize(filename_, fileType_, bytesRead_).width);
}

void clsImageInfo::DetectFileType()
{
    const auto detected = readFile(filename_, bytesRead_, imageheader::detectType).value_or(std::nullopt);
    if (!detected) {
        // A file that cannot be opened or read replaces whatever code was stored.
        fileType_ = kUnknown;
        return;
    }
    // A code stored earlier survives when no signature matches; only "undetermined" becomes
    // "unknown".
    if (*detected != kUndetermined)
        fileType_ = *detected;
    if (fileType_ == kUndetermined)
        fileType_ = kUnknown;
}
