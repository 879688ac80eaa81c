#pragma once

#include <string>

namespace areamaker {

// The filters of the file choosers, in the "Label|*.a;*.b|" form. The picture filters list
// every format the program reads.
namespace FileFilters {

std::string pages();
// The pictures alone, then with "Tous" after them.
std::string pictures();
std::string images();
// Pages first, then pictures, then any file: the targets of a link.
std::string links();

} // namespace FileFilters

} // namespace areamaker
