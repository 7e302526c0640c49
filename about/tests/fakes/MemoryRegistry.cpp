#include "MemoryRegistry.h"

void MemoryRegistry::setValue(const std::string &key, const std::string &name, std::uint32_t type,
                              std::vector<std::uint8_t> data)
{
    keys_[key].values[name] = Value{type, std::move(data)};
}

void MemoryRegistry::setText(const std::string &key, const std::string &name, const std::string &text)
{
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    setValue(key, name, TypeText, std::move(data));
}

void MemoryRegistry::makeReadOnly(const std::string &key)
{
    keys_[key].readOnly = true;
}

std::int32_t MemoryRegistry::openKey(std::uint32_t root, const std::string &path, std::uint32_t /*options*/,
                                     std::uint32_t access, KeyHandle &key)
{
    openAttempts_.push_back(path);
    accessAsked_.push_back(access);
    const auto found = keys_.find(path);
    if (root != LocalMachine || found == keys_.end())
        return NotFound;
    if (found->second.readOnly && (access & WriteRights) != 0)
        return AccessDenied;
    key = nextHandle_++;
    openKeys_.emplace(key, &found->second);
    return Success;
}

std::int32_t MemoryRegistry::queryValue(KeyHandle key, const std::string &name, std::uint32_t &type,
                                        std::span<std::uint8_t> buffer, std::uint32_t &size)
{
    const auto open = openKeys_.find(key);
    if (open == openKeys_.end())
        return InvalidHandle;
    const auto value = open->second->values.find(name);
    if (value == open->second->values.end())
        return NotFound;
    return deliverValue(value->second.type, value->second.data, type, buffer, size);
}

void MemoryRegistry::closeKey(KeyHandle key)
{
    openKeys_.erase(key);
}
