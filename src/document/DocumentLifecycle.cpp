#include "document/DocumentLifecycle.h"

#include "document/AsciiText.h"
#include "document/BinaryContent.h"
#include "document/CoreError.h"
#include "document/DeferredTree.h"
#include "document/FileFilters.h"
#include "document/ImageSizeCache.h"
#include "document/ImgTagBinder.h"
#include "document/MapDocument.h"
#include "document/MapEditGuard.h"
#include "document/MapImageFinder.h"
#include "document/MapReader.h"
#include "document/MapWriter.h"
#include "document/TreeKeys.h"

#include <algorithm>
#include <optional>

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

// A saved page ends with a line break: a page that ends with one keeps its last bytes, any
// other gets the page's own.
bool endsWithLineBreak(char last)
{
    return last == '\n' || last == '\r';
}

// The page that `make` hands on in pieces, ending with a line break.
void writeEndingWithLineBreak(const std::function<void(const ContentWriter &)> &make,
                              std::string_view eol, const ContentWriter &write)
{
    char last = 0;
    make([&](std::string_view piece) {
        if (!piece.empty())
            last = piece.back();
        write(piece);
    });
    if (!endsWithLineBreak(last))
        write(eol);
}

} // namespace

DocumentLifecycle::DocumentLifecycle(MapDocument &document, const EditorPorts &ports,
                                     PathStyle style)
    : mDocument(document), mPorts(ports), mStyle(style)
{
}

std::string DocumentLifecycle::quotedPath() const
{
    return "'" + shownPath(mDocument.Path, mStyle) + "'\n\n";
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
            {FileFilters::pages(), "Ouvrir", "htm", openFolder()});
        if (path.empty())
            return false;
    }
    // The page is read whole into a document of its own: one that cannot be read leaves the
    // open document, its views and its edits exactly as they were.
    std::string page;
    MapDocument read;
    read.Path = path;
    DeferredTree nodes;
    read.attachViews(mPorts.tree->showsNodes() ? &nodes : nullptr, nullptr, nullptr);
    ImageSizeCache images(mPorts.images, mPorts.files);
    MapReader reader(read, images, mPorts.messages, mStyle);
    if (!readPage(path, page) || !scanPage(reader, page))
        return false;
    adoptPage(path, std::move(page), std::move(read), nodes);
    return true;
}

bool DocumentLifecycle::readPage(const std::string &path, std::string &page)
{
    const IoResult read = mPorts.files->readFile(path, page);
    if (!read.ok()) {
        reportOpenFailure(ErrFileNotFound, read.error);
        return false;
    }
    return isPage(path, page);
}

bool DocumentLifecycle::viewPage(const std::string &path, std::unique_ptr<FileView> &view)
{
    const IoResult read = mPorts.files->viewFile(path, view);
    if (!read.ok()) {
        reportOpenFailure(ErrFileNotFound, read.error);
        return false;
    }
    return isPage(path, view->bytes());
}

bool DocumentLifecycle::isPage(const std::string &path, std::string_view bytes)
{
    const std::string kind = binaryKindOf(bytes);
    if (!kind.empty()) {
        reportNotAPage(path, kind);
        return false;
    }
    return true;
}

bool DocumentLifecycle::visitMaps(const std::string &path, const MapReader::MapVisitor &visit)
{
    mLastError.clear();
    std::unique_ptr<FileView> view;
    if (!viewPage(path, view))
        return false;
    ImageSizeCache images(mPorts.images, mPorts.files);
    MapDocument read;
    read.Path = path;
    MapReader reader(read, images, mPorts.messages, mStyle);
    return scanPage(reader, view->bytes(), visit);
}

