#pragma once

#include "document/AreaAttributes.h"
#include "document/Paths.h"
#include "shell/DialogTextRules.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace areamaker {

class CanvasModel;
class MapDocument;

// The boxes of the properties dialogs: the seven link attributes by their number, then the
// map's name and picture path.
enum FormField : int
{
    FieldName = 7,
    FieldImagePath = 8,
};
inline constexpr int FormFieldCount = 9;

// What a dialog must show in one box after an edit; a negative selection start leaves the
// caret where it is.
struct FieldUpdate
{
    int field = 0;
    std::string text;
    int selectionStart = -1;
    int selectionLength = 0;
    bool operator==(const FieldUpdate &) const = default;
};

// The side of a properties dialog that both dialogs share: the link attribute boxes shown
// decoded, the title that follows the alternative text, the script boxes' check, and the
// hyperlink chooser. Only boxes whose text changed are written back, in the page's encoding.
class LinkFieldsForm
{
public:
    virtual ~LinkFieldsForm() = default;
    LinkFieldsForm(const LinkFieldsForm &) = delete;
    LinkFieldsForm &operator=(const LinkFieldsForm &) = delete;

    const std::string &field(int which) const
    {
        return mFields.at(static_cast<std::size_t>(which));
    }
    // Some box was changed since the dialog was filled.
    bool modified() const { return mModified; }

    // The user changed a box's text, the caret standing at `caret`; returns what the boxes
    // must show in return (completions, a title following, a selected stray quote).
    std::vector<FieldUpdate> edited(int which, const std::string &text, int caret);
    // The "..." of the link box: the chosen file, relative to the page; nothing when the
    // chooser was cancelled.
    std::optional<FieldUpdate> chooseHyperlink();

protected:
    LinkFieldsForm(MapDocument &document, CanvasModel &canvas, PathStyle style);

    // Shows the stored values (and the boxes beyond the attributes) and clears the flag.
    void fill(const AreaAttributes &stored, const std::string &name = {},
              const std::string &imagePath = {});
    // A completion of the link box, made by each dialog in its own way.
    virtual std::optional<TextEdit> completeLink(const std::string &text) = 0;
    // A change of a box beyond the attributes.
    virtual void otherEdited(int) {}

    bool changed(int which) const;
    // The box's text in the page's encoding.
    std::string stored(int which) const;
    // Writes the attribute boxes that changed; true when there was one.
    bool writeChangedAttributes(const std::function<void(int, const std::string &)> &write) const;
    void setModified() { mModified = true; }

    MapDocument &mDocument;
    CanvasModel &mCanvas;
    PathStyle mStyle;

private:
    void checkScript(int which, int caret, std::vector<FieldUpdate> &updates);

    std::array<std::string, FormFieldCount> mFields;
    std::array<std::string, FormFieldCount> mFilled;
    bool mModified = false;
};

} // namespace areamaker
