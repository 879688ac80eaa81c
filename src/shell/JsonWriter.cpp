#include "shell/JsonWriter.h"

#include <algorithm>
#include <charconv>
#include <ostream>

namespace areamaker {

namespace {

constexpr std::size_t ChunkSize = 1 << 20;

bool needsEscape(char c)
{
    return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
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

JsonWriter::JsonWriter()
{
    roomyChunk();
}

std::string &JsonWriter::roomyChunk()
{
    // A full chunk is left as it is and a new one started: what was written never moves.
    if (mChunks.empty() || mChunks.back().size() >= ChunkSize - ChunkSize / 8) {
        mChunks.emplace_back();
        mChunks.back().reserve(ChunkSize);
    }
    return mChunks.back();
}

JsonWriter &JsonWriter::raw(std::string_view json)
{
    roomyChunk() += json;
    return *this;
}

JsonWriter &JsonWriter::number(long long value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    roomyChunk().append(digits, end);
    return *this;
}

JsonWriter &JsonWriter::string(std::string_view utf8)
{
    appendJsonString(roomyChunk(), utf8);
    return *this;
}

void JsonWriter::writeTo(std::ostream &out) const
{
    for (const std::string &chunk : mChunks)
        out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    out.flush();
}

} // namespace areamaker
