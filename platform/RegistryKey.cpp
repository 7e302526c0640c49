#include "RegistryKey.h"

namespace platform {

RegistryKey::RegistryKey(Registry &registry, std::uint32_t root, const std::string &path, std::uint32_t access)
    : registry_(registry), openResult_(registry.openKey(root, path, 0, access, handle_))
{
}

RegistryKey::~RegistryKey()
{
    if (isOpen())
        registry_.closeKey(handle_);
}

} // namespace platform
