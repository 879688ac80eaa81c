#include "shell/ConfigOptions.h"

#include "document/Paths.h"
#include "platform/EditorViews.h"
#include "platform/FileDialogPort.h"
#include "platform/MessageBoxPort.h"
#include "platform/OptionsHost.h"
#include "platform/SettingsStore.h"
#include "shell/BrowserDiscovery.h"
#include "shell/MainWindowRules.h"
#include "shell/RecentDocuments.h"
#include "shell/ShellState.h"

namespace areamaker {

namespace {

constexpr int ExplorerBitmap = 102;
constexpr int NetscapeBitmap = 103;

// Where the browser chooser opens: the folder of the program already chosen, else where
// this system keeps its programs.
std::string programsFolder(const std::string &current, const std::string &appFolder)
{
    if (!current.empty() && current.find(separatorOf(nativePathStyle())) != std::string::npos)
        return ParentFolder(current);
    return nativePathStyle() == PathStyle::Windows ? appFolder : "/usr/bin";
}

} // namespace

ConfigOptions::ConfigOptions(const Parts &parts)
    : checks{parts.shell.Settings.ZoneProperties, parts.shell.Settings.NewNoBorder,
             parts.shell.Settings.AutoProp, parts.shell.Settings.ZoneExplorer,
             parts.shell.Settings.AutoWiz},
      mParts(parts)
{
    const AppSettings &s = parts.shell.Settings;
    mColours = {s.ClrDefBorderId, s.ClrSelBorderId, s.ClrDefTrameId, s.ClrDefHandleId,
                s.ClrSelHandleId};
    mWidths = {s.LinPtDef, s.LinPtSel};
    mNavPath = s.NavPath;
    mBrowserKind = parts.shell.BrowserKind;
    parts.status.setPanelText("ETAT", "Configuration des paramètres");
}

ConfigOptions::ElementView ConfigOptions::selectElement(int element)
{
    mElement = element;
    const auto at = static_cast<std::size_t>(element);
    const bool border = at < mWidths.size();
    return {mColours.at(at), border ? mWidths[at] - 1 : -1, border};
}

void ConfigOptions::selectColour(int index)
{
    mColours.at(static_cast<std::size_t>(mElement)) = index;
}

void ConfigOptions::selectWidth(int index)
{
    const auto at = static_cast<std::size_t>(mElement);
    if (at < mWidths.size())
        mWidths[at] = index + 1;
}

ConfigOptions::NavigatorView ConfigOptions::navPathChanged(const std::string &text)
{
    mNavPath = text;
    mBrowserKind = mParts.browsers.kindOfExisting(text);
    switch (mBrowserKind) {
    case BrowserExplorer:
        return {"Internet Explorer ", mBrowserKind, ExplorerBitmap};
    case BrowserNetscape:
        return {"Netscape Navigator ", mBrowserKind, NetscapeBitmap};
    case OtherBrowser:
        return {"Autre navigateur ", mBrowserKind, 0};
    default:
        return {"", mBrowserKind, 0};
    }
}

std::optional<std::string> ConfigOptions::defaultBrowser()
{
    const std::optional<std::string> found = mParts.browsers.lookupDefault();
    if (!found)
        return std::nullopt;
    // Asked for by the user, a desktop with no browser for web pages is a failure too.
    if (found->empty()) {
        mParts.browsers.reportLookupFailure();
        return std::nullopt;
    }
    return found;
}

std::optional<std::string> ConfigOptions::chooseBrowser()
{
    OpenFileRequest request;
    request.title = "Sélectionner un navigateur";
    request.initialFolder = programsFolder(mNavPath, mParts.shell.AppFolder);
    if (nativePathStyle() == PathStyle::Windows) {
        request.filter = "Programmes (*.exe)|*.exe|Tous les fichiers (*.*)|*.*|";
        request.defaultExtension = "exe";
    } else {
        // Programs carry no extension here: the first filter lists the executable files.
        request.filter = "Programmes|*|Tous les fichiers (*)|*|";
        request.firstFilterExecutables = true;
    }
    std::string chosen = mParts.dialogs.getOpenFileName(request);
    if (chosen.empty())
        return std::nullopt;
    return chosen;
}

void ConfigOptions::AppliquerOptions()
{
    AppSettings &s = mParts.shell.Settings;
    s.ClrDefBorderId = mColours[0];
    s.ClrSelBorderId = mColours[1];
    s.ClrDefTrameId = mColours[2];
    s.ClrDefHandleId = mColours[3];
    s.ClrSelHandleId = mColours[4];
    s.LinPtDef = mWidths[0];
    s.LinPtSel = mWidths[1];
    s.AutoProp = checks.AutoProp;
    s.ZoneExplorer = checks.ZoneExplorer;
    s.ZoneProperties = checks.ZoneProperties;
    s.NewNoBorder = checks.NewNoBorder;
    s.AutoWiz = checks.AutoWiz;
    mParts.shell.BrowserKind = mBrowserKind;
    s.NavPath = mNavPath;
    MainWindowRules::UpdateNavigatorIcon(mBrowserKind, mParts.bar);
    mParts.host.optionsApplied();
}

void ConfigOptions::apply()
{
    AppliquerOptions();
    mParts.host.RedrawCanvas();
}

void ConfigOptions::close()
{
    mParts.status.setPanelText("ETAT", "Prêt");
    mParts.host.startRedrawTimer();
}

void ConfigOptions::clearHistory()
{
    mParts.recent.clear();
    mParts.messages.show({"L'historique a été effacé avec succès.", "Areamaker", MessageButtons::Ok,
                          MessageIcon::Information});
}

void ConfigOptions::eraseSettings()
{
    mParts.messages.show(
        {"La suppression des entrées du registre de Areamaker réinitialise tous les paramètres "
         "du logiciel.\n\nN'effectuez cette opération que lorsque vous éprouvez de graves "
         "difficultés avec le logiciel.\n\nEnregistrez vos documents avant de continuer afin de "
         "prévenir les pertes de données.",
         "Attention", MessageButtons::Ok, MessageIcon::Exclamation});
    const MessageAnswer answer = mParts.messages.show(
        {"Effacer les registres de Areamaker?\n\nEnregistrez les modifications de vos documents "
         "avant de continuer!",
         "Confirmation", MessageButtons::YesNo, MessageIcon::Question, 1});
    if (answer != MessageAnswer::Yes)
        return;
    mParts.store.removeAll();
    mParts.messages.show({"Veuillez redémarrer Areamaker.", "Areamaker", MessageButtons::Ok,
                          MessageIcon::Information});
    mParts.host.endProgram();
}

} // namespace areamaker
