#pragma once

#include "FileTest.h"

namespace platform {

// Ordinary files on Windows: no directory, and neither the hidden nor the system attribute.
class WindowsFileTest : public FileTest {
public:
    std::string ordinaryFileName(const std::string &path) override;
};

} // namespace platform
