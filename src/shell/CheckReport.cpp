#include "shell/CheckReport.h"

#include "shell/JsonWriter.h"

#include <ostream>

namespace areamaker {

namespace {

// "0 erreur", "1 erreur", "2 erreurs": French counts zero and one in the singular.
std::string counted(int count, const std::string &noun)
{
    return std::to_string(count) + ' ' + noun + (count > 1 ? "s" : "");
}

} // namespace

void CheckReport::beginPage(const std::string &page)
{
    if (mJson)
        mOut << (mPages + mUnreadable == 0 ? "{\"pages\":[" : ",")
             << "{\"page\":" << jsonString(page);
}

void CheckReport::page(const std::string &page, const std::vector<CheckFinding> &findings)
{
    beginPage(page);
    ++mPages;
    if (mJson)
        mOut << ",\"findings\":[";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        ++(findings[i].severity == Severity::Error ? mErrors : mWarnings);
        if (mJson)
            json(findings[i], i == 0);
        else
            text(page, findings[i]);
    }
    if (mJson)
        mOut << "]}";
}

void CheckReport::unreadable(const std::string &page, const std::string &reason, std::ostream &err)
{
    err << page << ": " << reason << '\n';
    beginPage(page);
    ++mUnreadable;
    if (mJson)
        mOut << ",\"error\":" << jsonString(reason) << '}';
}

void CheckReport::text(const std::string &page, const CheckFinding &f)
{
    mOut << page << ':' << f.line << ':' << f.column << ": " << severityWord(f.severity) << ": "
         << f.message << " [" << f.rule << "]\n";
}

void CheckReport::json(const CheckFinding &f, bool first)
{
    mOut << (first ? "{" : ",{") << "\"line\":" << f.line << ",\"column\":" << f.column
         << ",\"severity\":" << jsonString(severityWord(f.severity))
         << ",\"rule\":" << jsonString(f.rule) << ",\"message\":" << jsonString(f.message);
    if (f.mapIndex >= 0)
        mOut << ",\"map\":" << f.mapIndex;
    if (f.zoneIndex >= 0)
        mOut << ",\"zone\":" << f.zoneIndex;
    mOut << '}';
}

void CheckReport::finish()
{
    if (mJson) {
        mOut << (mPages + mUnreadable == 0 ? "{\"pages\":[" : "") << "],\"errors\":" << mErrors
             << ",\"warnings\":" << mWarnings << ",\"unreadable\":" << mUnreadable << "}\n";
        return;
    }
    mOut << counted(mErrors, "erreur") << ", " << counted(mWarnings, "avertissement") << " dans "
         << counted(mPages, "page");
    if (mUnreadable > 0)
        mOut << ", " << counted(mUnreadable, "page")
             << (mUnreadable > 1 ? " illisibles" : " illisible");
    mOut << '\n';
}

int CheckReport::exitCode() const
{
    if (mUnreadable > 0)
        return 2;
    return mErrors > 0 ? 1 : 0;
}

} // namespace areamaker
