#include "DropProcessor.h"
#include "DropQueue.h"

#include "TempDir.h"
#include "TestImages.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;
using Labels = std::array<std::string, 3>;

constexpr std::int32_t kEffectOnEntry = 7;
const std::string kGifTag = R"(<img src="logo.gif" width="120" height="60" border="0">)";
const std::string kJpegTag = R"(<img src="photo.gif" width="640" height="480" border="0">)";
const Labels kBmpRefusal{"Sorry, but BitMaps are not used for HTML display.", "Try dropping in a GIF,", "...or a Jpeg."};
const Labels kUnknownRefusal{"What kind of file is this?", "Try dropping in a GIF,", "...or a Jpeg."};

std::string text(const fs::path &path)
{
    const auto utf8 = path.u8string();
    return {utf8.begin(), utf8.end()};
}

// Keeps what the window would show after the drop logic's calls.
class DropTest : public testing::Test, public DropSurface {
protected:
    std::int32_t drop(const std::vector<fs::path> &paths) { return drop(DroppedFiles(paths)); }
    std::int32_t drop(const DroppedFiles &paths)
    {
        std::int32_t effect = kEffectOnEntry;
        processor.Form_OLEDragDrop(paths, effect);
        return effect;
    }
    fs::path gif(const char *name = "logo.gif") { return dir.write(name, testimages::gif(120, 60)); }
    fs::path bmp() { return dir.write("b.bmp", testimages::bmp(7, 8)); }
    // A JPEG by its content, whatever its name says.
    fs::path jpeg() { return dir.write("photo.gif", testimages::jfif(640, 480)); }

    void setTagText(const std::string &text) override
    {
        if (boxFails)
            throw std::runtime_error("the box is gone");
        tag = text;
    }
    void setLabelCaption(Label label, const std::string &caption, Elision) override
    {
        labels[static_cast<std::size_t>(label)] = caption;
    }
    bool setClipboardText(const std::string &text) override
    {
        if (!clipboardRefuses)
            clipboard = text;
        return !clipboardRefuses;
    }
    void showErrorMessage(const std::string &text, const std::string &title) override
    {
        messages.push_back(title + ": " + text);
        if (whileBoxIsUp)
            whileBoxIsUp();
    }
    void focusWindow() override { ++focusRequests; }
    bool windowClosed() const override { return closed; }

    TempDir dir;
    DropProcessor processor{*this};
    bool clipboardRefuses = false;
    bool boxFails = false;
    bool closed = false;
    std::function<void()> whileBoxIsUp;
    std::string tag = "initial tag";
    Labels labels{"initial name", "initial size", "initial type"};
    std::string clipboard = "initial clipboard";
    std::vector<std::string> messages;
    int focusRequests = 0;
};

TEST_F(DropTest, EachAcceptedFilePublishesItsTagLabelsAndClipboard)
{
    // An empty list changes nothing; each drop starts with a fresh object all the same.
    EXPECT_EQ(drop(std::vector<fs::path>{}), 0);
    EXPECT_EQ(labels[0], "initial name");
    EXPECT_NE(processor.oImageInfo(), nullptr);
    EXPECT_EQ(drop({gif()}), 0);
    EXPECT_EQ(labels, (Labels{"File: " + text(dir.path() / "logo.gif"), "File Size: 14 bytes", "File Type: GIF"}));

    // The type follows the content, the name keeps its ending; a path over 300 characters long works.
    const auto deep = fs::path(std::string(100, 'a')) / std::string(100, 'b') / std::string(100, 'c');
    fs::create_directories(dir.path() / deep);
    const auto jpeg = dir.write((deep / "photo.gif").string(), testimages::jfif(640, 480));
    EXPECT_EQ(drop({gif("first.gif"), jpeg}), 0);
    EXPECT_EQ(tag, kJpegTag);
    EXPECT_EQ(clipboard, kJpegTag);
    EXPECT_EQ(labels, (Labels{"File: " + text(jpeg), "File Size: 116 bytes", "File Type: Jpeg"}));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(focusRequests, 3);
}

