#include "ScratchRegistry.h"

#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <type_traits>

namespace {

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using OwnedKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

OwnedKey createKey(const std::string &path)
{
    HKEY key = nullptr;
    const LONG result = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_SET_VALUE, nullptr, &key, nullptr);
    if (result != ERROR_SUCCESS)
        throw std::runtime_error("cannot create HKLM\\" + path + ": error " + std::to_string(result));
    return OwnedKey(key);
}

} // namespace

ScratchRegistry::ScratchRegistry(std::vector<std::string> keys) : keys_(std::move(keys))
{
    deleteKeys();
}

ScratchRegistry::~ScratchRegistry()
{
    deleteKeys();
}

bool ScratchRegistry::allowed()
{
    const char *flag = std::getenv("PICTAVO_SCRATCH_REGISTRY");
    return flag && std::string_view(flag) == "1";
}

void ScratchRegistry::setValue(const std::string &key, const std::string &name, DWORD type,
                               std::span<const std::uint8_t> data)
{
    const auto opened = createKey(key);
    const LONG result = RegSetValueExA(opened.get(), name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
    if (result != ERROR_SUCCESS)
        throw std::runtime_error("cannot set " + name + " in HKLM\\" + key + ": error " + std::to_string(result));
}

void ScratchRegistry::setText(const std::string &key, const std::string &name, std::string_view text)
{
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    setValue(key, name, REG_SZ, data);
}

void ScratchRegistry::deleteKeys()
{
    // A key that is not there is what we want; any other refusal shows up when values are set
    // or looked up.
    for (const auto &key : keys_)
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str());
}
