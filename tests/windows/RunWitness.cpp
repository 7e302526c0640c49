#include "RunWitness.h"

#include "RunRecorderEnvironment.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace {

constexpr DWORD RunTimeLimitMilliseconds = 60'000;

std::string uniqueEventName()
{
    static unsigned created = 0;
    return "PictavoRunWitness-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++created);
}

} // namespace

RunWitness::RunWitness(const std::filesystem::path &logFolder) : log_(logFolder / "run.log")
{
    const auto eventName = uniqueEventName();
    event_.reset(CreateEventA(nullptr, TRUE, FALSE, eventName.c_str()));
    if (!event_)
        throw std::runtime_error("cannot create the event " + eventName);
    SetEnvironmentVariableA(runrecorder::LogVariable, log_.string().c_str());
    SetEnvironmentVariableA(runrecorder::EventVariable, eventName.c_str());
}

RunWitness::~RunWitness()
{
    SetEnvironmentVariableA(runrecorder::LogVariable, nullptr);
    SetEnvironmentVariableA(runrecorder::EventVariable, nullptr);
}

std::filesystem::path RunWitness::recorderProgram()
{
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    return std::filesystem::path(std::wstring(self, length)).parent_path() / "run_recorder.exe";
}

std::optional<std::filesystem::path> RunWitness::waitForRun() const
{
    if (WaitForSingleObject(event_.get(), RunTimeLimitMilliseconds) != WAIT_OBJECT_0)
        return std::nullopt;
    std::ifstream log(log_, std::ios::binary);
    return std::filesystem::path(std::string(std::istreambuf_iterator<char>(log), {}));
}

bool RunWitness::hasRun() const
{
    return WaitForSingleObject(event_.get(), 0) == WAIT_OBJECT_0;
}
