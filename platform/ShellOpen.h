#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Opens a document or address with the user's default handler, the way the desktop shell does,
// without waiting for the program that handles it.
class ShellOpen {
public:
    // Show command for a normal, activated window.
    static constexpr std::int32_t ShowNormal = 1;
    // Returned for a target that cannot be opened at all (SE_ERR_FNF); results above 32 mean success.
    static constexpr std::int32_t FileNotFound = 2;
    static constexpr std::int32_t SuccessThreshold = 32;

    virtual ~ShellOpen() = default;

    // An absent text is passed as no text at all. Returns a value above SuccessThreshold on
    // success, an error code otherwise; never throws.
    virtual std::int32_t open(std::intptr_t ownerWindow, const std::optional<std::string> &verb, const std::string &file,
                              const std::optional<std::string> &parameters,
                              const std::optional<std::string> &directory, std::int32_t showCommand) = 0;
};

} // namespace platform
