#include "frmAbout.h"

#include "DialogFont.h"
#include "LinkLabel.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr QSize ClientSize(382, 278);
// Where the client area first appears on the screen.
constexpr QPoint InitialPosition(156, 129);

const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor Grey(128, 128, 128);
const QColor LinkBlue(0, 0, 255);
const QColor HomePageGreen(0, 64, 0);
const QColor EmailTeal(0, 64, 64);

struct LabelDescription {
    const char *name;
    QRect geometry;
    const char *text;
    std::optional<QColor> colour;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool captionFont = false;
};

const LabelDescription Labels[] = {
    {"lblTitle", {72, 16, 259, 24}, "Application Title", Black},
    {"lblVersion", {70, 40, 259, 15}, "Version", std::nullopt},
    {"lblDescription",
     {70, 64, 259, 46},
     "Description: A little bit of OLE and a Class File and away we go. With its compact size, it is first on my "
     "list to go on my coming text editor.",
     Black},
    {"lblHPage", {72, 120, 89, 17}, "HOMEPAGE:", HomePageGreen, Qt::AlignRight, true},
    {"lblEMail", {64, 152, 113, 25}, "Email Address:", EmailTeal, Qt::AlignRight, true},
    {"Label1", {192, 184, 129, 17}, frmAbout::CopyrightLine, std::nullopt, Qt::AlignRight},
    {"lblDisclaimer",
     {17, 215, 258, 55},
     "Disclaimer: This software is distributed as freeware, without any warranties or liabilities. You may "
     "redistribute as you wish, so long as the original file remains intact... hope it comes in handy.",
     Black},
};

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

frmAbout::frmAbout(const AboutServices &services, const ApplicationInfo &application, QWidget *parent)
    : QDialog(parent),
      application_(application),
      links_(services.shell),
      sysInfo_(services.registry, services.processes, services.files, services.messages)
{
    buildFrame();
    buildLabels();
    buildLinks();
    buildButtons();
    Form_Load();
}

void frmAbout::buildFrame()
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Pictavo"));
    // A tool window has no task-bar button; without minimize and maximize buttons and at a fixed
    // size it is a plain dialog frame with a close box.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // Tool windows do not keep the program running by default, but this one must: quitting the
    // main window leaves it working, and the program ends when it is closed too.
    setAttribute(Qt::WA_QuitOnClose, true);
    QIcon icon;
    icon.addFile(QStringLiteral(":/about/aboutWindow32.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/about/aboutWindow16.xpm"), QSize(16, 16));
    setWindowIcon(icon);
    setFont(dialogFont());
    setGeometry(QRect(InitialPosition, ClientSize));
    setFixedSize(ClientSize);

    // The engraved separator, Line1: a grey line and one pixel lower a white line two pixels wide.
    constexpr qreal separatorEnd = 5654.0 / 15.0;
    drawLine({6, 203}, {separatorEnd, 203}, Grey);
    drawLine({7, 204}, {separatorEnd, 204}, White, 2);
}

void frmAbout::buildLabels()
{
    picIcon_ = new QLabel(this);
    picIcon_->setObjectName(QStringLiteral("picIcon"));
    picIcon_->setGeometry(8, 16, 41, 39);
    picIcon_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon_->setPixmap(application_.icon.pixmap(32, 32));
    picIcon_->setFocusPolicy(Qt::StrongFocus);

    for (const auto &description : Labels) {
        auto *label = new QLabel(QString::fromUtf8(description.text), this);
        label->setObjectName(QString::fromLatin1(description.name));
        label->setGeometry(description.geometry);
        label->setAlignment(description.alignment | Qt::AlignTop);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        if (description.colour)
            setTextColour(label, *description.colour);
        if (description.captionFont)
            label->setFont(dialogFont(9.75, true));
    }
    lblTitle_ = findChild<QLabel *>(QStringLiteral("lblTitle"));
    lblVersion_ = findChild<QLabel *>(QStringLiteral("lblVersion"));
}

void frmAbout::buildLinks()
{
    const struct {
        QRect geometry;
        const char *address;
    } links[] = {{{176, 120, 103, 13}, HomePageAddress}, {{184, 152, 129, 21}, EmailAddress}};
    for (std::int16_t index = 0; index < static_cast<std::int16_t>(lblLinks_.size()); ++index) {
        auto *link = new LinkLabel(QString::fromUtf8(links[index].address), this);
        link->setObjectName(QStringLiteral("lblLinks(%1)").arg(index));
        link->setGeometry(links[index].geometry);
        link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        link->setWordWrap(true);
        link->setFont(dialogFont(8.25, false, true));
        setTextColour(link, LinkBlue);
        connect(link, &LinkLabel::clicked, this, [this, index] { lblLinks_Click(index); });
        lblLinks_[static_cast<std::size_t>(index)] = link;
    }
}

void frmAbout::buildButtons()
{
    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(283, 215, 84, 23);
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    cmdSysInfo_ = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo_->setGeometry(284, 245, 83, 23);
    connect(cmdSysInfo_, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    // Only the two buttons and the icon take the focus, in this order, starting with OK.
    setTabOrder(cmdOK_, picIcon_);
    setTabOrder(picIcon_, cmdSysInfo_);
    cmdOK_->setFocus();
}

void frmAbout::drawLine(QPointF from, QPointF to, const QColor &colour, int width)
{
    // Horizontal lines only: a line covers the pixels from its start to its end, both included,
    // and a line of width w the w pixel rows from its y downwards.
    const int y = static_cast<int>(from.y());
    drawing_.push_back({QRect(QPoint(static_cast<int>(from.x()), y), QPoint(static_cast<int>(to.x()), y + width - 1)), colour});
    update();
}

void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const auto &fill : drawing_)
        painter.fillRect(fill.area, fill.colour);
}

void frmAbout::Form_Load()
{
    drawLine({0, 0}, {static_cast<qreal>(width()), 0}, White);
    setWindowTitle(QStringLiteral("About ") + application_.title);
    lblVersion_->setText(QStringLiteral("Version %1.%2.%3")
                             .arg(application_.major)
                             .arg(application_.minor)
                             .arg(application_.revision));
    lblTitle_->setText(application_.title);
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
    links_.openLinkCaption(lblLinks_[static_cast<std::size_t>(Index)]->text().toStdString());
}
