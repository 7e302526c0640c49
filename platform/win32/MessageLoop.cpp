#include "MessageLoop.h"

#include <algorithm>

namespace win32 {

void MessageLoop::add(HWND window)
{
    windows_.push_back(window);
}

void MessageLoop::remove(HWND window)
{
    std::erase(windows_, window);
    if (windows_.empty())
        PostQuitMessage(0);
}

int MessageLoop::run()
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (isDialogMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

bool MessageLoop::isDialogMessage(MSG &message) const
{
    const HWND topLevel = GetAncestor(message.hwnd, GA_ROOT);
    return topLevel != nullptr && std::ranges::find(windows_, topLevel) != windows_.end()
        && IsDialogMessageW(topLevel, &message);
}

} // namespace win32
