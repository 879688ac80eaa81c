#pragma once

#include "check/CheckFinding.h"
#include "shell/JsonWriter.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace areamaker {

// Prints the checker's findings as they come, page after page: one line per finding in the
// form editors and CI tools read, then a summary; or one JSON object.
class CheckReport
{
public:
    CheckReport(std::ostream &out, bool json) : mWriter(out), mJson(json) {}

    // A page's findings, one by one between the two.
    void beginPage(const std::string &page);
    void finding(const CheckFinding &finding);
    void endPage();
    // A page that could not be read: its reason goes to `err` (and into the JSON object).
    void unreadable(const std::string &page, const std::string &reason, std::ostream &err);
    // The summary line, or the end of the JSON object.
    void finish();
    // 2 when a page could not be read, else 1 when any error was found, else 0.
    int exitCode() const;

private:
    CheckReport &operator<<(std::string_view text);
    CheckReport &operator<<(char c);
    CheckReport &operator<<(int number);
    CheckReport &jsonString(std::string_view utf8);
    void pageName(const std::string &page);
    void text(const CheckFinding &finding);
    void json(const CheckFinding &finding);

    // Hands the text on in large pieces, and what is still held back when the report goes.
    JsonWriter mWriter;
    bool mJson;
    std::string mPage;
    bool mFirstFinding = true;
    int mPages = 0;
    int mUnreadable = 0;
    int mErrors = 0;
    int mWarnings = 0;
};

} // namespace areamaker