bool DocumentLifecycle::RewritePage(const std::string &path)
{
    mLastError.clear();
    std::unique_ptr<FileView> view;
    if (!viewPage(path, view))
        return false;
    const std::string_view page = view->bytes();
    ImageSizeCache images(mPorts.images, mPorts.files);
    MapDocument scratch;
    scratch.Path = path;
    // One pass: each map is read whole just before its block is written again, then let go.
    // A failure of the reading is reported by a whole reading of the page, which finds the
    // page's first one, as opening it would.
    MapReader reader(scratch, images, nullptr, mStyle);
    if (!reader.startPage(page))
        return reportFirstFailure(path, page, images, *reader.lastError());
    int maps = 0;
    const auto readWhole = [&](const MapBlock &block) {
        if (maps++ == MapDocument::MaxCount)
            throw MapDocument::tooManyMaps();
        return reader.readMapAgain(page, block);
    };
    // The writer takes only the page's path from its document: pictures' paths are written
    // relative to it.
    MapDocument pageOnly;
    pageOnly.Path = path;
    const ImgTagBinder binder(mNewNoBorder);
    MapWriter writer(pageOnly, images, binder, mStyle);
    const std::string eol(lineBreakOf(page));
    std::optional<CoreError> misread;
    bool begun = false;
    bool changed = false;
    const IoResult written = mPorts.files->replaceFileWith(path, [&](const ContentWriter &write) {
        begun = true;
        try {
            writeEndingWithLineBreak(
                [&](const ContentWriter &out) {
                    changed = writer.rewriteMaps(page, readWhole, out);
                },
                eol, write);
        } catch (const CoreError &error) {
            misread = error;
            return error.description();
        }
        // Nothing to write: the temporary file goes, and the page keeps its bytes, its final
        // line break included.
        return changed ? std::string() : std::string("rien à réécrire");
    });
    if (misread)
        return reportFirstFailure(path, page, images, *misread);
    if (written.ok())
        mPorts.files->removeStaleTemporaries(path);
    if (written.ok() || (begun && !changed))
        return true;
    return begun ? failRewrite(written) : settleUnbegunRewrite(path, page, images, written);
}

bool DocumentLifecycle::settleUnbegunRewrite(const std::string &path, std::string_view page,
                                             ImageSizeCache &images, const IoResult &written)
{
    MapDocument read;
    read.Path = path;
    MapReader reader(read, images, nullptr, mStyle);
    reader.skipAreas();
    if (!reader.readPage(page))
        return reportFirstFailure(path, page, images, *reader.lastError());
    const bool anyToWrite = std::any_of(read.Maps.begin(), read.Maps.end(), [](const ImageMap &m) {
        return m.Alive && !m.isReadOnly();
    });
    return anyToWrite ? failRewrite(written) : true;
}

bool DocumentLifecycle::failRewrite(const IoResult &written)
{
    mLastError = written.error;
    return false;
}

bool DocumentLifecycle::reportFirstFailure(const std::string &path, std::string_view page,
                                           ImageSizeCache &images, const CoreError &failure)
{
    MapDocument read;
    read.Path = path;
    MapReader whole(read, images, mPorts.messages, mStyle);
    if (scanPage(whole, page, [](ImageMap &, int, const PageEncoding &) {}))
        mLastError = failure.description();
    return false;
}

bool DocumentLifecycle::scanPage(MapReader &reader, std::string_view page,
                                 const MapReader::MapVisitor &visit)
{
    if (!reader.readPage(page, visit)) {
        reportOpenFailure(reader.lastError()->number(), reader.lastError()->description());
        return false;
    }
    return true;
}

void DocumentLifecycle::adoptPage(const std::string &path, std::string &&page, MapDocument &&read,
                                  const DeferredTree &nodes)
{
    // The old page's picture, selection and grid rows go with it.
    mPorts.canvas->clearSelection();
    mPorts.canvas->ShowImage({});
    mDocument.adoptPage(std::move(read));
    nodes.replayInto(*mPorts.tree);
    mPorts.grid->fill(GridFill::Empty);
    mPorts.recent->addDocument(path);
    mPageText = std::move(page);
    mPageGone = false;
    mDocument.DocumentState = DocumentOpen;
    mPorts.commands->setToolbarState(ToolbarState::DocumentOpen);
    mDocument.DocumentStamp = FileStamp(mDocument.Path, *mPorts.files);
    mPorts.status->setPanelText("ETAT", ReadyText);
    mDocument.SetDocumentModified(false);
    mDocument.refreshTitle();
    mDocument.Folder = ParentFolder(mDocument.Path, mStyle);
    followFolder();
}

std::string DocumentLifecycle::openFolder() const
{
    return mDefaultFolder ? *mDefaultFolder : mDocument.Folder;
}

