#pragma once

#include "UserMessages.h"

#include <QString>

// The Qt-free message boxes as application-modal QMessageBoxes with one OK button and no icon,
// for the Qt-free logic, which knows neither its window nor the program's title.
class QtUserMessages : public platform::UserMessages {
public:
    explicit QtUserMessages(QString title);

    void showMessage(const std::string &prompt) override;

private:
    QString title_;
};
