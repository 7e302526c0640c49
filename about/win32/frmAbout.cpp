#include "frmAbout.h"

#include "Dpi.h"

#include <string_view>

namespace {

// A fixed dialog frame with a close box and neither minimize nor maximize button; a tool window
// has no task-bar button.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExtendedStyle = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME;

// The window's own icon, an icon resource of about_win32.rc.
constexpr const wchar_t *kAboutWindowIcon = L"ABOUT_WINDOW";

bool is(const form::Control &control, std::string_view name)
{
    return control.name == name;
}

} // namespace

frmAbout::frmAbout(win32::MessageLoop &loop, LinkLauncher &links, SysInfoLauncher &sysInfo,
                   const frmAboutForm::ApplicationIdentity &application, HICON programIcon)
    : FormWindow(frmAboutForm::kWindow, loop),
      links_(links),
      sysInfo_(sysInfo),
      application_(application),
      programIcon_(programIcon)
{
}

void frmAbout::create()
{
    FormWindow::create(kStyle, kExtendedStyle);
}

void frmAbout::onCreate()
{
    icon_ = win32::loadIcon(kAboutWindowIcon, GetSystemMetricsForDpi(SM_CXICON, dpi()));
    smallIcon_ = win32::loadIcon(kAboutWindowIcon, GetSystemMetricsForDpi(SM_CXSMICON, dpi()));
    setIcons(icon_.get(), smallIcon_.get());
    Form_Load();
}

void frmAbout::onControl(const form::Control &control, WORD notification)
{
    if (is(control, "cmdOK") && notification == BN_CLICKED)
        cmdOK_Click();
    else if (is(control, "cmdSysInfo") && notification == BN_CLICKED)
        cmdSysInfo_Click();
    else if (is(control, "lblLinks") && notification == STN_CLICKED)
        lblLinks_Click(control.index.value_or(0));
}

// picIcon shows the program icon at its top-left corner, at the icon's size for the dpi.
void frmAbout::onDrawItem(const form::Control &control, const DRAWITEMSTRUCT &item)
{
    if (!is(control, "picIcon"))
        return;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const int size = win32::scaled(32, dpi());
    DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, programIcon_, size, size, 0, nullptr, DI_NORMAL);
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
