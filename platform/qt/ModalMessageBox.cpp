#include "ModalMessageBox.h"

#include <QMessageBox>

void ModalMessageBox::showExclamation(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    // Application modal even without a parent: the caller waits for the answer, so no other
    // window may take input meanwhile.
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
