#include "FormWindow.h"

#include "DialogFont.h"
#include "Dpi.h"
#include "MessageBoxes.h"
#include "MessageLoop.h"
#include "Utf16.h"

#include <algorithm>
#include <array>
// after windows.h, which it builds on
#include <commctrl.h>

namespace win32 {

namespace {

// Controls are numbered by their place in the description, the default-and-cancel button as
// IDOK: the dialog manager sends IDOK for Enter when no other button has the focus and IDCANCEL
// for Escape, and both mean that button. Menu items are numbered apart from the controls.
constexpr int kFirstControlId = 1000;
constexpr int kFirstMenuItemId = 2000;

// Posted when a button gains or loses the focus: the dialog manager restyles the buttons itself
// while it moves the focus, so the default style is settled once it has done.
constexpr UINT kSettleDefaultButton = WM_APP + 1;
// Posted by postWakeUp. It carries nothing: what it wakes the window for waits in the window's own
// queue, and when a wake-up cannot be posted (a full message queue) the next one takes that too.
constexpr UINT kWakeUp = WM_APP + 2;

// The link pointer, a cursor resource of platform_win32.rc.
constexpr const wchar_t *kLinkPointer = L"LINK_POINTER";

struct ChildKind {
    const wchar_t *className;
    DWORD style;
    DWORD extendedStyle;
};

DWORD alignmentStyle(form::Alignment alignment)
{
    switch (alignment) {
    case form::Alignment::Centre: return SS_CENTER;
    case form::Alignment::Right: return SS_RIGHT;
    case form::Alignment::Left: break;
    }
    return SS_LEFT;
}

int controlId(const form::Control &described, std::size_t position)
{
    return described.defaultAndCancel ? IDOK : kFirstControlId + static_cast<int>(position);
}

// Labels and links show their text as it is: SS_NOPREFIX keeps an "&" in a file name from
// becoming an access key. A link is a SysLink, which screen readers know as a link with an action
// and which opens on Enter; it asks for its link colour (LWS_USECUSTOMTEXT) so that the
// description's can be given, and it aligns left, as the links are described. Buttons notify
// their focus changes so that Enter can follow the focus.
ChildKind childKind(const form::Control &control)
{
    switch (control.kind) {
    case form::ControlKind::Label: return {L"STATIC", SS_NOPREFIX | alignmentStyle(control.alignment), 0};
    case form::ControlKind::Link: return {WC_LINK, LWS_NOPREFIX | LWS_USECUSTOMTEXT | WS_TABSTOP, 0};
    case form::ControlKind::TextBox: return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case form::ControlKind::Button: {
        const auto push = static_cast<DWORD>(control.defaultAndCancel ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        return {L"BUTTON", push | BS_NOTIFY | WS_TABSTOP, 0};
    }
    case form::ControlKind::PictureBox: return {L"STATIC", SS_OWNERDRAW | SS_SUNKEN | WS_TABSTOP, 0};
    }
    return {L"STATIC", 0, 0};
}

bool isLink(HWND window)
{
    std::array<wchar_t, 16> className{};
    GetClassNameW(window, className.data(), static_cast<int>(className.size()));
    return std::wstring_view(className.data()) == WC_LINK;
}

// A SysLink shows the text between <a> and </a> as its link: a link control's caption is its one
// link.
constexpr std::wstring_view kLinkStart = L"<a>";
constexpr std::wstring_view kLinkEnd = L"</a>";

std::wstring linkMarkup(std::wstring_view caption)
{
    return std::wstring(kLinkStart).append(caption).append(kLinkEnd);
}

std::wstring_view linkCaption(std::wstring_view markup)
{
    if (markup.starts_with(kLinkStart) && markup.ends_with(kLinkEnd))
        return markup.substr(kLinkStart.size(), markup.size() - kLinkStart.size() - kLinkEnd.size());
    return markup;
}

std::wstring shownText(const form::Control &described)
{
    const std::wstring text = platform::toUtf16(described.text);
    return described.kind == form::ControlKind::Link ? linkMarkup(text) : text;
}

COLORREF colourRef(form::Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

form::Rgb systemColour(int index)
{
    const COLORREF colour = GetSysColor(index);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// Both windows' figures run parallel to the axes. A line is the band of pixels from its start
// to its end, both included, its width growing downwards, or to the right for one that runs down.
void fillLine(HDC dc, form::Point from, form::Point to, int width, UINT dpi)
{
    const int left = scaled(std::min(from.x, to.x), dpi);
    const int right = scaled(std::max(from.x, to.x), dpi) + 1;
    const int top = scaled(std::min(from.y, to.y), dpi);
    const int bottom = scaled(std::max(from.y, to.y), dpi) + 1;
    const int thickness = std::max(1, scaled(width, dpi));
    const bool runsDown = from.x == to.x && from.y != to.y;
    const RECT band = runsDown ? RECT{left, top, left + thickness, bottom} : RECT{left, top, right, top + thickness};
    FillRect(dc, &band, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void paintFigure(HDC dc, const form::Figure &figure, const form::ColourScheme &scheme, UINT dpi)
{
    SetDCBrushColor(dc, colourRef(form::figureColour(figure, scheme)));
    const form::Point a = figure.from;
    const form::Point b = figure.to;
    if (figure.shape == form::Figure::Shape::Line) {
        fillLine(dc, a, b, figure.width, dpi);
        return;
    }
    fillLine(dc, a, {b.x, a.y}, figure.width, dpi);
    fillLine(dc, {a.x, b.y}, b, figure.width, dpi);
    fillLine(dc, a, {a.x, b.y}, figure.width, dpi);
    fillLine(dc, {b.x, a.y}, b, figure.width, dpi);
}

} // namespace

FormWindow::FormWindow(const form::Window &form, MessageLoop &loop) : form_(form), loop_(loop) {}

FormWindow::~FormWindow()
{
    // Only when something went wrong before the window was closed: it goes without its
    // handlers, whose object is half gone already.
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void FormWindow::create(DWORD style, DWORD extendedStyle, HWND owner)
{
    style_ = style;
    extendedStyle_ = extendedStyle;
    const INITCOMMONCONTROLSEX linkClass{sizeof linkClass, ICC_LINK_CLASS};
    InitCommonControlsEx(&linkClass);
    registerClass();
    const std::wstring className = platform::toUtf16(form_.name);
    if (CreateWindowExW(extendedStyle, className.c_str(), platform::toUtf16(form_.caption).c_str(), style,
                        CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, owner, createMenu(), GetModuleHandleW(nullptr), this)
        == nullptr)
        endWithFailure(std::string("The window ") + form_.name + " could not be created");
}

void FormWindow::show()
{
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
}

void FormWindow::registerClass() const
{
    // A form that is loaded again finds its class registered already; that failure is harmless.
    const std::wstring className = platform::toUtf16(form_.name);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &FormWindow::windowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // The face colour by its number, not a brush of it: the background follows a change of the
    // system colours.
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = className.c_str();
    RegisterClassExW(&windowClass);
}

HMENU FormWindow::createMenu()
{
    if (form_.menus.empty())
        return nullptr;
    const HMENU bar = CreateMenu();
    int id = kFirstMenuItemId;
    for (const auto &menu : form_.menus) {
        const HMENU items = CreatePopupMenu();
        for (const auto &item : menu.items) {
            AppendMenuW(items, MF_STRING, static_cast<UINT_PTR>(id), platform::toUtf16(item.caption).c_str());
            menuItems_.emplace_back(id++, &item);
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items), platform::toUtf16(menu.caption).c_str());
    }
    return bar;
}

LRESULT CALLBACK FormWindow::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<FormWindow *>(reinterpret_cast<const CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<FormWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    try {
        return self != nullptr ? self->dispatch(message, wParam, lParam)
                               : DefWindowProcW(window, message, wParam, lParam);
    } catch (...) {
        endWithCurrentException();
    }
}

LRESULT CALLBACK FormWindow::controlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR subclass, DWORD_PTR self)
{
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(control, &FormWindow::controlProcedure, subclass);
    return reinterpret_cast<const FormWindow *>(self)->dispatchControl(control, message, wParam, lParam);
}

LRESULT FormWindow::dispatchControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam) const
{
    const form::Control *described = describedControl(GetDlgCtrlID(control));
    const bool link = described != nullptr && described->kind == form::ControlKind::Link;
    switch (message) {
    // A SysLink shows the system's hand over its link: the description's pointer replaces it.
    case WM_SETCURSOR:
        if (link) {
            SetCursor(LoadCursorW(GetModuleHandleW(nullptr), kLinkPointer));
            return TRUE;
        }
        break;
    // Space opens a link as Enter does, once however long it is held.
    case WM_KEYDOWN:
        if (link && wParam == VK_SPACE) {
            constexpr LPARAM kRepeated = 1 << 30;
            return (lParam & kRepeated) != 0 ? 0 : DefSubclassProc(control, WM_KEYDOWN, VK_RETURN, lParam);
        }
        break;
    // A picture box draws its focus mark itself, so it is drawn again when the focus comes or goes.
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(control, nullptr, FALSE); break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

LRESULT FormWindow::dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: onCreateWindow(); return 0;
    case WM_ACTIVATE: onActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
    // Sent by the message loop for Tab (wParam 0) and Shift+Tab, as the dialog manager sends it.
    case WM_NEXTDLGCTL:
        if (lParam != FALSE)
            break;
        moveFocus(wParam != 0);
        return 0;
    case WM_COMMAND: onCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_NOTIFY: onNotify(*reinterpret_cast<const NMHDR *>(lParam)); return 0;
    case WM_CTLCOLORSTATIC: return onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_PAINT: onPaint(); return 0;
    case WM_DRAWITEM: drawItem(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam)); return TRUE;
    // A high-contrast theme switched on or off, or other system colours.
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETHIGHCONTRAST)
            onColoursChanged();
        break;
    case WM_SYSCOLORCHANGE: onColoursChanged(); return 0;
    // Asked before a move to a monitor of another dpi: the window's size there, so that the
    // rectangle WM_DPICHANGED then suggests gives the client area its exact scaled size.
    case WM_GETDPISCALEDSIZE: {
        const RECT frame = frameAroundClient(LOWORD(wParam));
        *reinterpret_cast<SIZE *>(lParam) = {frame.right - frame.left, frame.bottom - frame.top};
        return TRUE;
    }
    case WM_DPICHANGED: onNewDpi(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam)); return 0;
    // The dialog manager asks which button Enter presses, unless the focused one has the default
    // style already.
    case DM_GETDEFID: return MAKELRESULT(defaultButtonId(), DC_HASDEFID);
    case kSettleDefaultButton: styleDefaultButton(); return 0;
    case kWakeUp: onWakeUp(); return 0;
    case WM_DESTROY: onDestroy(); return 0;
    case WM_NCDESTROY: onNcDestroy(); return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void FormWindow::onCreateWindow()
{
    dpi_ = GetDpiForWindow(window_);
    loop_.add(window_);
    createControls();
    layOutControls();
    // The description places the client area.
    const RECT frame = frameAroundClient(dpi_);
    SetWindowPos(window_, nullptr, scaled(form_.initialPosition.x, dpi_) + frame.left,
                 scaled(form_.initialPosition.y, dpi_) + frame.top, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    onCreate();
}

void FormWindow::createControls()
{
    // In the description's order, the reading order. Each control is a group of its own, so the
    // arrow keys never move the focus.
    std::vector<std::pair<int, HWND>> tabStops;
    for (std::size_t i = 0; i < form_.controls.size(); ++i) {
        const form::Control &described = form_.controls[i];
        const ChildKind kind = childKind(described);
        const HWND child = CreateWindowExW(kind.extendedStyle, kind.className, shownText(described).c_str(),
                                           WS_CHILD | WS_VISIBLE | WS_GROUP | kind.style, 0, 0, 0, 0, window_,
                                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(described, i))),
                                           GetModuleHandleW(nullptr), nullptr);
        if (described.kind == form::ControlKind::Link || described.kind == form::ControlKind::PictureBox)
            SetWindowSubclass(child, &FormWindow::controlProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
        if (form::takesFocus(described.kind))
            tabStops.emplace_back(described.tabIndex, child);
    }
    // Tab no longer follows the order of creation: the window moves the focus itself.
    std::ranges::stable_sort(tabStops, {}, &decltype(tabStops)::value_type::first);
    for (const auto &[tabIndex, child] : tabStops)
        tabStops_.push_back(child);
    focus_ = tabStops_.empty() ? nullptr : tabStops_.front();
}

RECT FormWindow::frameAroundClient(UINT dpi) const
{
    RECT frame{0, 0, scaled(form_.clientSize.width, dpi), scaled(form_.clientSize.height, dpi)};
    AdjustWindowRectExForDpi(&frame, style_, GetMenu(window_) != nullptr, extendedStyle_, dpi);
    return frame;
}

void FormWindow::layOutControls()
{
    // The old fonts stay until every control has its new one.
    const auto oldFonts = std::move(fonts_);
    fonts_.clear();
    const unique_hdc measuring(CreateCompatibleDC(nullptr));
    for (const auto &described : form_.controls) {
        const HWND child = control(described.name, described.index);
        const form::Rect &rect = described.rect;
        SetWindowPos(child, nullptr, scaled(rect.left, dpi_), scaled(rect.top, dpi_), scaled(rect.width, dpi_),
                     scaled(rect.height, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(shownFont(measuring.get(), described))), TRUE);
    }
}

// A fixed text is shown whole, in a smaller size where the face at this dpi is too wide for its
// control. Labels that take their text at load are fitted to the description's, which is longer.
form::Font FormWindow::shownFont(HDC dc, const form::Control &described) const
{
    const bool fixedText = (described.kind == form::ControlKind::Label || described.kind == form::ControlKind::Link)
        && !described.variableText;
    if (!fixedText)
        return described.font;
    return fontFitting(dc, described, platform::toUtf16(described.text), ShownIn::AnyFace);
}

form::Font FormWindow::fontFitting(std::string_view name, const std::wstring &text, ShownIn shownIn) const
{
    const unique_hdc measuring(CreateCompatibleDC(nullptr));
    return fontFitting(measuring.get(), *describedControl(name), text, shownIn);
}

form::Font FormWindow::fontFitting(HDC dc, const form::Control &described, const std::wstring &text,
                                   ShownIn shownIn) const
{
    const SIZE box{scaled(described.rect.width, dpi_), scaled(described.rect.height, dpi_)};
    return fittedFont(dc, described.font, dpi_, text, box, shownIn);
}

HFONT FormWindow::fontFor(const form::Font &font)
{
    const auto known = std::ranges::find(fonts_, font, &decltype(fonts_)::value_type::first);
    if (known != fonts_.end())
        return known->second.get();
    return fonts_.emplace_back(font, createDialogFont(font, dpi_)).second.get();
}

void FormWindow::onActivate(bool active)
{
    if (!active) {
        const HWND focused = GetFocus();
        if (focused != nullptr && IsChild(window_, focused))
            focus_ = focused;
        return;
    }
    if (focus_ != nullptr)
        SetFocus(focus_);
}

// To the next or previous tab stop by tab index, round the cycle, as the dialog manager moves it.
void FormWindow::moveFocus(bool backwards)
{
    if (tabStops_.empty())
        return;
    const std::size_t count = tabStops_.size();
    const auto focused = std::ranges::find(tabStops_, GetFocus());
    std::size_t next = backwards ? count - 1 : 0;
    if (focused != tabStops_.end())
        next = (static_cast<std::size_t>(focused - tabStops_.begin()) + (backwards ? count - 1 : 1)) % count;
    const HWND target = tabStops_[next];
    // The keyboard is in use: focus marks show from now on.
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    // A text box reached by Tab has its text selected.
    if ((SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0)
        SendMessageW(target, EM_SETSEL, 0, -1);
    SetFocus(target);
}

void FormWindow::onCommand(WORD id, WORD notification)
{
    const auto item = std::ranges::find(menuItems_, static_cast<int>(id), &decltype(menuItems_)::value_type::first);
    if (item != menuItems_.end()) {
        onMenuItem(*item->second);
        return;
    }
    const form::Control *described = describedControl(id);
    if (described == nullptr)
        return;
    if (described->kind == form::ControlKind::Button && (notification == BN_SETFOCUS || notification == BN_KILLFOCUS))
        PostMessageW(window_, kSettleDefaultButton, 0, 0);
    else
        onControl(*described, notification);
}

// Enter presses the button that has the focus, as in a dialog, and otherwise the description's
// default button.
int FormWindow::defaultButtonId() const
{
    const HWND focused = GetFocus();
    if (focused == nullptr || !IsChild(window_, focused))
        return IDOK;
    const form::Control *described = describedControl(GetDlgCtrlID(focused));
    return described != nullptr && described->kind == form::ControlKind::Button ? GetDlgCtrlID(focused) : IDOK;
}

// The default style shows which button Enter presses.
void FormWindow::styleDefaultButton()
{
    const HWND newDefault = GetDlgItem(window_, defaultButtonId());
    for (const auto &described : form_.controls) {
        if (described.kind != form::ControlKind::Button)
            continue;
        const HWND each = control(described.name, described.index);
        SendMessageW(each, BM_SETSTYLE, (each == newDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY, TRUE);
    }
}

// A link's notifications: its activation, and before it draws its link the colour to draw it in.
void FormWindow::onNotify(const NMHDR &notification)
{
    const form::Control *described = describedControl(static_cast<int>(notification.idFrom));
    if (described == nullptr || described->kind != form::ControlKind::Link)
        return;
    if (notification.code == NM_CLICK || notification.code == NM_RETURN)
        onLinkClicked(*described);
    else if (notification.code == NM_CUSTOMTEXT) {
        const auto &text = reinterpret_cast<const NMCUSTOMTEXT &>(notification);
        if (text.fLink)
            SetTextColor(text.hDC, colourRef(form::textColour(*described, colourScheme())));
    }
}

bool FormWindow::highContrast() const
{
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0)
        && (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

form::ColourScheme FormWindow::colourScheme() const
{
    return {highContrast(),
            {systemColour(COLOR_WINDOWTEXT), systemColour(COLOR_BTNTEXT), systemColour(COLOR_GRAYTEXT),
             systemColour(COLOR_BTNHIGHLIGHT), systemColour(COLOR_HOTLIGHT)}};
}

// Every text on the face colour, the windows' background in any theme.
LRESULT FormWindow::onControlColour(HDC dc, HWND child) const
{
    const form::Control *described = describedControl(GetDlgCtrlID(child));
    SetTextColor(dc, described != nullptr ? colourRef(form::textColour(*described, colourScheme()))
                                          : GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// A picture box that holds the focus shows it as a button does.
void FormWindow::drawItem(const DRAWITEMSTRUCT &item)
{
    const form::Control *described = describedControl(static_cast<int>(item.CtlID));
    if (described == nullptr)
        return;
    onDrawItem(*described, item);
    if (GetFocus() == item.hwndItem)
        DrawFocusRect(item.hDC, &item.rcItem);
}

void FormWindow::onPaint()
{
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(window_, &paint);
    const form::ColourScheme scheme = colourScheme();
    for (const auto &figure : form_.lines)
        paintFigure(dc, figure, scheme, dpi_);
    for (const auto &figure : drawing_)
        paintFigure(dc, figure, scheme, dpi_);
    EndPaint(window_, &paint);
}

// The colours are chosen afresh on each drawing; the common controls keep their own copy of the
// system colours, which the top-level window is to pass the news on to.
void FormWindow::onColoursChanged()
{
    for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void FormWindow::onNewDpi(UINT dpi, const RECT &suggested)
{
    dpi_ = dpi;
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    layOutControls();
    if (iconGroup_ != 0)
        loadIcons();
    onScaled();
    InvalidateRect(window_, nullptr, TRUE);
}

void FormWindow::onNcDestroy()
{
    const HWND window = window_;
    window_ = nullptr;
    fonts_.clear();
    loop_.remove(window);
}

const form::Control *FormWindow::describedControl(int id) const
{
    if (id == IDOK || id == IDCANCEL) {
        const auto button = std::ranges::find_if(form_.controls, &form::Control::defaultAndCancel);
        return button != form_.controls.end() ? &*button : nullptr;
    }
    const int position = id - kFirstControlId;
    if (position < 0 || position >= static_cast<int>(form_.controls.size()))
        return nullptr;
    return &form_.controls[static_cast<std::size_t>(position)];
}

const form::Control *FormWindow::describedControl(std::string_view name, std::optional<std::int16_t> index) const
{
    const auto described = std::ranges::find_if(
        form_.controls, [&](const form::Control &each) { return each.name == name && each.index == index; });
    return described != form_.controls.end() ? &*described : nullptr;
}

HWND FormWindow::control(std::string_view name, std::optional<std::int16_t> index) const
{
    const form::Control *described = describedControl(name, index);
    if (described == nullptr)
        return nullptr;
    return GetDlgItem(window_, controlId(*described, static_cast<std::size_t>(described - form_.controls.data())));
}

void FormWindow::setText(HWND window, std::string_view text)
{
    const std::wstring wide = platform::toUtf16(text);
    SetWindowTextW(window, (isLink(window) ? linkMarkup(wide) : wide).c_str());
}

std::string FormWindow::text(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)), L'\0');
    GetWindowTextW(window, text.data(), static_cast<int>(text.size() + 1));
    return platform::toUtf8(isLink(window) ? std::wstring(linkCaption(text)) : text);
}

void FormWindow::setIcons(WORD group)
{
    iconGroup_ = group;
    loadIcons();
}

void FormWindow::loadIcons()
{
    auto big = loadIcon(iconGroup_, GetSystemMetricsForDpi(SM_CXICON, dpi_));
    auto small = loadIcon(iconGroup_, GetSystemMetricsForDpi(SM_CXSMICON, dpi_));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    // The old icons go once the window no longer shows them.
    icon_ = std::move(big);
    smallIcon_ = std::move(small);
}

void FormWindow::setDrawing(std::vector<form::Figure> figures)
{
    drawing_ = std::move(figures);
    InvalidateRect(window_, nullptr, TRUE);
}

void FormWindow::postWakeUp() const
{
    PostMessageW(window_, kWakeUp, 0, 0);
}

float FormWindow::scaleWidth() const
{
    RECT client{};
    GetClientRect(window_, &client);
    return static_cast<float>(client.right) * kDesignDpi / static_cast<float>(dpi_);
}

} // namespace win32
