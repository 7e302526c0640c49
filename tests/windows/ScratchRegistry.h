#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

// Keys under HKEY_LOCAL_MACHINE that a test owns while it runs: they are deleted, with everything
// in them, when the object is made and again when it goes, so each test starts from absent keys
// and leaves none behind. Only for a registry that may be thrown away, such as a scratch Wine
// prefix: the test command says so by setting PICTAVO_SCRATCH_REGISTRY=1.
class ScratchRegistry {
public:
    explicit ScratchRegistry(std::vector<std::string> keys);
    ~ScratchRegistry();
    ScratchRegistry(const ScratchRegistry &) = delete;
    ScratchRegistry &operator=(const ScratchRegistry &) = delete;

    static bool allowed();

    // Stores data exactly as given, with or without a terminating zero; creates the key when
    // needed. Throws std::runtime_error when the registry refuses.
    void setValue(const std::string &key, const std::string &name, DWORD type, std::span<const std::uint8_t> data);
    // A REG_SZ value stored the usual way, with its terminating zero.
    void setText(const std::string &key, const std::string &name, std::string_view text);

private:
    void deleteKeys();

    std::vector<std::string> keys_;
};
