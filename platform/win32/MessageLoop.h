#pragma once

#include <vector>
#include <windows.h>

namespace win32 {

// The program's message loop and the top-level windows it serves. Keyboard input for one of
// them goes through the dialog manager first (Enter, Escape, access keys with Alt), as in a
// dialog, but for Tab, which the window itself is asked to follow (WM_NEXTDLGCTL). The loop ends
// when the last of them is destroyed, so the program runs as long as any of its windows is open.
class MessageLoop {
public:
    void add(HWND window);
    // Posts the end of the loop when this was the last window.
    void remove(HWND window);

    // Returns the exit code the loop was ended with.
    int run();

private:
    bool isDialogMessage(MSG &message) const;

    std::vector<HWND> windows_;
};

} // namespace win32
