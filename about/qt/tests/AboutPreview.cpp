// Usage: about_preview OUTPUT.png [PROGRAM-ICON]
// Shows the About window with the program's real texts and icon, grabs it and saves the picture.
#include "AboutServices.h"
#include "FakeFiles.h"
#include "MemoryRegistry.h"
#include "RecordingMessages.h"
#include "RecordingShell.h"
#include "frmAbout.h"

#include <QApplication>
#include <QPixmap>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3)
        return 2;
    RecordingShell shell;
    MemoryRegistry registry;
    FakeFiles files;
    RecordingMessages messages;
    const AboutServices services{shell, registry, files, files, messages};
    const QIcon programIcon(argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString());
    frmAbout window(services, ApplicationInfo{{"Pictavo", 1, 0, 7}, programIcon});
    window.show();
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
