#include "app/EditorModule.h"

#include <dlfcn.h>

#include <filesystem>
#include <iostream>

namespace areamaker {

namespace {

void *moduleHandle = nullptr;

// The module is built beside the program, found through the program's own file so that a
// link to the program elsewhere still finds it.
std::string modulePath()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return (program.parent_path() / AREAMKR_EDITOR_MODULE).string();
}

} // namespace

void *EditorModule::find(const char *symbol, std::string &failure)
{
    if (!moduleHandle)
        moduleHandle = dlopen(modulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!moduleHandle) {
        failure = std::string("Module de l'éditeur introuvable ou illisible : ") + dlerror();
        return nullptr;
    }
    void *found = dlsym(moduleHandle, symbol);
    if (!found)
        failure = std::string("Module de l'éditeur incomplet : ") + symbol + " manque.";
    return found;
}

int EditorModule::runEditor(int argc, char *argv[])
{
    std::string failure;
    const auto run = reinterpret_cast<RunEditorFunction>(find(RunEditorSymbol, failure));
    if (!run) {
        std::cerr << failure << '\n';
        return 1;
    }
    return run(argc, argv);
}

std::unique_ptr<ImageProbe> EditorModule::newImageProbe()
{
    std::string failure;
    const auto make = reinterpret_cast<NewImageProbeFunction>(find(NewImageProbeSymbol, failure));
    if (!make) {
        std::cerr << failure << " Les tailles des images ne peuvent pas être lues.\n";
        return nullptr;
    }
    return std::unique_ptr<ImageProbe>(make());
}

std::optional<ImageSize> ModuleImageProbe::probe(const std::string &path)
{
    if (!mTried) {
        mTried = true;
        mProbe = EditorModule::newImageProbe();
    }
    return mProbe ? mProbe->probe(path) : std::nullopt;
}

} // namespace areamaker
