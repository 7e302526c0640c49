#include "Utf16.h"

#include <windows.h>

namespace platform {

namespace {

std::wstring widen(UINT codePage, std::string_view bytes)
{
    if (bytes.empty())
        return {};
    const int inputLength = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), inputLength, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), inputLength, text.data(), length);
    return text;
}

} // namespace

std::wstring toUtf16(std::string_view utf8)
{
    return widen(CP_UTF8, utf8);
}

std::wstring ansiToUtf16(std::string_view ansi)
{
    return widen(CP_ACP, ansi);
}

std::string toUtf8(std::wstring_view utf16)
{
    if (utf16.empty())
        return {};
    const int inputLength = static_cast<int>(utf16.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), inputLength, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), inputLength, text.data(), length, nullptr, nullptr);
    return text;
}

} // namespace platform
