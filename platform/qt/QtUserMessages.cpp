#include "QtUserMessages.h"

#include "ModalMessageBox.h"

QtUserMessages::QtUserMessages(QString title) : title_(std::move(title)) {}

void QtUserMessages::showMessage(const std::string &prompt)
{
    showModalMessage(nullptr, QMessageBox::NoIcon, QString::fromStdString(prompt), title_);
}
