#include "shell/DialogTextRules.h"

#include <charconv>
#include <cmath>

namespace areamaker::DialogTextRules {

namespace {

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The text less its last character (a whole UTF-8 sequence).
std::string_view withoutLastCharacter(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && isContinuationByte(text[end - 1]))
        --end;
    return text.substr(0, end > 0 ? end - 1 : 0);
}

TextEdit selectingFrom(std::string text, int start)
{
    const int length = characterCount(text) - start;
    return {std::move(text), start, length};
}

} // namespace

int characterCount(std::string_view utf8)
{
    int count = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (!isContinuationByte(c))
            ++count;
        // Characters beyond the basic plane take two units in a text box.
        if (byte >= 0xF0)
            ++count;
    }
    return count;
}

std::optional<TextEdit> completeHyperlink(const std::string &text, std::int16_t &lastCompletion,
                                          const std::string &email)
{
    if (text == "htt" && lastCompletion != WebCompletion) {
        lastCompletion = WebCompletion;
        const std::string web = "http://www.";
        return TextEdit{web, characterCount(web), 0};
    }
    if (text == "mail" && lastCompletion != MailCompletion) {
        lastCompletion = MailCompletion;
        return selectingFrom("mailto:" + email, 7);
    }
    return std::nullopt;
}

std::optional<TextEdit> completeDefaultLink(const std::string &text)
{
    struct Completion
    {
        const char *typed;
        const char *full;
    };
    static constexpr Completion completions[] = {
        {"htt", "http://www."}, {"ft", "ftp://ftp."}, {"teln", "telnet://"}, {"gop", "gopher://"}};
    for (const Completion &c : completions)
        if (text == c.typed)
            return selectingFrom(c.full, characterCount(c.typed));
    return std::nullopt;
}

std::optional<TextEdit> completeScript(const std::string &text)
{
    if (text != "jav")
        return std::nullopt;
    return TextEdit{"javascript:function()", 11, 10};
}

bool hasUnescapedQuote(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '"' && (i == 0 || text[i - 1] != '\\'))
            return true;
    return false;
}

std::string unescapedQuoteMessage()
{
    return "L'usage des guillements anglais doit être\r\n"
           "précédé du caractère '\\' (Backslash).\r\n"
           "\r\n"
           "Autres caractères spéciaux:\r\n"
           "  \\n : retour à la ligne\r\n"
           "  \\t : tabulation\r\n"
           "  \\\" : guillemets\r\n"
           "  \\' : apostrophe\r\n"
           "  ...";
}

std::optional<std::string> titleFollowingAlt(const std::string &alt, const std::string &title)
{
    if (alt.empty() || title != withoutLastCharacter(alt))
        return std::nullopt;
    return alt;
}

std::string pixelSizeText(ImageSize size)
{
    return std::to_string(size.width) + " x " + std::to_string(size.height) + " pixels";
}

std::string fileSizeText(std::uintmax_t bytes, const std::string &decimalSeparator)
{
    const double kilobytes = static_cast<double>(bytes) / 1024.0;
    std::string digits;
    if (kilobytes >= 100) {
        digits = std::to_string(static_cast<std::uintmax_t>(std::floor(kilobytes)));
    } else {
        char buffer[64];
        const auto written =
            std::to_chars(buffer, buffer + sizeof buffer, kilobytes, std::chars_format::fixed);
        digits.assign(buffer, written.ptr);
        digits.resize(std::min<std::size_t>(digits.size(), 4));
        if (const std::size_t point = digits.find('.'); point != std::string::npos)
            digits.replace(point, 1, decimalSeparator);
    }
    return "Image " + digits + " Ko";
}

} // namespace areamaker::DialogTextRules
