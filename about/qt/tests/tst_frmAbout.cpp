#include "AboutWindowSlot.h"
#include "DesktopShell.h"
#include "FakeFiles.h"
#include "LinkLabel.h"
#include "PersistentCanvas.h"
#include "MemoryRegistry.h"
#include "RecordingMessages.h"
#include "RecordingShell.h"
#include "frmAbout.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>
#include <QtTest>

namespace {

QIcon programIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(QColor(200, 30, 30));
    return QIcon(pixmap);
}

// Receives the URLs the desktop would have opened, so no browser or mail program starts.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void openUrl(const QUrl &url) { opened.append(url); }
};

} // namespace

class tst_frmAbout : public QObject {
    Q_OBJECT

private:
    RecordingShell shell_;
    MemoryRegistry registry_;
    FakeFiles files_;
    RecordingMessages messages_;
    AboutServices services_{shell_, registry_, files_, files_, messages_};
    ApplicationInfo application_{{"Pictavo", 1, 0, 7}, programIcon()};

    std::unique_ptr<frmAbout> openWindow()
    {
        auto window = std::make_unique<frmAbout>(services_, application_);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the About window did not become active");
        return window;
    }

    template <typename T> static T *child(const QWidget &window, const QString &name)
    {
        auto *found = window.findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

private slots:
    void init()
    {
        shell_.calls.clear();
        messages_.shown.clear();
    }

    void versionNumbersAreWrittenInPlainDigits()
    {
        ApplicationInfo other = application_;
        other.identity = {"Other", 12, 0, 65535};
        frmAbout window(services_, other);
        QCOMPARE(window.windowTitle(), QStringLiteral("About Other"));
        QCOMPARE(child<QLabel>(window, "lblVersion")->text(), QStringLiteral("Version 12.0.65535"));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");

        QTest::newRow("picIcon") << "picIcon" << QRect(8, 16, 41, 39) << QString();
        QTest::newRow("lblTitle") << "lblTitle" << QRect(72, 16, 259, 24) << "Pictavo";
        QTest::newRow("lblVersion") << "lblVersion" << QRect(70, 40, 259, 15) << "Version 1.0.7";
        QTest::newRow("lblDescription")
            << "lblDescription" << QRect(70, 64, 259, 46)
            << "Description: A little bit of OLE and a Class File and away we go. With its compact size, it is "
               "first on my list to go on my coming text editor.";
        QTest::newRow("lblHPage") << "lblHPage" << QRect(72, 120, 89, 17) << "HOMEPAGE:";
        QTest::newRow("lblLinks(0)") << "lblLinks(0)" << QRect(176, 120, 103, 13) << "pictavo.example";
        QTest::newRow("lblEMail") << "lblEMail" << QRect(64, 152, 113, 25) << "Email Address:";
        QTest::newRow("lblLinks(1)") << "lblLinks(1)" << QRect(184, 152, 129, 21) << "mail@pictavo.example";
        QTest::newRow("Label1") << "Label1" << QRect(192, 184, 129, 17) << "\u00A9 2026 Pictavo authors";
        QTest::newRow("lblDisclaimer")
            << "lblDisclaimer" << QRect(17, 215, 258, 55)
            << "Disclaimer: This software is distributed as freeware, without any warranties or liabilities. You may "
               "redistribute as you wish, so long as the original file remains intact... hope it comes in handy.";
        QTest::newRow("cmdOK") << "cmdOK" << QRect(283, 215, 84, 23) << "OK";
        QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(284, 245, 83, 23) << "&System Info...";
    }

    // Every control at its place and size, with its text, and the text fitting inside it.
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        frmAbout window(services_, application_);
        QCOMPARE(window.size(), QSize(382, 278));
        const auto *control = child<QWidget>(window, name);
        QCOMPARE(control->geometry(), geometry);
        if (const auto *label = qobject_cast<const QLabel *>(control); label && !text.isEmpty()) {
            QCOMPARE(label->text(), text);
            const QRect needed = QFontMetrics(label->font()).boundingRect(
                QRect(0, 0, geometry.width(), 1000), Qt::TextWordWrap | label->alignment(), text);
            QVERIFY2(needed.width() <= geometry.width() && needed.height() <= geometry.height(),
                     qPrintable(QStringLiteral("needs %1 x %2").arg(needed.width()).arg(needed.height())));
        }
        if (const auto *button = qobject_cast<const QPushButton *>(control))
            QCOMPARE(button->text(), text);
    }

