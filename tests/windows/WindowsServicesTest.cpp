// What only Windows can show and the program's window check does not: the real registry's rules
// for the data it hands back, the clipboard while another program holds it, the effect a drag
// source is answered, and the program's resources as Explorer reads them. The window check starts
// the System Information program the registry names, through the real registry, file test and
// process start.
#include "Clipboard.h"
#include "DropTarget.h"
#include "FakeServices.h"
#include "SysInfoLauncher.h"
#include "WindowsRegistry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <windows.h>

namespace {

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

// Held by an opener without the program's window, let go at the second pause: 2 attempts fail, 3 do not.
TEST(Clipboard, WaitsForAClipboardHeldForAMoment)
{
    const HWND owner = CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(OpenClipboard(nullptr));
    int pauses = 0;
    const auto pause = [&] {
        if (++pauses == 2)
            CloseClipboard();
    };
    EXPECT_FALSE(win32::setClipboardText(owner, L"<img>", {2, pause}));
    EXPECT_EQ(pauses, 1);
    EXPECT_TRUE(win32::setClipboardText(owner, L"<img>", {3, pause}));
}

// A drag source shows the pointer of the one effect the target answers: a copy where it offers
// one, and a move only where it offers nothing else.
TEST(DropTarget, AnswersOneEffectOfThoseOffered)
{
    struct : win32::FileDropReceiver {
        void dragOver() override {}
        void drop(DroppedFiles) override {}
    } receiver;
    win32::DropTarget target(receiver);
    constexpr DWORD copy = DROPEFFECT_COPY, move = DROPEFFECT_MOVE, link = DROPEFFECT_LINK;
    for (const auto &[offered, answered] : {std::pair{copy | move | link, copy}, {move | link, link}, {move, move}}) {
        DWORD entering = offered, over = offered;
        target.DragEnter(nullptr, 0, {}, &entering);
        target.DragOver(0, {}, &over);
        EXPECT_EQ(std::pair(entering, over), std::pair(answered, answered)) << offered;
    }
}

// Pictavo.exe, in the folder the tests run in, as Explorer reads it.
constexpr const wchar_t *kProgram = L".\\Pictavo.exe";

TEST(ProgramResources, VersionIsTheProgramsOwn)
{
    std::vector<char> info(GetFileVersionInfoSizeW(kProgram, nullptr));
    ASSERT_TRUE(GetFileVersionInfoW(kProgram, 0, static_cast<DWORD>(info.size()), info.data()));
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
}

// Explorer shows an executable's first icon group: it must be the program icon, one 32 x 32
// image in 256 colours, not the About window's.
TEST(ProgramResources, FirstIconGroupIsTheProgramIcon)
{
    const std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&FreeLibrary)> program(
        LoadLibraryExW(kProgram, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE),
        &FreeLibrary);
    ASSERT_NE(program, nullptr);
    std::vector<BYTE> group;
    EnumResourceNamesW(program.get(), RT_GROUP_ICON, [](HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR found) {
        const HRSRC resource = FindResourceW(module, name, type);
        const auto *bytes = static_cast<const BYTE *>(LockResource(LoadResource(module, resource)));
        reinterpret_cast<std::vector<BYTE> *>(found)->assign(bytes, bytes + SizeofResource(module, resource));
        return FALSE;
    }, reinterpret_cast<LONG_PTR>(&group));
    // After the header: the number of images, the first one's width, height, colours (0: 256), 0, planes, bits.
    ASSERT_GE(group.size(), 14u);
    EXPECT_EQ(std::vector<BYTE>(group.begin() + 4, group.begin() + 14), (std::vector<BYTE>{1, 0, 32, 32, 0, 0, 1, 0, 8, 0}));
}

} // namespace
