#include "document/DocumentLifecycle.h"

#include "document/AsciiText.h"
#include "document/CoreError.h"
#include "document/ImageSizeCache.h"
#include "document/ImgTagBinder.h"
#include "document/MapDocument.h"
#include "document/MapEditGuard.h"
#include "document/MapReader.h"
#include "document/MapWriter.h"
#include "document/TreeKeys.h"

namespace areamaker {

namespace {

constexpr const char *ReadyText = "Prêt";
constexpr const char *NeedImageText = "Veuillez indiquer la source de l'image pour cette map";

// The names and image paths under which each map was last saved, so that a failed write
// leaves the next save with the same work to do.
struct SavedNames
{
    std::vector<std::pair<std::string, std::string>> sourceAndName;

    explicit SavedNames(const MapDocument &document)
    {
        for (const ImageMap &map : document.Maps)
            sourceAndName.emplace_back(map.SourceAsRead, map.NameAsRead);
    }
    void restore(MapDocument &document) const
    {
        for (std::size_t i = 0; i < sourceAndName.size(); ++i) {
            document.Maps[i].SourceAsRead = sourceAndName[i].first;
            document.Maps[i].NameAsRead = sourceAndName[i].second;
        }
    }
};

} // namespace

DocumentLifecycle::DocumentLifecycle(MapDocument &document, const EditorPorts &ports,
                                     PathStyle style)
    : mDocument(document), mPorts(ports), mStyle(style)
{
}

std::string DocumentLifecycle::quotedPath() const
{
    return "'" + toUpperAscii(mDocument.Path) + "'\n\n";
}

bool DocumentLifecycle::promptToSave()
{
    if (mDocument.DocumentState != DocumentOpen || !mDocument.anyMapModified())
        return true;
    const MessageAnswer answer = mPorts.messages->show(
        {quotedPath() + "Désirez-vous enregistrer les modifications apportées au document ?",
         "Confirmation", MessageButtons::YesNoCancel, MessageIcon::Question});
    if (answer == MessageAnswer::Cancel)
        return false;
    // A save that fails or is cancelled stops the command that asked: nothing is lost.
    return answer != MessageAnswer::Yes || SaveDocument();
}

bool DocumentLifecycle::OpenDocument(const std::string &requestedPath, bool noPrompt)
{
    mLastError.clear();
    if (!noPrompt && !promptToSave())
        return false;
    std::string path = requestedPath;
    if (path == "NONE") {
        path = mPorts.fileDialogs->getOpenFileName(
            {"Page web  (*.html; *.htm)|*.html;*.htm|Tous  (*.*)|*.*|", "Ouvrir", "htm",
             mDocument.Folder});
        if (path.empty())
            return false;
    }
    if (!readAndScan(path))
        return false;
    mDocument.DocumentState = DocumentOpen;
    mPorts.commands->setToolbarState(ToolbarState::DocumentOpen);
    mDocument.DocumentStamp = FileStamp(mDocument.Path, *mPorts.files);
    mPorts.status->setPanelText("ETAT", ReadyText);
    mDocument.SetDocumentModified(false);
    mDocument.refreshTitle();
    mDocument.Folder = ParentFolder(mDocument.Path, mStyle);
    return true;
}

bool DocumentLifecycle::readAndScan(const std::string &path)
{
    std::string page;
    const IoResult read = mPorts.files->readFile(path, page);
    if (!read.ok()) {
        reportOpenFailure(ErrFileNotFound, read.error);
        return false;
    }
    mDocument.Path = path;
    mDocument.clearMaps();
    mPorts.tree->clear();
    mPorts.recent->addDocument(path);
    ImageSizeCache images(mPorts.images, mPorts.files);
    MapReader reader(mDocument, images, mPorts.messages, mStyle);
    if (!reader.readPage(page)) {
        reportOpenFailure(reader.lastError()->number(), reader.lastError()->description());
        return false;
    }
    return true;
}

void DocumentLifecycle::reportOpenFailure(int number, const std::string &description)
{
    mLastError = description;
    mPorts.messages->show({"Erreur dans le module : MapModule\nDescription : Impossible de lire le "
                           "fichier spécifié.\n\nSi le problème persiste, contactez le service "
                           "d'assistance.",
                           "Erreur " + std::to_string(number) + " - " + description,
                           MessageButtons::Ok, MessageIcon::Critical});
}

bool DocumentLifecycle::ActivateMap(int index, bool expandNode)
{
    mDocument.copyBackActiveZones();
    if (index >= mDocument.MapCount() || index <= -1 || index == mDocument.ActiveMapIndex)
        return false;
    ImageMap &map = mDocument.Maps[static_cast<std::size_t>(index)];
    std::string image = map.ImagePath;
    if (image == NoImage || !mPorts.files->fileExists(image)) {
        image = LocateImage(mDocument.Encoding.decode(map.Name), index);
        if (image.empty()) {
            mPorts.status->setPanelText("ETAT", NeedImageText);
            failActivation();
            return false;
        }
    }
    if (!mPorts.canvas->ShowImage(image)) {
        map.ImagePath = NoImage;
        mPorts.status->setPanelText("ETAT", NeedImageText);
        failActivation();
        return false;
    }
    map.ImagePath = image;
    mDocument.loadActiveZones(index);
    mPorts.canvas->clearSelection();
    mPorts.canvas->setCanvasMode(0);
    mPorts.commands->setToolbarState(ToolbarState::MapActive);
    mDocument.ActiveMapIndex = static_cast<std::int16_t>(index);
    if (expandNode)
        mPorts.tree->expandNode(mapKey(index));
    mPorts.status->setPanelText("ETAT", map.isReadOnly() ? "Lecture seule : " + map.ReadOnlyReason
                                                         : std::string(ReadyText));
    mPorts.grid->fill(GridFill::Selection);
    mPorts.canvas->startDisplayTimer();
    return true;
}

void DocumentLifecycle::failActivation()
{
    mPorts.canvas->ShowImage({});
    mDocument.ActiveMapIndex = -1;
    mDocument.ActiveZones.clear();
    mDocument.SelectedZoneIndex = -1;
    mPorts.canvas->setCanvasMode(-1);
    mPorts.commands->setToolbarState(ToolbarState::NoPicture);
    mPorts.grid->fill(GridFill::Empty);
}

std::string DocumentLifecycle::LocateImage(const std::string &mapName, int mapIndex)
{
    const MessageAnswer answer =
        mPorts.messages->show({"L'image associée à la map '" + mapName +
                                   "' est introuvable.\n\nVeuillez spécifier le "
                                   "chemin d'accès à l'image afin de pouvoir "
                                   "utiliser l'éditeur.",
                               "Message", MessageButtons::OkCancel, MessageIcon::Information});
    if (answer == MessageAnswer::Cancel)
        return {};
    const std::string path = mPorts.fileDialogs->getOpenFileName(
        {"Images  (*.gif; *.jpg)|*.gif;*.jpg|Tous  (*.*)|*.*|", "Ouvrir", "gif", mDocument.Folder});
    if (path.empty() || !mPorts.files->fileExists(path))
        return {};
    // A read-only map shows the picture without taking it into the page.
    if (mapIndex != -1 && !mDocument.Maps[static_cast<std::size_t>(mapIndex)].isReadOnly())
        mDocument.markMapModified(mapIndex);
    return path;
}

bool DocumentLifecycle::trySave(std::string &failure)
{
    if (mDocument.Path.empty() || !mPorts.files->fileExists(mDocument.Path)) {
        failure = "Le fichier est introuvable.";
        return false;
    }
    std::string text;
    const IoResult read = mPorts.files->readFile(mDocument.Path, text);
    if (!read.ok()) {
        failure = read.error;
        return false;
    }
    // The page's own line break, before new markup (whose values may hold others) goes in.
    const std::string eol(lineBreakOf(text));
    const SavedNames before(mDocument);
    try {
        ImageSizeCache images(mPorts.images, mPorts.files);
        const ImgTagBinder binder(mNewNoBorder);
        MapWriter(mDocument, images, binder, mStyle).WriteMaps(text);
    } catch (const CoreError &error) {
        before.restore(mDocument);
        failure = error.description();
        return false;
    }
    // A page that ends with a line break keeps its last bytes; any other gets one.
    if (!text.ends_with('\n') && !text.ends_with('\r'))
        text += eol;
    const IoResult written = mPorts.files->replaceFile(mDocument.Path, text);
    if (!written.ok()) {
        before.restore(mDocument);
        failure = written.error;
        return false;
    }
    return true;
}

bool DocumentLifecycle::SaveDocument()
{
    mLastError.clear();
    std::string failure;
    while (!trySave(failure)) {
        mLastError = failure;
        const MessageAnswer answer = mPorts.messages->show(
            {toUpperAscii(mDocument.Path) + "\n\nLe document n'est pas accessible ou n'existe pas "
                                            "!\nVeuillez rétablir l'accès au fichier pour "
                                            "enregistrer les modifications.",
             "Erreur: " + failure, MessageButtons::RetryCancel, MessageIcon::Critical});
        if (answer != MessageAnswer::Retry)
            return false;
    }
    mLastError.clear();
    for (ImageMap &map : mDocument.Maps)
        map.Modified = false;
    mDocument.SetDocumentModified(false);
    mDocument.DocumentStamp = FileStamp(mDocument.Path, *mPorts.files);
    return true;
}

void DocumentLifecycle::CloseDocument(bool resetView)
{
    mDocument.close();
    mPorts.canvas->setCanvasMode(-1);
    if (!resetView)
        return;
    mPorts.canvas->ShowImage({});
    mPorts.commands->setToolbarState(ToolbarState::NoDocument);
    mPorts.tree->clear();
    mPorts.status->setPanelText("ETAT", "Aucun document ouvert");
    mPorts.grid->fill(GridFill::Empty);
    mDocument.SetDocumentModified(false);
}

void DocumentLifecycle::checkForOutsideChange()
{
    if (mDocument.DocumentState != DocumentOpen)
        return;
    if (FileStamp(mDocument.Path, *mPorts.files) == mDocument.DocumentStamp)
        return;
    const MessageAnswer answer = mPorts.messages->show(
        {quotedPath() + "Ce document a été modifié par une autre application.\nDésirez-vous "
                        "recharger le document maintenant ?",
         "Areamaker", MessageButtons::YesNo, MessageIcon::Question});
    if (answer == MessageAnswer::Yes) {
        const int active = mDocument.ActiveMapIndex;
        if (OpenDocument(mDocument.Path, true) && active >= 0)
            ActivateMap(active, false);
    }
    mDocument.DocumentStamp = FileStamp(mDocument.Path, *mPorts.files);
}

void DocumentLifecycle::deleteFromTree(const std::string &key)
{
    const TreeKey node = decodeTreeKey(key);
    if (node.kind == TreeKey::Kind::None || node.mapIndex >= mDocument.MapCount())
        return;
    if (node.kind == TreeKey::Kind::Zone) {
        mPorts.canvas->DeleteSelectedZone(true);
        return;
    }
    if (!MapEditGuard::allows(mDocument, node.mapIndex, *mPorts.messages))
        return;
    if (node.kind == TreeKey::Kind::DefaultRegion) {
        const MessageAnswer answer =
            mPorts.messages->show({"Désirez-vous supprimer la région par défaut de l'image map ?",
                                   "Confirmation", MessageButtons::YesNo, MessageIcon::Question});
        if (answer != MessageAnswer::Yes)
            return;
        mDocument.clearDefaultRegion(node.mapIndex);
        mPorts.tree->removeNode(key);
        mPorts.canvas->clearSelection();
        return;
    }
    const ImageMap &map = mDocument.Maps[static_cast<std::size_t>(node.mapIndex)];
    const MessageAnswer answer =
        mPorts.messages->show({"Désirez-vous supprimer l'image map '" +
                                   mDocument.Encoding.decode(map.Name) +
                                   "' ?\n\nCette opération est "
                                   "irréversible.",
                               "Confirmation", MessageButtons::YesNo, MessageIcon::Question, 1});
    if (answer != MessageAnswer::Yes)
        return;
    mDocument.deleteMap(node.mapIndex);
    mPorts.tree->removeNode(key);
    mPorts.canvas->ShowImage({});
}

} // namespace areamaker
