#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace areamaker {

// Appends `utf8` to `out` as a JSON string literal, quoted and escaped.
void appendJsonString(std::string &out, std::string_view utf8);

// Writes text to a stream through a buffer that is handed on in pieces of 64 KB, so that a
// listing of any length holds little memory; text given to `string` must be UTF-8. What
// was handed on stays written: a caller that fails half-way drops what is held back, so a
// short output is printed whole or not at all and a long one is cut short.
class JsonWriter
{
public:
    explicit JsonWriter(std::ostream &out) : mOut(out) {}
    // Hands on what is still held back.
    ~JsonWriter();
    JsonWriter(const JsonWriter &) = delete;
    JsonWriter &operator=(const JsonWriter &) = delete;

    // Text written as it stands: JSON braces, brackets, commas, keys already quoted.
    JsonWriter &raw(std::string_view text);
    JsonWriter &raw(char c);
    JsonWriter &number(long long value);
    // A string literal, quoted and escaped.
    JsonWriter &string(std::string_view utf8);
    // Hands everything written so far to the stream and flushes it.
    void flush();
    // Forgets what was written and not yet handed on.
    void dropHeldBack() { mBuffer.clear(); }

private:
    void handOnIfFull();

    std::ostream &mOut;
    std::string mBuffer;
};

} // namespace areamaker
