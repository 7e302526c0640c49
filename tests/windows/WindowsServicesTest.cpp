// What only Windows can show and the program's window check does not: the real registry's rules
// for the data it hands back, how a program is started, the clipboard when another program holds
// it, and the program's resources as the version functions read them. The window check starts the
// System Information program the registry names, through the real registry, file test and process
// start.
#include "Clipboard.h"
#include "FakeServices.h"
#include "SysInfoLauncher.h"
#include "TempDir.h"
#include "Utf16.h"
#include "WindowsProcessStarter.h"
#include "WindowsRegistry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <future>
#include <memory>
#include <thread>
#include <windows.h>

namespace {

using OwnedHandle = std::unique_ptr<void, decltype(&CloseHandle)>;

// The terminator is counted and dropped, and 1024 bytes is the limit. It writes HKEY_LOCAL_MACHINE,
// so it runs only where PICTAVO_SCRATCH_REGISTRY=1 says the registry is thrown away afterwards.
TEST(WindowsRegistry, GetKeyValueDecodesWhatTheRegistryHolds)
{
    const char *scratch = std::getenv("PICTAVO_SCRATCH_REGISTRY");
    if (scratch == nullptr || std::string(scratch) != "1")
        GTEST_SKIP() << "writes HKEY_LOCAL_MACHINE; set PICTAVO_SCRATCH_REGISTRY=1 where it may";
    const std::string key = "SOFTWARE\\Pictavo Tests";
    HKEY created = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &created, nullptr), 0);
    const std::unique_ptr<std::remove_pointer_t<HKEY>, decltype(&RegCloseKey)> owned(created, &RegCloseKey);
    platform::WindowsRegistry registry;
    FakeFiles files;
    RecordingMessages messages;
    SysInfoLauncher launcher(registry, files, files, messages);

    const std::pair<MemoryRegistry::Value, std::string> cases[] = {
        {MemoryRegistry::text("ab"), "ab"},
        {MemoryRegistry::text(std::string(1023, 'a')), std::string(1023, 'a')},
        {MemoryRegistry::text(std::string(1024, 'a')), ""},
        {{REG_DWORD, {0x05, 0x01, 0x00, 0x00}}, "&h000105"},
    };
    for (const auto &[stored, expected] : cases) {
        ASSERT_EQ(RegSetValueExA(created, "V", 0, stored.type, stored.data.data(), static_cast<DWORD>(stored.data.size())), 0);
        std::string value;
        EXPECT_EQ(launcher.GetKeyValue(platform::Registry::LocalMachine, key, "V", value), !expected.empty());
        EXPECT_EQ(value, expected);
    }
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, key.c_str());
}

// The found path, in the ANSI code page as the registry's ANSI calls give it, is the program itself:
// the one its first words name ("...\Común.exe" for "...\Común Files\...") never runs. The
// program gets its path in quotes as its command line, and a normal window. start_probe.exe, built
// beside this program, says how it was started.
TEST(WindowsProcessStarter, StartsThePathItselfQuotedInANormalWindow)
{
    const TempDir dir;
    const auto folder = dir.path() / L"Com\u00fan Files";
    std::filesystem::create_directory(folder);
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
    const auto probe = std::filesystem::path(self).replace_filename("start_probe.exe");
    std::filesystem::copy_file(probe, folder / "probe.exe");
    std::filesystem::copy_file(probe, dir.path() / L"Com\u00fan.exe");
    const std::wstring program = (folder / "probe.exe").wstring();
    std::string ansi(program.size() * 2, '\0');
    ansi.resize(WideCharToMultiByte(CP_ACP, 0, program.data(), static_cast<int>(program.size()), ansi.data(),
                                    static_cast<int>(ansi.size()), nullptr, nullptr));
    const OwnedHandle started(CreateEventW(nullptr, TRUE, FALSE, L"PictavoStartProbe"), &CloseHandle);

    platform::WindowsProcessStarter().start(ansi, platform::ProcessStarter::NormalFocus);
    ASSERT_EQ(WaitForSingleObject(started.get(), 60000), WAIT_OBJECT_0);
    std::string report;
    std::getline(std::ifstream(folder / "probe.exe.txt"), report);
    EXPECT_EQ(report, "\"" + platform::toUtf8(program) + "\"|1");
    // The empty found path that a registry value of another type leaves starts nothing.
    EXPECT_THROW(platform::WindowsProcessStarter().start("", 1), platform::RuntimeError);
}

// Another thread holds the clipboard, as a clipboard manager does for a moment, until told to let go.
class ClipboardHolder {
public:
    ClipboardHolder() { held_.get_future().wait(); }
    ~ClipboardHolder() { letGo(); }
    void letGo()
    {
        if (thread_.joinable()) {
            release_.set_value();
            thread_.join();
        }
    }

private:
    std::promise<void> held_;
    std::promise<void> release_;
    std::thread thread_{[this] {
        OpenClipboard(nullptr);
        held_.set_value();
        release_.get_future().wait();
        CloseClipboard();
    }};
};

// A clipboard held for a moment is waited for, with a pause between two attempts; one held through
// all the attempts allowed fails the step.
TEST(Clipboard, WaitsForAClipboardHeldForAMoment)
{
    // The holder opens it without a window: one of our own tells the two apart.
    const HWND owner = CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    for (const auto &[letGoAtPause, taken] : {std::pair{2, true}, std::pair{3, false}}) {
        ClipboardHolder holder;
        int pauses = 0;
        const auto pause = [&] {
            if (++pauses == letGoAtPause)
                holder.letGo();
        };
        EXPECT_EQ(win32::setClipboardText(owner, L"<img>", {3, pause}), taken) << letGoAtPause;
        EXPECT_EQ(pauses, 2);
    }
    DestroyWindow(owner);
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
