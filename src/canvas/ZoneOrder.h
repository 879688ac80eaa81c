#pragma once

namespace areamaker {

class CanvasModel;

// The order of the active map's zones: browsers, like the canvas, take the first zone that
// contains the click, so a zone brought to the front becomes the first of its map and one
// sent to the back the last. The tree and the saved page follow the new order.
class ZoneOrder
{
public:
    explicit ZoneOrder(CanvasModel &canvas) : mCanvas(canvas) {}

    void bringToFront();
    void sendToBack();
    // Whether the selected zone has a live zone ahead of it (front) or behind it (back).
    bool canMove(bool toFront) const;

private:
    void moveSelected(bool toFront);

    CanvasModel &mCanvas;
};

} // namespace areamaker
