#pragma once

#include "document/AreaAttributes.h"
#include "document/ZoneColours.h"
#include "platform/DrawingSurface.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace areamaker {

enum ZoneShape : std::int16_t {
    ShapeNone = -1,
    ShapeRectangle = 1,
    ShapeCircle = 2,
    ShapePolygon = 3,
    ShapeDottedSegment = 4,
    ShapeSolidSegment = 5,
};

enum ZoneKind : std::int16_t {
    KindOutline = 0,
    KindRegion = 1,
    KindHandle = 2,
};

// Mouse-pointer codes answered by hit tests.
enum PointerCode : std::int32_t {
    PointerNone = 0,
    PointerArrow = 1,
    PointerCross = 2,
    PointerSizeNESW = 6,
    PointerSizeNS = 7,
    PointerSizeNWSE = 8,
    PointerSizeWE = 9,
    PointerSizeAll = 15,
    PointerCustom = 99,
};

// The one geometric object: a map region, a traced outline or a selection handle.
class Zone
{
public:
    void Afficher(const ZoneColours &colours);
    // Brings the hit region up to date without drawing, for a zone out of sight.
    void refreshRegion();
    // Whether the box around its points, widened by `margin`, meets the box from `topLeft`
    // to `bottomRight` (excluded).
    bool meetsBox(Point topLeft, Point bottomRight, std::int32_t margin) const;
    void SupprimerRegion();

    void SetData(int index, std::string value);
    const std::string &GetData(int index) const;
    const AreaAttributes &attributes() const { return mAttributes; }
    // The AREA tag's attributes other than SHAPE, COORDS and the seven, as written.
    const OtherAttributes &otherAttributes() const { return mOtherAttributes; }
    void setOtherAttributes(OtherAttributes others) { mOtherAttributes = std::move(others); }

    // Room for `count` points, so that a zone whose points are all known is stored at once.
    void reservePoints(std::size_t count) { mPoints.reserve(count + 1); }
    void AddXCoord(std::int32_t x, int index);
    std::int32_t getXCoord(int index) const;
    void AddYCoord(std::int32_t y, int index);
    std::int32_t getYCoord(int index) const;
    Point point(int index) const { return {getXCoord(index), getYCoord(index)}; }

    std::int32_t CheckIn(std::int32_t x, std::int32_t y) const;

    DrawingSurface *hDevice() const { return mDevice; }
    void setHDevice(DrawingSurface *device) { mDevice = device; }
    std::int16_t hForme() const { return mForme; }
    void setHForme(std::int16_t shape);
    std::int16_t hRegion() const { return mRegion; }
    void setHRegion(std::int16_t kind);
    std::int16_t hNCoords() const { return mNCoords; }
    std::int32_t hMPointer() const { return mMPointer; }
    // How far from its point a handle is hit, in image pixels; set before its point.
    void setHandleReach(std::int32_t reach) { mHandleReach = reach; }
    void setHMPointer(std::int32_t pointer) { mMPointer = pointer; }
    bool hSelection() const { return mSelection == 1; }
    void setHSelection(bool selected) { mSelection = selected ? 1 : 0; }

    // Copies another zone; the copy is never selected and is bound to `buffer`.
    void Acquire(const Zone &other, DrawingSurface *buffer = nullptr);
    // Same shape, kind, points and attributes: what a saved page would show of it.
    bool sameContent(const Zone &other) const;

    // The zone's AREA tag, or an empty string for a zone marked deleted.
    std::string ToString(AreaMarkup markup = {}) const;
    // Appends the zone's AREA tag to `text`; false, appending nothing, for a deleted zone.
    bool appendTo(std::string &text, AreaMarkup markup = {}) const;

private:
    // The hit-test area as it stood at the last Afficher.
    struct HitRegion
    {
        std::int16_t shape = ShapeNone;
        std::vector<Point> points;
    };

    std::size_t usedPointCount() const;
    std::vector<Point> usedPoints() const;
    // SHAPE's value for the zone's shape; none for a deleted zone.
    const char *shapeKeyword() const;
    void buildRegion();
    void applyPenAndBrush(const ZoneColours &colours) const;
    void draw() const;
    void storeCoord(std::int32_t value, int index, bool isX);
    void checkIndex(int index) const;

    std::int16_t mForme = 0;
    std::int16_t mRegion = KindOutline;
    std::optional<HitRegion> mHitRegion;
    std::int16_t mSelection = 0;
    std::vector<Point> mPoints; // one spare entry past the last point, as the list grows
    std::int16_t mNCoords = 0;
    std::int32_t mMPointer = 0;
    std::int32_t mHandleReach = 3;
    DrawingSurface *mDevice = nullptr;
    AreaAttributes mAttributes;
    OtherAttributes mOtherAttributes;
};

} // namespace areamaker
