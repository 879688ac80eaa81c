#include "dialogs/QtPropertyDialogs.h"

#include "dialogs/MapPropertiesDialog.h"
#include "dialogs/ZonePropertiesDialog.h"

namespace areamaker {

void QtPropertyDialogs::showZoneDialog(ZonePropertiesForm &form)
{
    ZonePropertiesDialog dialog(form, mOwner);
    dialog.exec();
}

void QtPropertyDialogs::showMapDialog(MapPropertiesForm &form)
{
    MapPropertiesDialog dialog(form, mOwner);
    dialog.exec();
}

} // namespace areamaker
