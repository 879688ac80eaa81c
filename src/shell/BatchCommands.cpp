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

constexpr const char *shapeNames[] = {"", "rect", "circle", "poly"};
constexpr const char *attributeKeys[] = {"href",    "target",      "alt",       "title",
                                         "onclick", "onmouseover", "onmouseout"};

std::string attributesJson(const AreaAttributes &attributes, const PageEncoding &encoding)
{
    std::string json;
    for (std::size_t k = 0; k < attributes.size(); ++k) {
        json += k == 0 ? "" : ",";
        json += jsonString(attributeKeys[k]) + ':' + jsonString(encoding.decode(attributes[k]));
    }
    return json;
}

std::string pointsJson(const Zone &zone)
{
    const int count = zone.hForme() == ShapePolygon ? zone.hNCoords() : 2;
    std::string json = "[";
    for (int i = 0; i < count; ++i) {
        json += i == 0 ? "[" : ",[";
        json += std::to_string(zone.getXCoord(i)) + ',' + std::to_string(zone.getYCoord(i)) + ']';
    }
    return json + ']';
}

std::string zoneJson(const Zone &zone, const PageEncoding &encoding)
{
    return "{\"shape\":" + jsonString(shapeNames[zone.hForme()]) +
           ",\"points\":" + pointsJson(zone) + ',' + attributesJson(zone.attributes(), encoding) +
           '}';
}

// Every map says whether the editor may change it, and a read-only one says why.
std::string readOnlyJson(const ImageMap &map)
{
    if (!map.isReadOnly())
        return ",\"readOnly\":false";
    return ",\"readOnly\":true,\"reason\":" + jsonString(map.ReadOnlyReason);
}

std::string mapJson(const ImageMap &map, int index, const PageEncoding &encoding)
{
    std::string json = "{\"index\":" + std::to_string(index) +
                       ",\"name\":" + jsonString(encoding.decode(map.Name)) +
                       ",\"image\":" + jsonString(PageEncoding().decode(map.ImagePath)) +
                       readOnlyJson(map) + ",\"zones\":[";
    for (std::size_t z = 0; z < map.Zones.size(); ++z)
        json += (z == 0 ? "" : ",") + zoneJson(map.Zones[z], encoding);
    return json + "],\"default\":{" + attributesJson(map.DefaultRegion, encoding) + "}}";
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
    if (!session.lifecycle().OpenDocument(page, true))
        return reportFailure(page, session.lifecycle(), err);
    const MapDocument &document = session.document();
    std::string json = "{\"maps\":[";
    for (int i = 0; i < document.MapCount(); ++i)
        json += (i == 0 ? "" : ",") +
                mapJson(document.Maps[static_cast<std::size_t>(i)], i, document.Encoding);
    out << json << "]}\n";
    return 0;
}

int BatchCommands::rewrite(const std::string &page, std::ostream &err)
{
    HeadlessSession session(mFiles, mImages);
    DocumentLifecycle &lifecycle = session.lifecycle();
    if (!lifecycle.OpenDocument(page, true))
        return reportFailure(page, lifecycle, err);
    for (ImageMap &map : session.document().Maps) {
        if (map.Alive && !map.isReadOnly())
            map.Modified = true;
    }
    if (!lifecycle.SaveDocument())
        return reportFailure(page, lifecycle, err);
    return 0;
}

int BatchCommands::check(const std::vector<std::string> &pages, bool json, std::ostream &out,
                         std::ostream &err)
{
    PageChecker checker(mFiles, &mImages);
    CheckReport report(out, json);
    for (const std::string &page : pages) {
        std::vector<CheckFinding> findings;
        std::string failure;
        // Links and pictures are resolved against the page; the report names it as given.
        const std::string path = std::filesystem::absolute(page).lexically_normal().string();
        if (checker.checkFile(path, findings, failure))
            report.page(page, findings);
        else
            report.unreadable(page, failure, err);
    }
    report.finish();
    return report.exitCode();
}

} // namespace areamaker
