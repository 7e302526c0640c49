#include "frmAbout.h"

#include "DialogFont.h"
#include "FormControls.h"
#include "LinkLabel.h"
#include "PersistentCanvas.h"
#include "TaskBarHint.h"
#include "frmAboutForm.h"

#include <QLabel>
#include <QPushButton>

namespace {

const form::Window &kDescription = frmAboutForm::kWindow;

QString linkName(std::int16_t index)
{
    return QStringLiteral("lblLinks(%1)").arg(index);
}

} // namespace

frmAbout::frmAbout(const AboutServices &services, const ApplicationInfo &application, QWidget *parent)
    : QDialog(parent),
      application_(application),
      links_(services.shell),
      sysInfo_(services.registry, services.processes, services.files, services.messages)
{
    buildFrame();
    buildControls();
    Form_Load();
}

void frmAbout::buildFrame()
{
    setObjectName(QString::fromLatin1(kDescription.name));
    setWindowTitle(QString::fromUtf8(kDescription.caption));
    // A normal top-level window, not a dialog or tool window, which X11 window managers would keep
    // above the main window as its transient: either window may cover the other. Without a parent
    // it keeps the program running after the main window has gone.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    leaveOutOfTaskBar(*this);
    QIcon icon;
    icon.addFile(QStringLiteral(":/about/aboutWindow32.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/about/aboutWindow16.xpm"), QSize(16, 16));
    setWindowIcon(icon);
    setFont(dialogFont());
    const QSize clientSize(kDescription.clientSize.width, kDescription.clientSize.height);
    setGeometry(QRect(QPoint(static_cast<int>(kDescription.initialPosition.x),
                             static_cast<int>(kDescription.initialPosition.y)),
                      clientSize));
    setFixedSize(clientSize);

    client_ = new PersistentCanvas(this);
    client_->setFixedSize(clientSize);
}

void frmAbout::buildControls()
{
    ::buildControls(kDescription.controls, *client_);
    client_->draw(kDescription.lines);

    control<QLabel>(QStringLiteral("picIcon"))->setPixmap(application_.icon.pixmap(32, 32));
    for (std::int16_t index : {0, 1}) {
        connect(control<LinkLabel>(linkName(index)), &LinkLabel::clicked, this,
                [this, index] { lblLinks_Click(index); });
    }
    auto *cmdOK = control<QPushButton>(QStringLiteral("cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(control<QPushButton>(QStringLiteral("cmdSysInfo")), &QPushButton::clicked, this,
            &frmAbout::cmdSysInfo_Click);
    cmdOK->setFocus();
}

template <typename Control> Control *frmAbout::control(const QString &name) const
{
    auto *widget = client_->findChild<Control *>(name, Qt::FindDirectChildrenOnly);
    Q_ASSERT(widget != nullptr);
    return widget;
}

void frmAbout::Form_Load()
{
    client_->draw(frmAboutForm::loadTimeDrawing(static_cast<float>(client_->width())));
    const auto texts = frmAboutForm::loadTimeTexts(application_.identity);
    setWindowTitle(QString::fromStdString(texts.caption));
    control<QLabel>(QStringLiteral("lblVersion"))->setText(QString::fromStdString(texts.version));
    control<QLabel>(QStringLiteral("lblTitle"))->setText(QString::fromStdString(texts.title));
}

void frmAbout::reject()
{
    cmdOK_Click();
}

void frmAbout::cmdOK_Click()
{
    QDialog::done(QDialog::Rejected);
}

void frmAbout::cmdSysInfo_Click()
{
    sysInfo_.StartSysInfo();
}

void frmAbout::lblLinks_Click(std::int16_t Index)
{
    links_.openLinkCaption(control<QLabel>(linkName(Index))->text().toStdString());
}