    void linkAndCaptionStyles()
    {
        frmAbout window(services_, application_);
        for (const auto *name : {"lblLinks(0)", "lblLinks(1)"}) {
            const auto *link = child<QLabel>(window, name);
            QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            QVERIFY(link->font().underline());
            QVERIFY(!link->font().bold());
            QCOMPARE(link->font().pixelSize(), 11); // 8.25 pt at 96 dpi
            const QCursor pointer = link->cursor();
            QCOMPARE(pointer.shape(), Qt::BitmapCursor);
            QCOMPARE(pointer.hotSpot(), QPoint(5, 0));
            QCOMPARE(pointer.bitmap().size(), QSize(32, 32));
        }
        const auto *homePage = child<QLabel>(window, "lblHPage");
        QCOMPARE(homePage->palette().color(QPalette::WindowText), QColor(0, 64, 0));
        QVERIFY(homePage->alignment() & Qt::AlignRight);
        QVERIFY(homePage->font().bold());
        QCOMPARE(homePage->font().pixelSize(), 13); // 9.75 pt at 96 dpi
        QCOMPARE(child<QLabel>(window, "lblEMail")->palette().color(QPalette::WindowText), QColor(0, 64, 64));
        QVERIFY(child<QLabel>(window, "Label1")->alignment() & Qt::AlignRight);
        QCOMPARE(child<QLabel>(window, "lblTitle")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    }

    void frameAndIcons()
    {
        frmAbout window(services_, application_);
        QCOMPARE(window.windowTitle(), QStringLiteral("About Pictavo"));
        QCOMPARE(window.windowType(), Qt::Tool);
        QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(window.parentWidget() == nullptr);
        const auto sizes = window.windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(32, 32)));
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(window.windowIcon().cacheKey() != application_.icon.cacheKey());
        // The picture box shows the program icon at its top-left corner.
        const QImage icon = child<QWidget>(window, "picIcon")->grab().toImage();
        QCOMPARE(icon.pixelColor(10, 10), QColor(200, 30, 30));
    }

    // The white rule along the top and the engraved separator, drawn and kept on screen.
    void decorations()
    {
        const auto window = openWindow();
        const QImage image = window->grab().toImage();
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(image.pixelColor(381, 0), QColor(Qt::white));
        QCOMPARE(image.pixelColor(6, 203), QColor(128, 128, 128));
        QCOMPARE(image.pixelColor(376, 203), QColor(128, 128, 128));
        QVERIFY(image.pixelColor(377, 203) != QColor(128, 128, 128));
        QCOMPARE(image.pixelColor(7, 204), QColor(Qt::white));
        QCOMPARE(image.pixelColor(376, 205), QColor(Qt::white));
        QVERIFY(image.pixelColor(200, 206) != QColor(Qt::white));
    }

    void focusStartsOnOkAndCyclesThroughTheThreeStops()
    {
        const auto window = openWindow();
        auto *ok = child<QWidget>(*window, "cmdOK");
        QCOMPARE(QApplication::focusWidget(), ok);
        const QStringList expected{"picIcon", "cmdSysInfo", "cmdOK", "picIcon"};
        for (const auto &name : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
        }
    }

    void keys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");

        QTest::newRow("Escape on the icon") << "picIcon" << int(Qt::Key_Escape) << true;
        QTest::newRow("Escape on System Info") << "cmdSysInfo" << int(Qt::Key_Escape) << true;
        QTest::newRow("Enter on OK") << "cmdOK" << int(Qt::Key_Return) << true;
        QTest::newRow("keypad Enter on the icon") << "picIcon" << int(Qt::Key_Enter) << true;
        QTest::newRow("Enter on System Info") << "cmdSysInfo" << int(Qt::Key_Return) << false;
    }

    void keys()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, closes);
        const auto window = openWindow();
        QSignalSpy finished(window.get(), &QDialog::finished);
        auto *target = child<QWidget>(*window, focus);
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);

        QTest::keyClick(target, Qt::Key(key));

        QCOMPARE(window->isVisible(), !closes);
        QCOMPARE(finished.count(), closes ? 1 : 0);
        // With an empty registry, System Information answers with its message.
        QCOMPARE(messages_.shown.size(), std::size_t(closes ? 0 : 1));
    }

    void closeBoxUnloads()
    {
        const auto window = openWindow();
        QSignalSpy finished(window.get(), &QDialog::finished);
        QVERIFY(window->close());
        QCOMPARE(finished.count(), 1);
    }

    void systemInfoButtonStartsTheProgramFromTheRegistry()
    {
        MemoryRegistry registry;
        FakeFiles files;
        registry.setText("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "/usr/bin/kinfocenter");
        files.addFile("/usr/bin/kinfocenter");
        const AboutServices services{shell_, registry, files, files, messages_};
        frmAbout window(services, application_);
        QTest::mouseClick(child<QWidget>(window, "cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(files.started(), std::vector<std::string>{"/usr/bin/kinfocenter"});
        QVERIFY(messages_.shown.empty());
    }

    void linkClicksOpenTheirTargets()
    {
        const auto window = openWindow();
        QTest::mouseClick(child<QWidget>(*window, "lblLinks(1)"), Qt::LeftButton);
        QTest::mouseClick(child<QWidget>(*window, "lblLinks(0)"), Qt::LeftButton);
        QTest::mouseClick(child<QWidget>(*window, "lblLinks(0)"), Qt::LeftButton);
        QCOMPARE(shell_.calls.size(), std::size_t(3));
        QCOMPARE(shell_.calls[0].file, std::string("mailto:mail@pictavo.example"));
        QCOMPARE(shell_.calls[1].file, std::string("pictavo.example"));
        QCOMPARE(shell_.calls[2].file, std::string("pictavo.example"));
        QCOMPARE(shell_.calls[0].showCommand, 1);
    }

    // A press that ends outside the label is no click.
    void releaseOutsideALinkIsNoClick()
    {
        const auto window = openWindow();
        auto *link = child<QWidget>(*window, "lblLinks(0)");
        QTest::mousePress(link, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(link->width() + 20, 2));
        QVERIFY(shell_.calls.empty());
    }

    void desktopShellHandsTargetsToTheDesktop()
    {
        UrlRecorder recorder;
        for (const auto *scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "openUrl");
        DesktopShell shell;
        LinkLauncher launcher(shell);

        QVERIFY(launcher.OpenURL("mailto:mail@pictavo.example") > 32);
        QVERIFY(launcher.OpenURL("pictavo.example") > 32);
        QVERIFY(launcher.OpenURL("https://pictavo.example/news") > 32);
        // An empty target goes nowhere: an error code, and the desktop is not asked.
        QVERIFY(launcher.OpenURL("") <= 32);

        for (const auto *scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        const QList<QUrl> expected{QUrl("mailto:mail@pictavo.example"), QUrl("http://pictavo.example"),
                                   QUrl("https://pictavo.example/news")};
        QCOMPARE(recorder.opened, expected);
    }

    void slotKeepsOneWindowAndLoadsAfreshAfterClose()
    {
        AboutWindowSlot slot(services_, application_);
        slot.show();
        QPointer<frmAbout> first = slot.window();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        // A second showing must not run the load steps again, which would rewrite this caption.
        auto *version = child<QLabel>(*first, "lblVersion");
        version->setText(QStringLiteral("changed"));
        slot.show();
        QCOMPARE(slot.window(), first.data());
        QCOMPARE(version->text(), QStringLiteral("changed"));

        QTest::mouseClick(child<QWidget>(*first, "cmdOK"), Qt::LeftButton);
        QCOMPARE(slot.window(), nullptr);
        QTRY_VERIFY(first.isNull());

        slot.show();
        QVERIFY(slot.window());
        QCOMPARE(child<QLabel>(*slot.window(), "lblVersion")->text(), QStringLiteral("Version 1.0.7"));
        QCOMPARE(slot.window()->grab().toImage().pixelColor(100, 0), QColor(Qt::white));
    }

    // Tool windows do not keep a program running on their own. Closing the main window must leave
    // the About window working, and closing that must end the program.
    void programEndsWhenTheLastOfBothWindowsCloses()
    {
        QWidget mainWindow;
        mainWindow.show();
        AboutWindowSlot slot(services_, application_);
        slot.show();

        bool aboutOpenAfterMainClosed = false;
        bool aboutClosed = false;
        bool quitOnItsOwn = true;
        QTimer::singleShot(0, [&] {
            mainWindow.close();
            QTimer::singleShot(0, [&] {
                aboutOpenAfterMainClosed = slot.window() && slot.window()->isVisible();
                if (slot.window()) {
                    slot.window()->close();
                    aboutClosed = true;
                }
            });
        });
        // Only there so that a broken quit fails the test instead of hanging it.
        QTimer::singleShot(30000, [&] {
            quitOnItsOwn = false;
            QApplication::quit();
        });
        QApplication::exec();

        QVERIFY(aboutOpenAfterMainClosed);
        QVERIFY(aboutClosed);
        QVERIFY(quitOnItsOwn);
    }
};

QTEST_MAIN(tst_frmAbout)
#include "tst_frmAbout.moc"
