// The Windows program: the main window over the drop logic, the About window over the link and
// System Information launchers with the real registry, shell and processes, and the message loop,
// which runs until the last window is closed.
#include "AboutWindowSlot.h"
#include "CommandLineFiles.h"
#include "MessageBoxes.h"
#include "MessageLoop.h"
#include "NativeServices.h"
#include "ResourceIds.h"
#include "WebLinkShell.h"
#include "frmPictavo.h"

#include <memory>
#include <windows.h>
// after windows.h, which they build on
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

namespace {

constexpr const char *kTitle = "Pictavo";

// OLE on this thread, which drag and drop needs, from before the main window is created until
// after it is destroyed.
class OleSession {
public:
    OleSession()
    {
        if (const HRESULT result = OleInitialize(nullptr); FAILED(result))
            win32::endWithFailure("OLE could not be started", result);
    }
    ~OleSession() { OleUninitialize(); }
    OleSession(const OleSession &) = delete;
    OleSession &operator=(const OleSession &) = delete;
};

// Every argument names a file ("Open with", Pictavo.exe a.gif b.jpg), split by the rules every
// Windows program follows, which a quoted "%1" in a registered command relies on.
std::vector<std::filesystem::path> commandLineArguments()
{
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> arguments(CommandLineToArgvW(GetCommandLineW(), &count),
                                                                  &LocalFree);
    if (!arguments)
        return {};
    return {arguments.get() + 1, arguments.get() + count};
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    // Buttons and edit boxes in the visual styles of Common Controls 6, which the manifest asks for.
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    const auto native = platform::makeNativeServices();
    win32::WebLinkShell linkShell(*native.shell);
    LinkLauncher links(linkShell);
    win32::WindowsUserMessages messages(kTitle);
    SysInfoLauncher sysInfo(*native.registry, *native.processes, *native.files, messages);

    win32::MessageLoop loop;
    AboutWindowSlot about(loop, links, sysInfo,
                          {kTitle, PICTAVO_VERSION_MAJOR, PICTAVO_VERSION_MINOR, PICTAVO_VERSION_REVISION});
    frmPictavo window(loop, PICTAVO_PROGRAM_ICON, [&about] { about.show(); });
    // Started after the window's object exists, so that it ends first: a COM stub may hold the
    // window's drop target until OleUninitialize.
    const OleSession ole;
    window.create();
    window.show();
    if (auto files = commandLineFiles(commandLineArguments()); !files.empty())
        window.openFiles(std::move(files));
    return loop.run();
}
