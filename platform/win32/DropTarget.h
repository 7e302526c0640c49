#pragma once

#include <filesystem>
#include <vector>
#include <ole2.h>

namespace win32 {

// What a window does with the drags that reach it.
class FileDropReceiver {
public:
    // Something is dragged over the window, or a drag has left it.
    virtual void dragOver() = 0;
    // The local files of a drop in the order the source listed them; empty when it carried none.
    virtual void drop(const std::vector<std::filesystem::path> &paths) = 0;

protected:
    ~FileDropReceiver() = default;
};

// An OLE drop target that takes every drag and hands file drops to a receiver. It answers the
// source that nothing was moved: the program only reads a dropped file, and a source told "move"
// would delete its original.
//
// It lives inside its window's object, which outlives the window, and is registered only while
// the window exists: RevokeDragDrop, when the window is destroyed, gives back every reference OLE
// took. Counting references would therefore decide nothing, and AddRef and Release count none.
class DropTarget final : public IDropTarget {
public:
    explicit DropTarget(FileDropReceiver &receiver);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject *data, DWORD keys, POINTL point, DWORD *effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD *effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject *data, DWORD keys, POINTL point, DWORD *effect) override;

private:
    FileDropReceiver &receiver_;
};

} // namespace win32
