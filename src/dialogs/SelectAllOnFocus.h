#pragma once

#include <QObject>

namespace areamaker {

// Watches line boxes so that each selects its whole text when it gets the focus, as typing
// then replaces what it held.
class SelectAllOnFocus : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace areamaker
