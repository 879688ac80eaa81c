#pragma once

#include <string>
#include <string_view>

namespace areamaker {

// Appends JSON string literals; text must be UTF-8.
std::string jsonString(std::string_view utf8);

} // namespace areamaker
