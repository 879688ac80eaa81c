#pragma once

#include "canvas/ZoneRowValues.h"
#include "document/Paths.h"
#include "platform/EditorViews.h"
#include "platform/ImageProbe.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace areamaker {

class CanvasModel;
class MapDocument;
class Zone;

// Kinds of grid rows, numbered as the grid control numbers them.
enum class GridRowKind
{
    Fixed = 1,
    Text = 2,
    More = 3
};

// Grid row tags of the active map, fixed so that the grid's events name their row.
enum MapRowTag : int
{
    TagMapName = 13,
    TagMapProperties = 14,
    TagMapTarget = 15,
    TagMapImage = 16,
    TagMapTitle = 17,
    TagDefaultHref = 18,
    TagMapAlt = 19,
};

struct GridRow
{
    GridRowKind kind = GridRowKind::Fixed;
    int tag = 0;
    std::string title;
    std::string value;
    bool operator==(const GridRow &) const = default;
};

// The property grid's side of the editor: which rows it shows for the tracing state, the
// active map or the selected zone, and what an edit or a "..." button does to the model.
// Values are shown and typed in UTF-8 and stored in the page's own encoding.
class PropertyGridBinding
{
public:
    PropertyGridBinding(MapDocument &document, CanvasModel &canvas,
                        PathStyle style = nativePathStyle());

    std::vector<GridRow> rows(GridFill mode) const;

    void MoreItemClick(int tag);
    // Applies a typed value; `cancel` tells the grid to show the stored value instead.
    void TextItemChanged(int tag, const std::string &text, bool &cancel);

    std::string HyperlinkSelection();
    std::string chooseImage();
    bool PtPolyValidation(const std::string &text, bool isHorizontal, int index);
    bool RectValidation(const std::string &text, bool isWidth);
    bool CercleValidation(const std::string &text);

private:
    bool editsZone() const;
    bool editsMap() const;
    std::vector<GridRow> tracingRows() const;
    std::vector<GridRow> mapRows() const;
    std::vector<GridRow> zoneRows(const Zone &zone) const;
    std::string shown(const std::string &stored) const;
    std::string stored(const std::string &typed) const;
    // The values the grid shows for the zone's rows, by tag.
    std::map<int, std::string> rowValues(const Zone &zone) const;

    void changeMapText(int tag, const std::string &text, bool &cancel);
    bool renameActiveMap(const std::string &text);
    void changeZoneText(int tag, const std::string &text, bool &cancel);
    bool validate(int tag, const std::string &text);
    using SizeEdit = std::function<void(Zone &, std::int32_t, ImageSize)>;
    // A size typed for the selected zone: a whole number, applied by `edit`.
    bool applySize(const std::string &text, const SizeEdit &edit);
    void refreshZone(ZoneRows group);
    bool warn(const char *text, const char *title = "Areamaker");
    std::string askForFile(const std::string &filter, const char *title, const char *extension);
    void applyHyperlink(const std::string &relative);
    bool applyImage(const std::string &path);

    MapDocument &mDocument;
    CanvasModel &mCanvas;
    PathStyle mStyle;
};

} // namespace areamaker
