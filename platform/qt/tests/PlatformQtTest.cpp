#include "ClipboardText.h"
#include "DroppedFilePaths.h"
#include "ModalMessageBox.h"
#include "PersistentCanvas.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

namespace {

QStringList asStrings(const std::vector<std::filesystem::path> &paths)
{
    QStringList strings;
    for (const auto &path : paths)
        strings << QString::fromStdU16String(path.u16string());
    return strings;
}

QString nativeAbsolute(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QDir::temp().absoluteFilePath(path)));
}

QUrl fileUrl(const QString &path)
{
    return QUrl::fromLocalFile(QDir::cleanPath(QDir::temp().absoluteFilePath(path)));
}

// What the queued check saw of the box that was up while showExclamation waited.
struct SeenBox {
    bool found = false;
    bool modal = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QString title;
    QString text;
};

} // namespace

class PlatformQtTest : public QObject {
    Q_OBJECT

private slots:
    void droppedFilePaths_data();
    void droppedFilePaths();
    void clipboardHoldsPlainTextOnly();
    void modalMessageBoxWaitsWithExclamationAndOk();
    void canvasRedrawsStrokesPixelExact_data();
    void canvasRedrawsStrokesPixelExact();
};

void PlatformQtTest::droppedFilePaths_data()
{
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");

    const QStringList none;
    // The drop logic handles files in the platform's order and stops at the first refusal.
    QTest::newRow("order as delivered") << QList<QUrl>{fileUrl("b.gif"), fileUrl("a.gif")} << QString()
                                        << QStringList{nativeAbsolute("b.gif"), nativeAbsolute("a.gif")};
    QTest::newRow("web link left out") << QList<QUrl>{QUrl("https://example.org/x.gif"), fileUrl("x.gif")} << QString()
                                       << QStringList{nativeAbsolute("x.gif")};
    // Spaces and markup must survive URL decoding unchanged.
    QTest::newRow("space and markup kept") << QList<QUrl>{fileUrl("My Photo <b>.gif")} << QString()
                                           << QStringList{nativeAbsolute("My Photo <b>.gif")};
    QTest::newRow("non-ASCII name") << QList<QUrl>{fileUrl(QString::fromUtf8("caf\u00e9.jpg"))} << QString()
                                    << QStringList{nativeAbsolute(QString::fromUtf8("caf\u00e9.jpg"))};
    QTest::newRow("text only") << QList<QUrl>{} << QString("/tmp/logo.gif") << none;
}

void PlatformQtTest::droppedFilePaths()
{
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);

    QMimeData data;
    if (!urls.isEmpty())
        data.setUrls(urls);
    if (!text.isNull())
        data.setText(text);

    QCOMPARE(asStrings(::droppedFilePaths(data)), expected);
}

void PlatformQtTest::clipboardHoldsPlainTextOnly()
{
    const QString tag = QStringLiteral(R"(<img src="a b.gif" width="1" height="2" border="0">)");
    QVERIFY(putTextOnClipboard(tag));

    const QMimeData *content = QGuiApplication::clipboard()->mimeData();
    QVERIFY(content != nullptr);
    QCOMPARE(content->text(), tag);
    // Markup in plain text: a rich-text paste target must not get an HTML flavour.
    QVERIFY(!content->hasHtml());
}

void PlatformQtTest::modalMessageBoxWaitsWithExclamationAndOk()
{
    SeenBox seen;
    // Runs inside the box's own event loop, the only time the box exists.
    QMetaObject::invokeMethod(
        this,
        [&seen] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box == nullptr) {
                // Do not leave the test hanging on a box that is not modal.
                for (QWidget *widget : QApplication::topLevelWidgets()) {
                    if (auto *stray = qobject_cast<QMessageBox *>(widget))
                        stray->done(0);
                }
                return;
            }
            seen = {true, box->isModal(), box->icon(), box->standardButtons(), box->windowTitle(), box->text()};
            box->button(QMessageBox::Ok)->click();
        },
        Qt::QueuedConnection);

    ModalMessageBox messages;
    messages.showExclamation(nullptr, QStringLiteral("File Processing Error"), QStringLiteral("Pictavo"));

    QVERIFY2(seen.found, "no modal message box was active while showExclamation waited");
    QVERIFY(seen.modal);
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen.title, QStringLiteral("Pictavo"));
    QCOMPARE(seen.text, QStringLiteral("File Processing Error"));
}

void PlatformQtTest::canvasRedrawsStrokesPixelExact_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("inked");

    // A horizontal line from (3, 0) to (36, 0), a vertical one from (20, 5) to (20, 9) and a
    // rectangle with the corners (5, 12) and (30, 24).
    QTest::newRow("line start") << QPoint(3, 0) << true;
    QTest::newRow("line end") << QPoint(36, 0) << true;
    QTest::newRow("before line start") << QPoint(2, 0) << false;
    QTest::newRow("after line end") << QPoint(37, 0) << false;
    QTest::newRow("vertical end") << QPoint(20, 9) << true;
    QTest::newRow("below vertical end") << QPoint(20, 10) << false;
    QTest::newRow("rectangle first corner") << QPoint(5, 12) << true;
    QTest::newRow("rectangle opposite corner") << QPoint(30, 24) << true;
    QTest::newRow("outside rectangle right") << QPoint(31, 18) << false;
    QTest::newRow("rectangle not filled") << QPoint(18, 18) << false;
}

void PlatformQtTest::canvasRedrawsStrokesPixelExact()
{
    QFETCH(QPoint, pixel);
    QFETCH(bool, inked);

    const QColor ink(0, 0, 153);
    PersistentCanvas canvas;
    canvas.resize(40, 30);
    const form::Rgb rgb{0, 0, 153};
    using Shape = form::Figure::Shape;
    const form::Figure figures[] = {{Shape::Line, {3, 0}, {36, 0}, rgb}, {Shape::Line, {20, 5}, {20, 9}, rgb},
                                    {Shape::Rectangle, {5, 12}, {30, 24}, rgb}};
    canvas.draw(figures);

    // Two grabs: each is a full repaint, so the second shows what survives one.
    canvas.grab();
    const QImage image = canvas.grab().toImage();
    QCOMPARE(image.pixelColor(pixel) == ink, inked);
}

QTEST_MAIN(PlatformQtTest)
#include "PlatformQtTest.moc"
