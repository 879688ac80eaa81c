#include "shell/MapPropertiesForm.h"

#include "canvas/CanvasModel.h"
#include "document/EditStep.h"
#include "document/MapDocument.h"
#include "document/TreeKeys.h"
#include "shell/AppSettings.h"
#include "shell/FileChoosers.h"
#include "shell/ImagePreview.h"

namespace areamaker {

namespace {

// The number the picture loader gives a picture it cannot read.
constexpr const char *BadPictureTitle = "[Erreur : 481]";

} // namespace

MapPropertiesForm::MapPropertiesForm(MapDocument &document, CanvasModel &canvas,
                                     std::string decimalSeparator, PathStyle style)
    : LinkFieldsForm(document, canvas, style), mDecimalSeparator(std::move(decimalSeparator))
{
    const ImageMap *map = document.activeMap();
    if (!map)
        return;
    const FileSystem &files = *canvas.ports().files;
    const bool found = map->ImagePath != NoImage && files.fileExists(map->ImagePath);
    fill(map->DefaultRegion, map->Name,
         found ? RelativePath(map->ImagePath, document.Path, style) : std::string());
}

void MapPropertiesForm::attachPreview(ImagePreviewPort &viewer, ImageSize frame)
{
    mViewer = &viewer;
    mFrame = frame;
    AnalyseImage(resolvedImage());
}

std::string MapPropertiesForm::caption() const
{
    return "Propriétés générales de l'image map " + field(FieldName);
}

std::string MapPropertiesForm::resolvedImage() const
{
    const std::string &typed = field(FieldImagePath);
    return typed.empty() ? std::string() : ResolvePath(typed, mDocument.Path, mStyle);
}

void MapPropertiesForm::AnalyseImage(const std::string &path)
{
    const FileSystem &files = *mCanvas.ports().files;
    mImageShown = mViewer && LoadImagePreview(path, files, *mViewer, mFrame);
    mPixelText.clear();
    mSizeText.clear();
    if (!mImageShown)
        return;
    if (const std::optional<ImageSize> size = mCanvas.ports().images->probe(path))
        mPixelText = DialogTextRules::pixelSizeText(*size);
    mSizeText = DialogTextRules::fileSizeText(files.fileSize(path).value_or(0), mDecimalSeparator);
}

void MapPropertiesForm::otherEdited(int which)
{
    if (which == FieldImagePath)
        AnalyseImage(resolvedImage());
}

std::optional<TextEdit> MapPropertiesForm::completeLink(const std::string &text)
{
    return DialogTextRules::completeDefaultLink(text);
}

std::optional<FieldUpdate> MapPropertiesForm::chooseImage()
{
    const std::string chosen = mCanvas.ports().fileDialogs->getOpenFileName(
        imageChooser(mCanvas.settings().DefPath, false));
    if (chosen.empty())
        return std::nullopt;
    const bool exists = mCanvas.ports().files->fileExists(chosen);
    const std::string relative = exists ? RelativePath(chosen, mDocument.Path, mStyle) : "";
    edited(FieldImagePath, relative, 0);
    return FieldUpdate{FieldImagePath, relative};
}

bool MapPropertiesForm::refuse(const char *message)
{
    mCanvas.ports().messages->show(
        {message, "Erreur", MessageButtons::Ok, MessageIcon::Exclamation});
    return false;
}

MapPropertiesForm::Outcome MapPropertiesForm::OK()
{
    ImageMap *map = mDocument.activeMap();
    if (!map)
        return {true, FieldName};
    if (field(FieldName).empty() && !refuse("Le nom de l'image map est invalide."))
        return {false, FieldName};
    const std::string picture = resolvedImage();
    if ((picture.empty() || !mCanvas.ports().files->fileExists(picture)) &&
        !refuse("Le chemin d'accès à l'image est invalide."))
        return {false, FieldImagePath};
    if (mDocument.nameTakenByOtherMap(stored(FieldName), mDocument.ActiveMapIndex) &&
        !refuse("Ce nom d'image map est déjà utilisé dans le document."))
        return {false, FieldName};
    EditStep step(mDocument, EditKind::Properties);
    step.recordActiveMap();
    const bool hadDefault = map->hasDefaultRegion();
    bool written = writeChangedAttributes([map](int attribute, const std::string &value) {
        map->DefaultRegion[static_cast<std::size_t>(attribute)] = value;
    });
    if (changed(FieldName)) {
        map->Name = stored(FieldName);
        written = true;
    }
    if (picture != map->ImagePath)
        applyImage(picture);
    refreshNodes(hadDefault);
    mCanvas.ports().grid->fill(GridFill::Selection);
    if (written || modified())
        step.touchActiveMap();
    return {true, FieldName};
}

void MapPropertiesForm::applyImage(const std::string &path)
{
    if (mCanvas.moveActiveMapToPicture(path))
        return;
    mCanvas.ports().messages->show(
        {unreadablePictureText(path), BadPictureTitle, MessageButtons::Ok, MessageIcon::Critical});
    mDocument.activeMap()->ImagePath = NoImage;
}

void MapPropertiesForm::refreshNodes(bool hadDefault)
{
    const int index = mDocument.ActiveMapIndex;
    mCanvas.ports().tree->setNodeText(
        mapKey(index), mapNodeText(field(FieldName), mDocument.activeMap()->ImagePath));
    mDocument.updateDefaultRegionNode(index, hadDefault, field(AttrHref));
}

} // namespace areamaker
