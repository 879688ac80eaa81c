#include "shell/AppSettings.h"

#include "document/Paths.h"

#include <cstdlib>

namespace areamaker {

std::string defaultDefPath()
{
    if (nativePathStyle() == PathStyle::Windows)
        return "C:\\";
    const char *home = std::getenv("HOME");
    if (!home || *home == '\0')
        return "/";
    std::string folder = home;
    return folder.back() == '/' ? folder : folder + '/';
}

} // namespace areamaker
