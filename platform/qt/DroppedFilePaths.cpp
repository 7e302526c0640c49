#include "DroppedFilePaths.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

std::vector<std::filesystem::path> droppedFilePaths(const QMimeData &data)
{
    std::vector<std::filesystem::path> paths;
    if (!data.hasUrls())
        return paths;
    for (const QUrl &url : data.urls()) {
        if (!url.isLocalFile())
            continue;
#ifdef Q_OS_WIN
        const QString native = QDir::toNativeSeparators(url.toLocalFile());
        paths.emplace_back(native.toStdU16String());
#else
        // A file name here is bytes, not necessarily UTF-8: decoded as text, one in another
        // encoding would come back naming a file that is not there.
        paths.emplace_back(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
#endif
    }
    return paths;
}
