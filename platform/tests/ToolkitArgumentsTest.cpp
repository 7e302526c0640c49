#include "ToolkitArguments.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Strings = std::vector<std::string>;

// Each row changes the environment of a GNOME Wayland login (an empty value counts as unset), or
// the arguments, and says whether the program then asks for X11 first.
TEST(ToolkitArguments, GnomeWaylandSessionsWithAnXDisplayTakeX11UnlessTheUserChose)
{
    const struct {
        std::map<std::string, std::string> change;
        Strings options;
        bool x11First;
    } rows[] = {
        {{}, {"logo.gif"}, true},
        {{{"XDG_CURRENT_DESKTOP", "pop:gnome"}}, {}, true},
        {{{"XDG_CURRENT_DESKTOP", "GNOME-Classic"}}, {}, false},
        {{{"XDG_SESSION_TYPE", "x11"}}, {}, false},
        {{{"XDG_SESSION_TYPE", ""}, {"WAYLAND_DISPLAY", "wayland-0"}}, {}, true},
        {{{"DISPLAY", ""}}, {}, false},
        {{{"QT_QPA_PLATFORM", "wayland"}}, {}, false},
        {{{"QT_QPA_PLATFORM", ""}}, {}, true},
        {{}, {"logo.gif", "--platform", "wayland"}, false},
        {{}, {"-platform"}, false},
    };
    for (const auto &row : rows) {
        std::map<std::string, std::string> environment{
            {"XDG_SESSION_TYPE", "wayland"}, {"XDG_CURRENT_DESKTOP", "GNOME"}, {"DISPLAY", ":0"}};
        for (const auto &[name, value] : row.change)
            environment[name] = value;
        Strings arguments{"pictavo"};
        arguments.insert(arguments.end(), row.options.begin(), row.options.end());
        Strings expected = arguments;
        if (row.x11First)
            expected.insert(expected.begin() + 1, {"-platform", "xcb;wayland"});
        EXPECT_EQ(platform::toolkitArguments(arguments, [&](const char *name) { return std::optional(environment[name]); }),
                  expected) << ::testing::PrintToString(row.change) << ::testing::PrintToString(row.options);
    }
}

} // namespace
