#include "LinkLauncher.h"

namespace {

// Only spaces: an address with a tab or line break around it is passed on with it, so the
// handler that opens it decides what to make of it.
std::string trimSpaces(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

LinkLauncher::LinkLauncher(platform::ShellOpen &shell) : shell_(shell) {}

void LinkLauncher::openLinkCaption(const std::string &caption)
{
    const bool isEmailAddress = caption.find('@') != std::string::npos;
    OpenURL(isEmailAddress ? "mailto:" + trimSpaces(caption) : caption);
}

std::int32_t LinkLauncher::OpenURL(const std::string &sFile, std::optional<std::string> vArgs,
                                   std::optional<std::int32_t> vShow, std::optional<std::string> vInitDir,
                                   std::optional<std::string> vVerb, std::optional<std::intptr_t> vhWnd)
{
    // Omitted texts stay absent: the shell gets no text at all for them.
    const std::int32_t show = vShow.value_or(platform::ShellOpen::ShowNormal);
    const std::intptr_t owner = vhWnd.value_or(0);
    return shell_.open(owner, vVerb, sFile, vArgs, vInitDir, show);
}
