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
        const QString native = QDir::toNativeSeparators(url.toLocalFile());
        paths.emplace_back(native.toStdU16String());
    }
    return paths;
}
