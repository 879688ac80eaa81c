#include "shell/CheckReport.h"

#include <ostream>

namespace areamaker {

namespace {

// "0 erreur", "1 erreur", "2 erreurs": French counts zero and one in the singular.
std::string counted(int count, const std::string &noun)
{
    return std::to_string(count) + ' ' + noun + (count > 1 ? "s" : "");
}

} // namespace

CheckReport &CheckReport::operator<<(std::string_view text)
{
    mWriter.raw(text);
    return *this;
}

CheckReport &CheckReport::operator<<(char c)
{
    mWriter.raw(c);
    return *this;
}

CheckReport &CheckReport::operator<<(int number)
{
    mWriter.number(number);
    return *this;
}

CheckReport &CheckReport::jsonString(std::string_view utf8)
{
    mWriter.string(utf8);
    return *this;
}

void CheckReport::pageName(const std::string &page)
{
    if (mJson)
        (*this << (mPages + mUnreadable == 0 ? "{\"pages\":[" : ",") << "{\"page\":")
            .jsonString(page);
}

void CheckReport::beginPage(const std::string &page)
{
    pageName(page);
    ++mPages;
    mPage = page;
    mFirstFinding = true;
    if (mJson)
        *this << ",\"findings\":[";
}

void CheckReport::finding(const CheckFinding &finding)
{
    ++(finding.severity == Severity::Error ? mErrors : mWarnings);
    if (mJson)
        json(finding);
    else
        text(finding);
    mFirstFinding = false;
}

void CheckReport::endPage()
{
    if (mJson)
        *this << "]}";
}

void CheckReport::unreadable(const std::string &page, const std::string &reason, std::ostream &err)
{
    // What came before the reason is printed before it.
    mWriter.flush();
    err << page << ": " << reason << '\n';
    pageName(page);
    ++mUnreadable;
    if (mJson)
        (*this << ",\"error\":").jsonString(reason) << '}';
}

void CheckReport::text(const CheckFinding &f)
{
    *this << mPage << ':' << f.line << ':' << f.column << ": " << severityWord(f.severity) << ": "
          << f.message << " [" << f.rule << "]\n";
}

void CheckReport::json(const CheckFinding &f)
{
    *this << (mFirstFinding ? "{" : ",{") << "\"line\":" << f.line << ",\"column\":" << f.column
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
        mWriter.flush();
        return;
    }
    *this << counted(mErrors, "erreur") << ", " << counted(mWarnings, "avertissement") << " dans "
          << counted(mPages, "page");
    if (mUnreadable > 0)
        *this << ", " << counted(mUnreadable, "page")
              << (mUnreadable > 1 ? " illisibles" : " illisible");
    *this << '\n';
    mWriter.flush();
}

int CheckReport::exitCode() const
{
    if (mUnreadable > 0)
        return 2;
    return mErrors > 0 ? 1 : 0;
}

} // namespace areamaker
