#include "frmAbout.h"

#include "Dpi.h"
#include "ResourceIds.h"

#include <string_view>

namespace {

// A fixed dialog frame with a caption and close box and neither minimize nor maximize button.
// The task bar leaves it out because it has an owner (AboutWindowSlot's hidden window).
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExtendedStyle = WS_EX_DLGMODALFRAME;

bool is(const form::Control &control, std::string_view name)
{
    return control.name == name;
}

} // namespace

frmAbout::frmAbout(win32::MessageLoop &loop, LinkLauncher &links, SysInfoLauncher &sysInfo,
                   const frmAboutForm::ApplicationIdentity &application)
    : FormWindow(frmAboutForm::kWindow, loop), links_(links), sysInfo_(sysInfo), application_(application)
{
}

void frmAbout::create(HWND owner)
{
    FormWindow::create(kStyle, kExtendedStyle, owner);
}

void frmAbout::onCreate()
{
    setIcons(PICTAVO_ABOUT_WINDOW_ICON);
    onScaled();
    Form_Load();
}

// picIcon shows the program icon at the icon's size for the dpi.
void frmAbout::onScaled()
{
    const int size = win32::scaled(32, dpi());
    programIcon_ = win32::loadIcon(PICTAVO_PROGRAM_ICON, size);
}

void frmAbout::onControl(const form::Control &control, WORD notification)
{
    if (is(control, "cmdOK") && notification == BN_CLICKED)
        cmdOK_Click();
    else if (is(control, "cmdSysInfo") && notification == BN_CLICKED)
        cmdSysInfo_Click();
}

void frmAbout::onLinkClicked(const form::Control &control)
{
    if (is(control, "lblLinks"))
        lblLinks_Click(control.index.value_or(0));
}

// picIcon shows the program icon at its top-left corner.
void frmAbout::onDrawItem(const form::Control &control, const DRAWITEMSTRUCT &item)
{
    if (!is(control, "picIcon"))
        return;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, programIcon_.get(), 0, 0, 0, nullptr, DI_NORMAL);
}

void frmAbout::Form_Load()
{
    setDrawing(frmAboutForm::loadTimeDrawing(scaleWidth()));
    const auto texts = frmAboutForm::loadTimeTexts(application_);
    setText(handle(), texts.caption);
    setText(control("lblVersion"), texts.version);
    setText(control("lblTitle"), texts.title);
}

void frmAbout::cmdOK_Click()
{
    DestroyWindow(handle());
}

void frmAbout::cmdSysInfo_Click()
{
    sysInfo_.StartSysInfo();
}

void frmAbout::lblLinks_Click(std::int16_t Index)
{
    links_.openLinkCaption(text(control("lblLinks", Index)));
}
