#include "document/Zone.h"

#include "document/CoreError.h"
#include "document/ZoneGeometry.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <iterator>
#include <limits>

namespace areamaker {

namespace {

// A handle is drawn this many screen pixels around its point, whatever the zoom.
constexpr int handleHalfSize = 3;

std::int32_t checkedCoordinate(std::int64_t value)
{
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw CoreError(ErrOverflow, "Dépassement de capacité");
    return static_cast<std::int32_t>(value);
}

void checkAttributeIndex(int index)
{
    if (index < 0 || index > 6)
        throw CoreError(ErrSubscript, "L'indice n'appartient pas à la sélection.");
}

// Numbers written as they are joined to those after `start`, without a string for each.
void appendNumbers(std::string &text, std::size_t start,
                   std::initializer_list<std::int32_t> numbers)
{
    for (const std::int32_t n : numbers) {
        if (text.size() > start)
            text += ',';
        char digits[12];
        const auto end = std::to_chars(std::begin(digits), std::end(digits), n).ptr;
        text.append(digits, end);
    }
}

} // namespace

void Zone::Afficher(const ZoneColours &colours)
{
    if (mForme == ShapeNone)
        return;
    if (mRegion == KindRegion)
        buildRegion();
    if (!mDevice)
        return;
    applyPenAndBrush(colours);
    draw();
}

void Zone::refreshRegion()
{
    if (mForme != ShapeNone && mRegion == KindRegion)
        buildRegion();
}

bool Zone::meetsBox(Point topLeft, Point bottomRight, std::int32_t margin) const
{
    const auto count = std::min(mPoints.size(), static_cast<std::size_t>(mNCoords));
    if (count == 0)
        return false;
    std::int64_t left = mPoints[0].x, right = left, top = mPoints[0].y, bottom = top;
    for (std::size_t i = 1; i < count; ++i) {
        left = std::min<std::int64_t>(left, mPoints[i].x);
        right = std::max<std::int64_t>(right, mPoints[i].x);
        top = std::min<std::int64_t>(top, mPoints[i].y);
        bottom = std::max<std::int64_t>(bottom, mPoints[i].y);
    }
    return right + margin >= topLeft.x && left - margin < bottomRight.x &&
           bottom + margin >= topLeft.y && top - margin < bottomRight.y;
}

void Zone::SupprimerRegion()
{
    mHitRegion.reset();
    mForme = ShapeNone;
}

void Zone::SetData(int index, std::string value)
{
    checkAttributeIndex(index);
    mAttributes[static_cast<std::size_t>(index)] = std::move(value);
}

const std::string &Zone::GetData(int index) const
{
    checkAttributeIndex(index);
    return mAttributes[static_cast<std::size_t>(index)];
}

void Zone::AddXCoord(std::int32_t x, int index)
{
    if (mRegion == KindHandle) {
        mPoints.assign(3, Point{});
        mPoints[0].x = checkedCoordinate(std::int64_t{x} - mHandleReach);
        mPoints[1].x = checkedCoordinate(std::int64_t{x} + mHandleReach);
        return;
    }
    storeCoord(x, index, true);
}

void Zone::AddYCoord(std::int32_t y, int index)
{
    if (mRegion == KindHandle) {
        if (mPoints.size() < 2)
            throw CoreError(ErrSubscript, "L'indice n'appartient pas à la sélection.");
        mPoints[0].y = checkedCoordinate(std::int64_t{y} - mHandleReach);
        mPoints[1].y = checkedCoordinate(std::int64_t{y} + mHandleReach);
        return;
    }
    storeCoord(y, index, false);
}

void Zone::storeCoord(std::int32_t value, int index, bool isX)
{
    if (index < 0)
        throw CoreError(ErrSubscript, "L'indice n'appartient pas à la sélection.");
    const auto slot = static_cast<std::size_t>(index);
    if (mPoints.empty()) {
        mPoints.resize(slot + 2);
    } else if (mPoints.size() <= slot + 1) {
        if (index + 1 > std::numeric_limits<std::int16_t>::max())
            throw CoreError(ErrOverflow, "Dépassement de capacité");
        mPoints.resize(slot + 2);
        mNCoords = static_cast<std::int16_t>(index + 1);
    }
    (isX ? mPoints[slot].x : mPoints[slot].y) = value;
}

void Zone::checkIndex(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= mPoints.size())
        throw CoreError(ErrSubscript, "L'indice n'appartient pas à la sélection.");
}

std::int32_t Zone::getXCoord(int index) const
{
    checkIndex(index);
    return mPoints[static_cast<std::size_t>(index)].x;
}

std::int32_t Zone::getYCoord(int index) const
{
    checkIndex(index);
    return mPoints[static_cast<std::size_t>(index)].y;
}

std::int32_t Zone::CheckIn(std::int32_t x, std::int32_t y) const
{
    if (mRegion == KindRegion) {
        if (!mHitRegion || !regionContains(mHitRegion->shape, mHitRegion->points, {x, y}))
            return PointerNone;
        return hSelection() ? PointerSizeAll : PointerArrow;
    }
    if (mRegion == KindHandle && mPoints.size() >= 2) {
        const bool inside =
            mPoints[0].x < x && x < mPoints[1].x && mPoints[0].y < y && y < mPoints[1].y;
        return inside ? mMPointer : PointerNone;
    }
    return PointerNone;
}

