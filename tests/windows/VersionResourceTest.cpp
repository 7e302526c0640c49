// The program's version resource, linked into this test program and read back the way Explorer
// reads it: through the version API from the executable file.
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <windows.h>

namespace {

std::vector<char> ownVersionInfo()
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    DWORD ignored = 0;
    std::vector<char> info(GetFileVersionInfoSizeA(self, &ignored));
    if (info.empty() || !GetFileVersionInfoA(self, 0, static_cast<DWORD>(info.size()), info.data()))
        return {};
    return info;
}

std::string versionString(std::vector<char> &info, const std::string &name)
{
    const std::string query = "\\StringFileInfo\\040904B0\\" + name;
    char *text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void **>(&text), &length) || length == 0)
        return "<missing>";
    return std::string(text, length - 1); // without its terminating zero
}

TEST(VersionResource, CarriesTheProgramsVersionAndNames)
{
    auto info = ownVersionInfo();
    ASSERT_FALSE(info.empty()) << "no version resource";

    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void **>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, (1u << 16) | 0u);
    EXPECT_EQ(fixed->dwFileVersionLS, (0u << 16) | 7u);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

    EXPECT_EQ(versionString(info, "FileVersion"), "1.00.0007");
    EXPECT_EQ(versionString(info, "ProductVersion"), "1.00.0007");
    EXPECT_EQ(versionString(info, "ProductName"), "Pictavo");
    EXPECT_EQ(versionString(info, "InternalName"), "Pictavo");
    EXPECT_EQ(versionString(info, "OriginalFilename"), "Pictavo.exe");
    EXPECT_EQ(versionString(info, "Comments"), "Freeware");
    EXPECT_NE(versionString(info, "FileDescription"), "<missing>");
    EXPECT_NE(versionString(info, "CompanyName"), "<missing>");
    EXPECT_NE(versionString(info, "LegalCopyright"), "<missing>");
}

} // namespace
