#pragma once

#include "ScratchFolder.h"

#include <string>

// A copy of a page in a scratch folder, beside a copy of an images folder (the demo's unless
// told), so that the page's relative image paths resolve and the original is never written.
class SiteCopy
{
public:
    SiteCopy(const std::string &sourcePage, const std::string &name = "page.htm",
             const std::string &imagesFolder = DEMO_DIR "/images");

    const std::string &page() const { return mPage; }
    std::string bytes() const { return ScratchFolder::readBytes(mPage); }
    const ScratchFolder &folder() const { return mFolder; }

private:
    ScratchFolder mFolder;
    std::string mPage;
};