void Zone::setHForme(std::int16_t shape)
{
    if (mRegion != KindHandle)
        mForme = shape;
}

void Zone::setHRegion(std::int16_t kind)
{
    mRegion = kind;
    if (kind == KindHandle)
        mForme = ShapeRectangle;
}

void Zone::Acquire(const Zone &other, DrawingSurface *buffer)
{
    mSelection = 0;
    mDevice = buffer;
    mForme = other.mForme;
    mRegion = other.mRegion;
    mAttributes = other.mAttributes;
    mOtherAttributes = other.mOtherAttributes;
    mNCoords = other.mNCoords;
    mPoints.assign(
        other.mPoints.begin(),
        other.mPoints.begin() +
            std::min<std::size_t>(other.mPoints.size(), static_cast<std::size_t>(mNCoords)));
    mPoints.resize(static_cast<std::size_t>(mNCoords));
    mHitRegion.reset();
}

bool Zone::sameContent(const Zone &other) const
{
    return mForme == other.mForme && mRegion == other.mRegion && mNCoords == other.mNCoords &&
           usedPoints() == other.usedPoints() && mAttributes == other.mAttributes;
}

std::size_t Zone::usedPointCount() const
{
    return std::min(mPoints.size(), static_cast<std::size_t>(mNCoords));
}

std::vector<Point> Zone::usedPoints() const
{
    return {mPoints.begin(), mPoints.begin() + static_cast<std::ptrdiff_t>(usedPointCount())};
}

void Zone::buildRegion()
{
    mHitRegion.reset();
    if (mForme == ShapeRectangle || mForme == ShapeCircle) {
        if (mPoints.size() >= 2)
            mHitRegion = HitRegion{mForme, {mPoints[0], mPoints[1]}};
    } else if (mForme == ShapePolygon) {
        mHitRegion = HitRegion{mForme, usedPoints()};
    }
}

void Zone::applyPenAndBrush(const ZoneColours &colours) const
{
    Pen pen;
    Brush brush;
    if (mRegion == KindOutline) {
        pen = {mForme == ShapeSolidSegment ? LineStyle::Solid : LineStyle::Dotted, colours.LinPtDef,
               ColorIndexToRgb(colours.ClrDefBorderId)};
    } else if (mRegion == KindRegion) {
        pen =
            hSelection()
                ? Pen{LineStyle::Solid, colours.LinPtSel, ColorIndexToRgb(colours.ClrSelBorderId)}
                : Pen{LineStyle::Solid, colours.LinPtDef, ColorIndexToRgb(colours.ClrDefBorderId)};
        brush = {FillStyle::DiagonalCross, ColorIndexToRgb(colours.ClrDefTrameId)};
    } else if (mRegion == KindHandle) {
        const Rgb colour =
            ColorIndexToRgb(hSelection() ? colours.ClrSelHandleId : colours.ClrDefHandleId);
        pen = {LineStyle::Solid, 1, colour};
        brush = {FillStyle::Solid, colour};
    }
    mDevice->setPen(pen);
    mDevice->setBrush(brush);
}

void Zone::draw() const
{
    switch (mForme) {
    case ShapeRectangle:
        if (mRegion == KindHandle && mPoints.size() >= 2)
            mDevice->drawMarker({mPoints[0].x + mHandleReach, mPoints[0].y + mHandleReach},
                                handleHalfSize);
        else if (mPoints.size() >= 2)
            mDevice->drawRectangle(mPoints[0], mPoints[1]);
        break;
    case ShapeCircle:
        if (mPoints.size() >= 2)
            mDevice->drawEllipse(mPoints[0], mPoints[1]);
        break;
    case ShapePolygon:
        mDevice->drawPolygon(usedPoints());
        break;
    case ShapeDottedSegment:
    case ShapeSolidSegment:
        if (mPoints.size() >= 2)
            mDevice->drawLine(mPoints[0], mPoints[1]);
        break;
    default:
        break;
    }
}

std::string Zone::ToString(AreaMarkup markup) const
{
    std::string tag;
    appendTo(tag, markup);
    return tag;
}

const char *Zone::shapeKeyword() const
{
    switch (mForme) {
    case ShapeRectangle:
        return "RECT";
    case ShapeCircle:
        return "CIRCLE";
    case ShapePolygon:
        return "POLY";
    default:
        return nullptr;
    }
}

// The coordinates go straight into the tag: a page's worth of zones is written this way.
bool Zone::appendTo(std::string &text, AreaMarkup markup) const
{
    const char *keyword = shapeKeyword();
    if (!keyword)
        return false;
    appendAreaTagUpToCoords(text, keyword, markup);
    const std::size_t start = text.size();
    if (mForme == ShapeRectangle) {
        appendNumbers(text, start, {getXCoord(0), getYCoord(0), getXCoord(1), getYCoord(1)});
    } else if (mForme == ShapeCircle) {
        const Circle c = circleFromCorners(point(0), point(1));
        appendNumbers(text, start, {c.cx, c.cy, c.r});
    } else {
        for (std::size_t i = 0; i < usedPointCount(); ++i)
            appendNumbers(text, start, {mPoints[i].x, mPoints[i].y});
    }
    appendAreaTagFromCoords(text, mAttributes, mOtherAttributes, markup);
    return true;
}

} // namespace areamaker
