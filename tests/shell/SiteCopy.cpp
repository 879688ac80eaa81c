#include "SiteCopy.h"

SiteCopy::SiteCopy(const std::string &sourcePage, const std::string &name,
                   const std::string &imagesFolder)
{
    mFolder.copyIn(imagesFolder, "images");
    mPage = mFolder.copyIn(sourcePage, name);
}
