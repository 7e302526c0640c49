#pragma once

#include "FileTest.h"
#include "ProcessStarter.h"
#include "Registry.h"
#include "ShellOpen.h"
#include "UserMessages.h"

// The platform services the About window works through; owned by whoever creates the window
// and outliving it.
struct AboutServices {
    platform::ShellOpen &shell;
    platform::Registry &registry;
    platform::ProcessStarter &processes;
    platform::FileTest &files;
    platform::UserMessages &messages;
};
