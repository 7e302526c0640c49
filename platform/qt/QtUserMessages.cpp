#include "QtUserMessages.h"

#include <QMessageBox>

QtUserMessages::QtUserMessages(QString title) : title_(std::move(title)) {}

void QtUserMessages::showMessage(const std::string &prompt)
{
    QMessageBox box(QMessageBox::NoIcon, title_, QString::fromStdString(prompt), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
