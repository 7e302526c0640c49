#include "clsImageInfo.h"

#include "FileByteSource.h"
#include "ImageHeader.h"

namespace {

// Opens the file afresh for each read, so no handle outlives the call that needed it.
ImageSize readStoredSize(const std::filesystem::path &path, std::int32_t type)
{
    auto source = FileByteSource::open(path);
    if (!source)
        return {};
    return imageheader::readSize(*source, type);
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
    return static_cast<float>(readStoredSize(filename_, fileType_).height);
}

float clsImageInfo::Width() const
{
    return static_cast<float>(readStoredSize(filename_, fileType_).width);
}

void clsImageInfo::DetectFileType()
{
    auto source = FileByteSource::open(filename_);
    const auto detected = source ? imageheader::detectType(*source) : std::nullopt;
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
