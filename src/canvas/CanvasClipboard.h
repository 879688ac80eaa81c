#pragma once

#include "document/PageEncoding.h"

namespace areamaker {

class CanvasModel;

// The one-zone clipboard of the canvas, kept across maps: copy and cut the selected zone,
// paste it at the last right-click position.
class CanvasClipboard
{
public:
    explicit CanvasClipboard(CanvasModel &canvas) : mCanvas(canvas) {}

    bool holdsZone() const;
    void CopyZone();
    void CutZone();
    void PasteZone();

private:
    bool zoneSelected() const;

    CanvasModel &mCanvas;
    // The encoding of the page the zone was copied from.
    PageEncoding mEncoding;
};

} // namespace areamaker
