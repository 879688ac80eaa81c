#include "adapters/PosixBrowserLauncher.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sys/stat.h>
#include <thread>

namespace areamaker {
namespace {

// Waits for a file that a detached program writes, a few seconds at most.
std::string awaitFile(const std::string &path)
{
    for (int i = 0; i < 300; ++i) {
        struct stat info
        {
        };
        if (stat(path.c_str(), &info) == 0 && info.st_size > 0)
            return ScratchFolder::readBytes(path);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
}

TEST(PosixBrowserLauncherTest, StartsTheProgramWithTheUrlAsItsOneArgument)
{
    ScratchFolder folder;
    const std::string record = folder.file("args.txt");
    const std::string script =
        folder.write("my browser", "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > '" + record +
                                       ".tmp'\nmv '" + record + ".tmp' '" + record + "'\n");
    chmod(script.c_str(), 0755);
    const std::string url = "file:///site/a%20b%232.htm";
    EXPECT_EQ(PosixBrowserLauncher().launch(script, url), "");
    EXPECT_EQ(awaitFile(record), "1|" + url + "|");
}

TEST(PosixBrowserLauncherTest, FailuresAreToldInFrench)
{
    ScratchFolder folder;
    const std::string plain = folder.write("notes.txt", "not a program");
    const std::pair<std::string, std::string> cases[] = {
        {folder.file("missing"), "Le fichier n'existe pas."},
        {plain, "Permission refusée : ce fichier ne peut pas être exécuté."},
        {folder.path(), "Permission refusée : ce fichier ne peut pas être exécuté."},
    };
    for (const auto &[program, reason] : cases)
        EXPECT_EQ(PosixBrowserLauncher().launch(program, "file:///x.htm"), reason) << program;
}

} // namespace
} // namespace areamaker
