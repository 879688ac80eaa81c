#pragma once

#include <string>
#include <string_view>

namespace areamaker {

// Edits of one start tag's text that leave the rest of the tag as it was.

enum class NameSpelling
{
    AsGiven,  // the attribute is written with the name passed in
    AsWritten // an attribute the tag has keeps its name as the page wrote it
};

// Puts name="value" (double-quoted, encoded) in place of the attribute, or after the last
// attribute when the tag has none of that name.
void setAttribute(std::string &tag, std::string_view name, const std::string &value,
                  NameSpelling spelling = NameSpelling::AsGiven);
// Removes the attribute with the white space before it.
void removeAttribute(std::string &tag, std::string_view name);

} // namespace areamaker
