#include "frmPictavo.h"

#include "MessageBoxService.h"
#include "TempDir.h"
#include "TestImages.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QWindow>

namespace {

const QString kInitialTag = QStringLiteral("The text in this area will be automatically sent to your clipboard.");
const QString kClipboardBefore = QStringLiteral("on the clipboard before the drop");

// Records what the window asked to show instead of opening a box that would wait for a user.
class RecordingMessageBox : public MessageBoxService {
public:
    void showExclamation(QWidget *, const QString &text, const QString &title) override
    {
        shown << title + QStringLiteral(": ") + text;
    }

    QStringList shown;
};

QString nativePath(const std::filesystem::path &path)
{
    return QDir::toNativeSeparators(QString::fromStdU16String(path.u16string()));
}

// A file spec "kind:name" from a test row; kind is gif, bmp or missing.
std::filesystem::path makeFile(const TempDir &folder, const QString &spec)
{
    const QString kind = spec.section(':', 0, 0);
    const std::string name = spec.section(':', 1).toStdString();
    if (kind == "gif")
        return folder.write(name, testimages::gif(120, 60));
    if (kind == "bmp")
        return folder.write(name, testimages::bmp(10, 10));
    return folder.path() / name;
}

QString sizeOf(const testimages::Bytes &bytes)
{
    return QStringLiteral("File Size: %1 bytes").arg(bytes.size());
}

QString labelText(const frmPictavo &window, const char *name)
{
    return window.findChild<QLabel *>(QString::fromLatin1(name))->text();
}

// A drag that enters the target and drops the data on it, as the platform delivers one.
std::pair<bool, Qt::DropAction> dragAndDrop(QWidget *target, const QMimeData &data)
{
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(centre), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return {drop.isAccepted(), drop.dropAction()};
}

// An empty drop leaves a fresh image information object behind: a known non-empty state.
void holdImageInfo(frmPictavo &window)
{
    QMimeData nothing;
    dragAndDrop(&window, nothing);
}

} // namespace

class frmPictavoTest : public QObject {
    Q_OBJECT

private slots:
    void frameAndMenu();
    void aboutItemAsksForAboutWindow();
    void controls_data();
    void controls();
    void focusStartsInTagAndCyclesWithQuit();
    void textsFitTheirLabels_data();
    void textsFitTheirLabels();
    void captionsArePlainText();
    void quitEndsWindowAndReleasesImageInfo_data();
    void quitEndsWindowAndReleasesImageInfo();
    void drops_data();
    void drops();
    void dragNotificationsReleaseImageInfo_data();
    void dragNotificationsReleaseImageInfo();
    void decorations_data();
    void decorations();
};

void frmPictavoTest::frameAndMenu()
{
    RecordingMessageBox messages;
    frmPictavo window(messages);
    window.show();

    QCOMPARE(window.windowTitle(), QStringLiteral("Pictavo"));
    QCOMPARE(window.centralWidget()->size(), QSize(378, 229));
    QCOMPARE(window.centralWidget()->y(), window.menuBar()->height());
    QCOMPARE(window.size(), QSize(378, 229 + window.menuBar()->height()));
    QCOMPARE(window.minimumSize(), window.maximumSize());

    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    // A plain top-level window (not a tool or dialog window) gets a task-bar button.
    QCOMPARE(window.windowType(), Qt::Window);

    const QList<QAction *> menus = window.menuBar()->actions();
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus[0]->text(), QStringLiteral("About"));
    QCOMPARE(menus[0]->menu()->objectName(), QStringLiteral("mnuAbout"));
    const QList<QAction *> items = menus[0]->menu()->actions();
    QCOMPARE(items.size(), 1);
    QCOMPARE(items[0]->text(), QStringLiteral("This Utility"));
    QCOMPARE(items[0]->objectName(), QStringLiteral("mnuAboutThis"));
}

void frmPictavoTest::aboutItemAsksForAboutWindow()
{
    RecordingMessageBox messages;
    frmPictavo window(messages);
    QSignalSpy aboutRequests(&window, &frmPictavo::aboutRequested);

    window.findChild<QAction *>(QStringLiteral("mnuAboutThis"))->trigger();

    QCOMPARE(aboutRequests.count(), 1);
}

