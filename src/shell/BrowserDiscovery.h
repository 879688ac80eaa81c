#pragma once

#include <optional>
#include <string>

namespace areamaker {

class BrowserLookup;
class FileSystem;
class MessageBoxPort;

// Browser kinds: 1 and 2 the two browsers known by their executable's name, 3 any other
// program that exists (launched with the page's file URL), 0 none.
enum BrowserKindCode : int
{
    NoBrowser = 0,
    BrowserNetscape = 1,
    BrowserExplorer = 2,
    OtherBrowser = 3
};

// Finds the browser to preview pages with, from the settings or else from the desktop.
class BrowserDiscovery
{
public:
    BrowserDiscovery(BrowserLookup &lookup, const FileSystem &files, MessageBoxPort &messages)
        : mLookup(lookup), mFiles(files), mMessages(messages)
    {
    }

    // Fills an empty `navPath` from the desktop, then returns its kind; a path of no
    // usable kind is emptied.
    int discover(std::string &navPath);
    // The kind at start-up: the two known names count even when the file is elsewhere.
    int kindOf(const std::string &navPath) const;
    // The kind the options give a typed path: only an existing file has one.
    int kindOfExisting(const std::string &navPath) const;
    // The program the desktop opens web pages with; nothing, after saying so, when the
    // desktop cannot be asked.
    std::optional<std::string> lookupDefault();
    void reportLookupFailure();

private:
    BrowserLookup &mLookup;
    const FileSystem &mFiles;
    MessageBoxPort &mMessages;
};

} // namespace areamaker
