#pragma once

#include "FileTest.h"

namespace platform {

// Ordinary files on POSIX systems: regular files (or links to them) whose name does not start
// with a dot, the systems' mark of a hidden file.
class PosixFileTest : public FileTest {
public:
    std::string ordinaryFileName(const std::string &path) override;
};

} // namespace platform
