#pragma once

#include "OwnedHandle.h"

#include <filesystem>
#include <optional>

// Lets a test see that the run recorder was started, and from which file, without polling: it
// names a log file and a fresh event in the environment that started programs inherit, and
// waits on the event.
class RunWitness {
public:
    explicit RunWitness(const std::filesystem::path &logFolder);
    ~RunWitness();
    RunWitness(const RunWitness &) = delete;
    RunWitness &operator=(const RunWitness &) = delete;

    // The recorder program, built beside the test program.
    static std::filesystem::path recorderProgram();

    // The file the recorder ran from, once it has signalled; nothing if it has not within a
    // limit generous enough for a cold start under an emulator.
    std::optional<std::filesystem::path> waitForRun() const;
    // Whether the recorder has signalled already, without waiting.
    bool hasRun() const;

private:
    std::filesystem::path log_;
    OwnedHandle event_;
};
