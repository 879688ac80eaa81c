#include "adapters/PosixFileSystem.h"
#include "adapters/TruncationGuard.h"

#include "ChildProcess.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using areamaker::ContentWriter;
using areamaker::FileTime;
using areamaker::FileView;
using areamaker::PosixFileSystem;

namespace fs = std::filesystem;

namespace {

mode_t modeOf(const std::string &path)
{
    struct stat info
    {
    };
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

std::string everyByteValue(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i * 7 % 256);
    return bytes;
}

// A page in a folder of its own, so that a stray temporary file shows in the listing.
struct PageInFolder
{
    ScratchFolder scratch;
    std::string page = scratch.write("site/page.htm", "<html>original</html>\r\n");
};

} // namespace

TEST(PosixFileSystem, ReadRefusesWhatIsNotAReadableFile)
{
    ScratchFolder scratch;
    scratch.write("folder/inside.htm", "x");
    fs::create_symlink(scratch.file("gone.htm"), scratch.file("dangling.htm"));
    // The system's own texts would come in its language: the reasons are given in French.
    const std::pair<const char *, const char *> cases[] = {
        {"missing.htm", "Ouverture impossible : fichier ou dossier introuvable"},
        {"folder", "Ce n'est pas un fichier ordinaire."},
        {"dangling.htm", "Ouverture impossible : fichier ou dossier introuvable"},
    };
    for (const auto &[name, reason] : cases) {
        SCOPED_TRACE(name);
        std::string bytes;
        EXPECT_EQ(PosixFileSystem().readFile(scratch.file(name), bytes).error, reason);
        std::unique_ptr<FileView> view;
        EXPECT_EQ(PosixFileSystem().viewFile(scratch.file(name), view).error, reason);
        EXPECT_EQ(view, nullptr);
    }
}

TEST(PosixFileSystem, ReadReturnsEveryByteOfFilesLargerThanOneBuffer)
{
    ScratchFolder scratch;
    for (std::size_t size :
         {std::size_t{0}, std::size_t{1}, std::size_t{65536}, std::size_t{300001}}) {
        SCOPED_TRACE(size);
        const std::string bytes = everyByteValue(size);
        std::string read = "stale";
        ASSERT_TRUE(PosixFileSystem().readFile(scratch.write("page.htm", bytes), read).ok());
        EXPECT_EQ(read, bytes);
        std::unique_ptr<FileView> view;
        ASSERT_TRUE(PosixFileSystem().viewFile(scratch.file("page.htm"), view).ok());
        EXPECT_EQ(view->bytes(), bytes);
    }
}

TEST(PosixFileSystem, FileExistsOnlyForRegularFilesThroughLinks)
{
    ScratchFolder scratch;
    const std::string page = scratch.write("page.htm", "x");
    fs::create_directory(scratch.file("folder"));
    fs::create_symlink(page, scratch.file("link.htm"));
    fs::create_symlink(scratch.file("gone.htm"), scratch.file("dangling.htm"));
    const std::pair<const char *, bool> cases[] = {
        {"page.htm", true}, {"link.htm", true},      {"folder", false},
        {"missing", false}, {"dangling.htm", false},
    };
    for (const auto &[name, exists] : cases)
        EXPECT_EQ(PosixFileSystem().fileExists(scratch.file(name)), exists) << name;
}

TEST(PosixFileSystem, ReplaceKeepsThePermissionsOfTheOriginal)
{
    for (mode_t mode : {0600, 0640, 0664, 0755, 0604}) {
        SCOPED_TRACE(mode);
        PageInFolder site;
        ::chmod(site.page.c_str(), mode);
        ASSERT_TRUE(PosixFileSystem().replaceFile(site.page, "new").ok());
        EXPECT_EQ(ScratchFolder::readBytes(site.page), "new");
        EXPECT_EQ(modeOf(site.page), mode);
        EXPECT_EQ(site.scratch.list("site"), std::vector<std::string>{"page.htm"});
    }
}

TEST(PosixFileSystem, ReplaceWritesThroughSymbolicLinksAndKeepsThemLinks)
{
    using Link = std::pair<const char *, const char *>; // where, and the target it stores
    struct Case
    {
        std::vector<Link> links;
        const char *opened;
        const char *realFile;
    };
    const Case cases[] = {
        {{{"site/page.htm", "../real/page.htm"}}, "site/page.htm", "real/page.htm"},
        {{{"site/page.htm", "page-v2.htm"}}, "site/page.htm", "site/page-v2.htm"},
        {{{"site/page.htm", "../real/page.htm"}, {"page.htm", "site/page.htm"}},
         "page.htm",
         "real/page.htm"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.opened + std::string(" -> ") + c.realFile);
        ScratchFolder scratch;
        scratch.write("real/page.htm", "old");
        scratch.write("site/page-v2.htm", "old");
        for (const auto &[where, target] : c.links)
            fs::create_symlink(target, scratch.file(where));
        const auto realBefore = scratch.list("real");
        const auto siteBefore = scratch.list("site");

        ASSERT_TRUE(PosixFileSystem().replaceFile(scratch.file(c.opened), "new").ok());
        for (const auto &[where, target] : c.links) {
            EXPECT_TRUE(fs::is_symlink(scratch.file(where))) << where;
            EXPECT_EQ(fs::read_symlink(scratch.file(where)).string(), target);
        }
        EXPECT_EQ(ScratchFolder::readBytes(scratch.file(c.realFile)), "new");
        EXPECT_EQ(scratch.list("real"), realBefore);
        EXPECT_EQ(scratch.list("site"), siteBefore);
    }
}

