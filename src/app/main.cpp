#include "adapters/PosixFileSystem.h"
#include "adapters/TruncationGuard.h"
#include "app/AbsolutePath.h"
#include "app/EditorModule.h"
#include "shell/BatchCommands.h"

#include <iostream>
#include <string_view>
#include <vector>

namespace {

int usage()
{
    std::cerr << "Utilisation : areamkr --list PAGE | areamkr --check [--json] PAGE... | "
                 "areamkr --rewrite PAGE\n";
    return 2;
}

bool isBatchCommand(std::string_view argument)
{
    return argument == "--list" || argument == "--rewrite" || argument == "--check";
}

// --check [--json] PAGE...: the pages as given, so that the report names them that way.
int runCheck(areamaker::BatchCommands &batch, int argc, char *argv[])
{
    const bool json = argc > 2 && std::string_view(argv[2]) == "--json";
    const std::vector<std::string> pages(argv + (json ? 3 : 2), argv + argc);
    if (pages.empty())
        return usage();
    return batch.check(pages, json, std::cout, std::cerr);
}

int runBatch(int argc, char *argv[])
{
    const bool check = std::string_view(argv[1]) == "--check";
    if (argc != 3 && !check)
        return usage();
    // The commands view pages through their mapped pages, which another program may cut short.
    areamaker::guardAgainstTruncatedViews();
    areamaker::PosixFileSystem files;
    areamaker::ModuleImageProbe images;
    areamaker::BatchCommands batch(files, images);
    if (check)
        return runCheck(batch, argc, argv);
    const std::string page = areamaker::absolutePath(argv[2]);
    if (std::string_view(argv[1]) == "--list")
        return batch.list(page, std::cout, std::cerr);
    return batch.rewrite(page, std::cerr);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && isBatchCommand(argv[1]))
        return runBatch(argc, argv);
    return areamaker::EditorModule::runEditor(argc, argv);
}
