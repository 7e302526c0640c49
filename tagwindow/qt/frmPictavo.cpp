#include "frmPictavo.h"

#include "ClipboardText.h"
#include "DialogFont.h"
#include "DroppedFilePaths.h"
#include "MessageBoxService.h"
#include "PersistentCanvas.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace {

constexpr QSize kClientSize(378, 229);

enum class ControlKind { Label, Line, Button, TextBox };

// The window's controls. Geometry is in client-area pixels (device independent); a line control
// is one pixel high and runs along its rectangle from the left end to the right end.
struct ControlDescription {
    const char *name;
    ControlKind kind;
    QRect geometry;
    const char *text;
    Qt::Alignment alignment;
    int tabIndex; // -1 for a line, which has none
};

constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignTop;

constexpr std::array kControls{
    ControlDescription{"lblFileName", ControlKind::Label, QRect(8, 16, 345, 17),
                       "I always wanted one of these, now I have one... and so do you.", kLeft, 5},
    ControlDescription{"Line2", ControlKind::Line, QRect(144, 40, 217, 1), "", kLeft, -1},
    ControlDescription{"Label1", ControlKind::Label, QRect(144, 48, 217, 33),
                       "Drag and drop a GIF or a Jpeg below to get image information and an HTML tag.",
                       kCentred, 0},
    ControlDescription{"lblFileSize", ControlKind::Label, QRect(8, 48, 129, 17), "", kLeft, 4},
    ControlDescription{"lblFileType", ControlKind::Label, QRect(8, 80, 121, 17), "           Enjoy!", kLeft, 3},
    ControlDescription{"cmdQuit", ControlKind::Button, QRect(16, 128, 81, 25), "Quit", kLeft, 2},
    ControlDescription{"Label2", ControlKind::Label, QRect(16, 176, 97, 17), "Item on Clipboard:", kLeft, 6},
    ControlDescription{"txtTag", ControlKind::TextBox, QRect(8, 198, 353, 19),
                       "The text in this area will be automatically sent to your clipboard.", kLeft, 1},
};

// Load-time decoration colours.
const QColor kDarkBlue(0, 0, 153);
const QColor kGrey(153, 153, 153);

QWidget *createControl(const ControlDescription &description, QWidget *client)
{
    const QString text = QString::fromUtf8(description.text);
    QWidget *widget = nullptr;
    switch (description.kind) {
    case ControlKind::Label: {
        auto *label = new QLabel(text, client);
        // Captions come from file paths; markup in a name must show as typed.
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(description.alignment);
        widget = label;
        break;
    }
    case ControlKind::Line: {
        auto *line = new QFrame(client);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);
        line->setForegroundRole(QPalette::WindowText);
        widget = line;
        break;
    }
    case ControlKind::Button:
        widget = new QPushButton(text, client);
        break;
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(text, client);
        // A drop on the box is a file drop for the window, never text to paste.
        box->setAcceptDrops(false);
        box->setCursorPosition(0);
        widget = box;
        break;
    }
    }
    widget->setObjectName(QString::fromLatin1(description.name));
    widget->setGeometry(description.geometry);
    return widget;
}

// Only the text box and the button take the focus; among them the tab indices give the order.
void chainTabOrder(QWidget *client)
{
    std::vector<const ControlDescription *> focusable;
    for (const auto &description : kControls) {
        if (description.kind == ControlKind::Button || description.kind == ControlKind::TextBox)
            focusable.push_back(&description);
    }
    std::ranges::sort(focusable, {}, &ControlDescription::tabIndex);
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(client->findChild<QWidget *>(QString::fromLatin1(focusable[i - 1]->name)),
                             client->findChild<QWidget *>(QString::fromLatin1(focusable[i]->name)));
    }
}

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
    setWindowTitle(QStringLiteral("Pictavo"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setAcceptDrops(true);

    client_ = new PersistentCanvas(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFont(dialogFont());
    client_->setFixedSize(kClientSize);
    setCentralWidget(client_);
    // The window is exactly the menu bar over the client area, whatever height the menu bar has.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmPictavo::buildMenu()
{
    QMenu *mnuAbout = menuBar()->addMenu(QStringLiteral("About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    QAction *mnuAboutThis = mnuAbout->addAction(QStringLiteral("This Utility"));
    mnuAboutThis->setObjectName(QStringLiteral("mnuAboutThis"));
    connect(mnuAboutThis, &QAction::triggered, this, &frmPictavo::mnuAboutThis_Click);
}

void frmPictavo::buildControls()
{
    for (const auto &description : kControls)
        createControl(description, client_);
    chainTabOrder(client_);

    lblFileName_ = control<QLabel>("lblFileName");
    lblFileSize_ = control<QLabel>("lblFileSize");
    lblFileType_ = control<QLabel>("lblFileType");
    txtTag_ = control<QLineEdit>("txtTag");
    cmdQuit_ = control<QPushButton>("cmdQuit");

    cmdQuit_->setDefault(true);
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
    // The double rule spans the client width less three pixels at each end.
    const int scaleWidth = client_->width();
    client_->drawLine(QPoint(3, 0), QPoint(scaleWidth - 3, 0), kDarkBlue);
    client_->drawLine(QPoint(3, 3), QPoint(scaleWidth - 3, 3), kDarkBlue);
    client_->drawRectangle(QPoint(144, 86), QPoint(360, 184), kDarkBlue);
    client_->drawLine(QPoint(250, 116), QPoint(250, 156), kGrey);
    client_->drawLine(QPoint(220, 136), QPoint(280, 136), kGrey);
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

void frmPictavo::dropEvent(QDropEvent *event)
{
    const auto paths = event->mimeData() != nullptr ? droppedFilePaths(*event->mimeData())
                                                    : std::vector<std::filesystem::path>{};
    std::int32_t Effect = 0;
    processor_.Form_OLEDragDrop(paths, Effect);
    // Whatever the drop logic leaves in Effect, the program never copies, moves or links a
    // dropped file, and the drag source must not act as if it had (a move would delete it).
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
}

void frmPictavo::keyPressEvent(QKeyEvent *event)
{
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
    event->accept();
}

void frmPictavo::setTagText(const std::string &text)
{
    txtTag_->setText(fromUtf8(text));
}

void frmPictavo::setLabelCaption(Label label, const std::string &caption)
{
    QLabel *target = nullptr;
    switch (label) {
    case Label::FileName: target = lblFileName_; break;
    case Label::FileSize: target = lblFileSize_; break;
    case Label::FileType: target = lblFileType_; break;
    }
    target->setText(fromUtf8(caption));
}

bool frmPictavo::setClipboardText(const std::string &text)
{
    return putTextOnClipboard(fromUtf8(text));
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
