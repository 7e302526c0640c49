#include "ToolkitArguments.h"

#include "AsciiCase.h"

#include <algorithm>
#include <cstdlib>
#include <span>
#include <string_view>

namespace platform {

namespace {

bool isSet(const EnvironmentLookup &environment, const char *name)
{
    const auto value = environment(name);
    return value && !value->empty();
}

// Derived desktops name GNOME among their entries: "ubuntu:GNOME", "GNOME-Classic:GNOME".
bool isGnome(const EnvironmentLookup &environment)
{
    const std::string desktops = environment("XDG_CURRENT_DESKTOP").value_or("");
    for (std::string_view rest = desktops;;) {
        const auto colon = rest.find(':');
        if (equalsIgnoringAsciiCase(rest.substr(0, colon), "GNOME"))
            return true;
        if (colon == std::string_view::npos)
            return false;
        rest.remove_prefix(colon + 1);
    }
}

// The toolkit takes Wayland where the session says so, and also wherever a Wayland display is
// named.
bool isWaylandSession(const EnvironmentLookup &environment)
{
    return environment("XDG_SESSION_TYPE") == "wayland" || isSet(environment, "WAYLAND_DISPLAY");
}

// The toolkit reads the option in both spellings anywhere among the arguments, and lets it override
// the variable: either is the user's choice.
bool userChosePlatform(std::span<const std::string> options, const EnvironmentLookup &environment)
{
    const bool named = std::ranges::any_of(options, [](const std::string &option) {
        return option == "-platform" || option == "--platform";
    });
    return named || isSet(environment, "QT_QPA_PLATFORM");
}

} // namespace

std::vector<std::string> toolkitArguments(std::vector<std::string> arguments, const EnvironmentLookup &environment)
{
    // A program may be started without even its own name; the toolkit then reads no options at all.
    if (arguments.empty())
        return arguments;
    if (!userChosePlatform(std::span(arguments).subspan(1), environment) && isWaylandSession(environment)
        && isGnome(environment) && isSet(environment, "DISPLAY"))
        arguments.insert(arguments.begin() + 1, {"-platform", "xcb;wayland"});
    return arguments;
}

ToolkitArguments::ToolkitArguments(int argc, char **argv)
    : arguments_(toolkitArguments({argv, argv + argc}, [](const char *name) -> std::optional<std::string> {
        const char *value = std::getenv(name);
        return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
    }))
{
    for (std::string &argument : arguments_)
        pointers_.push_back(argument.data());
    pointers_.push_back(nullptr);
    count_ = static_cast<int>(arguments_.size());
}

} // namespace platform
