#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace areamaker {

// Appends `utf8` to `out` as a JSON string literal, quoted and escaped.
void appendJsonString(std::string &out, std::string_view utf8);

// Builds JSON text in chunks of a megabyte that are never moved or copied as the text
// grows, then writes them out in a few large writes; text given to `string` must be UTF-8.
// A caller that fails before writing drops the text, so nothing half-made is printed.
class JsonWriter
{
public:
    JsonWriter();

    // Markup written as it stands: braces, brackets, commas, keys already quoted.
    JsonWriter &raw(std::string_view json);
    JsonWriter &number(long long value);
    // A string literal, quoted and escaped.
    JsonWriter &string(std::string_view utf8);
    // Writes the whole text to `out` and flushes it.
    void writeTo(std::ostream &out) const;

private:
    std::string &roomyChunk();

    std::vector<std::string> mChunks;
};

} // namespace areamaker
