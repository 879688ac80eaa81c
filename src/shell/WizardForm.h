#pragma once

#include "document/PageEncoding.h"
#include "document/PageImages.h"
#include "platform/ImagePreviewPort.h"
#include "shell/NewImageMap.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace areamaker {

class SettingsStore;
struct ShellState;

// One entry of the assistant's image list.
struct WizardItem
{
    // "EDITIMG", "NOUVIMG", or "IMG" and its number.
    std::string key;
    // As the list shows it.
    std::string text;
    // An IMG item's tag: its place in the page, its SRC as written, the map it names.
    PageImage image;
};

// The new image map assistant's side in the editor: its four steps (0 page, 1 picture,
// 2 map, 3 finished), the boxes and list it shows at each, its checks and its choosers.
// Nothing is written before the map is created at the end of step 2.
class WizardForm
{
public:
    static constexpr int HelpTopic = 25;
    static constexpr const char *EditItem = "EDITIMG";
    static constexpr const char *NewItem = "NOUVIMG";

    struct Parts
    {
        ShellState &shell;
        MapDocument &document;
        DocumentLifecycle &lifecycle;
        SettingsStore &store;
        EditorPorts ports;
        // Shows a topic of the user guide; empty while the program has no help to show.
        std::function<void(int topic)> showHelp;
    };

    // The box a step wants the caret in once the window has been updated.
    enum class Focus
    {
        None,
        Page,
        Image,
        Name
    };
    struct Outcome
    {
        bool close = false;
        Focus focus = Focus::None;
    };

    // Starts at the step the shell chose (its AssistantMode): 0 or 1, the latter on the page
    // open in the editor.
    WizardForm(const Parts &parts, PathStyle style = nativePathStyle());

    // The window's preview of the picture, inside a frame of the given size.
    void attachPreview(ImagePreviewPort &viewer, ImageSize frame);

    int step() const;
    PageOrigin origin() const { return mOrigin; }
    bool finished() const { return mFinished; }
    // The text at the top of a step's panel; step 2 has a second one.
    const std::string &caption(int step) const;
    static const char *mapStepNote();

    bool createChosen() const { return mCreate; }
    std::string pageFrameCaption() const;
    const std::string &pageText() const { return mPageText; }
    const std::vector<WizardItem> &items() const { return mItems; }
    int selectedItem() const { return mSelected; }
    const std::string &imageText() const { return mImageText; }
    // The picture's box and its "..." button.
    bool imageBoxEnabled() const { return mImageBoxEnabled; }
    bool imageFrameEnabled() const { return mImageFrameEnabled; }
    bool previewShown() const { return mPreviewShown; }
    const std::string &mapName() const { return mMapName; }
    const std::string &defaultUrl() const { return mDefaultUrl; }
    bool autoShown() const { return mOrigin != PageOrigin::OpenDocument; }
    bool autoChecked() const;
    bool backEnabled() const;
    bool cancelEnabled() const { return !mFinished; }
    const char *nextCaption() const;
    bool helpAvailable() const { return static_cast<bool>(mParts.showHelp); }

    void chooseCreate(bool create) { mCreate = create; }
    void setPageText(const std::string &text) { mPageText = text; }
    void setImageText(const std::string &text);
    void setMapName(const std::string &text) { mMapName = text; }
    void setDefaultUrl(const std::string &text) { mDefaultUrl = text; }
    // The check box writes the setting at once.
    void setAuto(bool on);
    void itemClicked(int index);
    Outcome itemDoubleClicked(int index);
    Outcome Next();
    Outcome Back();
    // The "..." of the current step: the page, the picture or the default link.
    void Browse();
    void Aide();
    // The closing question; false when the user keeps the assistant open.
    bool mayClose();
    // The window has closed: the status bar and the canvas follow.
    void closed();

    // Checks the path of the page to create and asks before one is replaced.
    bool CreerNouvDoc(const std::string &path);
    // Lists the pictures of the page.
    bool ExtraireImgDoc(const std::string &path);
    // The SRC of the tag when it names a file that exists, else empty.
    std::string IsImagePresent(const PageImage &image) const;
    // Checks the picture and shows it; its natural size when it can be used.
    std::optional<ImageSize> ValideImage(const std::string &path);

private:
    void setStep(int step);
    bool pathAccepted(const std::string &path);
    std::string quoted(const std::string &path) const;
    Outcome nextFromPage();
    Outcome nextFromImage();
    Outcome nextFromMap();
    bool openPage();
    bool pageHoldsMap(const std::string &name) const;
    Outcome editExistingMaps(bool thenClose);
    Outcome showBoundMap(const std::string &name);
    Outcome toMapStep(const std::string &image, std::optional<std::size_t> imgTag);
    void addImageItems(const std::string &page);
    bool usedByOpenDocument(const std::string &name) const;
    void selectItem(const std::string &key);
    std::string resolvedImage() const;
    void refreshPreview();
    const WizardItem *selected() const;
    void finish(const std::string &text);

    Parts mParts;
    PathStyle mStyle;
    PageOrigin mOrigin = PageOrigin::ExistingPage;
    bool mFinished = false;
    std::array<std::string, 4> mCaptions;
    bool mCreate = true;
    std::string mPageText;
    // The page the later steps work on.
    std::string mPage;
    PageEncoding mPageEncoding;
    std::vector<WizardItem> mItems;
    int mSelected = -1;
    std::string mImageText;
    bool mImageBoxEnabled = true;
    bool mImageFrameEnabled = true;
    bool mPreviewShown = false;
    ImagePreviewPort *mViewer = nullptr;
    ImageSize mFrame;
    std::string mMapName;
    std::string mDefaultUrl;
    // What the map step holds: the picture, its size, the IMG tag to bind.
    std::string mImage;
    ImageSize mImageSize;
    std::optional<std::size_t> mImgTag;
};

} // namespace areamaker
