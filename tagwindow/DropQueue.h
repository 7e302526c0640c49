#pragma once

#include "DroppedFiles.h"

#include <deque>
#include <functional>
#include <utility>

// Dropped file lists waiting for the window's own message loop. A drop notification only adds
// its list here and returns, so the source of the drag is never kept waiting; the window then
// hands the drops to the drop logic one at a time, each to its end, in the order they came.
class DropQueue {
public:
    void add(DroppedFiles paths) { waiting_.push_back(std::move(paths)); }

    // Hands each waiting drop to handle, oldest first, until none is left. A drop's message box
    // runs a message loop, which can deliver the next drop and its call to this function: that
    // call returns at once, and the running one takes the new drop when the current one is done.
    void handleAll(const std::function<void(const DroppedFiles &)> &handle);

private:
    std::deque<DroppedFiles> waiting_;
    bool handling_ = false;
};
