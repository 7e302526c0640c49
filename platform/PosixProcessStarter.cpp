#include "PosixProcessStarter.h"

#include "RuntimeError.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return fd_; }
    void reset()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

// Runs in the program's own process, after fork: only async-signal-safe calls from here on, as
// the parent may have other threads that held locks at the fork.
[[noreturn]] void execProgram(const char *path, char *const argv[], int errorPipe)
{
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    setsid();
    execv(path, argv);
    const int error = errno;
    [[maybe_unused]] const auto written = write(errorPipe, &error, sizeof error);
    _exit(127);
}

// Reads the error number the program's process wrote before dying, or 0 when the exec closed
// the pipe without a word.
int readExecError(int fd)
{
    int error = 0;
    ssize_t got;
    do {
        got = read(fd, &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

void reap(pid_t child)
{
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

void PosixProcessStarter::start(const std::string &command, std::int32_t /*windowStyle*/)
{
    std::array<int, 2> fds{};
    if (pipe2(fds.data(), O_CLOEXEC) != 0)
        throw RuntimeError(RuntimeError::FileNotFound, "cannot start " + command + ": " + std::strerror(errno));
    Descriptor readEnd(fds[0]);
    Descriptor writeEnd(fds[1]);

    // Prepared before forking: the children must not allocate.
    std::string program = command;
    std::array<char *, 2> argv{program.data(), nullptr};

    const pid_t intermediate = fork();
    if (intermediate < 0)
        throw RuntimeError(RuntimeError::FileNotFound, "cannot start " + command + ": " + std::strerror(errno));
    if (intermediate == 0) {
        const pid_t child = fork();
        if (child == 0)
            execProgram(program.c_str(), argv.data(), writeEnd.get());
        if (child < 0) {
            const int error = errno;
            [[maybe_unused]] const auto written = write(writeEnd.get(), &error, sizeof error);
        }
        _exit(0);
    }
    writeEnd.reset();
    reap(intermediate);
    if (const int error = readExecError(readEnd.get()); error != 0)
        throw RuntimeError(RuntimeError::FileNotFound, "cannot start " + command + ": " + std::strerror(error));
}

} // namespace platform
