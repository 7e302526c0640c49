#include "clsImageInfo.h"

void clsImageInfo::setFilename(std::filesystem::path path)
{
    filename_ = std::move(path);
    fileType_ = kUndetermined;
}
