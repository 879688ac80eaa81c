#include "shell/AppSettings.h"

namespace areamaker {

ZoneColours AppSettings::zoneColours() const
{
    return {ClrSelBorderId, ClrDefBorderId, ClrDefTrameId, ClrDefHandleId,
            ClrSelHandleId, LinPtSel,       LinPtDef};
}

} // namespace areamaker
