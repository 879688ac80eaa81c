#pragma once

#include "check/CheckFinding.h"

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
    CheckReport(std::ostream &out, bool json) : mOut(out), mJson(json) {}
    // Hands on what is still held back.
    ~CheckReport();
    CheckReport(const CheckReport &) = delete;
    CheckReport &operator=(const CheckReport &) = delete;

    void page(const std::string &page, const std::vector<CheckFinding> &findings);
    // A page that could not be read: its reason goes to `err` (and into the JSON object).
    void unreadable(const std::string &page, const std::string &reason, std::ostream &err);
    // The summary line, or the end of the JSON object.
    void finish();
    // 2 when a page could not be read, else 1 when any error was found, else 0.
    int exitCode() const;

private:
    // The text goes to a buffer that is handed on in large pieces.
    CheckReport &operator<<(std::string_view text);
    CheckReport &operator<<(char c);
    CheckReport &operator<<(int number);
    // A JSON string literal, escaped straight into the buffer.
    CheckReport &jsonString(std::string_view utf8);
    void flush();
    void flushIfFull();
    void beginPage(const std::string &page);
    void text(const std::string &page, const CheckFinding &finding);
    void json(const CheckFinding &finding, bool first);

    std::ostream &mOut;
    bool mJson;
    std::string mBuffer;
    int mPages = 0;
    int mUnreadable = 0;
    int mErrors = 0;
    int mWarnings = 0;
};

} // namespace areamaker
