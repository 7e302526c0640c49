#include "ModalMessageBox.h"

void showModalMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text, const QString &title)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    // Application modal even without a parent: the caller waits for the answer, so no other
    // window may take input meanwhile.
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void ModalMessageBox::showExclamation(QWidget *parent, const QString &text, const QString &title)
{
    showModalMessage(parent, QMessageBox::Warning, text, title);
}
