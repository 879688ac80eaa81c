#pragma once

#include <string>

namespace areamaker {

// The French text of a system error number, for messages that must never show the system's
// own text in another language.
std::string systemErrorText(int number);

} // namespace areamaker
