#pragma once

#include "Registry.h"

namespace platform {

// The Windows registry through advapi32's ANSI functions, so that names and data travel as the
// single-byte text the registry callers measure in bytes.
class WindowsRegistry : public Registry {
public:
    std::int32_t openKey(std::uint32_t root, const std::string &path, std::uint32_t options, std::uint32_t access,
                         KeyHandle &key) override;
    std::int32_t queryValue(KeyHandle key, const std::string &name, std::uint32_t &type,
                            std::span<std::uint8_t> buffer, std::uint32_t &size) override;
    void closeKey(KeyHandle key) override;
};

} // namespace platform
