#include "shell/JsonWriter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <ostream>

namespace areamaker {

namespace {

constexpr std::size_t HandOnSize = 1 << 16;

// The bytes a JSON string cannot hold as they are, looked up rather than compared: every
// byte of a listing goes through here.
constexpr std::array<bool, 256> escapedBytes = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 0x20; ++c)
        table[static_cast<std::size_t>(c)] = true;
    table['"'] = table['\\'] = true;
    return table;
}();

bool needsEscape(char c)
{
    return escapedBytes[static_cast<unsigned char>(c)];
}

void appendEscape(std::string &out, char c)
{
    switch (c) {
    case '"':
        out += "\\\"";
        break;
    case '\\':
        out += "\\\\";
        break;
    case '\n':
        out += "\\n";
        break;
    case '\r':
        out += "\\r";
        break;
    case '\t':
        out += "\\t";
        break;
    default: {
        constexpr char hex[] = "0123456789abcdef";
        const auto code = static_cast<unsigned char>(c);
        out += "\\u00";
        out += hex[code >> 4];
        out += hex[code & 0xF];
    }
    }
}

} // namespace

void appendJsonString(std::string &out, std::string_view utf8)
{
    out += '"';
    // Runs that need no escape are copied whole.
    for (auto run = utf8.begin(); run != utf8.end();) {
        const auto special = std::find_if(run, utf8.end(), needsEscape);
        out.append(run, special);
        if (special == utf8.end())
            break;
        appendEscape(out, *special);
        run = special + 1;
    }
    out += '"';
}

JsonWriter::~JsonWriter()
{
    flush();
}

void JsonWriter::handOnIfFull()
{
    // The buffer keeps its memory from one piece to the next: no fresh pages are touched.
    if (mBuffer.size() >= HandOnSize) {
        mOut.write(mBuffer.data(), static_cast<std::streamsize>(mBuffer.size()));
        mBuffer.clear();
    }
}

JsonWriter &JsonWriter::raw(std::string_view text)
{
    mBuffer += text;
    handOnIfFull();
    return *this;
}

JsonWriter &JsonWriter::raw(char c)
{
    mBuffer += c;
    handOnIfFull();
    return *this;
}

JsonWriter &JsonWriter::number(long long value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    mBuffer.append(digits, end);
    handOnIfFull();
    return *this;
}

JsonWriter &JsonWriter::string(std::string_view utf8)
{
    appendJsonString(mBuffer, utf8);
    handOnIfFull();
    return *this;
}

void JsonWriter::flush()
{
    mOut.write(mBuffer.data(), static_cast<std::streamsize>(mBuffer.size()));
    mBuffer.clear();
    mOut.flush();
}

} // namespace areamaker
