#pragma once

#include "MessageBoxService.h"

// The real message box: a QMessageBox run modally until the user closes it.
class ModalMessageBox : public MessageBoxService {
public:
    void showExclamation(QWidget *parent, const QString &text, const QString &title) override;
};