// The first file of another kind ends the drop: the files after it are not examined, the box and
// the clipboard keep the last accepted tag, and the effect is not written.
TEST_F(DropTest, RefusalKeepsTheLastTagAndEndsTheDrop)
{
    drop({gif()});
    EXPECT_EQ(drop({bmp(), gif("later.gif")}), kEffectOnEntry);
    EXPECT_EQ(labels, kBmpRefusal);
    EXPECT_EQ(tag, kGifTag);
    EXPECT_EQ(clipboard, kGifTag);
    EXPECT_EQ(focusRequests, 2);
    EXPECT_EQ(processor.oImageInfo(), nullptr);

    // A folder is there, so its length is found (0) and only the refusal shows.
    EXPECT_EQ(drop({dir.path()}), kEffectOnEntry);
    EXPECT_EQ(labels, kUnknownRefusal);
    EXPECT_TRUE(messages.empty());
}

// Only a path where nothing exists fails the length step, with one message before the refusal. A
// drop without a file list fails taking the list too, then goes on with an empty path.
TEST_F(DropTest, MissingFileShowsOneFailureThenTheRefusal)
{
    drop({dir.path() / "gone.gif"});
    EXPECT_EQ(messages, std::vector<std::string>{"Pictavo: File Processing Error"});
    EXPECT_EQ(labels, kUnknownRefusal);

    drop({gif()});
    EXPECT_EQ(drop(std::nullopt), kEffectOnEntry);
    EXPECT_EQ(messages.size(), 3u);
    EXPECT_EQ(labels, kUnknownRefusal);
    EXPECT_EQ(clipboard, kGifTag);
}

// A drag over the window (which lets go of the object) or the window's closing happens inside
// the message box of the first of two files.
TEST_F(DropTest, ReleaseOrCloseDuringAMessageBoxSparesTheRunningDrop)
{
    clipboardRefuses = true;
    whileBoxIsUp = [this] { clipboardRefuses = false; processor.releaseImageInfo(); };
    // The drop reads the second file through its own object, and the release stands.
    EXPECT_EQ(drop({gif(), jpeg()}), 0);
    EXPECT_EQ(tag, kJpegTag);
    EXPECT_EQ(processor.oImageInfo(), nullptr);

    // A throwing step's box; once the window is closed, no drop asks anything more of it.
    boxFails = true;
    whileBoxIsUp = [this] { closed = true; processor.releaseImageInfo(); };
    EXPECT_EQ(drop({gif("first.gif"), gif()}), kEffectOnEntry);
    drop({gif()});
    EXPECT_EQ(labels[2], "File Type: Jpeg");
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(focusRequests, 2);
    EXPECT_EQ(processor.oImageInfo(), nullptr);
}

// Drop "a" runs a message box whose loop delivers drops "b" and "c", each with its wake-up: they
// follow "a" in the order they came, never inside it; a later drop "d" is handled all the same.
TEST(DropQueueTest, DropsArrivingDuringOneFollowItInOrder)
{
    DropQueue queue;
    std::string events;
    std::function<void(const DroppedFiles &)> handle = [&](const DroppedFiles &paths) {
        events += '<';
        events += paths->front().string();
        for (auto next = paths->begin() + 1; next != paths->end(); ++next) {
            queue.add({{*next}});
            queue.handleAll(handle);
        }
        events += ">";
    };
    queue.add({{"a", "b", "c"}});
    queue.handleAll(handle);
    queue.add({{"d"}});
    queue.handleAll(handle);
    EXPECT_EQ(events, "<a><b><c><d>");

    // A drop that throws leaves the queue ready for the next.
    queue.add({{"x"}});
    EXPECT_THROW(queue.handleAll([](const DroppedFiles &) { throw std::runtime_error("x"); }), std::runtime_error);
    queue.add({{"e"}});
    queue.handleAll(handle);
    EXPECT_EQ(events, "<a><b><c><d><e>");
}

} // namespace
