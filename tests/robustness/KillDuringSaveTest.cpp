#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string contents(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Lower-case hand-written maps, so that every rewrite changes most of the page.
std::string largePage()
{
    std::string page = "<html>\n<body>\n";
    for (int m = 0; m < 3000; ++m) {
        page +=
            "<img src=\"p" + std::to_string(m) + ".gif\" usemap=\"#m" + std::to_string(m) + "\">\n";
        page += "<map name=\"m" + std::to_string(m) + "\">\n";
        for (int a = 0; a < 20; ++a)
            page += "  <area shape=\"rect\" coords=\"" + std::to_string(a) +
                    ",1,40,50\" href=\"page" + std::to_string(a) + ".htm\" alt=\"zone " +
                    std::to_string(a) + "\">\n";
        page += "</map>\n";
    }
    return page + "</body>\n</html>\n";
}

pid_t startRewrite(const fs::path &page)
{
    const pid_t child = fork();
    if (child == 0) {
        execl(AREAMKR_PATH, AREAMKR_PATH, "--rewrite", page.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    return child;
}

int waitFor(pid_t child)
{
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

std::size_t entryCount(const fs::path &folder)
{
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(KillDuringSaveTest, APageIsEitherOldOrNewNeverAMix)
{
    const fs::path folder =
        fs::temp_directory_path() / ("areamaker-kill-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path page = folder / "page.htm";
    const std::string before = largePage();
    std::ofstream(page, std::ios::binary) << before;

    const auto started = Clock::now();
    ASSERT_EQ(waitFor(startRewrite(page)), 0);
    const auto normalRun = Clock::now() - started;
    const std::string after = contents(page);
    ASSERT_NE(after, before);
    EXPECT_EQ(entryCount(folder), 1u) << "a normal run leaves no temporary file";

    std::mt19937 random(20261207);
    // Past the end of a normal run too, so that some kills come after the rename.
    const auto longest =
        std::chrono::duration_cast<std::chrono::microseconds>(normalRun).count() * 5 / 4;
    std::uniform_int_distribution<long long> moment(0, longest);
    int oldSeen = 0, newSeen = 0;
    for (int run = 0; run < 50; ++run) {
        std::ofstream(page, std::ios::binary | std::ios::trunc) << before;
        const pid_t child = startRewrite(page);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        kill(child, SIGKILL);
        waitFor(child);
        const std::string now = contents(page);
        ASSERT_TRUE(now == before || now == after)
            << "run " << run << " left " << now.size() << " bytes";
        (now == before ? oldSeen : newSeen)++;
    }
    std::cout << "killed runs: " << oldSeen << " left the old page, " << newSeen
              << " the new one\n";

    std::ofstream(page, std::ios::binary | std::ios::trunc) << before;
    const std::size_t leftovers = entryCount(folder);
    ASSERT_EQ(waitFor(startRewrite(page)), 0)
        << "temporary files of killed runs do not disturb a save";
    EXPECT_EQ(contents(page), after);
    EXPECT_EQ(entryCount(folder), leftovers);
    fs::remove_all(folder);
}

} // namespace
