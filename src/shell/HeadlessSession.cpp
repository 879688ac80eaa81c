#include "shell/HeadlessSession.h"

namespace areamaker {

HeadlessSession::HeadlessSession(FileSystem &files, ImageProbe &images, PathStyle style)
    : mLifecycle(mDocument, portsOf(mViews, images, files), style)
{
}

} // namespace areamaker
