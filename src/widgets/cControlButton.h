#pragma once

#include "shell/CaptionButtonTracker.h"
#include "widgets/ISubclass.h"

#include <QObject>
#include <QRect>

class QPainter;
class QWidget;

namespace areamaker {

// A caption-style button (close, minimise or restore glyph) drawn inside another widget,
// which it watches for left-button presses and releases through the event-filter service.
class cControlButton : public QObject, public ISubclass
{
    Q_OBJECT

public:
    static constexpr int CloseGlyph = 0;
    static constexpr int MinimiseGlyph = 1;
    static constexpr int RestoreGlyph = 3;

    using QObject::QObject;
    ~cControlButton() override;

    // Attaches the host's left-button messages once, however often it is called.
    void CreateButton(QWidget *host, int size, int kind);
    void SetPosition(int left, int top);
    // Shows the button in a state: 512 pressed, any other value normal.
    void DrawButton(int state);
    // Draws the button as it is now; the host calls it when it paints.
    void paint(QPainter &painter) const;

    bool Visible() const { return mTracker.visible(); }
    void setVisible(bool visible);
    QRect rect() const { return QRect(mLeft, mTop, mSize, mSize); }
    bool isPressedDrawn() const { return mState == CaptionButtonTracker::PressedState; }

    int MsgResponse() const override { return ISubclass::BeforeOwn; }
    qintptr WindowProc(QObject *window, int message, QEvent *event) override;

signals:
    void Click();

private:
    void apply(const CaptionButtonTracker::Response &response);

    QWidget *mHost = nullptr;
    int mSize = 0;
    int mKind = CloseGlyph;
    int mLeft = 0;
    int mTop = 0;
    int mState = CaptionButtonTracker::NormalState;
    bool mAttached = false;
    CaptionButtonTracker mTracker;
};

} // namespace areamaker
