#pragma once

#include "UserMessages.h"

#include <QString>

// Message boxes as application-modal QMessageBoxes with one OK button and no icon.
class QtUserMessages : public platform::UserMessages {
public:
    explicit QtUserMessages(QString title);

    void showMessage(const std::string &prompt) override;

private:
    QString title_;
};
