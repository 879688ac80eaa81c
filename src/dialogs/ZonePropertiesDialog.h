#pragma once

#include "ResLoader.h"

#include <QDialog>

#include <vector>

class QLabel;
class QScrollBar;

namespace areamaker {

class DialogIconPane;
class LinkFieldBoxes;
class ZonePropertiesForm;

// The zone properties dialog: the zone's link, frame, texts and scripts on two tabs, and
// its geometry, read-only. Its rules are those of the form it shows.
class ZonePropertiesDialog : public QDialog
{
    Q_OBJECT

public:
    ZonePropertiesDialog(ZonePropertiesForm &form, QWidget *parent = nullptr);

private:
    QWidget *generalPage();
    QWidget *geometryPane();
    void showPoint(int point);
    void chooseHyperlink();

    ZonePropertiesForm &mForm;
    LinkFieldBoxes *mBoxes;
    ResLoader mResources;
    std::vector<QLabel *> mValues;
    QScrollBar *mPointSelector = nullptr;
};

} // namespace areamaker
