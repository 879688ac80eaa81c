#pragma once

#include "platform/EditorViews.h"
#include "platform/FileDialogPort.h"
#include "platform/FileSystem.h"
#include "platform/ImageProbe.h"
#include "platform/MessageBoxPort.h"

namespace areamaker {

// Everything the document core reaches outside itself, handed over as one bundle.
struct EditorPorts
{
    MessageBoxPort *messages = nullptr;
    FileDialogPort *fileDialogs = nullptr;
    ImageProbe *images = nullptr;
    FileSystem *files = nullptr;
    TreeViewPort *tree = nullptr;
    PropertyGridPort *grid = nullptr;
    StatusBarPort *status = nullptr;
    CommandStatePort *commands = nullptr;
    CanvasPort *canvas = nullptr;
    WindowTitlePort *title = nullptr;
    RecentDocumentsPort *recent = nullptr;
};

} // namespace areamaker
