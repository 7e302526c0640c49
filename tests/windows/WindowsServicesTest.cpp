// What only Windows can show: the registry, process start and file test of the real system, wide
// paths through the W functions, and the program's resources. The tests that write the registry
// run only where PICTAVO_SCRATCH_REGISTRY=1 says it is thrown away afterwards (a Wine prefix).
#include "FakeServices.h"
#include "ParseFileName.h"
#include "SysInfoLauncher.h"
#include "TempDir.h"
#include "TestImages.h"
#include "WindowsFileTest.h"
#include "WindowsProcessStarter.h"
#include "WindowsRegistry.h"
#include "clsImageInfo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <windows.h>

namespace {

namespace fs = std::filesystem;

const std::string PathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class RealSystem : public testing::Test {
protected:
    void SetUp() override
    {
        const char *flag = std::getenv("PICTAVO_SCRATCH_REGISTRY");
        if (!flag || std::string(flag) != "1")
            GTEST_SKIP() << "writes HKEY_LOCAL_MACHINE; set PICTAVO_SCRATCH_REGISTRY=1 where it may";
    }
    ~RealSystem() override
    {
        for (const auto &key : {PathKey, FolderKey})
            RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str());
    }

    void set(const std::string &key, const char *name, const MemoryRegistry::Value &value)
    {
        HKEY created = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr), 0);
        const std::unique_ptr<std::remove_pointer_t<HKEY>, decltype(&RegCloseKey)> owned(created, &RegCloseKey);
        ASSERT_EQ(RegSetValueExA(created, name, 0, value.type, value.data.data(), static_cast<DWORD>(value.data.size())), 0);
    }
    // A copy of the run recorder, built beside this program, at the given place in the folder.
    std::string installProgram(const fs::path &relative)
    {
        wchar_t self[MAX_PATH];
        const fs::path recorder = fs::path(std::wstring(self, GetModuleFileNameW(nullptr, self, MAX_PATH))).parent_path();
        fs::create_directories((folder.path() / relative).parent_path());
        fs::copy_file(recorder / "run_recorder.exe", folder.path() / relative);
        return (folder.path() / relative).string();
    }

    const TempDir folder;
    platform::WindowsRegistry registry;
    platform::WindowsProcessStarter processes;
    platform::WindowsFileTest files;
    RecordingMessages messages;
    SysInfoLauncher launcher{registry, processes, files, messages};
};

// The second location's folder must hold an ordinary file; the first names the program itself,
// started from its unquoted path with spaces as the system resolves it. The recorder signals
// the event named in the environment it inherits.
TEST_F(RealSystem, StartSysInfoStartsTheProgramTheRegistryNames)
{
    const std::unique_ptr<void, decltype(&CloseHandle)> ran(CreateEventA(nullptr, TRUE, FALSE, "PictavoRan"), &CloseHandle);
    SetEnvironmentVariableA("PICTAVO_RUN_EVENT", "PictavoRan");
    const fs::path program = installProgram("Tools\\MSINFO32.EXE");
    set(FolderKey, "MSINFO", MemoryRegistry::text(program.parent_path().string()));
    ASSERT_TRUE(SetFileAttributesW(program.c_str(), FILE_ATTRIBUTE_HIDDEN));
    launcher.StartSysInfo();
    EXPECT_EQ(messages.shown.size(), 1u);

    for (const bool first : {false, true}) {
        ASSERT_TRUE(SetFileAttributesW(program.c_str(), FILE_ATTRIBUTE_NORMAL));
        if (first)
            set(PathKey, "PATH", MemoryRegistry::text(installProgram("Common Files\\MSInfo\\msinfo32.exe")));
        ResetEvent(ran.get());
        launcher.StartSysInfo();
        EXPECT_EQ(WaitForSingleObject(ran.get(), 60'000), WAIT_OBJECT_0) << (first ? "first" : "second") << " location";
    }
    EXPECT_EQ(messages.shown.size(), 1u);
}

// The real query's buffer rules: the terminator is counted and dropped, 1024 bytes is the limit.
TEST_F(RealSystem, GetKeyValueDecodesWhatTheRegistryHolds)
{
    const std::pair<MemoryRegistry::Value, std::string> cases[] = {
        {MemoryRegistry::text("ab"), "ab"},
        {MemoryRegistry::text(std::string(1023, 'a')), std::string(1023, 'a')},
        {MemoryRegistry::text(std::string(1024, 'a')), ""},
        {{REG_DWORD, {0x05, 0x01, 0x00, 0x00}}, "&h000105"},
    };
    for (const auto &[stored, expected] : cases) {
        set(PathKey, "PATH", stored);
        std::string value;
        EXPECT_EQ(launcher.GetKeyValue(platform::Registry::LocalMachine, PathKey, "PATH", value), !expected.empty());
        EXPECT_EQ(value, expected);
    }
}

// Greek and Japanese letters: no ANSI code page holds both, so only the wide file functions open
// the file; and a backslash alone separates a Windows path.
TEST(WidePaths, ImageFilesOutsideTheAnsiCodePageAreRead)
{
    const TempDir folder;
    clsImageInfo info;
    info.setFilename(folder.write("\xCE\xB5\xCE\xB9\xCE\xBA\xCF\x8C\xCE\xBD\xCE\xB1-\xE7\x94\xBB\xE5\x83\x8F.gif",
                                  testimages::gif(120, 60)));
    EXPECT_EQ(info.FileType(), clsImageInfo::kGif);
    EXPECT_EQ(info.Width(), 120);
    EXPECT_EQ(ParseFileName(R"(C:\web/images\logo.gif)"), "logo.gif");
}

TEST(ProgramResources, VersionAndIconAreTheProgramsOwn)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::vector<char> info(GetFileVersionInfoSizeA(self, nullptr));
    ASSERT_TRUE(GetFileVersionInfoA(self, 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void **>(&fixed), &length));
    EXPECT_EQ(fixed->dwProductVersionMS, 0x10000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 7u);
    for (const auto &[name, expected] : {std::pair{"FileVersion", "1.00.0007"}, std::pair{"OriginalFilename", "Pictavo.exe"},
                                         std::pair{"Comments", "Freeware"}, std::pair{"ProductName", "Pictavo"}}) {
        char *text = nullptr;
        ASSERT_TRUE(VerQueryValueA(info.data(), ("\\StringFileInfo\\040904B0\\" + std::string(name)).c_str(),
                                   reinterpret_cast<void **>(&text), &length));
        EXPECT_STREQ(text, expected);
    }
    ICONINFO parts{};
    ASSERT_TRUE(GetIconInfo(LoadIconA(GetModuleHandleA(nullptr), "IDI_ICON1"), &parts));
    BITMAP mask{};
    GetObjectA(parts.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    DeleteObject(parts.hbmMask);
    DeleteObject(parts.hbmColor);
}

} // namespace
