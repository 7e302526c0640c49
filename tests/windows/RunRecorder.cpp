// Stands in for a program that the code under test starts: it signals the event that the test
// waiting for it named in the environment it inherited.
#include <cstdlib>
#include <memory>
#include <windows.h>

int main()
{
    const char *name = std::getenv("PICTAVO_RUN_EVENT");
    const std::unique_ptr<void, decltype(&CloseHandle)> event(
        name ? OpenEventA(EVENT_MODIFY_STATE, FALSE, name) : nullptr, &CloseHandle);
    return event && SetEvent(event.get()) ? 0 : 1;
}
