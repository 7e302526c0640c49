#pragma once

#include "Registry.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace platform {

// A read-only registry for systems that have none. Its HKEY_LOCAL_MACHINE holds one key,
// "SOFTWARE\Microsoft\Shared Tools\MSINFO", whose text value "PATH" is the full path of the first
// system information tool found on the search path, trying the tools of SystemInfoTools in order.
// With none of them installed the key is absent. The search runs at every open, so a tool
// installed while the program runs is found on the next look-up.
class StandInRegistry : public Registry {
public:
    // The common desktops' system information tools, most detailed first: KDE's info centre,
    // the two generations of the GTK hardware lister, then the GNOME and MATE system monitors,
    // which show at least the basic system facts.
    static const std::vector<std::string> &SystemInfoTools();

    // searchPath: a colon-separated folder list in the form of the PATH environment variable.
    explicit StandInRegistry(std::string searchPath);
    // Uses the process's PATH.
    static StandInRegistry fromEnvironment();

    std::int32_t openKey(std::uint32_t root, const std::string &path, std::uint32_t options, std::uint32_t access,
                         KeyHandle &key) override;
    std::int32_t queryValue(KeyHandle key, const std::string &name, std::uint32_t &type,
                            std::span<std::uint8_t> buffer, std::uint32_t &size) override;
    void closeKey(KeyHandle key) override;

private:
    std::string findSystemInfoTool() const;

    std::string searchPath_;
    KeyHandle nextHandle_ = 1;
    // Open keys and the tool path each one saw when it was opened.
    std::map<KeyHandle, std::string> openKeys_;
};

} // namespace platform
