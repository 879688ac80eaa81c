#include "shell/BrowserDiscovery.h"

#include "document/AsciiText.h"
#include "document/Paths.h"
#include "platform/BrowserLookup.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxPort.h"

namespace areamaker {

namespace {

// Kind 1 or 2 by the program's file name, else none.
int kindByName(const std::string &navPath)
{
    // Both separators count: a stored path may come from either kind of system.
    const std::string name =
        toUpperAscii(FileNamePart(SwapSeparators(navPath, false), PathStyle::Posix));
    if (name == "NETSCAPE.EXE")
        return BrowserNetscape;
    if (name == "IEXPLORE.EXE")
        return BrowserExplorer;
    return NoBrowser;
}

} // namespace

int BrowserDiscovery::discover(std::string &navPath)
{
    if (navPath.empty())
        navPath = lookupDefault().value_or(std::string());
    const int kind = kindOf(navPath);
    if (kind == NoBrowser)
        navPath.clear();
    return kind;
}

int BrowserDiscovery::kindOf(const std::string &navPath) const
{
    if (navPath.empty())
        return NoBrowser;
    const int named = kindByName(navPath);
    if (named != NoBrowser)
        return named;
    return mFiles.fileExists(navPath) ? OtherBrowser : NoBrowser;
}

int BrowserDiscovery::kindOfExisting(const std::string &navPath) const
{
    if (navPath.empty() || !mFiles.fileExists(navPath))
        return NoBrowser;
    const int named = kindByName(navPath);
    return named != NoBrowser ? named : OtherBrowser;
}

std::optional<std::string> BrowserDiscovery::lookupDefault()
{
    std::optional<std::string> found = mLookup.defaultBrowser();
    if (!found)
        reportLookupFailure();
    return found;
}

void BrowserDiscovery::reportLookupFailure()
{
    mMessages.show({"Cannot find default Browser.\nFatal error accessing Windows Registry.",
                    "Erreur", MessageButtons::Ok, MessageIcon::Exclamation});
}

} // namespace areamaker
