#include "shell/LinkFieldsForm.h"

#include "canvas/CanvasModel.h"
#include "document/MapDocument.h"
#include "shell/AppSettings.h"
#include "shell/FileChoosers.h"

#include <algorithm>

namespace areamaker {

LinkFieldsForm::LinkFieldsForm(MapDocument &document, CanvasModel &canvas, PathStyle style)
    : mDocument(document), mCanvas(canvas), mStyle(style)
{
}

void LinkFieldsForm::fill(const AreaAttributes &stored, const std::string &name,
                          const std::string &imagePath)
{
    for (std::size_t i = 0; i < stored.size(); ++i)
        mFields[i] = mDocument.Encoding.decode(stored[i]);
    mFields[FieldName] = mDocument.Encoding.decode(name);
    mFields[FieldImagePath] = imagePath;
    mFilled = mFields;
    mModified = false;
}

std::vector<FieldUpdate> LinkFieldsForm::edited(int which, const std::string &text, int caret)
{
    std::vector<FieldUpdate> updates;
    if (which < 0 || which >= FormFieldCount)
        return updates;
    mFields[static_cast<std::size_t>(which)] = text;
    switch (which) {
    case AttrHref:
        if (std::optional<TextEdit> completed = completeLink(text)) {
            mFields[AttrHref] = completed->text;
            updates.push_back(
                {AttrHref, completed->text, completed->selectionStart, completed->selectionLength});
        }
        break;
    case AttrAlt:
        if (std::optional<std::string> title =
                DialogTextRules::titleFollowingAlt(text, mFields[AttrTitle])) {
            mFields[AttrTitle] = *title;
            updates.push_back({AttrTitle, *title});
        }
        break;
    case AttrOnClick:
    case AttrOnMouseOver:
    case AttrOnMouseOut:
        checkScript(which, caret, updates);
        return updates;
    case FieldName:
    case FieldImagePath:
        otherEdited(which);
        break;
    default:
        break;
    }
    mModified = true;
    return updates;
}

void LinkFieldsForm::checkScript(int which, int caret, std::vector<FieldUpdate> &updates)
{
    std::string &text = mFields[static_cast<std::size_t>(which)];
    if (std::optional<TextEdit> completed = DialogTextRules::completeScript(text)) {
        text = completed->text;
        updates.push_back({which, text, completed->selectionStart, completed->selectionLength});
    }
    if (!DialogTextRules::hasUnescapedQuote(text)) {
        mModified = true;
        return;
    }
    mCanvas.ports().messages->show({DialogTextRules::unescapedQuoteMessage(), "Norvique",
                                    MessageButtons::Ok, MessageIcon::Information});
    updates.push_back({which, text, std::max(caret - 1, 0), 1});
}

std::optional<FieldUpdate> LinkFieldsForm::chooseHyperlink()
{
    const std::string chosen =
        mCanvas.ports().fileDialogs->getOpenFileName(hyperlinkChooser(mCanvas.settings().DefPath));
    if (chosen.empty())
        return std::nullopt;
    mFields[AttrHref] = RelativePath(chosen, mDocument.Path, mStyle);
    mModified = true;
    return FieldUpdate{AttrHref, mFields[AttrHref]};
}

bool LinkFieldsForm::changed(int which) const
{
    const auto i = static_cast<std::size_t>(which);
    return mFields[i] != mFilled[i];
}

std::string LinkFieldsForm::stored(int which) const
{
    return mDocument.Encoding.encode(mFields.at(static_cast<std::size_t>(which)));
}

bool LinkFieldsForm::writeChangedAttributes(
    const std::function<void(int, const std::string &)> &write) const
{
    bool any = false;
    for (int i = AttrHref; i <= AttrOnMouseOut; ++i) {
        if (!changed(i))
            continue;
        write(i, stored(i));
        any = true;
    }
    return any;
}

} // namespace areamaker
