#include "DropProcessor.h"

#include "FileLength.h"
#include "ImageTag.h"
#include "ParseFileName.h"

#include <exception>
#include <optional>
#include <string>
#include <type_traits>

namespace {

using Label = DropSurface::Label;
using Elision = DropSurface::Elision;

constexpr char kMessageTitle[] = "Pictavo";
constexpr char kFailureMessage[] = "File Processing Error";

// The path as the user knows it, for the labels and the tag.
std::string pathText(const std::filesystem::path &path)
{
    const auto text = path.u8string();
    return {text.begin(), text.end()};
}

const char *refusalLine(std::int32_t typeCode)
{
    switch (typeCode) {
    case clsImageInfo::kBmp: return "Sorry, but BitMaps are not used for HTML display.";
    case clsImageInfo::kUnknown: return "What kind of file is this?";
    default: return "What was that?";
    }
}

} // namespace

// What the handler keeps while it runs: zero or empty at the start of a drop, carried over from
// one path to the next, and left as it was by a step that fails.
struct DropProcessor::Values {
    std::int32_t typeCode = clsImageInfo::kUndetermined;
    float height = 0;
    float width = 0;
    std::uintmax_t size = 0;
    std::string bareName;
    std::string typeName;
    std::string tag;
};

DropProcessor::DropProcessor(DropSurface &surface)
    : surface_(surface)
{
}

template <typename Step> void DropProcessor::runStep(Step &&step)
{
    if (surface_.windowClosed())
        return;
    bool succeeded = false;
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<Step>>) {
            step();
            succeeded = true;
        } else {
            succeeded = step();
        }
    } catch (const std::exception &) {
        succeeded = false;
    }
    if (!succeeded)
        surface_.showErrorMessage(kFailureMessage, kMessageTitle);
}

void DropProcessor::Form_OLEDragDrop(const DroppedFiles &Data, std::int32_t &Effect)
{
    // Drops still waiting when the window closed have nowhere to go.
    if (surface_.windowClosed())
        return;
    const auto image = std::make_shared<clsImageInfo>();
    oImageInfo_ = image;
    runStep([&] { return Data.has_value(); });
    static const std::vector<std::filesystem::path> kOneEmptyPath{std::filesystem::path{}};
    Values values;
    for (const auto &path : Data ? *Data : kOneEmptyPath) {
        if (!processPath(path, *image, values))
            return;
    }
    Effect = 0;
}

bool DropProcessor::processPath(const std::filesystem::path &path, clsImageInfo &image, Values &values)
{
    runStep([&] { image.setFilename(path); });
    runStep([&] { values.typeCode = image.FileType(); });
    runStep([&] { values.height = image.Height(); });
    runStep([&] { values.width = image.Width(); });
    runStep([&] {
        const auto length = fileLength(path);
        if (length)
            values.size = *length;
        return length.has_value();
    });
    runStep([&] { values.bareName = pathText(path); });
    runStep([&] { values.bareName = ParseFileName(values.bareName); });

    switch (values.typeCode) {
    case clsImageInfo::kGif: values.typeName = "GIF"; break;
    case clsImageInfo::kJpeg: values.typeName = "Jpeg"; break;
    default: refuse(values.typeCode); return false;
    }
    publish(path, values);
    return !surface_.windowClosed();
}

void DropProcessor::publish(const std::filesystem::path &path, Values &values)
{
    runStep([&] { values.tag = ComposeImageTag(values.bareName, values.width, values.height); });
    runStep([&] { surface_.setTagText(values.tag); });
    runStep([&] { surface_.setLabelCaption(Label::FileName, "File: " + pathText(path), Elision::Path); });
    runStep([&] {
        surface_.setLabelCaption(Label::FileSize, "File Size: " + std::to_string(values.size) + " bytes",
                                 Elision::End);
    });
    runStep([&] { surface_.setLabelCaption(Label::FileType, "File Type: " + values.typeName, Elision::End); });
    runStep([&] { return surface_.setClipboardText(values.tag); });
    runStep([&] { surface_.focusWindow(); });
}

void DropProcessor::refuse(std::int32_t typeCode)
{
    runStep([&] { surface_.setLabelCaption(Label::FileName, refusalLine(typeCode), Elision::End); });
    runStep([&] { surface_.setLabelCaption(Label::FileSize, "Try dropping in a GIF,", Elision::End); });
    runStep([&] { surface_.setLabelCaption(Label::FileType, "...or a Jpeg.", Elision::End); });
    oImageInfo_.reset();
    runStep([&] { surface_.focusWindow(); });
}
