#pragma once

namespace areamaker {

class ImageProbe;

// What the editor module offers the program: the window, and Qt's image readers for the
// batch commands. The program finds them by these names when it loads the module.
using RunEditorFunction = int (*)(int argc, char *argv[]);
using NewImageProbeFunction = ImageProbe *(*)();

inline constexpr const char *RunEditorSymbol = "areamkrRunEditor";
inline constexpr const char *NewImageProbeSymbol = "areamkrNewImageProbe";

} // namespace areamaker
