#include "shell/NewImageMap.h"

#include "document/AsciiText.h"
#include "document/CoreError.h"
#include "document/DocumentLifecycle.h"
#include "document/ImgTagBinder.h"
#include "document/MapDocument.h"
#include "document/NewPageText.h"
#include "document/PageEncoding.h"
#include "document/PageImages.h"

#include <algorithm>

namespace areamaker {

namespace {

constexpr const char *NameTaken = "Le nom de l'image map est invalide ou est déjà utilisé dans "
                                  "ce document!";
constexpr const char *NoBody = "Le fichier n'est pas un document HTML valide.";
constexpr const char *ImgTagMoved =
    "La balise IMG choisie ne se trouve plus à cet endroit : le document a été modifié depuis "
    "qu'il a été lu.\nRevenez à l'étape précédente pour choisir l'image de nouveau.";

constexpr const char *InsertedCaption =
    "Areamaker a créé avec succès la définition de la map dans votre document et inséré le code "
    "HTML de la nouvelle image au début de la section \"Body\". Vous pouvez maintenant définir "
    "les zones cliquables dans l'éditeur.";
constexpr const char *BoundCaption =
    "Areamaker a créé avec succès la définition de la map dans votre document et a modifié votre "
    "code HTML pour associer l'image à cette map. Vous pouvez maintenant définir les zones "
    "cliquables dans l'éditeur.";

} // namespace

NewImageMap::NewImageMap(MapDocument &document, DocumentLifecycle &lifecycle,
                         const EditorPorts &ports, bool newNoBorder, PathStyle style)
    : mDocument(document), mLifecycle(lifecycle), mPorts(ports), mNewNoBorder(newNoBorder),
      mStyle(style)
{
}

std::optional<std::string> NewImageMap::create(const NewMapRequest &request)
{
    if (!nameAccepted(request) || !openPage(request) || !imgTagEditPossible(request) ||
        !addMap(request))
        return std::nullopt;
    const int index = mDocument.MapCount() - 1;
    const bool saved = mLifecycle.SaveDocument(
        [this, &request](std::string &text) { return editImgTag(text, request); });
    if (!saved) {
        mDocument.dropLastMap();
        return std::nullopt;
    }
    mLifecycle.ActivateMap(index, true);
    return request.imgTag ? BoundCaption : InsertedCaption;
}

bool NewImageMap::refuse(const char *text, const char *title, MessageIcon icon)
{
    mPorts.messages->show({text, title, MessageButtons::Ok, icon});
    return false;
}

bool NewImageMap::nameAccepted(const NewMapRequest &request)
{
    switch (request.origin) {
    case PageOrigin::NewPage:
        return !request.name.empty() ||
               refuse("Veuillez indiquer le nom de l'image Map.", "Message", MessageIcon::None);
    case PageOrigin::ExistingPage:
        return nameFreeInPage(request.name, request.page) ||
               refuse(NameTaken, "Areamaker", MessageIcon::Exclamation);
    case PageOrigin::OpenDocument:
        if (request.name.empty())
            return refuse("Le nom de l'image map est invalide.", "Areamaker",
                          MessageIcon::Exclamation);
        return !mDocument.nameTakenByOtherMap(mDocument.Encoding.encode(request.name), -1) ||
               refuse(NameTaken, "Areamaker", MessageIcon::Exclamation);
    }
    return false;
}

// The page is not open yet: its MAP blocks are compared, without regard to case, with the
// name as the page would hold it. A page that cannot be read has no free name.
bool NewImageMap::nameFreeInPage(const std::string &name, const std::string &page)
{
    std::string text;
    if (name.empty() || !mPorts.files->readFile(page, text).ok())
        return false;
    const std::string stored = PageEncoding::detect(text).encode(name);
    const std::vector<std::string> names = PageImages::mapNames(text);
    return std::none_of(names.begin(), names.end(), [&stored](const std::string &taken) {
        return equalsIgnoreAsciiCase(taken, stored);
    });
}

void NewImageMap::tellFailure(const std::string &page, const std::string &text, const char *title,
                              MessageIcon icon)
{
    mPorts.messages->show(
        {"'" + shownPath(page, mStyle) + "'\n\n" + text, title, MessageButtons::Ok, icon});
}

bool NewImageMap::writeNewPage(const std::string &page)
{
    const IoResult written =
        mPorts.files->replaceFile(page, newPageText(FileNamePart(page, mStyle)));
    if (!written.ok())
        tellFailure(page, "La page n'a pas pu être créée.\n" + written.error, "Erreur",
                    MessageIcon::Exclamation);
    return written.ok();
}

bool NewImageMap::openPage(const NewMapRequest &request)
{
    if (request.origin == PageOrigin::OpenDocument)
        return true;
    if (request.origin == PageOrigin::NewPage && !writeNewPage(request.page))
        return false;
    return mLifecycle.OpenDocument(request.page, true);
}

std::string NewImageMap::editImgTag(std::string &text, const NewMapRequest &request) const
{
    const ImgTagBinder binder(mNewNoBorder);
    ImgTagUpdate update;
    update.NewName = mDocument.Encoding.encode(request.name);
    update.Width = request.size.width;
    update.Height = request.size.height;
    if (request.imgTag) {
        update.Position = *request.imgTag;
        return binder.BindImgTagAt(text, update) ? std::string() : ImgTagMoved;
    }
    update.Src = mDocument.Encoding.encode(RelativePath(request.image, request.page, mStyle));
    return binder.InsertNewImage(text, update) ? std::string() : NoBody;
}

// Checked on the page as it is now, so that the user is told in the assistant's own words
// before anything is added or written.
bool NewImageMap::imgTagEditPossible(const NewMapRequest &request)
{
    std::string text;
    const IoResult read = mPorts.files->readFile(mDocument.Path, text);
    if (!read.ok()) {
        tellFailure(mDocument.Path, read.error, "Erreur", MessageIcon::Exclamation);
        return false;
    }
    const std::string failure = editImgTag(text, request);
    if (failure.empty())
        return true;
    if (request.imgTag)
        tellFailure(mDocument.Path, failure, "Erreur", MessageIcon::Exclamation);
    else
        tellFailure(mDocument.Path, failure, "Areamaker", MessageIcon::Critical);
    return false;
}

bool NewImageMap::addMap(const NewMapRequest &request)
{
    try {
        mDocument.AddImageMap(mDocument.Encoding.encode(request.name), request.image,
                              mDocument.Encoding.encode(request.defaultUrl));
        return true;
    } catch (const CoreError &error) {
        mPorts.messages->show(
            {error.description(),
             "Erreur " + std::to_string(error.number()) + " - " + error.description(),
             MessageButtons::Ok, MessageIcon::Critical});
        return false;
    }
}

} // namespace areamaker
