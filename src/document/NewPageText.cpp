#include "document/NewPageText.h"

#include <algorithm>

namespace areamaker {

namespace {

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A file name may hold characters that would end the title or start an entity.
std::string titleText(std::string_view fileName)
{
    std::string text;
    for (const char c : fileName) {
        if (c == '&')
            text += "&amp;";
        else if (c == '<')
            text += "&lt;";
        else if (c == '>')
            text += "&gt;";
        else
            text += c;
    }
    return text;
}

} // namespace

std::string newPageText(std::string_view fileName)
{
    const std::string charset = isAscii(fileName) ? std::string()
                                                  : "<META HTTP-EQUIV=\"Content-Type\" "
                                                    "CONTENT=\"text/html; charset=UTF-8\">\r\n";
    return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\r\n"
           "\r\n"
           "<HTML>\r\n"
           "<HEAD>\r\n"
           "\r\n" +
           charset + "<TITLE>" + titleText(fileName) +
           "</TITLE>\r\n"
           "\r\n"
           "</HEAD>\r\n"
           "<BODY>\r\n"
           "\r\n"
           "\r\n"
           "\r\n"
           "</BODY>\r\n"
           "</HTML>\r\n"
           "\r\n";
}

} // namespace areamaker
