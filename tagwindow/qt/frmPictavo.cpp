#include "frmPictavo.h"

#include "DialogFont.h"
#include "DroppedFilePaths.h"
#include "FormControls.h"
#include "MessageBoxService.h"
#include "OneLineLabel.h"
#include "PersistentCanvas.h"
#include "frmPictavoForm.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace {

// Enter and Escape both stand for Quit, the window's default and cancel button.
bool isQuitKey(const QKeyEvent &event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter || event.key() == Qt::Key_Escape;
}

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

DroppedFiles clipboardFiles()
{
    const QMimeData *offered = QGuiApplication::clipboard()->mimeData();
    return offered != nullptr ? droppedFilePaths(*offered) : std::nullopt;
}

} // namespace

frmPictavo::frmPictavo(MessageBoxService &messages, QWidget *parent)
    : QMainWindow(parent)
    , messages_(messages)
{
    buildFrame();
    buildMenu();
    buildControls();
    Form_Load();
    txtTag_->setFocus();
}

void frmPictavo::buildFrame()
{
    setWindowTitle(QString::fromUtf8(frmPictavoForm::kWindow.caption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setAcceptDrops(true);

    client_ = new PersistentCanvas(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFont(dialogFont());
    client_->setFixedSize(frmPictavoForm::kWindow.clientSize.width, frmPictavoForm::kWindow.clientSize.height);
    setCentralWidget(client_);
    // The window is exactly the menu bar over the client area, whatever height the menu bar has.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmPictavo::buildMenu()
{
    for (const form::Menu &description : frmPictavoForm::kWindow.menus) {
        QMenu *menu = menuBar()->addMenu(QString::fromUtf8(description.caption));
        menu->setObjectName(QString::fromLatin1(description.name));
        for (const form::MenuItem &item : description.items)
            menu->addAction(QString::fromUtf8(item.caption))->setObjectName(QString::fromLatin1(item.name));
    }
    connect(findChild<QAction *>(QStringLiteral("mnuAboutThis")), &QAction::triggered, this,
            &frmPictavo::mnuAboutThis_Click);
}

void frmPictavo::buildControls()
{
    ::buildControls(frmPictavoForm::kWindow.controls, *client_);
    client_->draw(frmPictavoForm::kWindow.lines);

    lblFileName_ = control<OneLineLabel>("lblFileName");
    lblFileSize_ = control<OneLineLabel>("lblFileSize");
    lblFileType_ = control<OneLineLabel>("lblFileType");
    txtTag_ = control<QLineEdit>("txtTag");
    cmdQuit_ = control<QPushButton>("cmdQuit");

    // A file's size shows whole up to ten digits, in a smaller font where it must.
    lblFileSize_->setSmallestFontScale(0.75);
    // "Item on Clipboard:" names the tag box for screen readers.
    control<QLabel>("Label2")->setBuddy(txtTag_);
    // The box pastes text itself; a paste of files must reach the window instead.
    txtTag_->installEventFilter(this);

    connect(cmdQuit_, &QPushButton::clicked, this, &frmPictavo::cmdQuit_Click);
}

template <typename Control> Control *frmPictavo::control(const char *name) const
{
    auto *widget = client_->findChild<Control *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT(widget != nullptr);
    return widget;
}

void frmPictavo::Form_Load()
{
    client_->draw(frmPictavoForm::loadTimeDrawing(static_cast<float>(client_->width())));
}

void frmPictavo::Form_OLEDragOver()
{
    processor_.releaseImageInfo();
}

void frmPictavo::Form_Unload()
{
    processor_.releaseImageInfo();
}

void frmPictavo::cmdQuit_Click()
{
    close();
}

void frmPictavo::mnuAboutThis_Click()
{
    emit aboutRequested();
}

void frmPictavo::dragEnterEvent(QDragEnterEvent *event)
{
    Form_OLEDragOver();
    event->acceptProposedAction();
}

void frmPictavo::dragMoveEvent(QDragMoveEvent *event)
{
    Form_OLEDragOver();
    event->acceptProposedAction();
}

void frmPictavo::dragLeaveEvent(QDragLeaveEvent *event)
{
    Form_OLEDragOver();
    event->accept();
}

// The drop itself only takes the file list: the drag source waits for this event's answer, and the
// work, with any message box it shows, runs once the event loop is back, from the window's queue.
void frmPictavo::dropEvent(QDropEvent *event)
{
    queueDrop(event->mimeData() != nullptr ? droppedFilePaths(*event->mimeData()) : std::nullopt);
    // Whatever the drop logic leaves in Effect, the program never copies, moves or links a
    // dropped file, and the drag source must not act as if it had (a move would delete it).
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
}

void frmPictavo::queueDrop(DroppedFiles files)
{
    drops_.add(std::move(files));
    QMetaObject::invokeMethod(this, &frmPictavo::handleDrops, Qt::QueuedConnection);
}

void frmPictavo::handleDrops()
{
    drops_.handleAll([this](const DroppedFiles &files) {
        std::int32_t Effect = 0;
        processor_.Form_OLEDragDrop(files, Effect);
    });
}

// A paste of files is a drop of them: the clipboard is only read, also when the files were cut.
// False when it offers no local file.
bool frmPictavo::pasteFiles()
{
    DroppedFiles files = clipboardFiles();
    if (!files)
        return false;
    queueDrop(std::move(files));
    return true;
}

// The tag box's own menu, whose Paste takes files as Ctrl+V does. Its actions have no names of
// their own here, so Paste is found by the box's own text for it. The menu is a child of the box
// and, as the box's own menu does, deletes itself once closed.
void frmPictavo::showTagBoxMenu(const QPoint &position)
{
    QMenu *menu = txtTag_->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QList<QAction *> actions = menu->actions();
    const auto paste = std::ranges::find(actions, QLineEdit::tr("&Paste"), [](const QAction *action) {
        return action->text().section(QLatin1Char('\t'), 0, 0);
    });
    if (paste != actions.end()) {
        (*paste)->disconnect(txtTag_);
        (*paste)->setEnabled((*paste)->isEnabled() || clipboardFiles().has_value());
        connect(*paste, &QAction::triggered, this, [this] {
            if (!pasteFiles())
                txtTag_->paste();
        });
    }
    menu->popup(position);
}

bool frmPictavo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtTag_ && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste))
        return pasteFiles();
    if (watched == txtTag_ && event->type() == QEvent::ContextMenu) {
        showTagBoxMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmPictavo::keyPressEvent(QKeyEvent *event)
{
    // Paste keys that no control took, as on Quit.
    if (event->matches(QKeySequence::Paste)) {
        pasteFiles();
        return;
    }
    if (isQuitKey(*event)) {
        cmdQuit_->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void frmPictavo::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    // A tag the clipboard refused would otherwise be published when another window is activated.
    clipboard_.forget();
    event->accept();
}

void frmPictavo::setTagText(const std::string &text)
{
    txtTag_->setText(fromUtf8(text));
    // A box whose text the program sets shows it from its start; the user can still scroll.
    txtTag_->setCursorPosition(0);
}

void frmPictavo::setLabelCaption(Label label, const std::string &caption, Elision elision)
{
    OneLineLabel *target = nullptr;
    switch (label) {
    case Label::FileName: target = lblFileName_; break;
    case Label::FileSize: target = lblFileSize_; break;
    case Label::FileType: target = lblFileType_; break;
    }
    target->setCaption(fromUtf8(caption), elision);
}

bool frmPictavo::setClipboardText(const std::string &text)
{
    return clipboard_.put(fromUtf8(text));
}

void frmPictavo::showErrorMessage(const std::string &text, const std::string &title)
{
    messages_.showExclamation(this, fromUtf8(text), fromUtf8(title));
}

void frmPictavo::focusWindow()
{
    // Every accepted file asks for the focus; on X11 each activation is a round trip to the
    // server, so a window that already has it is left alone.
    if (!isActiveWindow())
        activateWindow();
}
