#include "DropQueue.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

namespace {

using Events = std::vector<std::string>;

// Drop "a" runs a message box whose loop delivers drops "b" and "c", each with its wake-up: they
// wait until "a" has ended and then follow in the order they came, never inside it. Drops still
// waiting when the window goes are never handled.
TEST(DropQueueTest, DropsArrivingDuringOneFollowItInOrder)
{
    DropQueue queue;
    Events events;
    std::function<void(const DropQueue::Paths &)> handle = [&](const DropQueue::Paths &paths) {
        const std::string name = paths.front().string();
        events.push_back("start " + name);
        if (name == "a") {
            for (const char *next : {"b", "c"}) {
                queue.add({next});
                queue.handleAll(handle);
            }
        }
        events.push_back("end " + name);
    };
    queue.add({"a"});
    queue.handleAll(handle);
    EXPECT_EQ(events, (Events{"start a", "end a", "start b", "end b", "start c", "end c"}));

    queue.add({"d"});
    queue.clear();
    queue.handleAll(handle);
    EXPECT_EQ(events.size(), 6u);
}

// A drop whose handling throws must not leave the queue deaf to every later drop.
TEST(DropQueueTest, HandlingThatThrowsLeavesTheQueueWorking)
{
    DropQueue queue;
    queue.add({"a"});
    EXPECT_THROW(queue.handleAll([](const DropQueue::Paths &) { throw std::bad_alloc(); }), std::bad_alloc);
    Events handled;
    queue.add({"b"});
    queue.handleAll([&](const DropQueue::Paths &paths) { handled.push_back(paths.front().string()); });
    EXPECT_EQ(handled, Events{"b"});
}

} // namespace
