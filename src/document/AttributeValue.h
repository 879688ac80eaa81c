#pragma once

#include <string>
#include <string_view>

namespace areamaker {

// A value as the editor writes it between double quotes: a double quote becomes &quot;,
// and a '<' that would open a MAP start or end tag becomes &lt;, so that the tag stays
// well formed and blocks are bounded where they were. Browsers decode both to the
// characters written.
std::string encodeAttributeValue(std::string_view value);
// The same, appended to `text`.
void appendEncodedAttributeValue(std::string &text, std::string_view value);
// The value a tag holds, with those two forms turned back into their characters.
std::string decodeAttributeValue(std::string_view written);

} // namespace areamaker
