#include "frmPictavo.h"

#include "ModalMessageBox.h"
#include "OneLineLabel.h"
#include "TempDir.h"
#include "TestImages.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QUrl>

namespace {

// Records what the window asked to show instead of opening a box that would wait for a user.
class RecordingMessageBox : public MessageBoxService {
public:
    void showExclamation(QWidget *, const QString &text, const QString &title) override { shown << title + ": " + text; }

    QStringList shown;
};

// As file managers send it: the name's bytes, percent-encoded.
QUrl url(const std::filesystem::path &file)
{
    return QUrl::fromEncoded("file://" + QByteArray::fromStdString(file.string()).toPercentEncoding("/"));
}

// A drag that enters the target and drops the URLs on it, as the platform delivers one. File
// managers offer the paths as text too, which a text box would gladly paste.
Qt::DropAction dropFiles(QWidget *target, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    data.setText(QUrl::toStringList(urls).join('\n'));
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(centre), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    // The window handles the files it was given once its event loop runs.
    QApplication::sendPostedEvents(target->window(), QEvent::MetaCall);
    return drop.isAccepted() ? drop.dropAction() : Qt::MoveAction;
}

QString text(const QWidget &window, const char *name)
{
    return window.findChild<QLabel *>(QString::fromLatin1(name))->text();
}

// The text a tool tip shows: what looks like markup is taken as markup.
QString shownToolTip(const QWidget &widget)
{
    const QString tip = widget.toolTip();
    if (!Qt::mightBeRichText(tip))
        return tip;
    return QTextDocumentFragment::fromHtml(tip).toPlainText().replace(QChar::LineSeparator, QLatin1Char('\n'));
}

} // namespace

class frmPictavoTest : public QObject {
    Q_OBJECT

    RecordingMessageBox messages;

private slots:
    // The local files of a drop, also one on the text box and one whose name is not UTF-8, reach
    // the drop logic in order, and its texts show as typed; no source may move a dropped file.
    void dropsPublishTheTagOrRefuse()
    {
        const TempDir folder;
        const auto gif = folder.write("<b>logo & co.gif", testimages::gif(120, 60));
        frmPictavo window(messages);
        window.show();
        auto *txtTag = window.findChild<QLineEdit *>(QStringLiteral("txtTag"));
        const QString tag = QStringLiteral(R"(<img src="&lt;b&gt;logo &amp; co.gif" width="120" height="60" border="0">)");
        const QUrl first = url(folder.write("caf\xE9.gif", testimages::gif(1, 2)));

        QCOMPARE(dropFiles(txtTag, {first, QUrl("https://example.org/x.gif"), url(gif)}), Qt::IgnoreAction);
        QCOMPARE(txtTag->text(), tag);
        QCOMPARE(QGuiApplication::clipboard()->text(), tag);
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasHtml());
        QCOMPARE(text(window, "lblFileName"), "File: " + QDir::toNativeSeparators(url(gif).toLocalFile()));
        // A tag longer than the box shows its start.
        QVERIFY(txtTag->fontMetrics().horizontalAdvance(tag) > txtTag->width());
        QVERIFY(txtTag->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < txtTag->width() / 4);

