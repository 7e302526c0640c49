#include "DropTarget.h"

#include "MessageBoxes.h"

#include <shellapi.h>

namespace win32 {

namespace {

// The one effect the pointer shows, of those the source offers: a copy where it can, which is what
// a drop here amounts to, else a link. A source that offers only a move is still taken; the drop
// answers it that nothing was moved.
DWORD shownEffect(DWORD offered)
{
    for (const DWORD effect : {DROPEFFECT_COPY, DROPEFFECT_LINK, DROPEFFECT_MOVE})
        if ((offered & effect) != 0)
            return effect;
    return DROPEFFECT_NONE;
}

std::vector<std::filesystem::path> droppedFiles(IDataObject *data)
{
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data == nullptr || FAILED(data->GetData(&format, &medium)))
        return {};
    std::vector<std::filesystem::path> paths;
    if (const auto drop = static_cast<HDROP>(GlobalLock(medium.hGlobal))) {
        const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            std::wstring path(DragQueryFileW(drop, i, nullptr, 0), L'\0');
            DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size() + 1));
            paths.emplace_back(std::move(path));
        }
        GlobalUnlock(medium.hGlobal);
    }
    ReleaseStgMedium(&medium);
    return paths;
}

} // namespace

DropTarget::DropTarget(FileDropReceiver &receiver) : receiver_(receiver) {}

HRESULT DropTarget::QueryInterface(REFIID interfaceId, void **object)
{
    if (IsEqualIID(interfaceId, IID_IUnknown) || IsEqualIID(interfaceId, IID_IDropTarget)) {
        *object = static_cast<IDropTarget *>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DropTarget::AddRef()
{
    return 1;
}

ULONG DropTarget::Release()
{
    return 1;
}

HRESULT DropTarget::DragEnter(IDataObject *, DWORD, POINTL, DWORD *effect)
{
    receiver_.dragOver();
    *effect = shownEffect(*effect);
    return S_OK;
}

HRESULT DropTarget::DragOver(DWORD, POINTL, DWORD *effect)
{
    receiver_.dragOver();
    *effect = shownEffect(*effect);
    return S_OK;
}

HRESULT DropTarget::DragLeave()
{
    receiver_.dragOver();
    return S_OK;
}

// The source is answered at once; the receiver handles the files later. Copying the list is the
// one thing here that can throw (out of memory), and no exception may reach OLE.
HRESULT DropTarget::Drop(IDataObject *data, DWORD, POINTL, DWORD *effect)
{
    try {
        receiver_.drop(droppedFiles(data));
    } catch (...) {
        endWithCurrentException();
    }
    *effect = DROPEFFECT_NONE;
    return S_OK;
}

} // namespace win32
