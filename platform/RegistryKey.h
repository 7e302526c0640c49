#pragma once

#include "Registry.h"

#include <cstdint>
#include <string>

namespace platform {

// One opened registry key, closed when the object goes, on every way out of the scope that
// opened it.
class RegistryKey {
public:
    RegistryKey(Registry &registry, std::uint32_t root, const std::string &path, std::uint32_t access);
    ~RegistryKey();
    RegistryKey(const RegistryKey &) = delete;
    RegistryKey &operator=(const RegistryKey &) = delete;

    bool isOpen() const { return openResult_ == Registry::Success; }
    Registry::KeyHandle handle() const { return handle_; }

private:
    Registry &registry_;
    Registry::KeyHandle handle_ = 0;
    std::int32_t openResult_;
};

} // namespace platform
