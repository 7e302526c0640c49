#include "Clipboard.h"

#include "DroppedFileList.h"

#include <cstring>
#include <memory>

namespace win32 {

namespace {

struct GlobalMemoryDeleter {
    void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
using unique_hglobal = std::unique_ptr<void, GlobalMemoryDeleter>;

// Closes the clipboard this thread opened, on every way out.
struct OpenedClipboard {
    OpenedClipboard() = default;
    OpenedClipboard(const OpenedClipboard &) = delete;
    OpenedClipboard &operator=(const OpenedClipboard &) = delete;
    ~OpenedClipboard() { CloseClipboard(); }
};

// The text with its terminating zero in movable global memory, the only kind the clipboard takes.
unique_hglobal globalCopy(std::wstring_view text)
{
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    unique_hglobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory)
        return {};
    auto *target = static_cast<wchar_t *>(GlobalLock(memory.get()));
    if (target == nullptr)
        return {};
    std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
    target[text.size()] = L'\0';
    GlobalUnlock(memory.get());
    return memory;
}

bool openClipboard(HWND owner, const ClipboardPatience &patience)
{
    for (int attempt = 1;; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        if (attempt >= patience.attempts)
            return false;
        patience.pause();
    }
}

} // namespace

bool setClipboardText(HWND owner, std::wstring_view text, const ClipboardPatience &patience)
{
    unique_hglobal memory = globalCopy(text);
    if (!memory || !openClipboard(owner, patience))
        return false;
    const OpenedClipboard opened;
    // Only the owner of an emptied clipboard may put data on it.
    if (!EmptyClipboard() || SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr)
        return false;
    // The clipboard owns the memory now.
    memory.release();
    return true;
}

std::vector<std::filesystem::path> clipboardFiles(HWND owner, const ClipboardPatience &patience)
{
    if (!IsClipboardFormatAvailable(CF_HDROP) || !openClipboard(owner, patience))
        return {};
    const OpenedClipboard opened;
    const auto files = static_cast<HDROP>(GetClipboardData(CF_HDROP));
    return files != nullptr ? filesIn(files) : std::vector<std::filesystem::path>{};
}

} // namespace win32
