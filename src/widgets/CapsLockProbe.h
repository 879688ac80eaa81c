#pragma once

#include <optional>

namespace areamaker {

// The keyboard's real Caps Lock state, asked of the display server; nothing where the
// platform cannot tell (the offscreen platform of the tests).
std::optional<bool> capsLockState();

} // namespace areamaker
