#include "WindowsRegistry.h"

#include <algorithm>
#include <windows.h>

namespace platform {

namespace {

// Predefined root keys are 32-bit values that Windows sign-extends into a handle.
HKEY rootHandle(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(root)));
}

HKEY keyHandle(Registry::KeyHandle key)
{
    return reinterpret_cast<HKEY>(key);
}

} // namespace

std::int32_t WindowsRegistry::openKey(std::uint32_t root, const std::string &path, std::uint32_t options,
                                      std::uint32_t access, KeyHandle &key)
{
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(rootHandle(root), path.c_str(), options, access, &opened);
    if (result == ERROR_SUCCESS)
        key = reinterpret_cast<KeyHandle>(opened);
    return result;
}

std::int32_t WindowsRegistry::queryValue(KeyHandle key, const std::string &name, std::uint32_t &type,
                                         std::span<std::uint8_t> buffer, std::uint32_t &size)
{
    DWORD valueType = 0;
    DWORD dataSize = std::min<DWORD>(size, static_cast<DWORD>(buffer.size()));
    const LONG result = RegQueryValueExA(keyHandle(key), name.c_str(), nullptr, &valueType, buffer.data(), &dataSize);
    if (result == ERROR_SUCCESS)
        type = valueType;
    size = dataSize;
    return result;
}

void WindowsRegistry::closeKey(KeyHandle key)
{
    RegCloseKey(keyHandle(key));
}

} // namespace platform
