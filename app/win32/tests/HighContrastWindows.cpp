// Both windows as a high-contrast theme shows them, for the access check's screenshot. Wine says
// high contrast is off whatever the colours, so these windows ask the flag here. Once they are
// shown, the system colours turn to a black high-contrast theme's, then the flag goes on and the
// windows are told, as Windows tells them when a user turns the theme on: they must repaint.
#include "MessageBoxes.h"
#include "MessageLoop.h"
#include "NativeServices.h"
#include "ResourceIds.h"
#include "frmAbout.h"
#include "frmPictavo.h"

#include <iterator>

bool highContrastOn = false;

template <class Window>
struct InHighContrast : Window {
    using Window::Window;
    bool highContrast() const override { return highContrastOn; }
};

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const auto native = platform::makeNativeServices();
    LinkLauncher links(*native.shell);
    win32::WindowsUserMessages messages("Pictavo");
    SysInfoLauncher sysInfo(*native.registry, *native.processes, *native.files, messages);
    OleInitialize(nullptr);
    win32::MessageLoop loop;
    InHighContrast<frmPictavo> main(loop, PICTAVO_PROGRAM_ICON, [] {});
    InHighContrast<frmAbout> about(loop, links, sysInfo, {"Pictavo", 1, 0, 7});
    main.create();
    main.show();
    about.create(nullptr);
    about.show();
    const int elements[] = {COLOR_BTNFACE, COLOR_WINDOW, COLOR_BTNTEXT, COLOR_WINDOWTEXT, COLOR_BTNHIGHLIGHT,
                            COLOR_GRAYTEXT, COLOR_HOTLIGHT};
    const COLORREF colours[] = {RGB(0, 0, 0),       RGB(0, 0, 0),     RGB(255, 255, 255), RGB(255, 255, 255),
                                RGB(255, 255, 255), RGB(63, 242, 63), RGB(255, 255, 0)};
    SetSysColors(static_cast<int>(std::size(elements)), elements, colours);
    highContrastOn = true;
    for (const HWND window : {main.handle(), about.handle()})
        SendMessageW(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    return loop.run();
}
