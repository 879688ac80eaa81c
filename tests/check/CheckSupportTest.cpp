#include "CheckCase.h"
#include "check/LocalLink.h"
#include "shell/CheckReport.h"

#include <sstream>

namespace areamaker::testing {

TEST(CheckSupport, PercentDecoding)
{
    const std::pair<const char *, const char *> cases[] = {
        {"a%20b", "a b"},   {"%C3%A9t%c3%a9", "\xC3\xA9t\xC3\xA9"},
        {"100%", "100%"},   {"%zz", "%zz"},
        {"%4", "%4"},       {"%%41", "%A"},
        {"plain", "plain"},
    };
    for (const auto &[in, out] : cases) {
        std::string decoded = "kept:";
        appendPercentDecoded(in, decoded);
        EXPECT_EQ(decoded, std::string("kept:") + out) << in;
    }
}

// A page with many links into a few folders lists each folder once, on every later page too.
TEST(CheckSupport, ListsEachFolderOnce)
{
    CheckSite site;
    std::string areas;
    for (int i = 0; i < 100; ++i)
        areas += "<AREA COORDS=\"0,0,1,1\" HREF=\"doc/p" + std::to_string(i % 7) +
                 ".htm\" ALT=\"p\">\n<AREA COORDS=\"0,0,1,1\" HREF=\"autre/x.htm\" ALT=\"x\">\n";
    const std::string page = "<IMG USEMAP=\"#m\"><MAP NAME=\"m\">" + areas + "</MAP>";
    PageChecker checker(site.files, &site.images);
    std::size_t missing = 0;
    for (int run = 0; run < 2; ++run) {
        for (const CheckFinding &f : checker.check(page, CheckSite::Page))
            missing += f.rule == "area-href";
    }
    EXPECT_EQ(missing, 400u);
    EXPECT_EQ(site.files.listings, 2) << "/site/doc and /site/autre, once each";
}

// Links into many folders under one that does not exist cost the listing of the page's folder
// only; a folder that cannot be listed is still asked about itself.
TEST(CheckSupport, FoldersUnderAMissingOneAreNotListed)
{
    CheckSite site;
    std::string areas;
    for (int i = 0; i < 50; ++i)
        areas += "<AREA COORDS=\"0,0,1,1\" HREF=\"absent/f" + std::to_string(i) +
                 "/x.htm\" ALT=\"x\">\n";
    areas += "<AREA COORDS=\"0,0,1,1\" HREF=\"doc/a.htm\" ALT=\"a\">\n";
    PageChecker checker(site.files, &site.images);
    std::size_t missing = 0;
    for (const CheckFinding &f :
         checker.check("<IMG USEMAP=\"#m\"><MAP NAME=\"m\">" + areas + "</MAP>", CheckSite::Page))
        missing += f.rule == "area-href";
    EXPECT_EQ(missing, 50u);
    EXPECT_EQ(site.files.listings, 2) << "/site and /site/doc";
}

// Links resolve to the lexical normal form of the page's folder and the decoded link.
TEST(CheckSupport, LinksResolveAgainstThePageFolder)
{
    const std::pair<const char *, const char *> cases[] = {
        {"a.htm", "/site/doc/a.htm"},
        {"./a.htm?x=1#top", "/site/doc/a.htm"},
        {"sub//b/../c.htm", "/site/doc/sub/c.htm"},
        {"../../../../x.htm", "/x.htm"},
        {"sub/", "/site/doc/sub/"},
        {"sub/.", "/site/doc/sub/"},
        {"sub/..", "/site/doc/"},
        {"..", "/site/"},
        {".", "/site/doc/"},
        {"%2Fetc%2Fpasswd", "/etc/passwd"},
        {"dossier%20vide/%2e%2e/b.htm", "/site/doc/b.htm"},
        {"a.htm/", "/site/doc/a.htm/"},
        {"...", "/site/doc/..."},
        {"#top", nullptr},
        {"?q", nullptr},
        {"/abs.htm", nullptr},
        {"\\\\host\\x", nullptr},
        {"http://example.com/a.htm", nullptr},
        {"mailto:a@b.c", nullptr},
        {"{{ url }}.htm", nullptr},
        {"a{% url %}.htm", nullptr},
        {"<?= $base ?>/a.htm", nullptr},
        {"a<%= b %>.htm", nullptr},
        {"${base}/a.htm", nullptr},
        {"a{b}$c%.htm", "/site/doc/a{b}$c%.htm"},
        {"a.htm?id={{ id }}", "/site/doc/a.htm"},
        {"b.htm#haut?x=1", "/site/doc/b.htm"},
        {"$x<b.htm", "/site/doc/$x<b.htm"},
    };
    LocalLink links("/site/doc/page.htm");
    for (const auto &[href, file] : cases) {
        const std::string *resolved = links.fileOf(href);
        EXPECT_EQ(resolved ? *resolved : "(aucun)", file ? file : "(aucun)") << href;
    }
}

TEST(CheckSupport, LinesAndColumnsCountBytesFromTheLineStart)
{
    struct Case
    {
        const char *name;
        std::string page;
        std::vector<std::pair<int, int>> where;
    };
    const Case cases[] = {
        {"CR LF lines", "<HTML>\r\n\r\n  <IMG USEMAP=\"#x\">\r\n", {{3, 3}}},
        {"bare LF and two on a line",
         "\n\n<IMG USEMAP=\"#x\"><IMG USEMAP=\"#y\">",
         {{3, 1}, {3, 18}}},
        {"letters beyond ASCII count their bytes", "été <IMG USEMAP=\"#x\">", {{1, 7}}},
        {"the first byte of the page", "<IMG USEMAP=\"#x\">", {{1, 1}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CheckSite site;
        std::vector<std::pair<int, int>> where;
        for (const CheckFinding &f : site.check(c.page))
            where.emplace_back(f.line, f.column);
        EXPECT_EQ(where, c.where);
    }
}

// Findings of all rules come in the order of the page, so a report reads top to bottom.
TEST(CheckSupport, FindingsFollowThePage)
{
    CheckSite site;
    const auto findings = site.check("<MAP NAME=\"a b\">\n<AREA COORDS=\"1,2,3\" HREF=\"x.htm\">\n"
                                     "</MAP>\n<IMG USEMAP=\"a\">\n");
    std::vector<std::string> rules;
    for (const CheckFinding &f : findings)
        rules.emplace_back(f.rule);
    const std::vector<std::string> expected = {"map-name", "map-unused", "area-coords",
                                               "area-alt", "area-href",  "usemap-target"};
    EXPECT_EQ(rules, expected);
}

TEST(CheckSupport, PagesThatCannotBeChecked)
{
    const std::pair<const char *, std::string> cases[] = {
        {"/site/absente.htm", "introuvable"},
        {"/site/image.gif", "une image GIF"},
        {"/site/utf16.htm", "UTF-16"},
    };
    CheckSite site;
    site.files.put("/site/image.gif", std::string("GIF89a\x01\x00\x01\x00\x00\x00\x00", 13));
    site.files.put("/site/utf16.htm", std::string("\xFF\xFE<\0h\0", 6));
    PageChecker checker(site.files, &site.images);
    for (const auto &[path, reason] : cases) {
        std::unique_ptr<FileView> page;
        std::string failure;
        EXPECT_FALSE(checker.viewPage(path, page, failure)) << path;
        EXPECT_NE(failure.find(reason), std::string::npos) << failure;
    }
}

void reportPage(CheckReport &report, const std::string &page,
                const std::vector<CheckFinding> &findings)
{
    report.beginPage(page);
    for (const CheckFinding &f : findings)
        report.finding(f);
    report.endPage();
}

TEST(CheckReportTest, PrintsLinesASummaryAndTheExitCode)
{
    CheckFinding error{"area-alt", Severity::Error, "Sans texte.", 0, 3, 1, 0, 0};
    CheckFinding warning{"map-unused", Severity::Warning, "Inutile.", 0, 1, 5, 0, -1};
    struct Case
    {
        const char *name;
        std::vector<std::vector<CheckFinding>> pages;
        bool unreadable;
        std::string out;
        int exitCode;
    };
    const Case cases[] = {
        {"nothing found", {{}}, false, "0 erreur, 0 avertissement dans 1 page\n", 0},
        {"warnings only",
         {{warning, warning}},
         false,
         "p.htm:1:5: avertissement: Inutile. [map-unused]\n"
         "p.htm:1:5: avertissement: Inutile. [map-unused]\n"
         "0 erreur, 2 avertissements dans 1 page\n",
         0},
        {"an error on the second page",
         {{}, {error}},
         false,
         "p.htm:3:1: erreur: Sans texte. [area-alt]\n1 erreur, 0 avertissement dans 2 pages\n",
         1},
        {"a page that cannot be read",
         {{error}},
         true,
         "p.htm:3:1: erreur: Sans texte. [area-alt]\n"
         "1 erreur, 0 avertissement dans 1 page, 1 page illisible\n",
         2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::ostringstream out, err;
        CheckReport report(out, false);
        for (const auto &findings : c.pages)
            reportPage(report, "p.htm", findings);
        if (c.unreadable)
            report.unreadable("q.htm", "Fichier introuvable", err);
        report.finish();
        EXPECT_EQ(out.str(), c.out);
        EXPECT_EQ(err.str(), c.unreadable ? "q.htm: Fichier introuvable\n" : "");
        EXPECT_EQ(report.exitCode(), c.exitCode);
    }
}

TEST(CheckReportTest, JsonHoldsTheSameFindings)
{
    std::ostringstream out, err;
    CheckReport report(out, true);
    reportPage(report, "a \"b\".htm",
               {{"area-alt", Severity::Error, "Sans « texte ».", 0, 3, 1, 0, 2}});
    report.unreadable("c.htm", "Illisible", err);
    report.finish();
    EXPECT_EQ(out.str(),
              "{\"pages\":[{\"page\":\"a \\\"b\\\".htm\",\"findings\":[{\"line\":3,"
              "\"column\":1,\"severity\":\"erreur\",\"rule\":\"area-alt\",\"message\":"
              "\"Sans « texte ».\",\"map\":0,\"zone\":2}]},{\"page\":\"c.htm\","
              "\"error\":\"Illisible\"}],\"errors\":1,\"warnings\":0,\"unreadable\":1}\n");
    std::ostringstream empty;
    CheckReport none(empty, true);
    none.finish();
    EXPECT_EQ(empty.str(), "{\"pages\":[],\"errors\":0,\"warnings\":0,\"unreadable\":0}\n");
}

} // namespace areamaker::testing