void frmPictavoTest::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("alignment");

    const int left = Qt::AlignLeft | Qt::AlignTop;
    QTest::newRow("lblFileName") << "lblFileName" << QRect(8, 16, 345, 17)
                                 << "I always wanted one of these, now I have one... and so do you." << left;
    QTest::newRow("Label1") << "Label1" << QRect(144, 48, 217, 33)
                            << "Drag and drop a GIF or a Jpeg below to get image information and an HTML tag."
                            << int(Qt::AlignHCenter | Qt::AlignTop);
    QTest::newRow("lblFileSize") << "lblFileSize" << QRect(8, 48, 129, 17) << "" << left;
    QTest::newRow("lblFileType eleven blanks") << "lblFileType" << QRect(8, 80, 121, 17) << "           Enjoy!" << left;
    QTest::newRow("Label2") << "Label2" << QRect(16, 176, 97, 17) << "Item on Clipboard:" << left;
    QTest::newRow("cmdQuit") << "cmdQuit" << QRect(16, 128, 81, 25) << "Quit" << 0;
    QTest::newRow("txtTag") << "txtTag" << QRect(8, 198, 353, 19) << kInitialTag << 0;
}

void frmPictavoTest::controls()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(int, alignment);

    RecordingMessageBox messages;
    frmPictavo window(messages);
    window.show();
    auto *control = window.centralWidget()->findChild<QWidget *>(name);
    QVERIFY(control != nullptr);

    // In client-area coordinates, whatever widgets lie between.
    QCOMPARE(QRect(control->mapTo(window.centralWidget(), QPoint(0, 0)), control->size()), geometry);
    if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(int(label->alignment()), alignment);
        QVERIFY(label->wordWrap());
    } else if (auto *button = qobject_cast<QPushButton *>(control)) {
        QCOMPARE(button->text(), text);
        QVERIFY(button->isDefault());
    } else if (auto *box = qobject_cast<QLineEdit *>(control)) {
        QCOMPARE(box->text(), text);
        QVERIFY(!box->isReadOnly());
        QCOMPARE(box->maxLength(), 32767); // Qt's largest: no limit of our own
    }
}

void frmPictavoTest::focusStartsInTagAndCyclesWithQuit()
{
    RecordingMessageBox messages;
    frmPictavo window(messages);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    auto *txtTag = window.findChild<QLineEdit *>(QStringLiteral("txtTag"));
    auto *cmdQuit = window.findChild<QPushButton *>(QStringLiteral("cmdQuit"));
    QCOMPARE(QApplication::focusWidget(), txtTag);

    QTest::keyClick(txtTag, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), cmdQuit);
    QTest::keyClick(cmdQuit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), txtTag);

    QStringList focusable;
    for (QWidget *child : window.findChildren<QWidget *>()) {
        if (child->focusPolicy() != Qt::NoFocus)
            focusable << child->objectName();
    }
    focusable.sort();
    QCOMPARE(focusable, (QStringList{"cmdQuit", "txtTag"}));
}

void frmPictavoTest::textsFitTheirLabels_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");

    // The initial captions, and the longest texts a drop writes into each narrow label.
    QTest::newRow("lblFileName start") << "lblFileName"
                                       << "I always wanted one of these, now I have one... and so do you." << 1;
    QTest::newRow("Label1") << "Label1"
                            << "Drag and drop a GIF or a Jpeg below to get image information and an HTML tag." << 2;
    QTest::newRow("lblFileType start") << "lblFileType" << "           Enjoy!" << 1;
    QTest::newRow("Label2") << "Label2" << "Item on Clipboard:" << 1;
    QTest::newRow("BMP refusal") << "lblFileName" << "Sorry, but BitMaps are not used for HTML display." << 1;
    QTest::newRow("refusal second line") << "lblFileSize" << "Try dropping in a GIF," << 1;
    QTest::newRow("refusal third line") << "lblFileType" << "...or a Jpeg." << 1;
    // Eight digits (files under 100 MB) is as much as the label's width takes on one line.
    QTest::newRow("eight-digit size") << "lblFileSize" << "File Size: 99999999 bytes" << 1;
    QTest::newRow("type") << "lblFileType" << "File Type: Jpeg" << 1;
}

void frmPictavoTest::textsFitTheirLabels()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(int, lines);

    RecordingMessageBox messages;
    frmPictavo window(messages);
    auto *target = window.findChild<QLabel *>(label);
    QVERIFY2(QStringList({"Liberation Sans", "Arial"}).contains(QFontInfo(target->font()).family()),
             "the interface typeface is missing (Debian: fonts-liberation2)");

    const QFontMetrics metrics(target->font());
    const QRect area = target->contentsRect();
    const QRect needed = metrics.boundingRect(area, int(target->alignment()) | Qt::TextWordWrap, text);
    QVERIFY2(area.contains(needed), qPrintable(QStringLiteral("needs %1x%2 in %3x%4")
                                                   .arg(needed.width()).arg(needed.height())
                                                   .arg(area.width()).arg(area.height())));
    QCOMPARE(needed.height() / metrics.height(), lines);
}

