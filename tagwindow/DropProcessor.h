#pragma once

#include "DropSurface.h"
#include "clsImageInfo.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

// The main window's drop logic: turns each dropped GIF or JPEG into an HTML image tag and
// publishes it, or refuses the first file of any other kind. It owns the window's current
// image information object, oImageInfo.
class DropProcessor {
public:
    explicit DropProcessor(DropSurface &surface);

    // Handles the dropped paths in order. Each step that fails shows "File Processing Error" and
    // handling goes on with the next step. Effect becomes 0 once the whole list is handled; a
    // refusal ends the drop without writing it.
    void Form_OLEDragDrop(const std::vector<std::filesystem::path> &Data, std::int32_t &Effect);

    // Drag notifications and unloading let go of the current object.
    void releaseImageInfo() { oImageInfo_.reset(); }
    const clsImageInfo *oImageInfo() const { return oImageInfo_.get(); }

private:
    struct Values;

    // Returns false when the path was refused and the drop must end.
    bool processPath(const std::filesystem::path &path, Values &values);
    void publish(const std::filesystem::path &path, Values &values);
    void refuse(std::int32_t typeCode);

    // Runs one numbered step; a step that throws or returns false shows the failure message.
    template <typename Step> void runStep(Step &&step);

    DropSurface &surface_;
    std::unique_ptr<clsImageInfo> oImageInfo_;
};
