#pragma once

#include "MessageBoxService.h"

#include <QMessageBox>

// A QMessageBox with one OK button, run application-modal until the user closes it. Its text is
// plain text: messages may quote file names, which must never be read as markup.
void showModalMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text, const QString &title);

// The real message box of the main window.
class ModalMessageBox : public MessageBoxService {
public:
    void showExclamation(QWidget *parent, const QString &text, const QString &title) override;
};
