#pragma once

#include "FileTest.h"
#include "ProcessStarter.h"
#include "Registry.h"
#include "ShellOpen.h"

#include <memory>

namespace platform {

// This system's own implementations of the Qt-free services, chosen when the program is built.
struct NativeServices {
    std::unique_ptr<Registry> registry;
    std::unique_ptr<ProcessStarter> processes;
    std::unique_ptr<FileTest> files;
    // Empty where the system has no shell of its own; the desktop's URL handler stands in then.
    std::unique_ptr<ShellOpen> shell;
};

NativeServices makeNativeServices();

} // namespace platform
