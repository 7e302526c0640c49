#include "ModalMessageBox.h"
#include "frmPictavo.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pictavo"));
    QApplication::setApplicationVersion(QStringLiteral(PICTAVO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("pictavo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pictavo.png")));

    ModalMessageBox messages;
    frmPictavo window(messages);
    window.show();
    return QApplication::exec();
}