void frmPictavoTest::captionsArePlainText()
{
    RecordingMessageBox messages;
    frmPictavo window(messages);
    const std::string path = "File: /tmp/<b>x</b>.gif";
    window.setLabelCaption(DropSurface::Label::FileName, path);

    auto *label = window.findChild<QLabel *>(QStringLiteral("lblFileName"));
    QCOMPARE(label->text(), QString::fromStdString(path));
    QCOMPARE(label->textFormat(), Qt::PlainText);
}

void frmPictavoTest::quitEndsWindowAndReleasesImageInfo_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key"); // 0: click Quit; -1: the title bar's close box

    QTest::newRow("Enter in txtTag") << "txtTag" << int(Qt::Key_Return);
    QTest::newRow("keypad Enter in txtTag") << "txtTag" << int(Qt::Key_Enter);
    QTest::newRow("Escape in txtTag") << "txtTag" << int(Qt::Key_Escape);
    QTest::newRow("Enter on Quit") << "cmdQuit" << int(Qt::Key_Return);
    QTest::newRow("click Quit") << "cmdQuit" << 0;
    QTest::newRow("close box") << "" << -1;
}

void frmPictavoTest::quitEndsWindowAndReleasesImageInfo()
{
    QFETCH(QString, target);
    QFETCH(int, key);

    RecordingMessageBox messages;
    frmPictavo window(messages);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    holdImageInfo(window);
    QVERIFY(window.oImageInfo() != nullptr);

    if (key == -1) {
        window.windowHandle()->close();
    } else if (key == 0) {
        QTest::mouseClick(window.findChild<QPushButton *>(target), Qt::LeftButton);
    } else {
        auto *widget = window.findChild<QWidget *>(target);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key(key));
    }

    QVERIFY(!window.isVisible());
    QVERIFY(window.oImageInfo() == nullptr);
}

void frmPictavoTest::drops_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("onTextBox");
    QTest::addColumn<QString>("tag");        // null: the box keeps its text, the clipboard too
    QTest::addColumn<QStringList>("labels"); // {dir} stands for the folder; a null entry is not checked
    QTest::addColumn<QStringList>("messages");

    const QString gifTag = QStringLiteral(R"(<img src="logo.gif" width="120" height="60" border="0">)");
    const QString gifSize = sizeOf(testimages::gif(120, 60));
    const QStringList bmpRefusal{"Sorry, but BitMaps are not used for HTML display.", "Try dropping in a GIF,",
                                 "...or a Jpeg."};
    const QStringList none;

    QTest::newRow("GIF") << QStringList{"gif:logo.gif"} << false << gifTag
                         << QStringList{"File: {dir}logo.gif", gifSize, "File Type: GIF"} << none;
    // Which refusal line follows depends on the type the image information reports for a file
    // it cannot open; the failed length query is the window's part.
    QTest::newRow("missing file") << QStringList{"missing:gone.gif"} << false << QString()
                                  << QStringList{QString(), "Try dropping in a GIF,", "...or a Jpeg."}
                                  << QStringList{"Pictavo: File Processing Error"};
    QTest::newRow("two GIFs, the last one stays")
        << QStringList{"gif:first.gif", "gif:logo.gif"} << false << gifTag
        << QStringList{"File: {dir}logo.gif", gifSize, "File Type: GIF"} << none;
    QTest::newRow("dropped on the text box") << QStringList{"gif:logo.gif"} << true << gifTag
                                             << QStringList{"File: {dir}logo.gif", gifSize, "File Type: GIF"} << none;
    // A refusal publishes no tag, so only here would text pasted from the drop show in the box.
    QTest::newRow("BMP on the text box") << QStringList{"bmp:picture.bmp"} << true << QString() << bmpRefusal << none;
}

