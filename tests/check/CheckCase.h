#pragma once

#include "FakeFileSystem.h"
#include "FakeImageProbe.h"
#include "check/PageChecker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace areamaker::testing {

// A finding as the tables write it: where, how grave, and which map and zone.
struct Expected
{
    int line;
    int column;
    Severity severity;
    int map = -1;
    int zone = -1;
    bool operator==(const Expected &) const = default;
};

inline void PrintTo(const Expected &e, std::ostream *os)
{
    *os << e.line << ':' << e.column << ' ' << severityWord(e.severity) << " map " << e.map
        << " zone " << e.zone;
}

// A page checked against a site of fake files: /site/page.htm beside its pictures.
struct CheckSite
{
    static constexpr const char *Page = "/site/page.htm";

    FakeFileSystem files;
    FakeImageProbe images;

    CheckSite()
    {
        picture("/site/img/plan.png", 200, 100);
        files.put("/site/page.htm", "");
        files.put("/site/doc/a.htm", "");
        files.put("/site/doc/ete 2.htm", "");
    }
    void picture(const std::string &path, int width, int height)
    {
        files.put(path, "picture");
        images.sizes[path] = {width, height};
    }
    std::vector<CheckFinding> check(const std::string &page)
    {
        return PageChecker(files, &images).check(page, Page);
    }
    // The findings of one rule, as the tables write them.
    std::vector<Expected> found(const std::string &rule, const std::string &page)
    {
        std::vector<Expected> list;
        for (const CheckFinding &f : check(page)) {
            if (f.rule == rule)
                list.push_back({f.line, f.column, f.severity, f.mapIndex, f.zoneIndex});
        }
        return list;
    }
};

// One row of a rule's table: a page (its maps are used by an IMG unless it says otherwise)
// and the findings of that rule.
struct RuleCase
{
    const char *name;
    std::string page;
    std::vector<Expected> expected;
};

inline void runRuleTable(const std::string &rule, const std::vector<RuleCase> &cases)
{
    for (const RuleCase &c : cases) {
        SCOPED_TRACE(c.name);
        CheckSite site;
        EXPECT_EQ(site.found(rule, c.page), c.expected) << c.page;
    }
}

} // namespace areamaker::testing
