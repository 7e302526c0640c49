#include "NativeServices.h"

#include "WindowsFileTest.h"
#include "WindowsProcessStarter.h"
#include "WindowsRegistry.h"
#include "WindowsShell.h"

namespace platform {

NativeServices makeNativeServices()
{
    NativeServices services;
    services.registry = std::make_unique<WindowsRegistry>();
    services.processes = std::make_unique<WindowsProcessStarter>();
    services.files = std::make_unique<WindowsFileTest>();
    services.shell = std::make_unique<WindowsShell>();
    return services;
}

} // namespace platform
