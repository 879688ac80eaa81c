#include "shell/CheckReport.h"

#include "shell/JsonWriter.h"

#include <charconv>
#include <ostream>

namespace areamaker {

namespace {

// "0 erreur", "1 erreur", "2 erreurs": French counts zero and one in the singular.
std::string counted(int count, const std::string &noun)
{
    return std::to_string(count) + ' ' + noun + (count > 1 ? "s" : "");
}

// Past this many bytes the report hands its text on: large writes, and little held back.
constexpr std::size_t FlushSize = 1 << 16;

} // namespace

CheckReport::~CheckReport()
{
    flush();
}

CheckReport &CheckReport::operator<<(std::string_view text)
{
    mBuffer.append(text);
    return *this;
}

CheckReport &CheckReport::operator<<(char c)
{
    mBuffer += c;
    return *this;
}

CheckReport &CheckReport::operator<<(int number)
{
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, number);
    mBuffer.append(digits, written.ptr);
    return *this;
}

CheckReport &CheckReport::jsonString(std::string_view utf8)
{
    appendJsonString(mBuffer, utf8);
    return *this;
}

void CheckReport::flush()
{
    mOut.write(mBuffer.data(), static_cast<std::streamsize>(mBuffer.size()));
    mBuffer.clear();
}

void CheckReport::flushIfFull()
{
    if (mBuffer.size() >= FlushSize)
        flush();
}

void CheckReport::beginPage(const std::string &page)
{
    if (mJson)
        (*this << (mPages + mUnreadable == 0 ? "{\"pages\":[" : ",") << "{\"page\":")
            .jsonString(page);
}

void CheckReport::page(const std::string &page, const std::vector<CheckFinding> &findings)
{
    beginPage(page);
    ++mPages;
    if (mJson)
        *this << ",\"findings\":[";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        ++(findings[i].severity == Severity::Error ? mErrors : mWarnings);
        if (mJson)
            json(findings[i], i == 0);
        else
            text(page, findings[i]);
        flushIfFull();
    }
    if (mJson)
        *this << "]}";
}

void CheckReport::unreadable(const std::string &page, const std::string &reason, std::ostream &err)
{
    // What came before the reason is printed before it.
    flush();
    err << page << ": " << reason << '\n';
    beginPage(page);
    ++mUnreadable;
    if (mJson)
        (*this << ",\"error\":").jsonString(reason) << '}';
}

void CheckReport::text(const std::string &page, const CheckFinding &f)
{
    *this << page << ':' << f.line << ':' << f.column << ": " << severityWord(f.severity) << ": "
          << f.message << " [" << f.rule << "]\n";
}

void CheckReport::json(const CheckFinding &f, bool first)
{
    *this << (first ? "{" : ",{") << "\"line\":" << f.line << ",\"column\":" << f.column
          << ",\"severity\":";
    jsonString(severityWord(f.severity)) << ",\"rule\":";
    jsonString(f.rule) << ",\"message\":";
    jsonString(f.message);
    if (f.mapIndex >= 0)
        *this << ",\"map\":" << f.mapIndex;
    if (f.zoneIndex >= 0)
        *this << ",\"zone\":" << f.zoneIndex;
    *this << '}';
}

void CheckReport::finish()
{
    if (mJson) {
        *this << (mPages + mUnreadable == 0 ? "{\"pages\":[" : "") << "],\"errors\":" << mErrors
              << ",\"warnings\":" << mWarnings << ",\"unreadable\":" << mUnreadable << "}\n";
        flush();
        return;
    }
    *this << counted(mErrors, "erreur") << ", " << counted(mWarnings, "avertissement") << " dans "
          << counted(mPages, "page");
    if (mUnreadable > 0)
        *this << ", " << counted(mUnreadable, "page")
              << (mUnreadable > 1 ? " illisibles" : " illisible");
    *this << '\n';
    flush();
}

int CheckReport::exitCode() const
{
    if (mUnreadable > 0)
        return 2;
    return mErrors > 0 ? 1 : 0;
}

} // namespace areamaker
