#include "AboutWindowSlot.h"
#include "FakeServices.h"
#include "frmAbout.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QtTest>

class tst_frmAbout : public QObject {
    Q_OBJECT

    RecordingShell shell_;
    MemoryRegistry registry_;
    FakeFiles files_;
    RecordingMessages messages_;
    AboutServices services_{shell_, registry_, files_, files_, messages_};
    ApplicationInfo application_{{"Pictavo", 1, 0, 7}, QIcon(QPixmap(QStringLiteral(":/about/aboutWindow32.xpm")))};

    static QString text(const QWidget &window, const char *label) { return window.findChild<QLabel *>(label)->text(); }

private slots:
    // One look at the window as loaded and drawn: its texts, its figures, the program icon, and
    // every text within its label.
    void loadsAndRendersItsDescription()
    {
        QPixmap red(32, 32);
        red.fill(QColor(200, 30, 30));
        frmAbout window(services_, {{"Other", 12, 0, 65535}, QIcon(red)});
        QCOMPARE(window.windowTitle(), QStringLiteral("About Other"));
        QCOMPARE(text(window, "lblTitle"), QStringLiteral("Other"));
        QCOMPARE(text(window, "lblVersion"), QStringLiteral("Version 12.0.65535"));
        const QImage image = window.grab().toImage();
        const QColor white(Qt::white), grey(128, 128, 128);
        const std::pair<QPoint, bool> pixels[] = {{{0, 0}, true}, {{381, 0}, true}, {{7, 205}, true}, {{200, 206}, false}};
        for (const auto &[pixel, isWhite] : pixels)
            QCOMPARE(image.pixelColor(pixel) == white, isWhite);
        QCOMPARE(image.pixelColor(6, 203), grey);
        QCOMPARE(image.pixelColor(376, 203), grey);
        QVERIFY(image.pixelColor(377, 203) != grey);
        QCOMPARE(image.pixelColor(20, 30), QColor(200, 30, 30));
        for (const QLabel *label : window.findChildren<QLabel *>()) {
            const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(),
                                                                   int(label->alignment()) | Qt::TextWordWrap, label->text());
            QVERIFY2(label->contentsRect().contains(needed), qPrintable(label->objectName()));
        }
    }

    void keys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("Enter on the icon") << "picIcon" << int(Qt::Key_Return) << "closed";
        // With an empty registry, System Information answers with its message.
        QTest::newRow("Enter on System Info") << "cmdSysInfo" << int(Qt::Key_Return) << "message";
        QTest::newRow("Enter on a link") << "lblLinks(0)" << int(Qt::Key_Return) << "opened";
        QTest::newRow("Space on a link") << "lblLinks(1)" << int(Qt::Key_Space) << "opened";
        QTest::newRow("Escape on a link") << "lblLinks(1)" << int(Qt::Key_Escape) << "closed";
    }

    void keys()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, outcome);
        messages_.shown.clear();
        shell_.calls.clear();
        frmAbout window(services_, application_);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        window.findChild<QWidget *>(focus)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        const char *opened = shell_.calls.size() == 1 ? "opened" : "nothing";
        QCOMPARE(!window.isVisible() ? "closed" : !messages_.shown.empty() ? "message" : opened, outcome);
    }

    // Tab runs from OK through the icon and System Info to the links and back; a screen reader
    // hears each by its role and name, the icon shows its focus, and a link opens on its action as
    // on a click.
    void keyboardAndScreenReaderReachEveryControl()
    {
        shell_.calls.clear();
        frmAbout window(services_, application_);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *icon = window.findChild<QWidget *>("picIcon");
        std::vector<std::pair<QAccessible::Role, QString>> heard;
        for (int stop = 0; stop < 6; ++stop) {
            const QAccessibleInterface *focused = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
            heard.emplace_back(focused->role(), focused->text(QAccessible::Name));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(stop != 0 || icon->grab().toImage().pixelColor(1, 1) == icon->palette().color(QPalette::Highlight));
        }
        QCOMPARE(heard, (decltype(heard){{QAccessible::Button, "OK"},
                                         {QAccessible::Graphic, "Pictavo icon"},
                                         {QAccessible::Button, "System Info..."},
                                         {QAccessible::Link, "pictavo.example"},
                                         {QAccessible::Link, "mail@pictavo.example"},
                                         {QAccessible::Button, "OK"}}));
        QAccessibleActionInterface *link =
            QAccessible::queryAccessibleInterface(window.findChild<QWidget *>("lblLinks(1)"))->actionInterface();
        link->doAction(link->actionNames().first());
        QTest::mouseClick(window.findChild<QWidget *>("lblLinks(0)"), Qt::LeftButton);
        QCOMPARE(shell_.calls, (std::vector<std::string>{"0|-|mailto:mail@pictavo.example|-|-|1",
                                                         "0|-|pictavo.example|-|-|1"}));
    }

    // A second showing only brings the open window forward; a closed one is loaded afresh.
    void oneWindowLoadedAfreshAfterClose()
    {
        AboutWindowSlot slot(services_, application_);
        slot.show();
        QPointer<frmAbout> first = slot.window();
        first->findChild<QLabel *>("lblVersion")->setText(QStringLiteral("changed"));
        slot.show();
        QCOMPARE(slot.window(), first.data());
        QCOMPARE(text(*first, "lblVersion"), QStringLiteral("changed"));
        QTest::mouseClick(first->findChild<QWidget *>("cmdOK"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        slot.show();
        QCOMPARE(text(*slot.window(), "lblVersion"), QStringLiteral("Version 1.0.7"));
    }
};

QTEST_MAIN(tst_frmAbout)
#include "tst_frmAbout.moc"
