// GetKeyValue against the system's registry, through the advapi32 functions, with values this
// test writes itself.
#include "RealSystemLauncher.h"
#include "RuntimeError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::Registry;

const std::string TestKey = "SOFTWARE\\Pictavo\\GetKeyValueTest";
const std::string ValueName = "PATH";

std::vector<std::uint8_t> bytes(std::string_view text, bool terminated)
{
    std::vector<std::uint8_t> data(text.begin(), text.end());
    if (terminated)
        data.push_back(0);
    return data;
}

class RealRegistry : public RealSystemLauncher {
protected:
    RealRegistry() : RealSystemLauncher({TestKey}) {}
};

struct StoredValue {
    const char *name;
    DWORD type;
    std::vector<std::uint8_t> data;
    bool found;
    std::string expected;
};

class GetKeyValueFromTheRegistry : public RealRegistry, public testing::WithParamInterface<StoredValue> {};

TEST_P(GetKeyValueFromTheRegistry, DecodesWhatWasStored)
{
    registry().setValue(TestKey, ValueName, GetParam().type, GetParam().data);
    std::string value = "earlier";
    EXPECT_EQ(launcher_.GetKeyValue(Registry::LocalMachine, TestKey, ValueName, value), GetParam().found);
    EXPECT_EQ(value, GetParam().expected);
}

const std::string Folder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";

INSTANTIATE_TEST_SUITE_P(
    Windows, GetKeyValueFromTheRegistry,
    testing::Values(
        StoredValue{"TextWithTerminator", REG_SZ, bytes(Folder, true), true, Folder},
        // Written without its zero, as some installers do: the last character must stay.
        StoredValue{"TextWithoutTerminator", REG_SZ, bytes(Folder, false), true, Folder},
        // 261 is stored 05 01 00 00; the top zero byte goes like a terminator.
        StoredValue{"Number261", REG_DWORD, {0x05, 0x01, 0x00, 0x00}, true, "&h000105"},
        // Found, but neither text nor number: the caller's text stays.
        StoredValue{"ExpandableText", REG_EXPAND_SZ, bytes("%SystemRoot%\\system32", true), true, "earlier"},
        // 1023 characters and the zero fill the 1024-byte buffer exactly; one more is too much.
        StoredValue{"Text1023Characters", REG_SZ, bytes(std::string(1023, 'x'), true), true, std::string(1023, 'x')},
        StoredValue{"Text1024Characters", REG_SZ, bytes(std::string(1024, 'x'), true), false, ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(RealRegistry, GetKeyValueOfAMissingKeyOrValueIsNotFound)
{
    std::string value = "earlier";
    EXPECT_FALSE(launcher_.GetKeyValue(Registry::LocalMachine, TestKey, ValueName, value));
    EXPECT_EQ(value, "");

    registry().setText(TestKey, "OTHER", Folder);
    value = "earlier";
    EXPECT_FALSE(launcher_.GetKeyValue(Registry::LocalMachine, TestKey, ValueName, value));
    EXPECT_EQ(value, "");
}

TEST_F(RealRegistry, GetKeyValueOfSizeZeroIsARuntimeError)
{
    registry().setValue(TestKey, ValueName, REG_SZ, {});
    std::string value;
    try {
        launcher_.GetKeyValue(Registry::LocalMachine, TestKey, ValueName, value);
        ADD_FAILURE() << "no error";
    } catch (const platform::RuntimeError &error) {
        EXPECT_EQ(error.number(), platform::RuntimeError::InvalidArgument);
    }
}

} // namespace
