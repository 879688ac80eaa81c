#include "shell/HeadlessSession.h"

namespace areamaker {

HeadlessSession::HeadlessSession(FileSystem &files, ImageProbe &images, PathStyle style)
    : mLifecycle(mDocument,
                 {&mViews, &mViews, &images, &files, &mViews, &mViews, &mViews, &mViews, &mViews,
                  &mViews, &mViews},
                 style)
{
}

} // namespace areamaker
