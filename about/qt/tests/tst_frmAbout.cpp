#include "AboutWindowSlot.h"
#include "DesktopShell.h"
#include "FakeServices.h"
#include "frmAbout.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

class tst_frmAbout : public QObject {
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url) { opened_ << url; }

private:
    QList<QUrl> opened_;
    RecordingShell shell_;
    MemoryRegistry registry_;
    FakeFiles files_;
    RecordingMessages messages_;
    AboutServices services_{shell_, registry_, files_, files_, messages_};
    ApplicationInfo application_{{"Pictavo", 1, 0, 7}, solidIcon()};

    static QIcon solidIcon()
    {
        QPixmap pixmap(32, 32);
        pixmap.fill(QColor(200, 30, 30));
        return QIcon(pixmap);
    }
    static QWidget *child(const QWidget &window, const char *name) { return window.findChild<QWidget *>(name); }

private slots:
    // One look at the window as loaded and drawn: its texts, its figures, the program icon, and
    // every text within its label.
    void loadsAndRendersItsDescription()
    {
        frmAbout window(services_, {{"Other", 12, 0, 65535}, application_.icon});
        QCOMPARE(window.windowTitle(), QStringLiteral("About Other"));
        QCOMPARE(static_cast<QLabel *>(child(window, "lblTitle"))->text(), QStringLiteral("Other"));
        QCOMPARE(static_cast<QLabel *>(child(window, "lblVersion"))->text(), QStringLiteral("Version 12.0.65535"));
        QVERIFY(window.windowIcon().cacheKey() != application_.icon.cacheKey());

        const QImage image = window.grab().toImage();
        const QColor white(Qt::white), grey(128, 128, 128);
        QCOMPARE(image.pixelColor(0, 0), white);
        QCOMPARE(image.pixelColor(381, 0), white);
        QCOMPARE(image.pixelColor(6, 203), grey);
        QCOMPARE(image.pixelColor(376, 203), grey);
        QVERIFY(image.pixelColor(377, 203) != grey);
        QCOMPARE(image.pixelColor(7, 205), white);
        QVERIFY(image.pixelColor(200, 206) != white);
        QCOMPARE(image.pixelColor(20, 30), QColor(200, 30, 30));
        for (const QLabel *label : window.findChildren<QLabel *>()) {
            const QRect needed = QFontMetrics(label->font()).boundingRect(
                label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
            QVERIFY2(label->contentsRect().contains(needed), qPrintable(label->objectName()));
        }
    }

    void keys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Escape on System Info") << "cmdSysInfo" << int(Qt::Key_Escape) << true;
        QTest::newRow("Enter on the icon") << "picIcon" << int(Qt::Key_Return) << true;
        QTest::newRow("Enter on System Info") << "cmdSysInfo" << int(Qt::Key_Return) << false;
    }

    void keys()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, closes);
        messages_.shown.clear();
        frmAbout window(services_, application_);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
        auto *target = window.findChild<QWidget *>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(window.isVisible(), !closes);
        // With an empty registry, System Information answers with its message.
        QCOMPARE(messages_.shown.size(), std::size_t(closes ? 0 : 1));
    }

    void linksOpenTheirTargets()
    {
        frmAbout window(services_, application_);
        QTest::mouseClick(child(window, "lblLinks(1)"), Qt::LeftButton);
        QTest::mouseClick(child(window, "lblLinks(0)"), Qt::LeftButton);
        QCOMPARE(shell_.calls, (std::vector<std::string>{"0|-|mailto:mail@pictavo.example|-|-|1",
                                                         "0|-|pictavo.example|-|-|1"}));
    }

    // A target without a scheme is read as a user types it; an empty one goes nowhere.
    void desktopShellOpensAddressesAsTyped()
    {
        for (const auto *scheme : {"http", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "openUrl");
        DesktopShell shell;
        QVERIFY(shell.open(0, {}, "mailto:mail@pictavo.example", {}, {}, 1) > 32);
        QVERIFY(shell.open(0, {}, "pictavo.example", {}, {}, 1) > 32);
        QVERIFY(shell.open(0, {}, "", {}, {}, 1) <= 32);
        QCOMPARE(opened_, (QList<QUrl>{QUrl("mailto:mail@pictavo.example"), QUrl("http://pictavo.example")}));
    }

    // A second showing only brings the open window forward; a closed one is loaded afresh.
    void oneWindowLoadedAfreshAfterClose()
    {
        AboutWindowSlot slot(services_, application_);
        slot.show();
        QPointer<frmAbout> first = slot.window();
        auto *version = static_cast<QLabel *>(child(*first, "lblVersion"));
        version->setText(QStringLiteral("changed"));
        slot.show();
        QCOMPARE(slot.window(), first.data());
        QCOMPARE(version->text(), QStringLiteral("changed"));

        QTest::mouseClick(child(*first, "cmdOK"), Qt::LeftButton);
        QTRY_VERIFY(first.isNull());
        slot.show();
        QCOMPARE(static_cast<QLabel *>(child(*slot.window(), "lblVersion"))->text(), QStringLiteral("Version 1.0.7"));
    }

    // Closing the main window leaves the About window working, and closing that ends the program.
    void programEndsWhenTheLastOfBothWindowsCloses()
    {
        QWidget mainWindow;
        mainWindow.show();
        AboutWindowSlot slot(services_, application_);
        slot.show();
        bool aboutOpenAfterMainClosed = false;
        QTimer::singleShot(0, [&] {
            mainWindow.close();
            QTimer::singleShot(0, [&] {
                aboutOpenAfterMainClosed = slot.window()->isVisible();
                slot.window()->close();
            });
        });
        // Only there so that a broken quit fails the test instead of hanging it.
        QTimer::singleShot(30000, [] { QApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(aboutOpenAfterMainClosed);
    }
};

QTEST_MAIN(tst_frmAbout)
#include "tst_frmAbout.moc"
