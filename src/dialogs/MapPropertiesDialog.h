#pragma once

#include "ResLoader.h"
#include "platform/ImagePreviewPort.h"

#include <QDialog>
#include <QPixmap>

class QLabel;
class QTabWidget;

namespace areamaker {

class DialogIconPane;
class LinkFieldBoxes;
class MapPropertiesForm;

// The image map properties dialog: the map's name and picture with its preview, its
// default region and scripts, on three tabs. Its rules are those of the form it shows.
class MapPropertiesDialog : public QDialog, public ImagePreviewPort
{
    Q_OBJECT

public:
    MapPropertiesDialog(MapPropertiesForm &form, QWidget *parent = nullptr);

    std::optional<ImageSize> loadPreview(const std::string &path) override;
    void showPreview(const PreviewBox &box) override;
    void clearPreview() override;

private:
    QWidget *imagePage();
    QWidget *defaultPage();
    void addPreviewFrame(QWidget *page);
    void showAnalysis();
    void chooseImage();
    void chooseDefaultLink();
    void confirm();

    MapPropertiesForm &mForm;
    LinkFieldBoxes *mBoxes;
    ResLoader mResources;
    QTabWidget *mTabs = nullptr;
    DialogIconPane *mImagePage = nullptr;
    QLabel *mFrame = nullptr;
    QLabel *mViewer = nullptr;
    QLabel *mPreviewCaption = nullptr;
    QLabel *mPixelInfo = nullptr;
    QLabel *mSizeInfo = nullptr;
    QPixmap mPicture;
};

} // namespace areamaker