TEST(PosixFileSystem, FailedReplaceInAReadOnlyFolderLeavesTheOriginalAndNoTemporaryFile)
{
    PageInFolder site;
    const std::string folder = site.scratch.file("site");
    ChildProcess::handOver(folder);
    ::chmod(folder.c_str(), 0555);
    const int status = ChildProcess::run(
        [&] {
            const auto result = PosixFileSystem().replaceFile(site.page, "new");
            return result.ok() ? 1 : result.error.ends_with(" : permission refusée") ? 0 : 2;
        },
        ChildProcess::User::Unprivileged);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ScratchFolder::readBytes(site.page), "<html>original</html>\r\n");
    EXPECT_EQ(site.scratch.list("site"), std::vector<std::string>{"page.htm"});
}

TEST(PosixFileSystem, FailedWriteLeavesTheOriginalAndNoTemporaryFile)
{
    PageInFolder site;
    // A file size limit makes the write of the temporary file fail half-way, even for root.
    const int status = ChildProcess::run([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024, 1024};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 3;
        const auto result = PosixFileSystem().replaceFile(site.page, std::string(100000, 'x'));
        return result.ok() ? 1 : result.error.ends_with(" : fichier trop volumineux") ? 0 : 2;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ScratchFolder::readBytes(site.page), "<html>original</html>\r\n");
    EXPECT_EQ(site.scratch.list("site"), std::vector<std::string>{"page.htm"});
}

// Contents made while they are written come out whole, whatever the size of their pieces;
// contents whose making fails after megabytes were written leave the original and no
// temporary file, and the reason is the producer's.
TEST(PosixFileSystem, ContentsMadeWhileWrittenReplaceAllOrNothing)
{
    struct Case
    {
        std::size_t piece;
        std::size_t total;
        std::string failure;
    };
    const Case cases[] = {
        {1, 100000, ""},
        {70000, 5 << 20, ""},
        {3 << 20, 7 << 20, ""},
        {70000, 5 << 20, "Map illisible."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.piece) + " " + c.failure);
        PageInFolder site;
        std::string expected;
        const auto result =
            PosixFileSystem().replaceFileWith(site.page, [&](const ContentWriter &write) {
                for (int i = 0; expected.size() < c.total; ++i) {
                    const std::string text(c.piece, static_cast<char>('a' + i % 26));
                    write(text);
                    expected += text;
                }
                return c.failure;
            });
        EXPECT_EQ(result.error, c.failure);
        const std::string bytes = ScratchFolder::readBytes(site.page);
        EXPECT_TRUE(bytes == (c.failure.empty() ? expected : "<html>original</html>\r\n"));
        EXPECT_EQ(site.scratch.list("site"), std::vector<std::string>{"page.htm"});
    }
}

// A viewed page that another program cuts short ends the program with a message and exit
// status 1, not with a crash by signal.
TEST(PosixFileSystem, AViewedPageCutShortEndsTheProgramWithAMessage)
{
    ScratchFolder scratch;
    const std::string page = scratch.write("page.htm", std::string(1 << 20, 'x'));
    const int status = ChildProcess::run([&] {
        areamaker::guardAgainstTruncatedViews();
        std::unique_ptr<FileView> view;
        if (!PosixFileSystem().viewFile(page, view).ok() || ::truncate(page.c_str(), 0) != 0)
            return 3;
        return view->bytes()[(1 << 20) - 1] == 'x' ? 4 : 5;
    });
    EXPECT_EQ(status, 1);
}

// A page the user may not write is refused, as editors do, instead of being
// replaced by a rename that the folder's permissions allow.
TEST(PosixFileSystem, ReplaceRefusesAReadOnlyFile)
{
    PageInFolder site;
    ::chmod(site.page.c_str(), 0444);
    ChildProcess::handOver(site.scratch.file("site"));
    const int status = ChildProcess::run(
        [&] { return PosixFileSystem().replaceFile(site.page, "new").ok() ? 1 : 0; },
        ChildProcess::User::Unprivileged);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ScratchFolder::readBytes(site.page), "<html>original</html>\r\n");
}

// A file that did not exist is created with the usual permissions (0666 less the
// umask), not the owner-only mode of the temporary file, so that a web server can read it.
TEST(PosixFileSystem, ReplaceCreatesANewFileWithTheUsualPermissions)
{
    ScratchFolder scratch;
    const mode_t mask = ::umask(022);
    const std::string page = scratch.file("new.htm");
    const bool written = PosixFileSystem().replaceFile(page, "new").ok();
    ::umask(mask);
    ASSERT_TRUE(written);
    EXPECT_EQ(modeOf(page), 0644u);
}

