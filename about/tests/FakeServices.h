#pragma once

#include "FileTest.h"
#include "ProcessStarter.h"
#include "Registry.h"
#include "RuntimeError.h"
#include "ShellOpen.h"
#include "UserMessages.h"

#include <map>
#include <set>
#include <string>
#include <vector>

// In-memory stand-ins for the platform services of the About window, recording how they are used.

// Values under HKEY_LOCAL_MACHINE, read-only as for a standard user: any write right is refused.
class MemoryRegistry : public platform::Registry {
public:
    struct Value {
        std::uint32_t type;
        std::vector<std::uint8_t> data;
    };

    // A text stored the usual way, with its terminating zero.
    static Value text(const std::string &characters)
    {
        std::vector<std::uint8_t> data(characters.begin(), characters.end());
        data.push_back(0);
        return {TypeText, data};
    }

    // Any option but 0 (REG_OPTION_OPEN_LINK) would open a link itself instead of the key it names.
    std::int32_t openKey(std::uint32_t root, const std::string &path, std::uint32_t options, std::uint32_t access,
                         KeyHandle &key) override
    {
        opened.push_back(path);
        if (root != LocalMachine || !keys.contains(path) || options != 0)
            return NotFound;
        if ((access & WriteRights) != 0)
            return AccessDenied;
        openKeys[key = openKeys.size() + 1] = path;
        return Success;
    }
    std::int32_t queryValue(KeyHandle key, const std::string &name, std::uint32_t &type,
                            std::span<std::uint8_t> buffer, std::uint32_t &size) override
    {
        const auto &values = keys.at(openKeys.at(key));
        const auto value = values.find(name);
        return value == values.end() ? NotFound : deliverValue(value->second.type, value->second.data, type, buffer, size);
    }
    void closeKey(KeyHandle key) override { openKeys.erase(key); }

    std::map<std::string, std::map<std::string, Value>> keys;
    std::vector<std::string> opened;
    std::map<KeyHandle, std::string> openKeys;
};

// Files that exist, program starts that succeed only for them, and the messages shown.
class FakeFiles : public platform::ProcessStarter, public platform::FileTest {
public:
    void start(const std::string &command, std::int32_t windowStyle) override
    {
        if (!files.contains(command))
            throw platform::RuntimeError(platform::RuntimeError::FileNotFound, command);
        started.push_back(command + " " + std::to_string(windowStyle));
    }
    std::string ordinaryFileName(const std::string &path) override
    {
        tested.push_back(path);
        return files.contains(path) ? "found" : "";
    }

    std::set<std::string> files;
    std::vector<std::string> started;
    std::vector<std::string> tested;
};

class RecordingMessages : public platform::UserMessages {
public:
    void showMessage(const std::string &prompt) override { shown.push_back(prompt); }

    std::vector<std::string> shown;
};

// Records every shell open as "owner|verb|file|parameters|directory|show", absent texts as "-".
class RecordingShell : public platform::ShellOpen {
public:
    std::int32_t open(std::intptr_t owner, const std::optional<std::string> &verb, const std::string &file,
                      const std::optional<std::string> &parameters, const std::optional<std::string> &directory,
                      std::int32_t show) override
    {
        const auto text = [](const std::optional<std::string> &value) { return value.value_or("-"); };
        calls.push_back(std::to_string(owner) + "|" + text(verb) + "|" + file + "|" + text(parameters) + "|"
                        + text(directory) + "|" + std::to_string(show));
        return 2;
    }

    std::vector<std::string> calls;
};
