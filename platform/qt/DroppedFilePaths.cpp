#include "DroppedFilePaths.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

namespace {

// What GNOME's file managers put on the clipboard for copied or cut files: "copy" or "cut" on the
// first line, then one URL a line. A cut asks whoever pastes to move the files; they are only read.
QList<QUrl> gnomeCopiedFiles(const QMimeData &data)
{
    QList<QUrl> urls;
    const QList<QByteArray> lines = data.data(QStringLiteral("x-special/gnome-copied-files")).split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (!line.isEmpty())
            urls << QUrl::fromEncoded(line);
    }
    return urls;
}

// A file URL may name a machine. Windows reaches such a file by its network path; elsewhere the
// path alone would name another, local file.
bool namesLocalFile(const QUrl &url)
{
#ifdef Q_OS_WIN
    return url.isLocalFile();
#else
    return url.isLocalFile() && (url.host().isEmpty() || url.host() == QLatin1String("localhost"));
#endif
}

std::filesystem::path localPath(const QUrl &url)
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(url.toLocalFile()).toStdU16String();
#else
    // A file name here is bytes, not necessarily UTF-8: decoded as text, one in another encoding
    // would come back naming a file that is not there.
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
#endif
}

} // namespace

DroppedFiles droppedFilePaths(const QMimeData &data)
{
    std::vector<std::filesystem::path> paths;
    for (const QUrl &url : data.hasUrls() ? data.urls() : gnomeCopiedFiles(data)) {
        if (namesLocalFile(url))
            paths.push_back(localPath(url));
    }
    if (paths.empty())
        return std::nullopt;
    return paths;
}
