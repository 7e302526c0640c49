#pragma once

#include "ClipboardText.h"
#include "DropProcessor.h"
#include "DropQueue.h"
#include "DropSurface.h"

#include <QMainWindow>

class MessageBoxService;
class OneLineLabel;
class PersistentCanvas;
class QLineEdit;
class QPushButton;

// The main window: a fixed 378 x 229 client area under a one-item menu bar, three status labels,
// the tag box and Quit. Files dropped anywhere on it, pasted into it or named on the command line
// go to the drop logic, which publishes its results back through the DropSurface calls.
class frmPictavo : public QMainWindow, public DropSurface {
    Q_OBJECT

public:
    explicit frmPictavo(MessageBoxService &messages, QWidget *parent = nullptr);

    const clsImageInfo *oImageInfo() const { return processor_.oImageInfo(); }

    // Hands the files to the drop logic as one drop once the event loop runs.
    void queueDrop(DroppedFiles files);

    void setTagText(const std::string &text) override;
    void setLabelCaption(Label label, const std::string &caption, Elision elision) override;
    bool setClipboardText(const std::string &text) override;
    void showErrorMessage(const std::string &text, const std::string &title) override;
    void focusWindow() override;
    // Closing the window hides it; the object stays until the program ends.
    bool windowClosed() const override { return !isVisible(); }

signals:
    // "This Utility" was chosen; whoever owns the About window shows it.
    void aboutRequested();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFrame();
    void buildMenu();
    void buildControls();
    template <typename Control> Control *control(const char *name) const;

    void handleDrops();
    bool pasteFiles();
    void showTagBoxMenu(const QPoint &position);

    void Form_Load();
    void Form_OLEDragOver();
    void Form_Unload();
    void cmdQuit_Click();
    void mnuAboutThis_Click();

    MessageBoxService &messages_;
    DropProcessor processor_{*this};
    DropQueue drops_;
    ClipboardText clipboard_;
    PersistentCanvas *client_ = nullptr;
    OneLineLabel *lblFileName_ = nullptr;
    OneLineLabel *lblFileSize_ = nullptr;
    OneLineLabel *lblFileType_ = nullptr;
    QLineEdit *txtTag_ = nullptr;
    QPushButton *cmdQuit_ = nullptr;
};
