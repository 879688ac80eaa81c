#include "widgets/cControlButton.h"

#include "widgets/SubclassService.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace areamaker {

namespace {

QStyle::StandardPixmap glyphOf(int kind)
{
    switch (kind) {
    case cControlButton::MinimiseGlyph:
        return QStyle::SP_TitleBarMinButton;
    case cControlButton::RestoreGlyph:
        return QStyle::SP_TitleBarNormalButton;
    default:
        return QStyle::SP_TitleBarCloseButton;
    }
}

} // namespace

cControlButton::~cControlButton()
{
    if (mAttached && mHost) {
        SubclassService::instance().detach(this, mHost, SubclassService::LeftButtonDown);
        SubclassService::instance().detach(this, mHost, SubclassService::LeftButtonUp);
    }
}

void cControlButton::CreateButton(QWidget *host, int size, int kind)
{
    mHost = host;
    mSize = size;
    mKind = kind;
    if (mAttached)
        return;
    SubclassService::instance().attach(this, host, SubclassService::LeftButtonDown);
    SubclassService::instance().attach(this, host, SubclassService::LeftButtonUp);
    mAttached = true;
}

void cControlButton::SetPosition(int left, int top)
{
    mLeft = left;
    mTop = top;
    mTracker.setPosition(left, top, mSize);
}

void cControlButton::DrawButton(int state)
{
    mState =
        state == CaptionButtonTracker::PressedState ? state : CaptionButtonTracker::NormalState;
    // Drawing happens in the host's paint pass, which this asks for.
    if (mHost)
        mHost->update(rect());
}

void cControlButton::paint(QPainter &painter) const
{
    if (!mHost || !mTracker.visible())
        return;
    const QStyle *style = mHost->style();
    QStyleOptionButton option;
    option.initFrom(mHost);
    option.rect = rect();
    option.state |= QStyle::State_Enabled;
    option.state |= isPressedDrawn() ? QStyle::State_Sunken : QStyle::State_Raised;
    style->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &painter, mHost);
    const int inset = mSize / 6;
    const QRect glyph = rect().adjusted(inset, inset, -inset, -inset);
    const QPixmap pixmap = style->standardIcon(glyphOf(mKind), nullptr, mHost).pixmap(glyph.size());
    painter.drawPixmap(glyph.translated(isPressedDrawn() ? 1 : 0, isPressedDrawn() ? 1 : 0),
                       pixmap);
}

void cControlButton::setVisible(bool visible)
{
    if (visible == mTracker.visible())
        return;
    mTracker.setVisible(visible);
    mState = CaptionButtonTracker::NormalState;
    if (mHost)
        mHost->update(rect());
}

qintptr cControlButton::WindowProc(QObject *, int message, QEvent *event)
{
    const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
    if (message == SubclassService::LeftButtonDown)
        apply(mTracker.press(at.x(), at.y()));
    else if (message == SubclassService::LeftButtonUp)
        apply(mTracker.release(at.x(), at.y()));
    return 0;
}

void cControlButton::apply(const CaptionButtonTracker::Response &response)
{
    if (response.draw)
        DrawButton(*response.draw);
    if (response.click)
        emit Click();
}

} // namespace areamaker
