#include "DropQueue.h"

void DropQueue::handleAll(const std::function<void(const Paths &)> &handle)
{
    if (handling_)
        return;
    handling_ = true;
    while (!waiting_.empty()) {
        const Paths paths = std::move(waiting_.front());
        waiting_.pop_front();
        handle(paths);
    }
    handling_ = false;
}
