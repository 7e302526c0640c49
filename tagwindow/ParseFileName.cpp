#include "ParseFileName.h"

std::string ParseFileName(const std::string &sFileIn, char separator)
{
    const auto last = sFileIn.rfind(separator);
    return last == std::string::npos ? sFileIn : sFileIn.substr(last + 1);
}
