#pragma once

#include "UserMessages.h"

#include <string>
#include <vector>

// Records the messages that would have been shown.
class RecordingMessages : public platform::UserMessages {
public:
    void showMessage(const std::string &prompt) override { shown.push_back(prompt); }

    std::vector<std::string> shown;
};
