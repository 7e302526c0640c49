#include "AboutWindowSlot.h"
#include "CommandLineFiles.h"
#include "DesktopShell.h"
#include "ModalMessageBox.h"
#include "NativeServices.h"
#include "QtUserMessages.h"
#include "ToolkitArguments.h"
#include "frmPictavo.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    platform::ToolkitArguments toolkitArguments(argc, argv);
    QApplication app(toolkitArguments.count(), toolkitArguments.values());
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
    // from the arguments as QApplication leaves them, without the options it took for itself, and
    // stay bytes: a file name need not be text in any encoding.
    if (const int count = toolkitArguments.count(); count > 1) {
        char **const arguments = toolkitArguments.values();
        window.queueDrop(commandLineFiles(std::vector<std::filesystem::path>(arguments + 1, arguments + count)));
    }
    return QApplication::exec();
}
