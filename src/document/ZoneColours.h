#pragma once

#include "platform/DrawingSurface.h"

namespace areamaker {

// The colour and width settings that decide how zones, outlines and handles are drawn.
struct ZoneColours
{
    int ClrSelBorderId = 9;
    int ClrDefBorderId = 12;
    int ClrDefTrameId = 12;
    int ClrDefHandleId = 13;
    int ClrSelHandleId = 6;
    int LinPtSel = 1;
    int LinPtDef = 1;
};

// Turns one of the sixteen colour indices into 0xBBGGRR; any other index gives black.
Rgb ColorIndexToRgb(int index);

} // namespace areamaker
