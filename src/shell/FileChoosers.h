#pragma once

#include "document/Paths.h"
#include "platform/FileDialogPort.h"

#include <string>

namespace areamaker {

// The file choosers of the grid and the dialogs, in one place: their titles, filters and
// default extensions. The image entries list every format the picture readers take.
OpenFileRequest hyperlinkChooser(const std::string &initialFolder);
// The map's picture; `allFiles` adds the "Tous" entry after the images.
OpenFileRequest imageChooser(const std::string &initialFolder, bool allFiles);
// The assistant's choosers: a page to create or open, its picture, the default link.
OpenFileRequest pageChooser(const std::string &title, const std::string &initialFolder);
OpenFileRequest assistantImageChooser(const std::string &initialFolder);
// What the user is told of a chosen picture that cannot be read.
std::string unreadablePictureText(const std::string &path,
                                  PathStyle style = nativePathStyle());

} // namespace areamaker
