#pragma once

#include <array>
#include <optional>
#include <string>

namespace areamaker {

class BrowserDiscovery;
class CommandBarPort;
class FileDialogPort;
class MessageBoxPort;
class OptionsHost;
class RecentDocuments;
class SettingsStore;
class StatusBarPort;
struct ShellState;

// The options dialog's rules. It works on copies of the settings it edits, which reach the
// settings only through AppliquerOptions.
class ConfigOptions
{
public:
    struct Parts
    {
        ShellState &shell;
        RecentDocuments &recent;
        CommandBarPort &bar;
        StatusBarPort &status;
        OptionsHost &host;
        MessageBoxPort &messages;
        FileDialogPort &dialogs;
        SettingsStore &store;
        BrowserDiscovery &browsers;
    };

    static constexpr std::array<const char *, 5> Elements = {"Bordure normale", "Bordure sélection",
                                                             "Fond de trame", "Poignée normale",
                                                             "Poignée sélection"};
    // By colour index; ColorIndexToRgb gives each one's value.
    static constexpr std::array<const char *, 16> ColourNames = {
        "Noir",      "Rouge foncé", "Vert foncé", "Marron", "Bleu foncé", "Violet",
        "Turquoise", "Gris",        "Gris foncé", "Rouge",  "Vert",       "Jaune",
        "Bleu",      "Magenta",     "Cyan",       "Blanc"};
    // A width's list index is its value in pixels less one.
    static constexpr std::array<const char *, 3> Widths = {"1 point", "2 points", "3 points"};

    // The general tab's check boxes, ticked as their settings are when the dialog opens.
    struct Checks
    {
        bool ZoneProperties;
        bool NewNoBorder;
        bool AutoProp;
        bool ZoneExplorer;
        bool AutoWiz;
    };

    // What the colour frame shows for an element; `width` is a list index.
    struct ElementView
    {
        int colour;
        int width;
        bool widthShown;
    };

    // What the browser frame shows for the typed path; `bitmap` 0 for none.
    struct NavigatorView
    {
        std::string description;
        int kind;
        int bitmap;
    };

    // Opens the dialog: takes its working copies and says so in the status bar.
    explicit ConfigOptions(const Parts &parts);

    Checks checks;

    ElementView selectElement(int element);
    void selectColour(int index);
    void selectWidth(int index);
    NavigatorView navPathChanged(const std::string &text);
    const std::string &navPath() const { return mNavPath; }
    int browserKind() const { return mBrowserKind; }
    // "Par défaut" and "...": the path to put in the box, nothing when there is none.
    std::optional<std::string> defaultBrowser();
    std::optional<std::string> chooseBrowser();

    void AppliquerOptions();
    // "Appliquer": the settings applied, the canvas redrawn; the dialog stays open.
    void apply();
    // The dialog closes, by OK, Annuler or its close box.
    void close();

    void clearHistory();
    // After two warnings, deletes every stored setting and ends the program at once.
    void eraseSettings();

private:
    Parts mParts;
    std::array<int, Elements.size()> mColours;
    // Widths of elements 0 and 1, the two borders, in pixels.
    std::array<int, 2> mWidths;
    int mElement = 0;
    int mBrowserKind = 0;
    std::string mNavPath;
};

} // namespace areamaker
