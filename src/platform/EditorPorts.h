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

// The bundle for one object that is every view and dialog at once, as a window-less run
// and the recording fakes are.
template <typename AllViews>
EditorPorts portsOf(AllViews &views, ImageProbe &images, FileSystem &files)
{
    return {&views, &views, &images, &files, &views, &views,
            &views, &views, &views,  &views, &views};
}

} // namespace areamaker
