// One drop of every file in the folder given as the argument (the drop set: all of them GIF or
// JPEG, so none is refused) on the real main window with the platform's real clipboard, timed
// from the drag's entry until the window has repainted. In the same process and on the same
// files it also times what a drop costs at the least: the file reads alone (the inspection and
// the length query), the drop logic without a window, and the clipboard publications alone.
// Prints one JSON object of microseconds per file, each the median of several runs.
#include "BenchFolder.h"
#include "ClipboardText.h"
#include "DropProcessor.h"
#include "DropSurface.h"
#include "MessageBoxService.h"
#include "clsImageInfo.h"
#include "frmPictavo.h"

#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kRuns = 9;

// Any message means a step of the drop failed, which would make the figures meaningless.
class CountingMessages : public MessageBoxService {
public:
    void showExclamation(QWidget *, const QString &, const QString &) override { ++shown; }

    int shown = 0;
};

// The drop logic with nowhere to publish: what remains is its own work and the file reads.
class DiscardingSurface : public DropSurface {
public:
    void setTagText(const std::string &) override {}
    void setLabelCaption(Label, const std::string &, Elision) override {}
    bool setClipboardText(const std::string &) override { return true; }
    void showErrorMessage(const std::string &, const std::string &) override {}
    void focusWindow() override {}
    bool windowClosed() const override { return false; }
};

// Median over the runs, after one run that warms the caches, in microseconds per file.
template <typename Run> double microsecondsPerFile(std::size_t files, Run run)
{
    run();
    std::vector<qint64> nanoseconds;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        nanoseconds.push_back(timer.nsecsElapsed());
    }
    std::ranges::sort(nanoseconds);
    return static_cast<double>(nanoseconds[nanoseconds.size() / 2]) / 1000.0 / static_cast<double>(files);
}

void dropOnWindow(QWidget &window, const QMimeData &data)
{
    const QPoint centre = window.rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    // The repaint that shows the last file belongs to the drop's cost.
    QApplication::processEvents();
}

// What the drop logic reads from the disk for one file: the inspection, then the length query,
// which asks whether the path is a regular file before it asks for the size.
void readFile(clsImageInfo &info, const fs::path &path)
{
    info.setFilename(path);
    volatile const auto type = info.FileType();
    volatile const auto height = info.Height();
    volatile const auto width = info.Width();
    std::error_code error;
    volatile const bool regular = fs::is_regular_file(path, error);
    volatile const auto length = fs::file_size(path, error);
    static_cast<void>(type), static_cast<void>(height), static_cast<void>(width), static_cast<void>(regular),
        static_cast<void>(length);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::vector<fs::path> paths = sortedFilesIn(argv[1]);
    const std::size_t files = paths.size();
    QList<QUrl> urls;
    QStringList tags;
    for (const auto &path : paths) {
        urls << QUrl::fromLocalFile(QString::fromStdString(path.string()));
        tags << QStringLiteral("<img src=\"%1\" width=\"640\" height=\"480\" border=\"0\">")
                    .arg(QString::fromStdString(path.filename().string()));
    }
    QMimeData data;
    data.setUrls(urls);

    CountingMessages messages;
    frmPictavo window(messages);
    window.show();
    QApplication::processEvents();

    const double throughWindow = microsecondsPerFile(files, [&] { dropOnWindow(window, data); });
    const double fileReads = microsecondsPerFile(files, [&] {
        clsImageInfo info;
        for (const auto &path : paths)
            readFile(info, path);
    });
    DiscardingSurface surface;
    DropProcessor logic(surface);
    const double logicAlone = microsecondsPerFile(files, [&] {
        std::int32_t effect = 1;
        logic.Form_OLEDragDrop(paths, effect);
    });
    ClipboardText clipboard;
    const double clipboardAlone = microsecondsPerFile(files, [&] {
        for (const QString &tag : tags)
            clipboard.put(tag);
    });
    const double focusAlone = microsecondsPerFile(files, [&] {
        for (std::size_t i = 0; i < files; ++i)
            window.focusWindow();
    });

    // The drop must have published the last file, or it stopped early and timed too little.
    const QString lastTag = window.findChild<QLineEdit *>(QStringLiteral("txtTag"))->text();
    const QString lastName = QString::fromStdString(paths.back().filename().string());
    if (messages.shown != 0 || !lastTag.contains(lastName)) {
        std::fprintf(stderr, "the drop did not go through: %d messages, tag %s\n", messages.shown, qPrintable(lastTag));
        return 1;
    }
    std::printf("{\"files\": %zu, \"platform\": \"%s\", \"window_us\": %.3f, \"file_reads_us\": %.3f, "
                "\"logic_us\": %.3f, \"clipboard_us\": %.3f, \"focus_us\": %.3f}\n",
                files, qPrintable(QGuiApplication::platformName()), throughWindow, fileReads, logicAlone,
                clipboardAlone, focusAlone);
    return 0;
}
