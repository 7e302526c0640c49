#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace platform {

// A registry of keys holding named, typed values, with the open / query / close calling
// convention of the Windows registry: every call answers with a result code, 0 for success.
// Names are byte strings (the system's ANSI code page on Windows); data is raw bytes.
class Registry {
public:
    using KeyHandle = std::uintptr_t;

    // Root keys are named by the same numbers as on Windows.
    static constexpr std::uint32_t LocalMachine = 0x80000002;

    // Access rights: reading is query value, enumerate sub-keys, notify and read control.
    static constexpr std::uint32_t KeyRead = 0x20019;
    // Rights that let a caller change a key; a read-only registry refuses them.
    static constexpr std::uint32_t WriteRights = 0x0002 /* set value */ | 0x0004 /* create sub-key */
        | 0x0020 /* create link */ | 0x10000 /* delete */ | 0x40000 /* write DAC */ | 0x80000 /* write owner */;

    // Value types that callers decode.
    static constexpr std::uint32_t TypeText = 1;   // REG_SZ
    static constexpr std::uint32_t TypeNumber = 4; // REG_DWORD, least significant byte first

    // Result codes.
    static constexpr std::int32_t Success = 0;
    static constexpr std::int32_t NotFound = 2;     // ERROR_FILE_NOT_FOUND
    static constexpr std::int32_t AccessDenied = 5; // ERROR_ACCESS_DENIED
    static constexpr std::int32_t InvalidHandle = 6; // ERROR_INVALID_HANDLE
    static constexpr std::int32_t MoreData = 234;   // ERROR_MORE_DATA

    virtual ~Registry() = default;

    // Opens the key at path below root with the access rights asked for. Fails with NotFound for
    // a missing key and AccessDenied when a right is not granted; key is set only on success.
    virtual std::int32_t openKey(std::uint32_t root, const std::string &path, std::uint32_t options,
                                 std::uint32_t access, KeyHandle &key) = 0;

    // Reads the named value of an open key into buffer. On the way in size is the buffer's
    // capacity; on success it is the number of bytes written (a text's terminating zero counted)
    // and type is set. Fails with NotFound for a missing value and MoreData when the data does
    // not fit.
    virtual std::int32_t queryValue(KeyHandle key, const std::string &name, std::uint32_t &type,
                                    std::span<std::uint8_t> buffer, std::uint32_t &size) = 0;

    // Releases a key that openKey handed out.
    virtual void closeKey(KeyHandle key) = 0;

protected:
    // Answers a successful look-up the way queryValue promises: the data copied into buffer with
    // size and type set, or MoreData with size set to what the data needs.
    static std::int32_t deliverValue(std::uint32_t valueType, std::span<const std::uint8_t> data,
                                     std::uint32_t &type, std::span<std::uint8_t> buffer, std::uint32_t &size);
};

} // namespace platform