        // What is there but no file is only refused; a missing file also fails its length, and a
        // drop without a local file (a web address, a file on another machine) fails taking the
        // list too.
        const std::pair<QUrl, int> drops[] = {{url(folder.path()), 0},
                                              {url(folder.path() / "gone.gif"), 1},
                                              {QUrl("https://example.org/x.gif"), 3},
                                              {QUrl::fromEncoded("file://nas" + url(gif).toEncoded().mid(7)), 5}};
        for (const auto &[dropped, shown] : drops) {
            dropFiles(&window, {dropped});
            QCOMPARE(int(messages.shown.size()), shown);
            QCOMPARE(text(window, "lblFileName"), QStringLiteral("What kind of file is this?"));
            QCOMPARE(txtTag->text(), tag);
        }
    }

    void quitReleasesTheImageInformation_data()
    {
        QTest::addColumn<int>("key"); // 0: a click on Quit
        QTest::newRow("Enter in txtTag") << int(Qt::Key_Return);
        QTest::newRow("Escape in txtTag") << int(Qt::Key_Escape);
        QTest::newRow("click Quit") << 0;
    }

    void quitReleasesTheImageInformation()
    {
        QFETCH(int, key);
        frmPictavo window(messages);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtTag"));
        const TempDir folder;
        dropFiles(&window, {url(folder.write("a.gif", testimages::gif(1, 1)))});
        QVERIFY(window.oImageInfo() != nullptr);
        if (key == 0)
            QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdQuit")), Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!window.isVisible());
        QVERIFY(window.oImageInfo() == nullptr);
    }

    // One look at the window as drawn: the figures, and every text within its label.
    void rendersItsDescription()
    {
        frmPictavo window(messages);
        QWidget *client = window.centralWidget();
        const QImage image = client->grab().toImage();
        const QColor blue(0, 0, 153), grey(153, 153, 153), ink = client->palette().color(QPalette::WindowText);
        const QColor none = client->palette().color(QPalette::Window);
        const std::pair<QPoint, QColor> pixels[] = {
            {{3, 0}, blue},   {{375, 3}, blue},  {{2, 0}, none},       {{376, 3}, none},    {{190, 1}, none},
            {{144, 86}, blue}, {{360, 184}, blue}, {{170, 100}, none},   {{250, 116}, grey}, {{220, 136}, grey},
            {{280, 136}, grey}, {{250, 156}, grey}, {{144, 40}, ink},     {{360, 40}, ink},    {{361, 40}, none}};
        for (const auto &[pixel, colour] : pixels)
            QVERIFY2(image.pixelColor(pixel) == colour, qPrintable(QStringLiteral("%1,%2").arg(pixel.x()).arg(pixel.y())));
        for (const QLabel *label : client->findChildren<QLabel *>()) {
            const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(),
                                                                   int(label->alignment()) | Qt::TextWordWrap, label->text());
            QVERIFY2(label->contentsRect().contains(needed), qPrintable(label->objectName()));
        }
    }

    // Captions too wide for their one-line labels, or on more than one line; ctest runs this at 96
    // dpi and at the 150 % of a 144 dpi screen.
    void statusLabelsShowWhatMatters()
    {
        using enum DropSurface::Label;
        using enum form::Elision;
        const QString folders = QStringLiteral("File: /home/alexandra/Pictures/Holidays 2024/Camera Roll/");
        const QString refusal = QStringLiteral("Sorry, but BitMaps are not used for HTML display. ");
        const QString xs(22, QLatin1Char('x'));
        const struct {
            DropSurface::Label label;
            QString caption;
            DropSurface::Elision elision;
            QString shown;
        } cases[] = {
            {FileName, folders + "IMG_20240817_153012.jpg", Path,
             "File: /home/…/Holidays 2024/Camera Roll/IMG_20240817_153012.jpg"},
            {FileName, "File: /home/alexandra/Pictures/Holidays <b>2024 in the mountains, far away/Camera Roll/a.jpg",
             Path, "File: /home/alexandra/Pictures/…/Camera Roll/a.jpg"},
            {FileName, "File: /home/me/Photos\nfrom phone/IMG_20240817_153012.jpg", Path,
             "File: /home/me/Photos from phone/IMG_20240817_153012.jpg"},
            {FileName, folders + "IMG_" + xs + xs + xs + ".jpg", Path, "File: /…/IMG_" + xs + "…" + xs + ".jpg"},
            {FileName, "File: /IMG_" + xs + xs + xs + ".jpg", Path, "File: /IMG_x" + xs + "…x" + xs + ".jpg"},
            {FileName, refusal + folders, End, refusal + "File: /home/alexa…"},
            {FileSize, "File Size: 9999999999 bytes", End, "File Size: 9999999999 bytes"},
            {FileSize, "File Size: 99999999999999999 bytes", End, "File Size: 9999999999999999…"},
        };
        frmPictavo window(messages);
        for (const auto &each : cases) {
            window.setLabelCaption(each.label, each.caption.toStdString(), each.elision);
            auto *label = window.findChild<OneLineLabel *>(each.label == FileName ? "lblFileName" : "lblFileSize");
            const OneLineLabel::Shown shown = label->shown();
            QCOMPARE(shown.text, each.shown);
            QVERIFY(QFontMetrics(shown.font).horizontalAdvance(shown.text) <= label->contentsRect().width());
            QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), each.caption);
            QCOMPARE(shownToolTip(*label), each.caption);
        }
    }

    void messageBoxIsModalWithExclamationAndOk()
    {
        QString seen;
        // Runs inside the box's own event loop, the only time the box exists.
        QTimer::singleShot(0, [&seen] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (auto *box = qobject_cast<QMessageBox *>(widget)) {
                    seen = QStringLiteral("%1 %2 %3 %4: %5").arg(box == QApplication::activeModalWidget())
                               .arg(box->icon()).arg(box->standardButtons()).arg(box->windowTitle(), box->text());
                    box->done(0);
                }
            }
        });
        ModalMessageBox().showExclamation(nullptr, QStringLiteral("File Processing Error"), QStringLiteral("Pictavo"));
        QCOMPARE(seen, QStringLiteral("1 %1 %2 Pictavo: File Processing Error").arg(QMessageBox::Warning).arg(QMessageBox::Ok));
    }
};

QTEST_MAIN(frmPictavoTest)
#include "frmPictavoTest.moc"
