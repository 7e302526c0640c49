#pragma once

#include <memory>
#include <windows.h>

// A kernel object handle, closed when it goes.
struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;
