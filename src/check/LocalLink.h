#pragma once

#include <string>
#include <string_view>

namespace areamaker {

// Resolves the links of one page to the files they name on this computer: against the page's
// folder, with their query and fragment left out and their %XX escapes decoded. A link with
// a scheme (http:, mailto:...), "//host", a fragment or query alone, a path from the site's
// root (whose folder the page does not tell), or server code names no local file.
class LocalLink
{
public:
    explicit LocalLink(const std::string &pagePath);

    // The file the link names, lexically normal; nullptr when it names no local file. The
    // text is reused by the next call, so that a page of many links costs no allocation each.
    const std::string *fileOf(std::string_view href);
    const std::string &folder() const { return mFolder; }

private:
    void appendSegments(std::string_view path);

    std::string mFolder; // the page's folder, ending with '/' unless the page has none
    std::string mDecoded;
    std::string mFile;
};

// Appends the text with every %XX escape turned into its byte; a '%' not followed by two hex
// digits stays as it is.
void appendPercentDecoded(std::string_view text, std::string &out);

} // namespace areamaker