void frmPictavoTest::drops()
{
    QFETCH(QStringList, files);
    QFETCH(bool, onTextBox);
    QFETCH(QString, tag);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, messages);

    TempDir folder;
    QList<QUrl> urls;
    for (const QString &spec : files)
        urls << QUrl::fromLocalFile(QString::fromStdU16String(makeFile(folder, spec).u16string()));
    QMimeData data;
    data.setUrls(urls);
    // File managers offer the paths as text too, which a text box would gladly paste.
    data.setText(QUrl::toStringList(urls).join('\n'));
    QGuiApplication::clipboard()->setText(kClipboardBefore);

    RecordingMessageBox shown;
    frmPictavo window(shown);
    window.show();
    QWidget *target = onTextBox ? window.findChild<QWidget *>(QStringLiteral("txtTag")) : &window;
    const auto [accepted, action] = dragAndDrop(target, data);

    QVERIFY(accepted);
    QCOMPARE(action, Qt::IgnoreAction);
    QCOMPARE(shown.shown, messages);
    const QString expectedTag = tag.isNull() ? kInitialTag : tag;
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("txtTag"))->text(), expectedTag);
    QCOMPARE(QGuiApplication::clipboard()->text(), tag.isNull() ? kClipboardBefore : tag);
    const QString dir = nativePath(folder.path() / "");
    const char *names[] = {"lblFileName", "lblFileSize", "lblFileType"};
    for (int i = 0; i < 3; ++i) {
        if (!labels[i].isNull())
            QCOMPARE(labelText(window, names[i]), QString(labels[i]).replace("{dir}", dir));
    }
}

void frmPictavoTest::dragNotificationsReleaseImageInfo_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("enter") << int(QEvent::DragEnter);
    QTest::newRow("move") << int(QEvent::DragMove);
    QTest::newRow("leave") << int(QEvent::DragLeave);
}

void frmPictavoTest::dragNotificationsReleaseImageInfo()
{
    QFETCH(int, type);

    RecordingMessageBox messages;
    frmPictavo window(messages);
    holdImageInfo(window);
    QVERIFY(window.oImageInfo() != nullptr);

    // Even data the window could never use is welcome: the decision is made on the drop.
    QMimeData data;
    data.setText(QStringLiteral("not a file"));
    const QPoint inside(200, 120);
    // The application hands moves and leaves only to the target of a live drag session, which
    // a test cannot open; the window's own event dispatch is what is under test here.
    QObject &receiver = window;
    if (type == QEvent::DragLeave) {
        QDragLeaveEvent leave;
        receiver.event(&leave);
    } else if (type == QEvent::DragEnter) {
        QDragEnterEvent enter(inside, Qt::LinkAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::LinkAction);
    } else {
        QDragMoveEvent move(inside, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        move.ignore();
        receiver.event(&move);
        QVERIFY(move.isAccepted());
        QCOMPARE(move.dropAction(), Qt::MoveAction);
    }
    QVERIFY(window.oImageInfo() == nullptr);
    QCOMPARE(labelText(window, "lblFileType"), QStringLiteral("           Enjoy!"));
}

void frmPictavoTest::decorations_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour"); // invalid: the background shows

    const QColor blue(0, 0, 153);
    const QColor grey(153, 153, 153);
    const QColor none;
    QTest::newRow("upper rule start") << QPoint(3, 0) << blue;
    QTest::newRow("upper rule end") << QPoint(375, 0) << blue;
    QTest::newRow("left of the rules") << QPoint(2, 0) << none;
    QTest::newRow("right of the rules") << QPoint(376, 3) << none;
    QTest::newRow("between the rules") << QPoint(190, 1) << none;
    QTest::newRow("lower rule end") << QPoint(375, 3) << blue;
    QTest::newRow("frame top left") << QPoint(144, 86) << blue;
    QTest::newRow("frame bottom right") << QPoint(360, 184) << blue;
    QTest::newRow("inside the frame") << QPoint(170, 100) << none;
    QTest::newRow("plus top") << QPoint(250, 116) << grey;
    QTest::newRow("plus bottom") << QPoint(250, 156) << grey;
    QTest::newRow("plus left") << QPoint(220, 136) << grey;
    QTest::newRow("plus right") << QPoint(280, 136) << grey;
}

void frmPictavoTest::decorations()
{
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);

    RecordingMessageBox messages;
    frmPictavo window(messages);
    window.show();
    QWidget *client = window.centralWidget();
    // A grab repaints from scratch, so the figures must come back on every paint.
    const QImage image = client->grab().toImage();
    const QColor expected = colour.isValid() ? colour : client->palette().color(QPalette::Window);
    QCOMPARE(image.pixelColor(pixel), expected);
}

QTEST_MAIN(frmPictavoTest)
#include "frmPictavoTest.moc"
