#include "adapters/ExecutableFilesProxy.h"

#include <QFileInfo>
#include <QFileSystemModel>

namespace areamaker {

void ExecutableFilesProxy::setActive(bool active)
{
    mActive = active;
    invalidateFilter();
}

bool ExecutableFilesProxy::filterAcceptsRow(int row, const QModelIndex &parent) const
{
    const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (!mActive || !files)
        return true;
    const QFileInfo info = files->fileInfo(files->index(row, 0, parent));
    return info.isDir() || (info.isFile() && info.isExecutable());
}

} // namespace areamaker
