#pragma once

#include <optional>
#include <string>

namespace areamaker {

// The file a link names on this computer, resolved against the page's folder with its query
// and fragment left out and its %XX escapes decoded; nothing for a link that names no local
// file: one with a scheme (http:, mailto:...), "//host", a fragment or query alone, a path
// from the site's root (whose folder the page does not tell), or server code.
std::optional<std::string> localFileOf(const std::string &href, const std::string &pagePath);

// The text with every %XX escape turned into its byte; a '%' not followed by two hex digits
// stays as it is.
std::string percentDecoded(const std::string &text);

} // namespace areamaker
