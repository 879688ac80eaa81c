#include "cScrollBars.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace {

// Scroll code matching a slider action; -1 for actions that request nothing.
int scrollCodeFor(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return cScrollBars::LineUp;
    case QAbstractSlider::SliderSingleStepAdd:
        return cScrollBars::LineDown;
    case QAbstractSlider::SliderPageStepSub:
        return cScrollBars::PageUp;
    case QAbstractSlider::SliderPageStepAdd:
        return cScrollBars::PageDown;
    case QAbstractSlider::SliderMove:
        return cScrollBars::ThumbTrack;
    case QAbstractSlider::SliderToMinimum:
        return cScrollBars::Top;
    case QAbstractSlider::SliderToMaximum:
        return cScrollBars::Bottom;
    default:
        return -1;
    }
}

} // namespace

cScrollBars::cScrollBars(QObject *parent) : QObject(parent) {}

cScrollBars::~cScrollBars()
{
    release();
}

bool cScrollBars::Visible(int eBar) const
{
    return isBar(eBar) && mVisible[eBar];
}

void cScrollBars::SetVisible(int eBar, bool bState)
{
    if (!isBar(eBar))
        return;
    mVisible[eBar] = bState;
    showBar(eBar, bState);
}

void cScrollBars::SetOrientation(int eOrientation)
{
    mOrientation = eOrientation;
    showBar(efsHorizontal, eOrientation == efsoHorizontal || eOrientation == efsoBoth);
    showBar(efsVertical, eOrientation == efsoVertical || eOrientation == efsoBoth);
}

void cScrollBars::SetStyle(int eStyle)
{
    if (eStyle == 0)
        mStyle = 0;
}

int cScrollBars::SmallChange(int eBar) const
{
    return isBar(eBar) ? mSmallChange[eBar] : 0;
}

void cScrollBars::SetSmallChange(int eBar, int lSmallChange)
{
    if (!isBar(eBar))
        return;
    mSmallChange[eBar] = lSmallChange;
    if (QScrollBar *target = bar(eBar))
        target->setSingleStep(lSmallChange);
}

bool cScrollBars::Enabled(int eBar) const
{
    return isBar(eBar) && mEnabled[eBar];
}

void cScrollBars::SetEnabled(int eBar, bool bEnabled)
{
    if (!isBar(eBar))
        return;
    mEnabled[eBar] = bEnabled;
    if (QScrollBar *target = bar(eBar))
        target->setEnabled(bEnabled);
}

int cScrollBars::Min(int eBar) const
{
    const QScrollBar *target = bar(eBar);
    return target ? target->minimum() : 0;
}

void cScrollBars::SetMin(int eBar, int iMin)
{
    if (QScrollBar *target = bar(eBar))
        target->setRange(iMin, std::max(iMin, target->maximum()));
}

int cScrollBars::Max(int eBar) const
{
    const QScrollBar *target = bar(eBar);
    return target ? target->maximum() : 0;
}

void cScrollBars::SetMax(int eBar, int iMax)
{
    if (QScrollBar *target = bar(eBar))
        target->setRange(std::min(iMax, target->minimum()), iMax);
}

int cScrollBars::Value(int eBar) const
{
    const QScrollBar *target = bar(eBar);
    return target ? target->value() : 0;
}

void cScrollBars::SetValue(int eBar, int iValue)
{
    QScrollBar *target = bar(eBar);
    if (!target || target->value() == iValue)
        return;
    target->setValue(iValue);
    notify(eBar, false);
}

int cScrollBars::LargeChange(int eBar) const
{
    const QScrollBar *target = bar(eBar);
    return target ? target->pageStep() : 0;
}

void cScrollBars::SetLargeChange(int eBar, int iLargeChange)
{
    if (QScrollBar *target = bar(eBar))
        target->setPageStep(iLargeChange);
}

void cScrollBars::Create(QAbstractScrollArea *hWndA)
{
    release();
    mWindow = hWndA;
    if (!mWindow)
        return;
    attach(efsHorizontal);
    attach(efsVertical);
    mAttached = true;
}

int cScrollBars::ISubclass_WindowProc(int iMsg, qint64 wParam)
{
    const int code = static_cast<int>(wParam & 0xFFFF);
    if (iMsg == kHScrollMessage)
        handleScroll(efsHorizontal, code);
    else if (iMsg == kVScrollMessage)
        handleScroll(efsVertical, code);
    return 0;
}

QScrollBar *cScrollBars::bar(int eBar) const
{
    if (!mWindow || !isBar(eBar))
        return nullptr;
    return eBar == efsHorizontal ? mWindow->horizontalScrollBar() : mWindow->verticalScrollBar();
}

void cScrollBars::release()
{
    for (const QMetaObject::Connection &connection : mConnections)
        disconnect(connection);
    mConnections.clear();
    mWindow = nullptr;
    mAttached = false;
}

void cScrollBars::attach(int eBar)
{
    QScrollBar *target = bar(eBar);
    target->setSingleStep(mSmallChange[eBar]);
    mConnections.push_back(connect(target, &QAbstractSlider::actionTriggered, this,
                                   [this, eBar](int action) { onAction(eBar, action); }));
    mConnections.push_back(connect(target, &QAbstractSlider::sliderReleased, this,
                                   [this, eBar] { onThumbReleased(eBar); }));
}

void cScrollBars::onAction(int eBar, int action)
{
    const int code = scrollCodeFor(action);
    if (code < 0)
        return;
    handleScroll(eBar, code);
    // The slider moved its thumb on its own before asking; the value decided here wins.
    if (QScrollBar *target = bar(eBar))
        target->setSliderPosition(target->value());
}

void cScrollBars::onThumbReleased(int eBar)
{
    handleScroll(eBar, ThumbPosition);
    handleScroll(eBar, EndScroll);
}

void cScrollBars::handleScroll(int eBar, int code)
{
    QScrollBar *target = bar(eBar);
    if (!target)
        return;
    const int current = target->value();
    switch (code) {
    case LineUp:
        SetValue(eBar, std::max(current - mSmallChange[eBar], target->minimum()));
        break;
    case LineDown:
        SetValue(eBar, std::min(current + mSmallChange[eBar], target->maximum()));
        break;
    case PageUp:
        SetValue(eBar, current - target->pageStep());
        break;
    case PageDown:
        SetValue(eBar, current + target->pageStep());
        break;
    case ThumbTrack:
        SetValue(eBar, target->sliderPosition());
        notify(eBar, true);
        return;
    case Top:
        SetValue(eBar, target->minimum());
        break;
    case Bottom:
        SetValue(eBar, target->maximum());
        break;
    case EndScroll:
        break;
    default:
        return;
    }
    notify(eBar, false);
}

void cScrollBars::notify(int eBar, bool tracking)
{
    const int position = Value(eBar);
    if (position == mLastValue[eBar])
        return;
    if (tracking)
        emit Scroll(eBar);
    else
        emit Change(eBar);
    mLastValue[eBar] = Value(eBar);
}

void cScrollBars::showBar(int eBar, bool shown)
{
    if (!mWindow)
        return;
    const Qt::ScrollBarPolicy policy = shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (eBar == efsHorizontal)
        mWindow->setHorizontalScrollBarPolicy(policy);
    else
        mWindow->setVerticalScrollBarPolicy(policy);
}
