#pragma once

#include <string>

namespace platform {

// Modal message boxes with one OK button, captioned with the application's title.
class MessageBoxService {
public:
    enum class Icon { None, Exclamation };

    virtual ~MessageBoxService() = default;

    // Returns once the user has closed the box.
    virtual void showMessage(const std::string &prompt, Icon icon) = 0;
};

} // namespace platform
