#include "PosixFileTest.h"
#include "PosixProcessStarter.h"
#include "RuntimeError.h"
#include "StandInRegistry.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using platform::Registry;
using platform::StandInRegistry;

const std::string SystemInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

fs::path script(const TempDir &dir, const std::string &name, const std::string &body, bool executable = true)
{
    const auto file = dir.write(name, {});
    std::ofstream(file) << "#!/bin/sh\n" << body << "\n";
    if (executable)
        fs::permissions(file, fs::perms::owner_exec, fs::perm_options::add);
    return file;
}

std::int32_t query(Registry &registry, const std::string &key, const std::string &value, std::uint32_t access,
                   std::string &text, std::uint32_t capacity = 1024)
{
    Registry::KeyHandle handle = 0;
    if (const auto opened = registry.openKey(Registry::LocalMachine, key, 0, access, handle); opened != Registry::Success)
        return opened;
    std::vector<std::uint8_t> buffer(1024);
    std::uint32_t type = 0;
    const auto result = registry.queryValue(handle, value, type, buffer, capacity);
    text.assign(buffer.begin(), buffer.begin() + (result == Registry::Success && type == Registry::TypeText ? capacity : 0));
    registry.closeKey(handle);
    return result;
}

// The stand-in's one key names the first tool of its list that the search path's absolute folders
// hold and that can run, earlier folders first; its names compare without case; it is read-only.
TEST(StandInRegistry, TheKeyNamesTheFirstRunnableListedTool)
{
    const TempDir first;
    const TempDir second;
    script(first, "gnome-system-monitor", "");
    script(first, "kinfocenter", "", false);
    const auto preferred = script(second, "kinfocenter", "");
    script(second, "unrelated-program", "");
    StandInRegistry registry(fs::relative(second.path()).string() + "::" + first.path().string() + ":" + second.path().string());

    std::string text;
    EXPECT_EQ(query(registry, "software\\microsoft\\shared tools\\MSINFO", "path", Registry::KeyRead, text), Registry::Success);
    EXPECT_EQ(text, preferred.string() + '\0');
    EXPECT_EQ(query(registry, SystemInfoKey, "PATH", 0x2003F, text), Registry::AccessDenied);
    EXPECT_EQ(query(registry, SystemInfoKey, "MSINFO", Registry::KeyRead, text), Registry::NotFound);
    EXPECT_EQ(query(registry, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", Registry::KeyRead, text), Registry::NotFound);
    EXPECT_EQ(query(registry, SystemInfoKey, "PATH", Registry::KeyRead, text, 10), Registry::MoreData);
    Registry::KeyHandle handle = 0;
    EXPECT_EQ(registry.openKey(0x80000001 /* current user */, SystemInfoKey, 0, Registry::KeyRead, handle), Registry::NotFound);

    fs::remove(preferred);
    EXPECT_EQ(query(registry, SystemInfoKey, "PATH", Registry::KeyRead, text), Registry::Success) << "searched afresh";
    EXPECT_EQ(text, (first.path() / "gnome-system-monitor").string() + '\0');
    StandInRegistry nothing(second.path().string());
    EXPECT_EQ(query(nothing, SystemInfoKey, "PATH", Registry::KeyRead, text), Registry::NotFound);
}

// The program must be neither our child nor a zombie of ours, run in a session of its own, and get
// the command text as its path with no arguments.
TEST(PosixProcessStarter, StartsTheProgramDetachedInItsOwnSession)
{
    const TempDir dir;
    const auto fifo = dir.path() / "started";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const auto program = script(dir, "tool", "echo \"$PPID $# $(cut -d' ' -f6 /proc/$$/stat)\" > '" + fifo.string() + "'");
    platform::PosixProcessStarter().start(program.string(), 1);

    pid_t parent = 0, session = 0;
    int arguments = -1;
    std::ifstream(fifo) >> parent >> arguments >> session;
    EXPECT_NE(parent, getpid());
    EXPECT_EQ(arguments, 0);
    EXPECT_NE(session, getsid(0));
}

void onAlarm(int) {}

// A start succeeds exactly when the program runs, however often a signal whose handler does not
// restart system calls (a host application may install one) interrupts it: here a timer's, every
// 20 microseconds, in five rounds, as which call it hits is a matter of chance. Adopting orphans,
// the test sees the program's process end, with a shell's status for a command it cannot run, and
// nothing else of the start left behind.
TEST(PosixProcessStarter, StartsExactlyWhenTheProgramRunsWhateverInterruptsIt)
{
    const TempDir dir;
    const std::pair<std::string, int> commandsAndStatus[] = {
        {script(dir, "ok", "").string(), 0}, {(dir.path() / "missing").string(), 127}, {"", 127},
        {script(dir, "x", "", false).string(), 127}, {dir.path().string(), 127}};
    struct sigaction action {};
    action.sa_handler = onAlarm;
    sigaction(SIGALRM, &action, nullptr);
    const itimerval every20us{{0, 20}, {0, 20}}, off{};
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    for (int round = 0; round < 5; ++round) {
        for (const auto &[command, status] : commandsAndStatus) {
            std::optional<std::int32_t> error;
            setitimer(ITIMER_REAL, &every20us, nullptr);
            try {
                platform::PosixProcessStarter().start(command, 1);
            } catch (const platform::RuntimeError &thrown) {
                error = thrown.number();
            }
            setitimer(ITIMER_REAL, &off, nullptr);
            EXPECT_EQ(error, status == 0 ? std::nullopt : std::optional(platform::RuntimeError::FileNotFound)) << command;
            int ended = -1;
            EXPECT_GT(waitpid(-1, &ended, 0), 0);
            EXPECT_TRUE(WIFEXITED(ended) && WEXITSTATUS(ended) == status) << command << ": " << ended;
            EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "no child left behind";
        }
    }
    prctl(PR_SET_CHILD_SUBREAPER, 0);
    signal(SIGALRM, SIG_DFL);
}

TEST(PosixFileTest, OnlyVisibleRegularFilesCount)
{
    const TempDir dir;
    const auto file = dir.write("MSINFO32.EXE", {'M', 'Z'});
    fs::create_symlink(file, dir.path() / "link");
    fs::create_directory(dir.path() / "folder");
    const std::pair<fs::path, std::string> cases[] = {
        {file, "MSINFO32.EXE"}, {dir.path() / "link", "link"}, {dir.write(".hidden", {'x'}), ""},
        {dir.path() / "folder", ""}, {dir.path() / "missing", ""}, {"", ""}};
    for (const auto &[path, name] : cases)
        EXPECT_EQ(platform::PosixFileTest().ordinaryFileName(path.string()), name) << path;
}

} // namespace
