#pragma once

#include "DropSurface.h"
#include "DroppedFiles.h"
#include "clsImageInfo.h"

#include <cstdint>
#include <filesystem>
#include <memory>

// The main window's drop logic: turns each dropped GIF or JPEG into an HTML image tag and
// publishes it, or refuses the first file of any other kind. It holds the window's current
// image information object, oImageInfo.
class DropProcessor {
public:
    explicit DropProcessor(DropSurface &surface);

    // Handles the dropped paths in order. Each step that fails shows "File Processing Error" and
    // handling goes on with the next step. Effect becomes 0 once the whole list is handled; a
    // refusal, or the window closed meanwhile, ends the drop without writing it. A drop without a
    // file list fails the step that takes the list, and the steps after it run once with an
    // empty path, which has no length and no type: a second message, then the refusal.
    //
    // The drop keeps its own reference to the object it creates, to its end: the window lets go
    // of oImageInfo on a drag or when it closes, which can happen while one of the drop's message
    // boxes runs its message loop, and that must concern the next drop, not this one.
    void Form_OLEDragDrop(const DroppedFiles &Data, std::int32_t &Effect);

    // Drag notifications and unloading let go of the current object.
    void releaseImageInfo() { oImageInfo_.reset(); }
    const clsImageInfo *oImageInfo() const { return oImageInfo_.get(); }

private:
    struct Values;

    // Returns false when the path was refused or the window closed, and the drop must end.
    bool processPath(const std::filesystem::path &path, clsImageInfo &image, Values &values);
    void publish(const std::filesystem::path &path, Values &values);
    void refuse(std::int32_t typeCode);

    // Runs one numbered step; a step that throws or returns false shows the failure message.
    // Once the window is closed no step runs.
    template <typename Step> void runStep(Step &&step);

    DropSurface &surface_;
    std::shared_ptr<clsImageInfo> oImageInfo_;
};
