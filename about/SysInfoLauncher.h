#pragma once

#include "FileTest.h"
#include "UserMessages.h"
#include "ProcessStarter.h"
#include "Registry.h"

#include <cstdint>
#include <optional>
#include <string>

// Finds the system information program through the registry and starts it, or tells the user
// it is unavailable.
class SysInfoLauncher {
public:
    static constexpr const char *UnavailableMessage = "System Information Is Unavailable At This Time";
    // The data buffer of one registry look-up: a value needing more is reported as not found.
    static constexpr std::uint32_t ValueBufferSize = 1024;

    SysInfoLauncher(platform::Registry &registry, platform::ProcessStarter &processes, platform::FileTest &files,
                    platform::UserMessages &messages);

    // Starts the program named by the first registry location, or else the MSINFO32.EXE in the
    // folder named by the second. Every failure, of the look-ups or of the start, ends in the one
    // message; nothing is passed on to the caller.
    void StartSysInfo();

    // Reads the value SubKeyRef of the key KeyName below KeyRoot into KeyVal and returns true.
    // Text comes back without its terminating zero; a 32-bit number comes back as "&h" followed
    // by its stored bytes in hexadecimal, most significant first; a value of another type leaves
    // KeyVal as it was. A key that cannot be opened or a value that cannot be read empties KeyVal
    // and returns false. A value of size 0 throws platform::RuntimeError. The key is always
    // closed again.
    bool GetKeyValue(std::uint32_t KeyRoot, const std::string &KeyName, const std::string &SubKeyRef,
                     std::string &KeyVal);

private:
    // The command to start, or nothing when neither location yields one.
    std::optional<std::string> findProgram();

    platform::Registry &registry_;
    platform::ProcessStarter &processes_;
    platform::FileTest &files_;
    platform::UserMessages &messages_;
};
