#include "widgets/SidePane.h"

#include "PropertyList.h"
#include "shell/AppSettings.h"
#include "widgets/SplitterBar.h"
#include "widgets/ZoneTree.h"
#include "widgets/cControlButton.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QTabBar>
#include <QVBoxLayout>

#include <cmath>

namespace areamaker {

namespace {

constexpr int HeaderHeight = 17;
constexpr int ButtonSize = 13;
constexpr int BarThickness = 4;

QRect pixelsOf(const TwipRect &r)
{
    return QRect(r.left / TwipsPerPixel, r.top / TwipsPerPixel, r.width / TwipsPerPixel,
                 r.height / TwipsPerPixel);
}

void place(QWidget *widget, const TwipRect &r)
{
    widget->setGeometry(pixelsOf(r));
    widget->setVisible(r.visible);
}

} // namespace

SidePane::SidePane(AppSettings &settings, QWidget *window)
    : QWidget(window), mSettings(settings), mTabs(new QTabBar(this)), mTabFrame(new QFrame(this)),
      mPicMap(new QWidget(this)), mTree(new ZoneTree(mPicMap)), mList(new PropertyList(this)),
      mBar(new SplitterBar(window)), mButtonZones(new cControlButton(this)),
      mButtonProps(new cControlButton(this))
{
    setObjectName(QStringLiteral("picExplorateur"));
    setMouseTracking(true);
    mTabs->setObjectName(QStringLiteral("tstExplorateur"));
    mTabs->addTab(QStringLiteral("Explorateur"));
    mTabs->setDrawBase(false);
    mTabFrame->setFrameShape(QFrame::StyledPanel);
    mPicMap->setObjectName(QStringLiteral("picMap"));
    auto *fill = new QVBoxLayout(mPicMap);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(mTree);
    mList->setObjectName(QStringLiteral("ptlMainList"));
    mButtonZones->setObjectName(QStringLiteral("gButtonZones"));
    mButtonProps->setObjectName(QStringLiteral("gButtonProps"));
    for (cControlButton *button : {mButtonZones, mButtonProps})
        button->CreateButton(this, ButtonSize, cControlButton::CloseGlyph);
    connect(mButtonZones, &cControlButton::Click, this,
            [this] { closeSection(mSettings.ZoneExplorer); });
    connect(mButtonProps, &cControlButton::Click, this,
            [this] { closeSection(mSettings.ZoneProperties); });
}

void SidePane::closeSection(bool &shown)
{
    shown = false;
    placeButtons();
    update();
    emit resized();
}

void SidePane::applyLayout(const PaneLayout &layout)
{
    place(mTabs, layout.tabs);
    const QRect tabs = pixelsOf(layout.tabs);
    mTabs->setGeometry(tabs.left(), tabs.top(), mTabs->sizeHint().width(),
                       mTabs->sizeHint().height());
    mTabFrame->setGeometry(tabs.adjusted(0, mTabs->height() - 1, 0, 0));
    mTabFrame->setVisible(layout.tabs.visible);
    mTabFrame->lower();
    place(mPicMap, layout.tree);
    place(mList, layout.list);
    placeButtons();
    update();
}

int SidePane::headerWidth() const
{
    return static_cast<int>(std::lround(width() - 6.0));
}

int SidePane::propertiesHeaderTop() const
{
    return mSettings.ZoneExplorer
               ? static_cast<int>(std::lround(mSettings.ExplorateurHeight / 15.0)) + 7
               : 1;
}

void SidePane::placeButtons()
{
    const int left = headerWidth() - ButtonSize;
    const int inset = (HeaderHeight - ButtonSize) / 2;
    mButtonZones->SetPosition(left, 1 + inset);
    mButtonZones->setVisible(mSettings.ZoneExplorer);
    mButtonProps->SetPosition(left, propertiesHeaderTop() + inset);
    mButtonProps->setVisible(mSettings.ZoneProperties);
}

void SidePane::paintHeader(QPainter &painter, int top, const QString &title)
{
    const int w = headerWidth();
    painter.fillRect(QRect(1, top, w, HeaderHeight),
                     palette().color(QPalette::Active, QPalette::Highlight));
    painter.setPen(palette().color(QPalette::Active, QPalette::HighlightedText));
    const QRect text(45 / TwipsPerPixel, top, w, HeaderHeight);
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, title);
}

void SidePane::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    placeButtons();
    if (mSettings.ZoneExplorer)
        paintHeader(painter, 1, QStringLiteral("Images et régions"));
    if (mSettings.ZoneProperties)
        paintHeader(painter, propertiesHeaderTop(), QStringLiteral("Propriétés"));
    mButtonZones->paint(painter);
    mButtonProps->paint(painter);
}

SplitterDrag::Pane SidePane::paneMetrics() const
{
    return {width() * TwipsPerPixel, height() * TwipsPerPixel, mSettings.ExplorateurHeight,
            mSettings.ZoneExplorer && mSettings.ZoneProperties, windowInnerWidth};
}

void SidePane::showBar()
{
    const int at = mDrag.barPosition();
    const QRect local = mDrag.kind() == SplitterDrag::Width ? QRect(at, 0, BarThickness, height())
                                                            : QRect(0, at, width(), BarThickness);
    mBar->showAt(QRect(mapTo(mBar->parentWidget(), local.topLeft()), local.size()));
}

void SidePane::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint() * TwipsPerPixel;
    if (mDrag.press(at.x(), at.y(), paneMetrics()))
        showBar();
}

void SidePane::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint() * TwipsPerPixel;
    if (mDrag.kind() != SplitterDrag::None) {
        mDrag.move(at.x(), at.y(), paneMetrics());
        showBar();
        return;
    }
    const SplitterDrag::Kind hover = SplitterDrag::kindAt(at.x(), at.y(), paneMetrics());
    if (hover == mHover)
        return;
    mHover = hover;
    if (hover == SplitterDrag::Width)
        setCursor(Qt::SplitHCursor);
    else if (hover == SplitterDrag::Height)
        setCursor(Qt::SplitVCursor);
    else
        unsetCursor();
}

void SidePane::mouseReleaseEvent(QMouseEvent *)
{
    const SplitterDrag::Kind kind = mDrag.kind();
    if (kind == SplitterDrag::None)
        return;
    mBar->hide();
    const int value = mDrag.release();
    if (kind == SplitterDrag::Width)
        mSettings.ExplorateurWidth = value;
    else
        mSettings.ExplorateurHeight = value;
    unsetCursor();
    mHover = SplitterDrag::None;
    update();
    emit resized();
}

} // namespace areamaker
