#include "DropQueue.h"

namespace {

// Marks a handling as running until it ends, also when a drop throws: a queue left thinking that
// one still runs would take no more drops.
class RunningFlag {
public:
    explicit RunningFlag(bool &flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag &) = delete;
    RunningFlag &operator=(const RunningFlag &) = delete;

private:
    bool &flag_;
};

} // namespace

void DropQueue::handleAll(const std::function<void(const DroppedFiles &)> &handle)
{
    if (handling_)
        return;
    const RunningFlag running(handling_);
    while (!waiting_.empty()) {
        const DroppedFiles paths = std::move(waiting_.front());
        waiting_.pop_front();
        handle(paths);
    }
}
