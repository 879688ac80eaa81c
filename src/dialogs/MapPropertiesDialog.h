#pragma once

#include "ResLoader.h"

#include <QDialog>

class QLabel;
class QTabWidget;

namespace areamaker {

class DialogIconPane;
class LinkFieldBoxes;
class MapPropertiesForm;
class PreviewFrame;

// The image map properties dialog: the map's name and picture with its preview, its
// default region and scripts, on three tabs. Its rules are those of the form it shows.
class MapPropertiesDialog : public QDialog
{
    Q_OBJECT

public:
    MapPropertiesDialog(MapPropertiesForm &form, QWidget *parent = nullptr);

private:
    QWidget *imagePage();
    QWidget *defaultPage();
    void showAnalysis();
    void chooseImage();
    void chooseDefaultLink();
    void confirm();

    MapPropertiesForm &mForm;
    LinkFieldBoxes *mBoxes;
    ResLoader mResources;
    QTabWidget *mTabs = nullptr;
    DialogIconPane *mImagePage = nullptr;
    PreviewFrame *mFrame = nullptr;
    QLabel *mPixelInfo = nullptr;
    QLabel *mSizeInfo = nullptr;
};

} // namespace areamaker
