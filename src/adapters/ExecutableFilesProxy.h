#pragma once

#include <QSortFilterProxyModel>

namespace areamaker {

// Lets a file dialog list only the files the user may run (folders stay, to move around),
// while it is switched on.
class ExecutableFilesProxy : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setActive(bool active);

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override;

private:
    bool mActive = true;
};

} // namespace areamaker
