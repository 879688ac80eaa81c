#include "shell/ZonePropertiesForm.h"

#include "canvas/CanvasModel.h"
#include "document/EditStep.h"
#include "document/MapDocument.h"
#include "document/TreeKeys.h"
#include "document/ZoneGeometry.h"
#include "platform/SettingsStore.h"

#include <cstdlib>

namespace areamaker {

namespace {

std::string number(std::int64_t value)
{
    return std::to_string(value);
}

} // namespace

ZonePropertiesForm::ZonePropertiesForm(MapDocument &document, CanvasModel &canvas,
                                       const SettingsStore *profile, PathStyle style)
    : LinkFieldsForm(document, canvas, style), mProfile(profile)
{
    if (canvas.selectedZone())
        mZone = document.SelectedZoneIndex;
    fill(zone() ? zone()->attributes() : AreaAttributes{});
}

const Zone *ZonePropertiesForm::zone() const
{
    if (mZone < 0 || mZone >= mDocument.ActiveZoneCount())
        return nullptr;
    return &mDocument.ActiveZones[static_cast<std::size_t>(mZone)];
}

int ZonePropertiesForm::shape() const
{
    return zone() ? zone()->hForme() : int{ShapeNone};
}

std::string ZonePropertiesForm::caption() const
{
    switch (shape()) {
    case ShapeRectangle:
        return "Propriétés de la région Rectangle";
    case ShapeCircle:
        return "Propriétés de la région Cercle";
    case ShapePolygon:
        return "Propriétés de la région Polygone";
    default:
        return "Propriétés de la région";
    }
}

int ZonePropertiesForm::pointCount() const
{
    return zone() ? zone()->hNCoords() : 0;
}

std::vector<GeometryValue> ZonePropertiesForm::geometry(int point) const
{
    const Zone *z = zone();
    if (!z || z->hNCoords() == 0)
        return {};
    const Point a = z->point(0);
    switch (z->hForme()) {
    case ShapeRectangle: {
        const Point b = z->point(1);
        return {{"X:", number(a.x), "Coordonnées"},
                {"Y:", number(a.y), "Coordonnées"},
                {"Largeur:", number(std::llabs(std::int64_t{b.x} - a.x)), "Dimensions"},
                {"Hauteur:", number(std::llabs(std::int64_t{b.y} - a.y)), "Dimensions"}};
    }
    case ShapeCircle: {
        const Circle c = circleFromCorners(a, z->point(1));
        return {{"X:", number(c.cx), "Coordonnées du centre"},
                {"Y:", number(c.cy), "Coordonnées du centre"},
                {"Rayon:", number(c.r), "Rayon"}};
    }
    case ShapePolygon: {
        if (point < 0 || point >= z->hNCoords())
            point = 0;
        const Point p = z->point(point);
        const std::string tip = "Coordonnées du point " + number(point + 1);
        return {{"Points:", number(z->hNCoords()), "Nombre de points"},
                {"X:", number(p.x), tip},
                {"Y:", number(p.y), tip}};
    }
    default:
        return {};
    }
}

std::string ZonePropertiesForm::email() const
{
    const std::optional<std::string> stored =
        mProfile ? mProfile->read("Usager", "EMAIL") : std::nullopt;
    return stored ? *stored : DialogTextRules::PlaceholderEmail;
}

std::optional<TextEdit> ZonePropertiesForm::completeLink(const std::string &text)
{
    return DialogTextRules::completeHyperlink(text, mLastCompletion, email());
}

void ZonePropertiesForm::OK()
{
    if (!zone())
        return;
    EditStep step(mDocument, EditKind::Properties);
    step.recordActiveMap();
    Zone &target = mDocument.ActiveZones[static_cast<std::size_t>(mZone)];
    const bool written = writeChangedAttributes(
        [&target](int attribute, const std::string &value) { target.SetData(attribute, value); });
    const EditorPorts &ports = mCanvas.ports();
    if (mDocument.ActiveMapIndex != -1)
        ports.tree->setNodeText(zoneKey(mDocument.ActiveMapIndex, mZone),
                                zoneNodeText(target.hForme(), field(AttrHref)));
    ports.grid->fill(GridFill::Selection);
    if (written || modified())
        step.touchActiveMap();
}

} // namespace areamaker
