#pragma once

#include "document/Paths.h"
#include "platform/EditorPorts.h"

#include <cstddef>
#include <optional>
#include <string>

namespace areamaker {

class DocumentLifecycle;
class MapDocument;

// Where the assistant's page comes from: created by it, chosen by the user, or the page
// open in the editor.
enum class PageOrigin
{
    NewPage = 1,
    ExistingPage = 2,
    OpenDocument = 3
};

// What the assistant has gathered for the new map.
struct NewMapRequest
{
    PageOrigin origin = PageOrigin::NewPage;
    std::string page;
    // The picture's absolute path and natural size.
    std::string image;
    ImageSize size;
    // The IMG tag of the page to bind; none: a new IMG tag is inserted.
    std::optional<std::size_t> imgTag;
    // As the user typed them.
    std::string name;
    std::string defaultUrl;
};

// Creates the assistant's map: checks its name, writes the new page, adds the map and saves
// it with its IMG tag in one write, then shows the map in the editor.
class NewImageMap
{
public:
    NewImageMap(MapDocument &document, DocumentLifecycle &lifecycle, const EditorPorts &ports,
                bool newNoBorder, PathStyle style = nativePathStyle());

    // What the finished step says; nothing, after the user was told why, when the map was not
    // created. The page is left as it was then.
    std::optional<std::string> create(const NewMapRequest &request);

private:
    bool nameAccepted(const NewMapRequest &request);
    bool nameFreeInPage(const std::string &name, const std::string &page);
    bool refuse(const char *text, const char *title, MessageIcon icon);
    bool writeNewPage(const std::string &page);
    bool openPage(const NewMapRequest &request);
    // The IMG tag's change, made in the page's text; empty when it was made, else why not.
    std::string editImgTag(std::string &text, const NewMapRequest &request) const;
    bool imgTagEditPossible(const NewMapRequest &request);
    bool addMap(const NewMapRequest &request);
    void tellFailure(const std::string &page, const std::string &text, const char *title,
                     MessageIcon icon);

    MapDocument &mDocument;
    DocumentLifecycle &mLifecycle;
    EditorPorts mPorts;
    bool mNewNoBorder;
    PathStyle mStyle;
};

} // namespace areamaker
