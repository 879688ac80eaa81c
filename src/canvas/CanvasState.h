#pragma once

#include "document/Zone.h"

#include <cstdint>
#include <vector>

namespace areamaker {

// Canvas modes: what the pointer is doing on the picture.
enum CanvasModeCode : std::int16_t
{
    NoPicture = -1,
    Idle = 0,
    ZoneSelected = 1,
    Tracing = 2,
    Resizing = 3,
    Moving = 4,
};

// The canvas's working state, next to the document: mode, handles, tracing, clipboard.
struct CanvasState
{
    std::int16_t CanvasMode = NoPicture;
    std::vector<Zone> Handles;
    std::int16_t HandleCount = 0;
    std::int16_t ActiveHandleIndex = -1;
    std::vector<Zone> TraceZones;
    std::int16_t TraceStep = 0;
    std::int16_t TraceShape = 0;
    std::vector<Point> TracePoints;
    Point DragAnchor;
    Point ContextPoint;
    Point ClipboardAnchor;
    Zone ClipboardZone;
    // 1: commands act on the active map, 0: on the selected zone.
    std::int16_t MapFocus = 1;
    bool ImageShown = false;
    std::int16_t VScrollMax = 0;
    std::int16_t HScrollMax = 0;

    CanvasState() { ClipboardZone.setHForme(ShapeNone); }
};

} // namespace areamaker
