#pragma once

#include "platform/PropertyDialogsPort.h"

class QWidget;

namespace areamaker {

// The properties dialogs as Qt windows, modal over their owner.
class QtPropertyDialogs : public PropertyDialogsPort
{
public:
    explicit QtPropertyDialogs(QWidget *owner = nullptr) : mOwner(owner) {}
    void setOwner(QWidget *owner) { mOwner = owner; }

    void showZoneDialog(ZonePropertiesForm &form) override;
    void showMapDialog(MapPropertiesForm &form) override;

private:
    QWidget *mOwner;
};

} // namespace areamaker
