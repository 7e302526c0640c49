#include "DropTarget.h"

#include "DroppedFileList.h"
#include "MessageBoxes.h"

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

// A drop that offers no file list (text, a web address, a file that lives only inside another
// program, such as a mail attachment or a file in a zip folder) or a list without a file has none.
DroppedFiles droppedFiles(IDataObject *data)
{
    FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data == nullptr || FAILED(data->GetData(&format, &medium)))
        return std::nullopt;
    auto paths = filesIn(static_cast<HDROP>(medium.hGlobal));
    ReleaseStgMedium(&medium);
    if (paths.empty())
        return std::nullopt;
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
