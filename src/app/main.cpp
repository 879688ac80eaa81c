#include "adapters/PosixFileSystem.h"
#include "adapters/QtImageProbe.h"
#include "shell/BatchCommands.h"

#include <QCoreApplication>

#include <filesystem>
#include <iostream>
#include <string_view>

namespace {

int usage()
{
    std::cerr << "Utilisation : areamkr --list PAGE | areamkr --rewrite PAGE\n";
    return 2;
}

// Image paths are resolved against the page, so the page's own path must be absolute.
std::string absolutePath(const char *path)
{
    return std::filesystem::absolute(path).lexically_normal().string();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3)
        return usage();
    const std::string_view command = argv[1];
    if (command != "--list" && command != "--rewrite")
        return usage();
    // The image readers are plugins: an application object finds them, no display needed.
    QCoreApplication app(argc, argv);
    areamaker::PosixFileSystem files;
    areamaker::QtImageProbe images;
    areamaker::BatchCommands batch(files, images);
    const std::string page = absolutePath(argv[2]);
    if (command == "--list")
        return batch.list(page, std::cout, std::cerr);
    return batch.rewrite(page, std::cerr);
}
