#pragma once

#include "app/EditorEntry.h"
#include "platform/ImageProbe.h"

#include <memory>
#include <string>

namespace areamaker {

// The editor's windows and Qt's image readers live in a module beside the program, loaded
// only when needed: batch commands then start without the window system's libraries, whose
// loading would take longer than listing a page of a few megabytes.
class EditorModule
{
public:
    static int runEditor(int argc, char *argv[]);
    // Null, said on stderr, when the module cannot be loaded.
    static std::unique_ptr<ImageProbe> newImageProbe();

private:
    // The module's entry of that name, the module loaded once; null, with the reason in
    // French, when there is none.
    static void *find(const char *symbol, std::string &failure);
};

// Qt's image readers, loaded with the module at the first picture probed. A module that
// cannot be loaded finds no picture, which is said once on stderr.
class ModuleImageProbe : public ImageProbe
{
public:
    std::optional<ImageSize> probe(const std::string &path) override;

private:
    std::unique_ptr<ImageProbe> mProbe;
    bool mTried = false;
};

} // namespace areamaker
