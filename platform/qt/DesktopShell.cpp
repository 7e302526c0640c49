#include "DesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

std::int32_t DesktopShell::open(std::intptr_t /*ownerWindow*/, const std::optional<std::string> & /*verb*/,
                                const std::string &file, const std::optional<std::string> & /*parameters*/,
                                const std::optional<std::string> & /*directory*/, std::int32_t /*showCommand*/)
{
    // An empty target is nothing to open; the desktop handler is not even asked.
    if (file.empty())
        return FileNotFound;
    const QUrl url = QUrl::fromUserInput(QString::fromStdString(file));
    if (!url.isValid())
        return FileNotFound;
    return QDesktopServices::openUrl(url) ? Opened : NoHandler;
}
