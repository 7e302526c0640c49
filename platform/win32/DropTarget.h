#pragma once

#include "DroppedFiles.h"

#include <ole2.h>

namespace win32 {

// What a window does with the drags that reach it.
class FileDropReceiver {
public:
    // Something is dragged over the window, or a drag has left it.
    virtual void dragOver() = 0;
    // The local files of a drop in the order the source listed them, or none when it carried no
    // file. Called inside the drop notification, while the source waits for its answer: keep the
    // list and return, and do the work later from the window's own message queue.
    virtual void drop(DroppedFiles paths) = 0;

protected:
    ~FileDropReceiver() = default;
};

// An OLE drop target that takes every drag and hands file drops to a receiver. It answers the
// source that nothing was moved: the program only reads a dropped file, and a source told "move"
// would delete its original.
//
// It lives inside its window's object, and is registered only while the window exists.
// RevokeDragDrop gives back the references OLE took for the window, but after a drag from another
// process a COM stub may hold one until OLE shuts down; the program therefore keeps the window's
// object until after OleUninitialize. Outliving every reference, AddRef and Release count none.
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
