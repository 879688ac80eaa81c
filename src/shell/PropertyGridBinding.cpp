#include "shell/PropertyGridBinding.h"

#include "canvas/CanvasModel.h"
#include "canvas/ZoneClamps.h"
#include "canvas/ZoneEdits.h"
#include "document/MapDocument.h"
#include "document/TreeKeys.h"
#include "shell/AppSettings.h"
#include "shell/FileChoosers.h"
#include "shell/PropertiesCommand.h"

#include <algorithm>
#include <map>
#include <optional>

namespace areamaker {

namespace {

constexpr const char *BadPosition = "La position spécifiée n'est pas valide.";
constexpr const char *BadPoint = "Les coordonnées spécifiées en X,Y ne sont pas valides.";
constexpr const char *BadValue = "La valeur spécifiée n'est pas valide.";

const char *shapeName(int shape)
{
    switch (shape) {
    case ShapeRectangle:
        return "Rectangle";
    case ShapeCircle:
        return "Cercle";
    default:
        return "Polygone";
    }
}

std::string number(std::int64_t value)
{
    return std::to_string(value);
}

// One of a shape's rows after "(Propriétés)" and "(Type)", in the order shown.
struct ZoneRowLayout
{
    GridRowKind kind;
    int tag;
    const char *title;
};

} // namespace

PropertyGridBinding::PropertyGridBinding(MapDocument &document, CanvasModel &canvas,
                                         PathStyle style)
    : mDocument(document), mCanvas(canvas), mStyle(style)
{
}

std::vector<GridRow> PropertyGridBinding::rows(GridFill mode) const
{
    if (mode == GridFill::Tracing)
        return tracingRows();
    if (mode == GridFill::Empty)
        return {};
    const int selected = mDocument.SelectedZoneIndex;
    if (selected == -1)
        return mDocument.activeMap() ? mapRows() : std::vector<GridRow>{};
    if (selected < 0 || selected >= mDocument.ActiveZoneCount())
        return {};
    return zoneRows(mDocument.ActiveZones[static_cast<std::size_t>(selected)]);
}

std::vector<GridRow> PropertyGridBinding::tracingRows() const
{
    static constexpr const char *modes[] = {"Traçage rectangle", "Traçage cercle",
                                            "Traçage polygone"};
    std::vector<GridRow> result;
    const int shape = mCanvas.state().TraceShape;
    if (shape >= ShapeRectangle && shape <= ShapePolygon)
        result.push_back({GridRowKind::Fixed, TagType, "(Mode)", modes[shape - ShapeRectangle]});
    result.push_back({GridRowKind::Fixed, TagCursor, "Curseur", "0,0"});
    return result;
}

std::vector<GridRow> PropertyGridBinding::mapRows() const
{
    const ImageMap &map = *mDocument.activeMap();
    const std::string image =
        map.ImagePath == NoImage ? map.ImagePath : RelativePath(map.ImagePath, mDocument.Path, mStyle);
    return {{GridRowKind::Text, TagMapName, "(Nom)", shown(map.Name)},
            {GridRowKind::More, TagMapProperties, "(Propriétés)", ""},
            {GridRowKind::Text, TagMapTarget, "Cadre", shown(map.DefaultRegion[AttrTarget])},
            {GridRowKind::More, TagMapImage, "Image", image},
            {GridRowKind::Text, TagMapAlt, "Texte Alt", shown(map.DefaultRegion[AttrAlt])},
            {GridRowKind::Text, TagMapTitle, "Titre", shown(map.DefaultRegion[AttrTitle])},
            {GridRowKind::More, TagDefaultHref, "URL Défaut", shown(map.DefaultRegion[AttrHref])}};
}

std::vector<GridRow> PropertyGridBinding::zoneRows(const Zone &zone) const
{
    static constexpr ZoneRowLayout rectangle[] = {
        {GridRowKind::Text, TagTarget, "Cadre"},      {GridRowKind::Text, TagLeft, "Gauche"},
        {GridRowKind::Text, TagTop, "Haut"},          {GridRowKind::Text, TagHeight, "Hauteur"},
        {GridRowKind::More, TagHref, "Hyperlien"},    {GridRowKind::Text, TagWidth, "Largeur"},
        {GridRowKind::Text, TagAlt, "Texte Alt"},     {GridRowKind::Text, TagTitle, "Titre"}};
    static constexpr ZoneRowLayout circle[] = {
        {GridRowKind::Text, TagTarget, "Cadre"},   {GridRowKind::Text, TagCentre, "Centre (x,y)"},
        {GridRowKind::More, TagHref, "Hyperlien"}, {GridRowKind::Text, TagRadius, "Rayon"},
        {GridRowKind::Text, TagAlt, "Texte Alt"},  {GridRowKind::Text, TagTitle, "Titre"}};
    static constexpr ZoneRowLayout polygonHead[] = {{GridRowKind::Text, TagTarget, "Cadre"},
                                                  {GridRowKind::More, TagHref, "Hyperlien"}};
    static constexpr ZoneRowLayout polygonTail[] = {{GridRowKind::Text, TagAlt, "Texte Alt"},
                                                  {GridRowKind::Text, TagTitle, "Titre"}};
    const int shape = zone.hForme();
    if (shape != ShapeRectangle && shape != ShapeCircle && shape != ShapePolygon)
        return {};
    std::vector<GridRow> result{{GridRowKind::More, TagZoneProperties, "(Propriétés)", ""},
                                {GridRowKind::Fixed, TagType, "(Type)", shapeName(shape)}};
    std::map<int, std::string> values = rowValues(zone);
    const auto add = [&](const ZoneRowLayout &row) {
        result.push_back({row.kind, row.tag, row.title, values[row.tag]});
    };
    if (shape == ShapeRectangle)
        std::ranges::for_each(rectangle, add);
    if (shape == ShapeCircle)
        std::ranges::for_each(circle, add);
    if (shape == ShapePolygon) {
        std::ranges::for_each(polygonHead, add);
        for (int k = 0; k < zone.hNCoords(); ++k)
            result.push_back({GridRowKind::Text, TagFirstPoint + k, "Point " + number(k + 1),
                              values[TagFirstPoint + k]});
        std::ranges::for_each(polygonTail, add);
    }
    return result;
}

std::map<int, std::string> PropertyGridBinding::rowValues(const Zone &zone) const
{
    std::map<int, std::string> values;
    for (ZoneRows group : {ZoneRows::Link, ZoneRows::Position, ZoneRows::Size})
        for (const RowValue &row : zoneRowValues(zone, group))
            values[row.tag] = group == ZoneRows::Link ? shown(row.value) : row.value;
    return values;
}

std::string PropertyGridBinding::shown(const std::string &stored) const
{
    return mDocument.Encoding.decode(stored);
}

std::string PropertyGridBinding::stored(const std::string &typed) const
{
    return mDocument.Encoding.encode(typed);
}

bool PropertyGridBinding::editsZone() const
{
    return mCanvas.state().CanvasMode == ZoneSelected && mDocument.SelectedZoneIndex >= 0 &&
           mDocument.SelectedZoneIndex < mDocument.ActiveZoneCount();
}

bool PropertyGridBinding::editsMap() const
{
    return mCanvas.state().CanvasMode == Idle && mDocument.activeMap() != nullptr;
}

void PropertyGridBinding::MoreItemClick(int tag)
{
    if (mProperties && editsZone() && tag == TagZoneProperties) {
        mProperties->showPropertiesOfSelection();
        return;
    }
    const bool changesMap = tag == TagHref || tag == TagMapImage || tag == TagDefaultHref;
    if (changesMap && (editsZone() || editsMap()) && !mCanvas.mayEditActiveMap())
        return;
    if (editsZone() && tag == TagHref) {
        if (const std::string link = HyperlinkSelection(); !link.empty())
            mCanvas.ports().grid->setRowValue(TagHref, link);
        return;
    }
    if (!editsMap() || mDocument.SelectedZoneIndex != -1)
        return;
    if (tag == TagMapProperties && mProperties) {
        mProperties->ShowProperties(true);
    } else if (tag == TagMapImage) {
        if (const std::string image = chooseImage(); !image.empty())
            mCanvas.ports().grid->setRowValue(TagMapImage, image);
    } else if (tag == TagDefaultHref) {
        if (const std::string link = HyperlinkSelection(); !link.empty())
            mCanvas.ports().grid->setRowValue(TagDefaultHref, link);
    }
}

void PropertyGridBinding::TextItemChanged(int tag, const std::string &text, bool &cancel)
{
    if ((editsZone() || editsMap()) && !mCanvas.mayEditActiveMap()) {
        cancel = true;
        return;
    }
    if (editsZone())
        changeZoneText(tag, text, cancel);
    else if (editsMap())
        changeMapText(tag, text, cancel);
}

void PropertyGridBinding::changeMapText(int tag, const std::string &text, bool &cancel)
{
    ImageMap &map = *mDocument.activeMap();
    EditStep step(mDocument, tag == TagMapName ? EditKind::RenameMap : EditKind::TypedValue);
    step.recordActiveMap();
    switch (tag) {
    case TagMapName:
        if (!renameActiveMap(text)) {
            cancel = true;
            return;
        }
        break;
    case TagMapTarget:
        map.DefaultRegion[AttrTarget] = stored(text);
        break;
    case TagMapTitle:
        map.DefaultRegion[AttrTitle] = stored(text);
        break;
    case TagMapAlt:
        map.DefaultRegion[AttrAlt] = stored(text);
        break;
    default:
        return;
    }
    step.touchActiveMap();
}

bool PropertyGridBinding::renameActiveMap(const std::string &text)
{
    const std::string name = stored(text);
    if (mDocument.nameTakenByOtherMap(name, mDocument.ActiveMapIndex)) {
        warn("Ce nom d'image map est déjà utilisé dans le document.", "Erreur");
        return false;
    }
    ImageMap &map = *mDocument.activeMap();
    map.Name = name;
    mCanvas.ports().tree->setNodeText(mapKey(mDocument.ActiveMapIndex),
                                      mapNodeText(text, map.ImagePath));
    return true;
}

void PropertyGridBinding::changeZoneText(int tag, const std::string &text, bool &cancel)
{
    // A rejected value still counts as an edit of the map.
    EditStep step(mDocument, EditKind::TypedValue);
    step.touchActiveMap();
    Zone &zone = *mCanvas.selectedZone();
    if (tag == TagTarget)
        zone.SetData(AttrTarget, stored(text));
    else if (tag == TagAlt)
        zone.SetData(AttrAlt, stored(text));
    else if (tag == TagTitle)
        zone.SetData(AttrTitle, stored(text));
    else if ((tag >= TagLeft && tag <= TagRadius) || tag >= TagFirstPoint)
        // A value the zone was clamped to replaces the typed one at once.
        cancel = !validate(tag, text) || rowValues(zone)[tag] != text;
}

bool PropertyGridBinding::validate(int tag, const std::string &text)
{
    switch (tag) {
    case TagLeft:
        return PtPolyValidation(text, true, 0);
    case TagTop:
        return PtPolyValidation(text, false, 0);
    case TagWidth:
        return RectValidation(text, true);
    case TagHeight:
        return RectValidation(text, false);
    case TagCentre:
        return PtPolyValidation(text, true, 0);
    case TagRadius:
        return CercleValidation(text);
    default:
        return PtPolyValidation(text, true, tag - TagFirstPoint);
    }
}

bool PropertyGridBinding::PtPolyValidation(const std::string &text, bool isHorizontal, int index)
{
    Zone *zone = mCanvas.selectedZone();
    if (!zone)
        return false;
    const ImageSize image = mCanvas.pictureSize();
    if (zone->hForme() == ShapeRectangle) {
        const std::optional<std::int32_t> edge = wholeNumber(text);
        if (!edge)
            return warn(BadPosition);
        placeRectangleEdge(*zone, isHorizontal, *edge, image);
    } else if (zone->hForme() == ShapeCircle || zone->hForme() == ShapePolygon) {
        if (zone->hForme() == ShapePolygon && (index < 0 || index >= zone->hNCoords()))
            return false;
        const std::optional<Point> at = pointOf(text);
        if (!at)
            return warn(BadPoint);
        if (zone->hForme() == ShapeCircle)
            centreCircle(*zone, *at, image);
        else
            placePolygonPoint(*zone, index, *at, image);
    } else {
        return false;
    }
    refreshZone(ZoneRows::Position);
    return true;
}

bool PropertyGridBinding::RectValidation(const std::string &text, bool isWidth)
{
    return applySize(text, [isWidth](Zone &zone, std::int32_t size, ImageSize image) {
        sizeRectangle(zone, isWidth, size, image);
    });
}

bool PropertyGridBinding::CercleValidation(const std::string &text)
{
    return applySize(text, setCircleRadius);
}

bool PropertyGridBinding::applySize(const std::string &text, const SizeEdit &edit)
{
    Zone *zone = mCanvas.selectedZone();
    if (!zone)
        return false;
    const std::optional<std::int32_t> size = wholeNumber(text);
    if (!size)
        return warn(BadValue);
    edit(*zone, *size, mCanvas.pictureSize());
    refreshZone(ZoneRows::Size);
    return true;
}

void PropertyGridBinding::refreshZone(ZoneRows group)
{
    mCanvas.RefreshZoneRows(group);
    mCanvas.BuildHandles();
    mCanvas.RedrawCanvas();
}

bool PropertyGridBinding::warn(const char *text, const char *title)
{
    mCanvas.ports().messages->show({text, title, MessageButtons::Ok, MessageIcon::Exclamation});
    return false;
}

std::string PropertyGridBinding::askForFile(const OpenFileRequest &request)
{
    return mCanvas.ports().fileDialogs->getOpenFileName(request);
}

std::string PropertyGridBinding::HyperlinkSelection()
{
    const int mode = mCanvas.state().CanvasMode;
    if (!(mode == ZoneSelected && mDocument.SelectedZoneIndex != -1) && mode != Idle)
        return {};
    const std::string chosen = askForFile(hyperlinkChooser(mCanvas.settings().DefPath));
    if (chosen.empty())
        return {};
    const std::string relative = RelativePath(chosen, mDocument.Path, mStyle);
    applyHyperlink(relative);
    return relative;
}

void PropertyGridBinding::applyHyperlink(const std::string &relative)
{
    const EditorPorts &ports = mCanvas.ports();
    EditStep step(mDocument, EditKind::TypedValue);
    step.touchActiveMap();
    if (Zone *zone = mCanvas.selectedZone()) {
        zone->SetData(AttrHref, stored(relative));
        ports.tree->setNodeText(zoneKey(mDocument.ActiveMapIndex, mDocument.SelectedZoneIndex),
                                zoneNodeText(zone->hForme(), relative));
    } else if (ImageMap *map = mDocument.activeMap()) {
        const bool hadNode = map->hasDefaultRegion();
        map->DefaultRegion[AttrHref] = stored(relative);
        mDocument.updateDefaultRegionNode(mDocument.ActiveMapIndex, hadNode, relative);
    }
}

std::string PropertyGridBinding::chooseImage()
{
    if (mCanvas.state().CanvasMode != Idle)
        return {};
    const std::string chosen = askForFile(imageChooser(mCanvas.settings().DefPath, true));
    if (chosen.empty())
        return {};
    const ImageMap *map = mDocument.activeMap();
    if (map && chosen != map->ImagePath && !applyImage(chosen))
        return {};
    return RelativePath(chosen, mDocument.Path, mStyle);
}

bool PropertyGridBinding::applyImage(const std::string &path)
{
    if (!mCanvas.moveActiveMapToPicture(path)) {
        warn(unreadablePictureText(path, mStyle).c_str(), "Erreur");
        return false;
    }
    const ImageMap &map = *mDocument.activeMap();
    mCanvas.ports().tree->setNodeText(mapKey(mDocument.ActiveMapIndex),
                                      mapNodeText(shown(map.Name), map.ImagePath));
    return true;
}

} // namespace areamaker
