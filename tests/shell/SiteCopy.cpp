#include "SiteCopy.h"

SiteCopy::SiteCopy(const std::string &sourcePage, const std::string &name)
{
    mFolder.copyIn(DEMO_DIR "/images", "images");
    mPage = mFolder.copyIn(sourcePage, name);
}
