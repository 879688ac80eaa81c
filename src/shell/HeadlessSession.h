#pragma once

#include "document/DocumentLifecycle.h"
#include "document/MapDocument.h"
#include "shell/HeadlessViews.h"

namespace areamaker {

class FileSystem;
class ImageProbe;

// A document worked on without a window: the views show nothing and every question is
// declined, so a failure ends the operation with its reason in lastError.
class HeadlessSession
{
public:
    HeadlessSession(FileSystem &files, ImageProbe &images, PathStyle style = nativePathStyle());

    MapDocument &document() { return mDocument; }
    DocumentLifecycle &lifecycle() { return mLifecycle; }

private:
    HeadlessViews mViews;
    MapDocument mDocument;
    DocumentLifecycle mLifecycle;
};

} // namespace areamaker
