#include "shell/BrowserDiscovery.h"

#include "document/AsciiText.h"
#include "document/Paths.h"
#include "platform/BrowserLookup.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxPort.h"

namespace areamaker {

int BrowserDiscovery::discover(std::string &navPath)
{
    if (navPath.empty()) {
        const std::optional<std::string> found = mLookup.defaultBrowser();
        if (found)
            navPath = *found;
        else
            mMessages.show({"Cannot find default Browser.\nFatal error accessing Windows Registry.",
                            "Erreur", MessageButtons::Ok, MessageIcon::Exclamation});
    }
    const int kind = kindOf(navPath);
    if (kind == NoBrowser)
        navPath.clear();
    return kind;
}

int BrowserDiscovery::kindOf(const std::string &navPath) const
{
    if (navPath.empty())
        return NoBrowser;
    // Both separators count: a stored path may come from either kind of system.
    const std::string name =
        toUpperAscii(FileNamePart(SwapSeparators(navPath, false), PathStyle::Posix));
    if (name == "NETSCAPE.EXE")
        return BrowserNetscape;
    if (name == "IEXPLORE.EXE")
        return BrowserExplorer;
    return mFiles.fileExists(navPath) ? OtherBrowser : NoBrowser;
}

} // namespace areamaker
