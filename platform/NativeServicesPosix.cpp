#include "NativeServices.h"

#include "PosixFileTest.h"
#include "PosixProcessStarter.h"
#include "StandInRegistry.h"

namespace platform {

NativeServices makeNativeServices()
{
    NativeServices services;
    services.registry = std::make_unique<StandInRegistry>(StandInRegistry::fromEnvironment());
    services.processes = std::make_unique<PosixProcessStarter>();
    services.files = std::make_unique<PosixFileTest>();
    return services;
}

} // namespace platform
