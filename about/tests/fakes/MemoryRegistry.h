#pragma once

#include "Registry.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// An in-memory registry under HKEY_LOCAL_MACHINE that records how it is used. Keys can be made
// read-only, as they are for a standard user: opening them asking for any write right is refused.
class MemoryRegistry : public platform::Registry {
public:
    void setValue(const std::string &key, const std::string &name, std::uint32_t type,
                  std::vector<std::uint8_t> data);
    // A REG_SZ value stored the usual way, with its terminating zero.
    void setText(const std::string &key, const std::string &name, const std::string &text);
    void makeReadOnly(const std::string &key);

    std::int32_t openKey(std::uint32_t root, const std::string &path, std::uint32_t options, std::uint32_t access,
                         KeyHandle &key) override;
    std::int32_t queryValue(KeyHandle key, const std::string &name, std::uint32_t &type,
                            std::span<std::uint8_t> buffer, std::uint32_t &size) override;
    void closeKey(KeyHandle key) override;

    // Every key path whose open succeeded or failed, in call order.
    const std::vector<std::string> &openAttempts() const { return openAttempts_; }
    const std::vector<std::uint32_t> &accessAsked() const { return accessAsked_; }
    // Keys opened and not closed yet.
    std::size_t keysStillOpen() const { return openKeys_.size(); }

private:
    struct Value {
        std::uint32_t type;
        std::vector<std::uint8_t> data;
    };
    struct Key {
        std::map<std::string, Value> values;
        bool readOnly = false;
    };

    std::map<std::string, Key> keys_;
    std::map<KeyHandle, const Key *> openKeys_;
    KeyHandle nextHandle_ = 0x100;
    std::vector<std::string> openAttempts_;
    std::vector<std::uint32_t> accessAsked_;
};
