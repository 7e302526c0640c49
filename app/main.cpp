#include "AboutWindowSlot.h"
#include "CommandLineFiles.h"
#include "DesktopShell.h"
#include "ModalMessageBox.h"
#include "NativeServices.h"
#include "QtUserMessages.h"
#include "frmPictavo.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pictavo"));
    QApplication::setApplicationVersion(QStringLiteral(PICTAVO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("example.pictavo.Pictavo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pictavo.png")));

    ModalMessageBox messages;
    frmPictavo window(messages);

    const auto native = platform::makeNativeServices();
    DesktopShell desktopShell;
    QtUserMessages aboutMessages(QApplication::applicationName());
    AboutWindowSlot about({native.shell ? *native.shell : desktopShell, *native.registry, *native.processes,
                           *native.files, aboutMessages},
                          {{QApplication::applicationName().toStdString(), PICTAVO_VERSION_MAJOR, PICTAVO_VERSION_MINOR,
                            PICTAVO_VERSION_REVISION},
                           QApplication::windowIcon()});
    QObject::connect(&window, &frmPictavo::aboutRequested, &about, &AboutWindowSlot::show);

    window.show();
    // The files named on the command line ("Open with" in a file manager) are one drop. They come
    // from argv as QApplication leaves it, without the options it took for itself, and stay bytes:
    // a file name need not be text in any encoding.
    if (argc > 1)
        window.queueDrop(commandLineFiles(std::vector<std::filesystem::path>(argv + 1, argv + argc)));
    return QApplication::exec();
}
