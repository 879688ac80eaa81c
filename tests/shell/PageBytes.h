#pragma once

#include <string>
#include <string_view>
#include <vector>

// What a saved page must look like, computed independently of the program under test.

// The page with its final line break rule applied: a page that ends with a line break keeps
// its last bytes; any other gets one of the page's style (LF when its first line break is a
// bare LF, else CR LF).
std::string withFinalLineBreak(std::string_view page);

// The text between the MAP blocks (each from "<map" through "</map>", any case), in order.
std::vector<std::string> textOutsideMapBlocks(std::string_view page);
