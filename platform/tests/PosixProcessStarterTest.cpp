#include "PosixProcessStarter.h"
#include "RuntimeError.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

using platform::PosixProcessStarter;
using platform::ProcessStarter;
using platform::RuntimeError;

namespace {

// True when this process has no child at all, finished or not: a started program must neither
// stay our child nor leave a zombie behind.
bool hasNoChildren()
{
    return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD;
}

TEST(PosixProcessStarter, StartsTheProgramDetachedAndLeavesNoChild)
{
    TempDir dir;
    // The program reports through a named pipe; opening the pipe for reading blocks until the
    // program opens it for writing, so the test waits for exactly that and nothing else.
    const auto fifo = dir.path() / "started";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const auto program = dir.path() / "tool";
    {
        std::ofstream script(program);
        script << "#!/bin/sh\necho \"$PPID:$#\" > '" << fifo.string() << "'\n";
    }
    std::filesystem::permissions(program, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);

    PosixProcessStarter starter;
    starter.start(program.string(), ProcessStarter::NormalFocus);
    EXPECT_TRUE(hasNoChildren());

    std::ifstream report(fifo);
    std::string line;
    std::getline(report, line);
    const auto colon = line.find(':');
    ASSERT_NE(colon, std::string::npos) << line;
    EXPECT_NE(line.substr(0, colon), std::to_string(getpid())) << "the program must not be our child";
    EXPECT_EQ(line.substr(colon + 1), "0") << "the command text is the path, with no arguments";
}

TEST(PosixProcessStarter, AProgramThatCannotStartIsARuntimeError)
{
    TempDir dir;
    const auto notExecutable = dir.write("plain.txt", {'x'});
    const struct {
        const char *name;
        std::string command;
    } cases[] = {
        {"missing file", (dir.path() / "missing").string()},
        {"empty command", ""},
        {"folder", dir.path().string()},
        {"file without execute permission", notExecutable.string()},
    };
    PosixProcessStarter starter;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        try {
            starter.start(c.command, ProcessStarter::NormalFocus);
            ADD_FAILURE() << "started";
        } catch (const RuntimeError &error) {
            EXPECT_EQ(error.number(), RuntimeError::FileNotFound);
        }
        EXPECT_TRUE(hasNoChildren());
    }
}

} // namespace
