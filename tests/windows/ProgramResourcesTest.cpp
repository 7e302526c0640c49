// The program's Windows resources, linked into this test program and read back the way the
// system reads them: the version through the version API from the executable file, the icon
// through the resource functions.
#include <gtest/gtest.h>

#include <cstring>
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

// The text up to its first zero, as the file's properties show it.
std::string versionString(std::vector<char> &info, const std::string &name)
{
    const std::string query = "\\StringFileInfo\\040904B0\\" + name;
    char *text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void **>(&text), &length) || length == 0)
        return "<missing>";
    return std::string(text, strnlen(text, length));
}

TEST(ProgramResources, VersionCarriesTheProgramsVersionAndNames)
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
    for (const char *name : {"FileDescription", "CompanyName", "LegalCopyright"}) {
        const auto text = versionString(info, name);
        EXPECT_NE(text, "<missing>") << name;
        EXPECT_FALSE(text.empty()) << name;
    }
}

TEST(ProgramResources, IconIs32By32)
{
    const auto icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "IDI_ICON1", IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr) << "no icon resource";
    ICONINFO parts{};
    ASSERT_TRUE(GetIconInfo(icon, &parts));
    BITMAP mask{};
    GetObjectA(parts.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmHeight, 32);
    DeleteObject(parts.hbmMask);
    DeleteObject(parts.hbmColor);
    DestroyIcon(icon);
}

} // namespace
