#pragma once

#include "platform/ImagePreviewPort.h"
#include "shell/LinkFieldsForm.h"

#include <string>

namespace areamaker {

class FileSystem;

// The image map properties dialog's side in the editor: the active map's name, picture and
// default region, the picture's preview, and OK's checks and changes.
class MapPropertiesForm : public LinkFieldsForm
{
public:
    // What OK did: applied and closed, or refused with the focus for the box named.
    struct Outcome
    {
        bool accepted = false;
        int focus = FieldName;
    };

    MapPropertiesForm(MapDocument &document, CanvasModel &canvas, std::string decimalSeparator,
                      PathStyle style = nativePathStyle());

    // The dialog's preview, inside a frame of the given size; the preview follows the
    // picture box from then on.
    void attachPreview(ImagePreviewPort &viewer, ImageSize frame);
    std::string caption() const;

    void AnalyseImage(const std::string &path);
    bool imageShown() const { return mImageShown; }
    const std::string &pixelText() const { return mPixelText; }
    const std::string &sizeText() const { return mSizeText; }

    // The "..." of the picture box: the chosen picture relative to the page (empty when it
    // does not exist); nothing when the chooser was cancelled.
    std::optional<FieldUpdate> chooseImage();

    Outcome OK();

protected:
    std::optional<TextEdit> completeLink(const std::string &text) override;
    void otherEdited(int which) override;

private:
    std::string resolvedImage() const;
    bool refuse(const char *message);
    void applyImage(const std::string &path);
    void refreshNodes(bool hadDefault);

    std::string mDecimalSeparator;
    ImagePreviewPort *mViewer = nullptr;
    ImageSize mFrame;
    bool mImageShown = false;
    std::string mPixelText;
    std::string mSizeText;
};

} // namespace areamaker
