#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// One environment variable's value; nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char *name)>;

// The arguments to start the toolkit with: the program's own, with "-platform xcb;wayland" after the
// program's name on a GNOME Wayland session that also offers an X display, unless the user chose a
// platform (by a -platform or --platform argument, or QT_QPA_PLATFORM). GNOME's compositor gives the
// clipboard only to the client that has the keyboard focus, and a Wayland client cannot take the
// focus after a drop, so a dropped file's tag could never reach the clipboard; through X11 it does.
// Wayland stays in the list for a session whose X display cannot be reached.
std::vector<std::string> toolkitArguments(std::vector<std::string> arguments, const EnvironmentLookup &environment);

// The program's arguments as toolkitArguments() makes them from the process's environment, which
// it only reads: the programs Pictavo starts must not inherit a platform choice. Held as a C
// argument vector that lives as long as this object.
class ToolkitArguments {
public:
    ToolkitArguments(int argc, char **argv);
    ToolkitArguments(const ToolkitArguments &) = delete;
    ToolkitArguments &operator=(const ToolkitArguments &) = delete;

    // The toolkit takes both by reference and removes the arguments it understands.
    int &count() { return count_; }
    char **values() { return pointers_.data(); }

private:
    std::vector<std::string> arguments_;
    std::vector<char *> pointers_;
    int count_ = 0;
};

} // namespace platform
