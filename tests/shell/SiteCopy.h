#pragma once

#include "ScratchFolder.h"

#include <string>

// A copy of a page in a scratch folder, beside a copy of the demo's images folder, so that
// the page's relative image paths resolve and the original is never written.
class SiteCopy
{
public:
    SiteCopy(const std::string &sourcePage, const std::string &name = "page.htm");

    const std::string &page() const { return mPage; }
    std::string bytes() const { return ScratchFolder::readBytes(mPage); }
    const ScratchFolder &folder() const { return mFolder; }

private:
    ScratchFolder mFolder;
    std::string mPage;
};
