#pragma once

#include "shell/PaneLayout.h"
#include "shell/SplitterDrag.h"

#include <QWidget>

class PropertyList;
class QFrame;
class QTabBar;

namespace areamaker {

class SplitterBar;
class ZoneTree;
class cControlButton;
struct AppSettings;

// The side pane: the zone explorer section and the property section under their header
// strips, with the splitters on its right edge and between the sections.
class SidePane : public QWidget
{
    Q_OBJECT

public:
    SidePane(AppSettings &settings, QWidget *window);

    // Places the sections as the layout pass computed them.
    void applyLayout(const PaneLayout &layout);

    ZoneTree *tree() const { return mTree; }
    PropertyList *propertyList() const { return mList; }
    QTabBar *tabs() const { return mTabs; }
    cControlButton *zonesButton() const { return mButtonZones; }
    cControlButton *propsButton() const { return mButtonProps; }
    int windowInnerWidth = 0; // in twips, bounds the width drag

signals:
    // A splitter was released: the pane's width or the section height changed.
    void resized();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    SplitterDrag::Pane paneMetrics() const;
    void paintHeader(QPainter &painter, int top, const QString &title);
    // Puts each section's close button on its header strip; a hidden section's is hidden.
    void placeButtons();
    int headerWidth() const;
    int propertiesHeaderTop() const;
    void closeSection(bool &shown);
    void showBar();

    AppSettings &mSettings;
    QTabBar *mTabs;
    QFrame *mTabFrame;
    QWidget *mPicMap;
    ZoneTree *mTree;
    PropertyList *mList;
    SplitterBar *mBar;
    cControlButton *mButtonZones;
    cControlButton *mButtonProps;
    SplitterDrag mDrag;
    SplitterDrag::Kind mHover = SplitterDrag::None;
};

} // namespace areamaker
