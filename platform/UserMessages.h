#pragma once

#include <string>

namespace platform {

// Modal message boxes with one OK button and no icon, captioned with the application's title.
class UserMessages {
public:
    virtual ~UserMessages() = default;

    // Returns once the user has closed the box.
    virtual void showMessage(const std::string &prompt) = 0;
};

} // namespace platform
