#include "DropQueue.h"

void DropQueue::handleAll(const std::function<void(const Paths &)> &handle)
{
    if (handling_)
        return;
    handling_ = true;
    // Reset however handle leaves, or no drop would ever be handled again.
    struct Done {
        bool &handling;
        ~Done() { handling = false; }
    } done{handling_};
    while (!waiting_.empty()) {
        const Paths paths = std::move(waiting_.front());
        waiting_.pop_front();
        handle(paths);
    }
}
