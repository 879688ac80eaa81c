#include "shell/WizardForm.h"

#include "document/DocumentLifecycle.h"
#include "document/MapDocument.h"
#include "platform/SettingsStore.h"
#include "shell/FileChoosers.h"
#include "shell/ImagePreview.h"
#include "shell/SettingsTable.h"
#include "shell/ShellState.h"

#include <algorithm>

namespace areamaker {

namespace {

constexpr const char *PageCaption =
    "L'Assistant vous guide pas à pas dans la définition d'une nouvelle image map. Il est "
    "possible d'ajouter une image map à une page web existante ou de créer une nouvelle page web "
    "et d'y ajouter une image map.";
constexpr const char *ImageCaption = "Vous devez maintenant choisir l'image à partir de laquelle "
                                     "vous définirez les coordonnées des zones de la map.";
constexpr const char *PageImagesCaption =
    "Vous pouvez choisir une image qui figure déjà dans votre page web ou une nouvelle image. "
    "Areamaker adapte automatiquement le code HTML de votre document en conséquence.";
constexpr const char *NewPageImageCaption =
    "Indiquez dans la section au bas de la fenêtre le chemin de l'image à partir de laquelle "
    "vous créerez votre image map :";
constexpr const char *MapCaption =
    "Enfin, vous devez définir les propriétés de la nouvelle image map.";
constexpr const char *MapNote =
    "Le nom de l'image map est obligatoire et doit être unique sur une page web. L'URL par "
    "défaut est facultatif et couvre toutes les régions de l'image où aucune zone n'a été "
    "définie.";
constexpr const char *MapsFoundCaption =
    "Areamaker a détecté la présence d'images map dans votre document. Vous pouvez ajouter, "
    "modifier ou supprimer ces map à l'aide des fonctions de l'éditeur.";
constexpr const char *NoMapsCaption =
    "Areamaker n'a trouvé aucune image map dans ce document. Pour créer une image map, "
    "sélectionnez l'option Nouveau... du menu Fichier.";
constexpr const char *BoundMapCaption =
    "L'image que vous avez choisie est déjà liée à une définition de map. Vous pouvez modifier "
    "ou supprimer cette map à l'aide des fonctions de l'éditeur.";

constexpr int PageStep = 0;
constexpr int ImageStep = 1;
constexpr int MapStep = 2;
constexpr int FinishedStep = 3;

// The picture's file name without its extension, whatever the extension's length.
std::string proposedMapName(const std::string &image, PathStyle style)
{
    std::string name = FileNamePart(image, style);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

} // namespace

WizardForm::WizardForm(const Parts &parts, PathStyle style)
    : mParts(parts), mStyle(style), mCaptions{PageCaption, ImageCaption, MapCaption, ""}
{
    mParts.ports.status->setPanelText("ETAT", "Nouvelle image map");
    if (step() != ImageStep)
        return;
    mOrigin = PageOrigin::OpenDocument;
    mPage = mParts.document.Path;
    mCaptions[ImageStep] = PageImagesCaption;
    ExtraireImgDoc(mPage);
}

void WizardForm::attachPreview(ImagePreviewPort &viewer, ImageSize frame)
{
    mViewer = &viewer;
    mFrame = frame;
    refreshPreview();
}

int WizardForm::step() const
{
    return mParts.shell.AssistantMode;
}

void WizardForm::setStep(int step)
{
    mParts.shell.AssistantMode = step;
}

const std::string &WizardForm::caption(int step) const
{
    return mCaptions.at(static_cast<std::size_t>(step));
}

const char *WizardForm::mapStepNote()
{
    return MapNote;
}

std::string WizardForm::pageFrameCaption() const
{
    return mCreate ? "&Chemin du fichier à créer" : "&Chemin du fichier à ouvrir";
}

bool WizardForm::autoChecked() const
{
    return mParts.shell.Settings.AutoWiz;
}

bool WizardForm::backEnabled() const
{
    if (mFinished || step() == PageStep)
        return false;
    return step() == MapStep || mOrigin != PageOrigin::OpenDocument;
}

const char *WizardForm::nextCaption() const
{
    return mFinished ? "&Terminer >" : "&Suivant >";
}

void WizardForm::setAuto(bool on)
{
    mParts.shell.Settings.AutoWiz = on;
    mParts.store.write(SystemSection, "AutoWiz", SettingsTable::encodeBoolean(on));
}

std::string WizardForm::quoted(const std::string &path) const
{
    return "'" + shownPath(path, mStyle) + "'\n\n";
}

bool WizardForm::pathAccepted(const std::string &path)
{
    if (isAbsolutePath(path, mStyle))
        return true;
    mParts.ports.messages->show(
        {"Nom de fichier invalide!", "Erreur", MessageButtons::Ok, MessageIcon::Exclamation});
    return false;
}

bool WizardForm::CreerNouvDoc(const std::string &path)
{
    if (!pathAccepted(path))
        return false;
    if (!mParts.ports.files->fileExists(path))
        return true;
    const MessageAnswer answer = mParts.ports.messages->show(
        {quoted(path) + "Ce fichier existe déjà.\nDésirez-vous remplacer ce fichier?", "Erreur",
         MessageButtons::YesNo, MessageIcon::Exclamation, 1});
    return answer == MessageAnswer::Yes;
}

bool WizardForm::ExtraireImgDoc(const std::string &path)
{
    if (!pathAccepted(path))
        return false;
    std::string page;
    if (!mParts.ports.files->fileExists(path)) {
        mParts.ports.messages->show({quoted(path) + "Ce fichier n'existe pas!", "Erreur",
                                     MessageButtons::Ok, MessageIcon::Exclamation});
        return false;
    }
    const IoResult read = mParts.ports.files->readFile(path, page);
    if (!read.ok()) {
        mParts.ports.messages->show(
            {quoted(path) + read.error, "Erreur", MessageButtons::Ok, MessageIcon::Exclamation});
        return false;
    }
    mItems.clear();
    if (mOrigin != PageOrigin::OpenDocument)
        mItems.push_back({EditItem, "Éditer maps existantes", {}});
    mItems.push_back({NewItem, "Nouvelle image", {}});
    mPageEncoding =
        mOrigin == PageOrigin::OpenDocument ? mParts.document.Encoding : PageEncoding::detect(page);
    addImageItems(page);
    selectItem(NewItem);
    return true;
}

void WizardForm::addImageItems(const std::string &page)
{
    int number = 0;
    for (const PageImage &image : PageImages::find(page)) {
        if (mOrigin == PageOrigin::OpenDocument && image.mapName &&
            usedByOpenDocument(*image.mapName))
            continue;
        if (IsImagePresent(image).empty())
            continue;
        std::string text = mPageEncoding.decode(image.src);
        if (image.mapName)
            text += " (#" + mPageEncoding.decode(*image.mapName) + ")";
        mItems.push_back({"IMG" + std::to_string(number++), text, image});
    }
}

bool WizardForm::usedByOpenDocument(const std::string &name) const
{
    const std::vector<ImageMap> &maps = mParts.document.Maps;
    return std::any_of(maps.begin(), maps.end(), [&name](const ImageMap &map) {
        return map.Alive && (map.Name == name || map.NameAsRead == name);
    });
}

std::string WizardForm::IsImagePresent(const PageImage &image) const
{
    if (image.src.empty())
        return {};
    return mParts.ports.files->fileExists(ResolvePath(image.src, mPage, mStyle)) ? image.src
                                                                                 : std::string();
}

std::optional<ImageSize> WizardForm::ValideImage(const std::string &path)
{
    if (path.empty()) {
        mParts.ports.messages->show({"Veuillez choisir une image avant de continuer.", "Erreur",
                                     MessageButtons::Ok, MessageIcon::Exclamation});
        return std::nullopt;
    }
    std::optional<ImageSize> size;
    if (mViewer)
        size = LoadImagePreview(path, *mParts.ports.files, *mViewer, mFrame);
    mPreviewShown = size.has_value();
    if (!size)
        mParts.ports.messages->show({"L'image sélectionnée n'est pas valide!", "Erreur",
                                     MessageButtons::Ok, MessageIcon::Exclamation});
    return size;
}

void WizardForm::selectItem(const std::string &key)
{
    const auto found = std::find_if(mItems.begin(), mItems.end(),
                                    [&key](const WizardItem &item) { return item.key == key; });
    itemClicked(found == mItems.end() ? -1 : static_cast<int>(found - mItems.begin()));
}

const WizardItem *WizardForm::selected() const
{
    if (mSelected < 0 || mSelected >= static_cast<int>(mItems.size()))
        return nullptr;
    return &mItems[static_cast<std::size_t>(mSelected)];
}

void WizardForm::itemClicked(int index)
{
    mSelected = index;
    const WizardItem *item = selected();
    if (!item)
        return;
    const bool newPicture = item->key == NewItem;
    const bool editMaps = item->key == EditItem;
    mImageBoxEnabled = newPicture;
    mImageFrameEnabled = !editMaps;
    // An IMG item shows the page's own picture, its SRC as the page writes it.
    setImageText(newPicture || editMaps ? std::string() : mPageEncoding.decode(item->image.src));
}

void WizardForm::setImageText(const std::string &text)
{
    mImageText = text;
    refreshPreview();
}

std::string WizardForm::resolvedImage() const
{
    if (const WizardItem *item = selected(); item && item->key != NewItem && item->key != EditItem)
        return ResolvePath(item->image.src, mPage, mStyle);
    if (mImageText.empty())
        return {};
    return isAbsolutePath(mImageText, mStyle) ? mImageText : ResolvePath(mImageText, mPage, mStyle);
}

void WizardForm::refreshPreview()
{
    mPreviewShown = mViewer && mImageFrameEnabled &&
                    LoadImagePreview(resolvedImage(), *mParts.ports.files, *mViewer, mFrame);
    if (mViewer && !mPreviewShown)
        mViewer->clearPreview();
}

WizardForm::Outcome WizardForm::itemDoubleClicked(int index)
{
    itemClicked(index);
    const WizardItem *item = selected();
    if (!item)
        return {};
    if (item->key == NewItem) {
        Browse();
        return {};
    }
    if (item->key == EditItem)
        return editExistingMaps(true);
    return Next();
}

WizardForm::Outcome WizardForm::Next()
{
    switch (step()) {
    case PageStep:
        return nextFromPage();
    case ImageStep:
        return nextFromImage();
    case MapStep:
        return nextFromMap();
    default:
        return {true, Focus::None};
    }
}

WizardForm::Outcome WizardForm::nextFromPage()
{
    if (mCreate) {
        if (!CreerNouvDoc(mPageText))
            return {false, Focus::Page};
        mOrigin = PageOrigin::NewPage;
        mPage = mPageText;
        mPageEncoding = PageEncoding();
        mItems = {{NewItem, "(Nouvelle image)", {}}};
        selectItem(NewItem);
        mCaptions[ImageStep] = NewPageImageCaption;
    } else {
        mOrigin = PageOrigin::ExistingPage;
        mPage = mPageText;
        if (!ExtraireImgDoc(mPage))
            return {false, Focus::Page};
        mCaptions[ImageStep] = PageImagesCaption;
    }
    setStep(ImageStep);
    return {false, Focus::Image};
}

WizardForm::Outcome WizardForm::nextFromImage()
{
    const WizardItem *item = selected();
    if (!item)
        return {};
    if (item->key == EditItem)
        return editExistingMaps(false);
    if (item->key == NewItem)
        return toMapStep(resolvedImage(), std::nullopt);
    if (item->image.mapName && pageHoldsMap(*item->image.mapName))
        return showBoundMap(*item->image.mapName);
    return toMapStep(resolvedImage(), item->image.position);
}

bool WizardForm::pageHoldsMap(const std::string &name) const
{
    if (mOrigin == PageOrigin::OpenDocument)
        return usedByOpenDocument(name);
    std::string page;
    if (!mParts.ports.files->readFile(mPage, page).ok())
        return false;
    const std::vector<std::string> names = PageImages::mapNames(page);
    return std::find(names.begin(), names.end(), name) != names.end();
}

WizardForm::Outcome WizardForm::toMapStep(const std::string &image,
                                          std::optional<std::size_t> imgTag)
{
    const std::optional<ImageSize> size = ValideImage(image);
    if (!size)
        return {false, Focus::Image};
    mImage = image;
    mImageSize = *size;
    mImgTag = imgTag;
    mMapName = proposedMapName(image, mStyle);
    setStep(MapStep);
    return {false, Focus::Name};
}

bool WizardForm::openPage()
{
    return mOrigin == PageOrigin::OpenDocument || mParts.lifecycle.OpenDocument(mPage, true);
}

WizardForm::Outcome WizardForm::editExistingMaps(bool thenClose)
{
    if (!openPage())
        return {};
    mParts.lifecycle.ActivateMap(0, true);
    if (thenClose)
        return {true, Focus::None};
    finish(mParts.document.MapCount() > 0 ? MapsFoundCaption : NoMapsCaption);
    return {};
}

WizardForm::Outcome WizardForm::showBoundMap(const std::string &name)
{
    if (!openPage())
        return {};
    const std::vector<ImageMap> &maps = mParts.document.Maps;
    const auto found = std::find_if(maps.begin(), maps.end(), [&name](const ImageMap &map) {
        return map.Alive && map.NameAsRead == name;
    });
    if (found != maps.end())
        mParts.lifecycle.ActivateMap(static_cast<int>(found - maps.begin()), true);
    finish(BoundMapCaption);
    return {};
}

WizardForm::Outcome WizardForm::nextFromMap()
{
    NewImageMap maker(mParts.document, mParts.lifecycle, mParts.ports,
                      mParts.shell.Settings.NewNoBorder, mStyle);
    const std::optional<std::string> done =
        maker.create({mOrigin, mPage, mImage, mImageSize, mImgTag, mMapName, mDefaultUrl});
    if (!done)
        return {false, Focus::Name};
    finish(*done);
    return {};
}

void WizardForm::finish(const std::string &text)
{
    mCaptions[FinishedStep] = text;
    mFinished = true;
    setStep(FinishedStep);
}

WizardForm::Outcome WizardForm::Back()
{
    if (!backEnabled())
        return {};
    if (step() == MapStep) {
        setStep(ImageStep);
        return {false, Focus::Image};
    }
    setStep(PageStep);
    return {false, Focus::Page};
}

void WizardForm::Browse()
{
    FileDialogPort &dialogs = *mParts.ports.fileDialogs;
    const std::string pageFolder = ParentFolder(mPage, mStyle);
    if (step() == PageStep) {
        // Where the typed path points, else where the file choosers usually open.
        const std::string &usual = mParts.shell.Settings.DefPath;
        const std::string folder = isAbsolutePath(mPageText, mStyle)
                                       ? ParentFolder(mPageText, mStyle)
                                       : (isAbsolutePath(usual, mStyle) ? usual : std::string());
        const OpenFileRequest request =
            pageChooser(mCreate ? "Enregister sous" : "Ouvrir une page web", folder);
        const std::string chosen =
            mCreate ? dialogs.getSaveFileName(request) : dialogs.getOpenFileName(request);
        if (!chosen.empty())
            mPageText = chosen;
    } else if (step() == ImageStep && mImageBoxEnabled) {
        const std::string chosen = dialogs.getOpenFileName(assistantImageChooser(pageFolder));
        if (!chosen.empty())
            setImageText(RelativePath(chosen, mPage, mStyle));
    } else if (step() == MapStep) {
        const std::string chosen =
            dialogs.getOpenFileName(pageChooser("Établir un lien", pageFolder));
        if (!chosen.empty())
            mDefaultUrl = RelativePath(chosen, mPage, mStyle);
    }
}

void WizardForm::Aide()
{
    if (mParts.showHelp)
        mParts.showHelp(HelpTopic);
}

bool WizardForm::mayClose()
{
    if (step() == PageStep || mFinished)
        return true;
    const MessageAnswer answer = mParts.ports.messages->show(
        {"Désirez-vous quitter l'assistant maintenant ?", "Confirmation", MessageButtons::OkCancel,
         MessageIcon::Question});
    return answer != MessageAnswer::Cancel;
}

void WizardForm::closed()
{
    mParts.ports.status->setPanelText(
        "ETAT", mParts.document.DocumentState == DocumentOpen ? "Prêt" : "Aucun document ouvert");
    mParts.ports.canvas->startDisplayTimer();
}

} // namespace areamaker
