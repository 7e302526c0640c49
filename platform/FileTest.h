#pragma once

#include <string>

namespace platform {

// Tells whether an ordinary file exists: a regular file that is neither hidden nor a system file.
class FileTest {
public:
    virtual ~FileTest() = default;

    // The found file's name (its last component) or the empty text when there is no ordinary
    // file at the path. May throw RuntimeError for a path the system cannot examine.
    virtual std::string ordinaryFileName(const std::string &path) = 0;
};

} // namespace platform
