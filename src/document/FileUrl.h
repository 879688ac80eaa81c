#pragma once

#include "document/Paths.h"

#include <string>

namespace areamaker {

// The file:// URL of an absolute path: every byte outside the unreserved characters and
// the separators is percent-encoded, so blanks, '#', '%' and accents survive a browser.
std::string FileUrl(const std::string &path, PathStyle style = nativePathStyle());

} // namespace areamaker
