// A stand-in for a program that the code under test starts: it records that it ran, and from
// which file, then signals the test that waits for it. Exit codes tell what went wrong when it
// is run by hand.
#include "OwnedHandle.h"
#include "RunRecorderEnvironment.h"

#include <cstdlib>
#include <fstream>
#include <windows.h>

int main()
{
    const char *logPath = std::getenv(runrecorder::LogVariable);
    const char *eventName = std::getenv(runrecorder::EventVariable);
    if (!logPath || !eventName)
        return 2;

    char self[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (length == 0 || length == MAX_PATH)
        return 3;
    {
        std::ofstream log(logPath, std::ios::binary);
        log.write(self, length);
        if (!log)
            return 4;
    }
    const OwnedHandle event(OpenEventA(EVENT_MODIFY_STATE, FALSE, eventName));
    if (!event || !SetEvent(event.get()))
        return 5;
    return 0;
}
