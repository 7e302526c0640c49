#include "SysInfoLauncher.h"

#include "RegistryKey.h"
#include "RuntimeError.h"

#include <algorithm>
#include <array>
#include <span>

namespace {

using platform::Registry;

const std::string ProgramPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string ProgramPathValue = "PATH";
const std::string ProgramFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string ProgramFolderValue = "MSINFO";
// Appended to the folder exactly as read, even when the folder already ends in a backslash.
const std::string ProgramFileName = "\\MSINFO32.EXE";

// "&h" and the bytes from the last to the first, two upper-case hexadecimal digits each. The
// numeral is kept as it is rather than turned into decimal: nobody reads a number value here,
// and the numeral shows the stored bytes without any limit on their count.
std::string hexNumeral(std::span<const std::uint8_t> bytes)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string numeral = "&h";
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        numeral += digits[*byte >> 4];
        numeral += digits[*byte & 0x0F];
    }
    return numeral;
}

// The written bytes without a terminating zero: the last written byte is dropped when it is a
// zero byte, whatever the value's type.
std::span<const std::uint8_t> withoutTerminator(std::span<const std::uint8_t> written)
{
    if (written.empty())
        throw platform::RuntimeError(platform::RuntimeError::InvalidArgument, "registry value of size 0");
    return written.back() == 0 ? written.first(written.size() - 1) : written;
}

} // namespace

SysInfoLauncher::SysInfoLauncher(platform::Registry &registry, platform::ProcessStarter &processes,
                                 platform::FileTest &files, platform::UserMessages &messages)
    : registry_(registry), processes_(processes), files_(files), messages_(messages)
{
}

void SysInfoLauncher::StartSysInfo()
{
    try {
        if (const auto program = findProgram()) {
            processes_.start(*program, platform::ProcessStarter::NormalFocus);
            return;
        }
    } catch (const platform::RuntimeError &) {
        // Any failure on the way means the same to the user as finding nothing.
    }
    messages_.showMessage(UnavailableMessage);
}

std::optional<std::string> SysInfoLauncher::findProgram()
{
    std::string foundPath;
    // The first location names the program itself and is started without a test: the start
    // reports a missing program.
    if (GetKeyValue(Registry::LocalMachine, ProgramPathKey, ProgramPathValue, foundPath))
        return foundPath;
    if (!GetKeyValue(Registry::LocalMachine, ProgramFolderKey, ProgramFolderValue, foundPath))
        return std::nullopt;
    const auto candidate = foundPath + ProgramFileName;
    if (files_.ordinaryFileName(candidate).empty())
        return std::nullopt;
    return candidate;
}

bool SysInfoLauncher::GetKeyValue(std::uint32_t KeyRoot, const std::string &KeyName, const std::string &SubKeyRef,
                                  std::string &KeyVal)
{
    // Read access only: a user who may read the key but not change it must still find the value.
    const platform::RegistryKey key(registry_, KeyRoot, KeyName, Registry::KeyRead);
    std::array<std::uint8_t, ValueBufferSize> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = ValueBufferSize;
    if (!key.isOpen() || registry_.queryValue(key.handle(), SubKeyRef, type, buffer, size) != Registry::Success) {
        KeyVal.clear();
        return false;
    }
    const auto kept = withoutTerminator(std::span<const std::uint8_t>(buffer).first(std::min(size, ValueBufferSize)));
    if (type == Registry::TypeText)
        KeyVal.assign(kept.begin(), kept.end());
    else if (type == Registry::TypeNumber)
        KeyVal = hexNumeral(kept);
    return true;
}
