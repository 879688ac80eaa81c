#pragma once

#include <string>
#include <string_view>

namespace areamaker {

// What a file that is not an HTML text holds, as a French noun phrase ("une image JPEG",
// "un fichier binaire"), or an empty string for a text. A page stored in UTF-16 is a text:
// the reader refuses it with its own message.
std::string binaryKindOf(std::string_view bytes);

} // namespace areamaker