void DocumentLifecycle::followFolder()
{
    if (mDefaultFolder && !mDocument.Folder.empty())
        *mDefaultFolder = mDocument.Folder;
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

void DocumentLifecycle::reportNotAPage(const std::string &path, const std::string &kind)
{
    mLastError = "Ce fichier est " + kind + ", pas une page web.";
    mPorts.messages->show({"'" + shownPath(path, mStyle) + "'\n\n" + mLastError +
                               "\nL'éditeur ouvre les pages HTML qui contiennent ou recevront "
                               "les images maps ; le fichier n'a pas été modifié.",
                           "Areamaker", MessageButtons::Ok, MessageIcon::Exclamation});
}

bool DocumentLifecycle::ActivateMap(int index, bool expandNode)
{
    mDocument.copyBackActiveZones();
    if (index >= mDocument.MapCount() || index <= -1 || index == mDocument.ActiveMapIndex)
        return false;
    ImageMap &map = mDocument.Maps[static_cast<std::size_t>(index)];
    std::string image = map.ImagePath;
    bool fromImgTag = false;
    if (image == NoImage && map.SourceTextAsRead.empty()) {
        const std::string named = imageNamedByPage(map, mPageText, mDocument, mStyle);
        fromImgTag = !named.empty() && mPorts.files->fileExists(named);
        if (fromImgTag)
            image = named;
    }
    if (image == NoImage || !mPorts.files->fileExists(image)) {
        image = LocateImage(mDocument.Encoding.decode(map.Name), index);
        if (image.empty()) {
            mPorts.status->setPanelText("ETAT", NeedImageText);
            clearActiveMap();
            return false;
        }
    }
    if (!mPorts.canvas->ShowImage(image)) {
        map.ImagePath = NoImage;
        mPorts.status->setPanelText("ETAT", NeedImageText);
        clearActiveMap();
        return false;
    }
    if (fromImgTag)
        takeImageOfImgTag(index, image);
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

void DocumentLifecycle::takeImageOfImgTag(int index, const std::string &image)
{
    // The page already shows this picture: as read, the map's image has not changed, so its
    // IMG tags are left as they are.
    ImageMap &map = mDocument.Maps[static_cast<std::size_t>(index)];
    map.SourceAsRead = image;
    mPorts.tree->setNodeText(mapKey(index),
                             mapNodeText(mDocument.Encoding.decode(map.Name), image));
}

void DocumentLifecycle::clearActiveMap()
{
    mPorts.canvas->clearSelection();
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
    const bool known = mapIndex >= 0 && mapIndex < mDocument.MapCount();
    const std::string sought =
        known ? imageNamedByPage(mDocument.Maps[static_cast<std::size_t>(mapIndex)], mPageText,
                                 mDocument, mStyle)
              : std::string();
    const std::string where =
        sought.empty() ? std::string() : "\nFichier cherché : '" + shownPath(sought, mStyle) + "'";
    const MessageAnswer answer = mPorts.messages->show(
        {"L'image associée à la map '" + mapName + "' est introuvable." + where +
             "\n\nVeuillez spécifier le chemin d'accès à l'image afin de "
             "pouvoir utiliser l'éditeur.",
         "Message", MessageButtons::OkCancel, MessageIcon::Information});
    if (answer == MessageAnswer::Cancel)
        return {};
    const std::string path = mPorts.fileDialogs->getOpenFileName(
        {FileFilters::images(), "Ouvrir", "gif", mDocument.Folder});
    if (path.empty() || !mPorts.files->fileExists(path))
        return {};
    // A read-only map shows the picture without taking it into the page.
    if (mapIndex != -1 && !mDocument.Maps[static_cast<std::size_t>(mapIndex)].isReadOnly())
        mDocument.markChangedOutsideSteps(mapIndex);
    return path;
}

bool DocumentLifecycle::readForSave(std::string &text, std::string &failure)
{
    // A page deleted outside, once the user was told, is written again from what was read.
    if (mPageGone && !mPorts.files->fileExists(mDocument.Path)) {
        text = mPageText;
        return true;
    }
    if (mDocument.Path.empty() || !mPorts.files->fileExists(mDocument.Path)) {
        failure = "Le fichier est introuvable.";
        return false;
    }
    const IoResult read = mPorts.files->readFile(mDocument.Path, text);
    if (!read.ok()) {
        failure = read.error;
        return false;
    }
    return true;
}

void DocumentLifecycle::writeMapsInto(std::string &text)
{
    ImageSizeCache images(mPorts.images, mPorts.files);
    const ImgTagBinder binder(mNewNoBorder);
    MapWriter(mDocument, images, binder, mStyle).WriteMaps(text);
}

bool DocumentLifecycle::pageAsSaved(std::string &text, std::string &failure)
{
    failure.clear();
    if (!readForSave(text, failure))
        return false;
    // The writer takes the names it wrote as the names read; they stay as they were.
    const SavedNames before(mDocument);
    try {
        writeMapsInto(text);
    } catch (const CoreError &error) {
        failure = error.description();
    }
    before.restore(mDocument);
    return failure.empty();
}

bool DocumentLifecycle::trySave(std::string &failure, const PageEdit &edit)
{
    std::string text;
    if (!readForSave(text, failure))
        return false;
    // The page's own line break, before new markup (whose values may hold others) goes in.
    const std::string eol(lineBreakOf(text));
    if (edit) {
        failure = edit(text);
        if (!failure.empty())
            return false;
    }
    const SavedNames before(mDocument);
    try {
        writeMapsInto(text);
    } catch (const CoreError &error) {
        before.restore(mDocument);
        failure = error.description();
        return false;
    }
    if (!endsWithLineBreak(text.empty() ? '\0' : text.back()))
        text += eol;
    const IoResult written = mPorts.files->replaceFile(mDocument.Path, text);
    if (!written.ok()) {
        before.restore(mDocument);
        failure = written.error;
        return false;
    }
    mPorts.files->removeStaleTemporaries(mDocument.Path);
    mPageText = std::move(text);
    return true;
}

bool DocumentLifecycle::SaveDocument(const PageEdit &edit)
{
    mLastError.clear();
    if (mDocument.DocumentState != DocumentOpen)
        return false;
    // Nothing to write: the page keeps its bytes, its final line break included.
    if (!mDocument.anyMapModified() && !mPageGone) {
        mDocument.markSaved();
        return true;
    }
    std::string failure;
    while (!trySave(failure, edit)) {
        mLastError = failure;
        const MessageAnswer answer = mPorts.messages->show(
            {shownPath(mDocument.Path, mStyle) +
                 "\n\nLe document n'est pas accessible ou n'existe pas "
                 "!\nVeuillez rétablir l'accès au fichier pour "
                 "enregistrer les modifications.",
             "Erreur: " + failure, MessageButtons::RetryCancel, MessageIcon::Critical});
        if (answer != MessageAnswer::Retry)
            return false;
    }
    mLastError.clear();
    mPageGone = false;
    mDocument.markSaved();
    mDocument.DocumentStamp = FileStamp(mDocument.Path, *mPorts.files);
    followFolder();
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
    if (!mPorts.files->fileExists(mDocument.Path)) {
        tellPageGone();
    } else if (askToReload()) {
        const int active = mDocument.ActiveMapIndex;
        if (OpenDocument(mDocument.Path, true) && active >= 0)
            ActivateMap(active, false);
    }
    mDocument.DocumentStamp = FileStamp(mDocument.Path, *mPorts.files);
}

bool DocumentLifecycle::askToReload()
{
    const bool edited = mDocument.anyMapModified() || mDocument.DocumentModified;
    const std::string loss =
        edited ? "Les modifications non enregistrées dans l'éditeur seront perdues.\n" : "";
    // Over unsaved edits the default answer keeps them.
    const MessageRequest question{
        quotedPath() + "Ce document a été modifié par une autre application.\n" + loss +
            "Désirez-vous recharger le document maintenant ?",
        "Areamaker", MessageButtons::YesNo, MessageIcon::Question, edited ? 1 : 0};
    return mPorts.messages->show(question) == MessageAnswer::Yes;
}

void DocumentLifecycle::tellPageGone()
{
    mPageGone = true;
    mPorts.messages->show({quotedPath() +
                               "Ce document n'existe plus : une autre application l'a supprimé, "
                               "déplacé ou renommé.\nSes images maps restent ouvertes dans "
                               "l'éditeur ; l'enregistrer recréera le document à cet "
                               "emplacement.",
                           "Areamaker", MessageButtons::Ok, MessageIcon::Exclamation});
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
    const MessageAnswer answer = mPorts.messages->show(
        {"Désirez-vous supprimer l'image map '" + mDocument.Encoding.decode(map.Name) +
             "' ?\n\nCette opération est "
             "irréversible.",
         "Confirmation", MessageButtons::YesNo, MessageIcon::Question, 1});
    if (answer != MessageAnswer::Yes)
        return;
    // Only the active map's picture and rows go: another map on the canvas stays there.
    const bool wasActive = node.mapIndex == mDocument.ActiveMapIndex;
    mDocument.deleteMap(node.mapIndex);
    mPorts.tree->removeNode(key);
    if (wasActive)
        clearActiveMap();
}

} // namespace areamaker
