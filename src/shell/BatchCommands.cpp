#include "shell/BatchCommands.h"

#include "check/PageChecker.h"
#include "document/DocumentLifecycle.h"
#include "document/MapDocument.h"
#include "document/PageEncoding.h"
#include "shell/CheckReport.h"
#include "shell/HeadlessSession.h"
#include "shell/JsonWriter.h"

#include <filesystem>
#include <ostream>

namespace areamaker {

namespace {

// Keys and keywords as they stand in the JSON text, quoted and followed by what comes next.
constexpr std::string_view shapeMembers[] = {
    "{\"shape\":\"\",\"points\":", "{\"shape\":\"rect\",\"points\":",
    "{\"shape\":\"circle\",\"points\":", "{\"shape\":\"poly\",\"points\":"};
constexpr std::string_view attributeMembers[] = {
    "\"href\":",     ",\"target\":",      ",\"alt\":",       ",\"title\":",
    ",\"onclick\":", ",\"onmouseover\":", ",\"onmouseout\":"};

// Page bytes as a JSON string; most need no decoding.
void writeText(JsonWriter &json, std::string_view bytes, const PageEncoding &encoding)
{
    if (encoding.decodesToItself(bytes))
        json.string(bytes);
    else
        json.string(encoding.decode(bytes));
}

void writeAttributes(JsonWriter &json, const AreaAttributes &attributes,
                     const PageEncoding &encoding)
{
    for (std::size_t k = 0; k < attributes.size(); ++k) {
        json.raw(attributeMembers[k]);
        writeText(json, attributes[k], encoding);
    }
}

void writePoints(JsonWriter &json, const Zone &zone)
{
    const int count = zone.hForme() == ShapePolygon ? zone.hNCoords() : 2;
    json.raw('[');
    for (int i = 0; i < count; ++i) {
        json.raw(i == 0 ? "[" : ",[").number(zone.getXCoord(i)).raw(',');
        json.number(zone.getYCoord(i)).raw(']');
    }
    json.raw(']');
}

void writeZone(JsonWriter &json, const Zone &zone, const PageEncoding &encoding)
{
    json.raw(shapeMembers[zone.hForme()]);
    writePoints(json, zone);
    json.raw(',');
    writeAttributes(json, zone.attributes(), encoding);
    json.raw('}');
}

// Every map says whether the editor may change it, and a read-only one says why.
void writeReadOnly(JsonWriter &json, const ImageMap &map)
{
    if (!map.isReadOnly())
        json.raw(",\"readOnly\":false");
    else
        json.raw(",\"readOnly\":true,\"reason\":").string(map.ReadOnlyReason);
}

void writeMap(JsonWriter &json, const ImageMap &map, int index, const PageEncoding &encoding)
{
    json.raw("{\"index\":").number(index).raw(",\"name\":");
    writeText(json, map.Name, encoding);
    json.raw(",\"image\":").string(PageEncoding().decode(map.ImagePath));
    writeReadOnly(json, map);
    json.raw(",\"zones\":[");
    for (std::size_t z = 0; z < map.Zones.size(); ++z) {
        json.raw(z == 0 ? "" : ",");
        writeZone(json, map.Zones[z], encoding);
    }
    json.raw("],\"default\":{");
    writeAttributes(json, map.DefaultRegion, encoding);
    json.raw("}}");
}

// One line naming the page and the reason; the exit code of a failed command.
int reportFailure(const std::string &page, const DocumentLifecycle &lifecycle, std::ostream &err)
{
    err << page << ": " << lifecycle.lastError() << '\n';
    return 1;
}

} // namespace

int BatchCommands::list(const std::string &page, std::ostream &out, std::ostream &err)
{
    HeadlessSession session(mFiles, mImages);
    // Each map is written out as soon as it is read: neither the page's maps nor the listing
    // are ever held whole. A page that fails half-way leaves the listing cut short.
    JsonWriter json(out);
    json.raw("{\"maps\":[");
    const auto listMap = [&json](ImageMap &map, int index, const PageEncoding &encoding) {
        json.raw(index == 0 ? "" : ",");
        writeMap(json, map, index, encoding);
    };
    if (!session.lifecycle().visitMaps(page, listMap)) {
        json.dropHeldBack();
        return reportFailure(page, session.lifecycle(), err);
    }
    json.raw("]}\n").flush();
    return 0;
}

int BatchCommands::rewrite(const std::string &page, std::ostream &err)
{
    HeadlessSession session(mFiles, mImages);
    if (!session.lifecycle().RewritePage(page))
        return reportFailure(page, session.lifecycle(), err);
    return 0;
}

int BatchCommands::check(const std::vector<std::string> &pages, bool json, std::ostream &out,
                         std::ostream &err)
{
    PageChecker checker(mFiles, &mImages);
    CheckReport report(out, json);
    for (const std::string &page : pages) {
        std::unique_ptr<FileView> view;
        std::string failure;
        // Links and pictures are resolved against the page; the report names it as given.
        const std::string path = std::filesystem::absolute(page).lexically_normal().string();
        if (!checker.viewPage(path, view, failure)) {
            report.unreadable(page, failure, err);
            continue;
        }
        report.beginPage(page);
        checker.check(view->bytes(), path, [&report](const CheckFinding &f) { report.finding(f); });
        report.endPage();
    }
    report.finish();
    return report.exitCode();
}

} // namespace areamaker