TEST(PosixFileSystem, LastWriteTimeIsTheModificationTimeInUtc)
{
    ScratchFolder scratch;
    const std::string page = scratch.write("page.htm", "x");
    const FileTime times[] = {
        {2021, 3, 4, 5, 6, 7},
        {2024, 2, 29, 23, 59, 59},
        {1999, 12, 31, 0, 0, 0},
    };
    for (const FileTime &t : times) {
        std::tm calendar{};
        calendar.tm_year = t.year - 1900;
        calendar.tm_mon = t.month - 1;
        calendar.tm_mday = t.day;
        calendar.tm_hour = t.hour;
        calendar.tm_min = t.minute;
        calendar.tm_sec = t.second;
        const timespec stamps[2] = {{timegm(&calendar), 0}, {timegm(&calendar), 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, page.c_str(), stamps, 0), 0);
        const auto read = PosixFileSystem().lastWriteTime(page);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(
            std::tie(read->year, read->month, read->day, read->hour, read->minute, read->second),
            std::tie(t.year, t.month, t.day, t.hour, t.minute, t.second));
    }
    EXPECT_FALSE(PosixFileSystem().lastWriteTime(scratch.file("missing.htm")).has_value());
}

namespace {

// Sets an entry's modification time `seconds` back from now, a link as itself.
void ageEntry(const std::string &path, int seconds)
{
    timespec times[2];
    ::clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= seconds;
    times[1] = times[0];
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

} // namespace

// Only what a killed save of this very page would have left goes: the user's own regular
// files, named exactly as its temporary files are, older than a minute.
TEST(PosixFileSystem, RemovesOnlyThePagesOwnStaleTemporaries)
{
    enum class Kind
    {
        File,
        Folder,
        Link,
        OtherUsersFile
    };
    struct Case
    {
        const char *name;
        Kind kind;
        int age; // seconds
        bool removed;
    };
    const Case cases[] = {
        {".page.htm.areamaker-Ab12Cd", Kind::File, 120, true},
        {".page.htm.areamaker-zzzzzz", Kind::File, 3600 * 24, true},
        {".page.htm.areamaker-Ef34Gh", Kind::File, 10, false},
        {".page.htm.areamaker-Ab12C", Kind::File, 120, false},
        {".page.htm.areamaker-Ab12Cde", Kind::File, 120, false},
        {".page.htm.areamaker-Ab-2Cd", Kind::File, 120, false},
        {".page.htm.areamaker-Ab12Cd~", Kind::File, 120, false},
        {"page.htm.areamaker-Ab12Cd", Kind::File, 120, false},
        {".other.htm.areamaker-Ab12Cd", Kind::File, 120, false},
        {".page.htm.areamaker-Dir123", Kind::Folder, 120, false},
        {".page.htm.areamaker-Lnk123", Kind::Link, 120, false},
        {".page.htm.areamaker-Usr123", Kind::OtherUsersFile, 120, false},
    };
    const bool root = ::geteuid() == 0;
    PageInFolder site;
    const std::string outside = site.scratch.write("outside.htm", "keep");
    ageEntry(outside, 120);
    std::vector<std::string> expected = {"page.htm"};
    for (const Case &c : cases) {
        // Only root can give a file to another user.
        if (c.kind == Kind::OtherUsersFile && !root)
            continue;
        const std::string path = site.scratch.file(std::string("site/") + c.name);
        if (c.kind == Kind::Folder)
            fs::create_directory(path);
        else if (c.kind == Kind::Link)
            fs::create_symlink(outside, path);
        else
            site.scratch.write(std::string("site/") + c.name, "half-written");
        if (c.kind == Kind::OtherUsersFile) {
            ASSERT_EQ(::lchown(path.c_str(), 65534, 65534), 0);
        }
        ageEntry(path, c.age);
        if (!c.removed)
            expected.push_back(c.name);
    }
    std::sort(expected.begin(), expected.end());

    PosixFileSystem().removeStaleTemporaries(site.page);
    EXPECT_EQ(site.scratch.list("site"), expected);
    EXPECT_EQ(ScratchFolder::readBytes(site.page), "<html>original</html>\r\n");
    EXPECT_EQ(ScratchFolder::readBytes(outside), "keep") << "a link is never followed";
}

// Temporary files are made beside the file a link names, and looked for there.
TEST(PosixFileSystem, StaleTemporariesOfALinkedPageAreLookedForBesideItsTarget)
{
    PageInFolder site;
    fs::create_symlink("site/page.htm", site.scratch.file("link.htm"));
    const std::string besideTarget = site.scratch.write("site/.page.htm.areamaker-Ab12Cd", "x");
    const std::string besideLink = site.scratch.write(".link.htm.areamaker-Ab12Cd", "x");
    ageEntry(besideTarget, 120);
    ageEntry(besideLink, 120);

    PosixFileSystem().removeStaleTemporaries(site.scratch.file("link.htm"));
    EXPECT_FALSE(fs::exists(besideTarget));
    EXPECT_TRUE(fs::exists(besideLink));
}
