#pragma once

#include "platform/ImageProbe.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace areamaker {

// A text box's new text and selection, in characters.
struct TextEdit
{
    std::string text;
    int selectionStart = 0;
    int selectionLength = 0;
    bool operator==(const TextEdit &) const = default;
};

// Which completion the hyperlink box made last.
enum HyperlinkCompletion : std::int16_t
{
    NoCompletion = 0,
    WebCompletion = 1,
    MailCompletion = 2,
};

// The rules the properties dialogs apply to what is typed into their boxes.
namespace DialogTextRules {

inline constexpr std::array<const char *, 5> ScriptSnippets = {
    "alert('votre message ici')", "confirm('votre message ici')",
    "javascript:parent.history.back(-1)",
    "javascript:window.status='votre message ici'; return true",
    "javascript:window.open('url ici','nom ici')"};

// Used when the user's profile holds no address; meant to be typed over.
inline constexpr const char *PlaceholderEmail = "votre.nom@domaine.com";

// "htt" and "mail" in the zone's hyperlink box; the same completion twice in a row is not
// made again, so the user can delete back to what was typed.
std::optional<TextEdit> completeHyperlink(const std::string &text, std::int16_t &lastCompletion,
                                          const std::string &email);
// "htt", "ft", "teln" and "gop" in the default URL box; the completed rest is selected.
std::optional<TextEdit> completeDefaultLink(const std::string &text);
// "jav" in a script box.
std::optional<TextEdit> completeScript(const std::string &text);
// A double quote without a backslash before it (one in first place never has one).
bool hasUnescapedQuote(std::string_view text);
// The warning about such a quote, line by line.
std::string unescapedQuoteMessage();
// The title follows the alternative text while it equals that text less its last
// character; the new title, or nothing when it stays.
std::optional<std::string> titleFollowingAlt(const std::string &alt, const std::string &title);

// "W x H pixels".
std::string pixelSizeText(ImageSize size);
// "Image s Ko": up to four characters of the size in Ko below 100, its whole part above.
std::string fileSizeText(std::uintmax_t bytes, const std::string &decimalSeparator);

// Characters, not bytes, of a UTF-8 text, as text boxes count them.
int characterCount(std::string_view utf8);

} // namespace DialogTextRules

} // namespace areamaker
