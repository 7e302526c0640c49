#pragma once

#include "MessageBoxService.h"

#include <string>
#include <vector>

// Records the messages that would have been shown.
class RecordingMessages : public platform::MessageBoxService {
public:
    struct Shown {
        std::string prompt;
        Icon icon;
    };

    void showMessage(const std::string &prompt, Icon icon) override { shown.push_back({prompt, icon}); }

    std::vector<Shown> shown;
};
