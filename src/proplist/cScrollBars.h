#pragma once

#include "NorvixProps3Export.h"

#include <QAbstractSlider>
#include <QObject>
#include <QPointer>

#include <array>
#include <vector>

class QAbstractScrollArea;
class QScrollBar;

// Drives the two scroll bars of a scroll area and reports their moves as Scroll and Change.
class NORVIXPROPS3_EXPORT cScrollBars : public QObject
{
    Q_OBJECT

public:
    // Bar identifiers.
    static constexpr int efsHorizontal = 0;
    static constexpr int efsVertical = 1;
    // Orientations.
    static constexpr int efsoHorizontal = 0;
    static constexpr int efsoVertical = 1;
    static constexpr int efsoBoth = 2;
    // Message numbers of the scroll requests, horizontal and vertical.
    static constexpr int kHScrollMessage = 276;
    static constexpr int kVScrollMessage = 277;
    // Scroll request codes.
    enum ScrollCode : int
    {
        LineUp = 0,
        LineDown = 1,
        PageUp = 2,
        PageDown = 3,
        ThumbPosition = 4,
        ThumbTrack = 5,
        Top = 6,
        Bottom = 7,
        EndScroll = 8,
    };

    explicit cScrollBars(QObject *parent = nullptr);
    ~cScrollBars() override;

    bool Visible(int eBar) const;
    void SetVisible(int eBar, bool bState);
    int Orientation() const { return mOrientation; }
    void SetOrientation(int eOrientation);
    int Style() const { return mStyle; }
    // This platform has no flat scroll bars: only the regular style (0) is accepted.
    void SetStyle(int eStyle);
    int SmallChange(int eBar) const;
    void SetSmallChange(int eBar, int lSmallChange);
    bool Enabled(int eBar) const;
    void SetEnabled(int eBar, bool bEnabled);
    int Min(int eBar) const;
    void SetMin(int eBar, int iMin);
    int Max(int eBar) const;
    void SetMax(int eBar, int iMax);
    int Value(int eBar) const;
    // Moves the bar and raises Change when the position really changed.
    void SetValue(int eBar, int iValue);
    int LargeChange(int eBar) const;
    void SetLargeChange(int eBar, int iLargeChange);
    bool CanBeFlat() const { return false; }

    // Takes over the scroll bars of hWndA, releasing the area held before.
    void Create(QAbstractScrollArea *hWndA);
    // Scroll requests are handled after the bar's own processing.
    int ISubclass_MsgResponse() const { return 1; }
    // Handles a scroll message (276 or 277) whose low 16 bits of wParam hold the scroll code.
    int ISubclass_WindowProc(int iMsg, qint64 wParam);

signals:
    void Scroll(int eBar);
    void Change(int eBar);

private:
    static bool isBar(int eBar) { return eBar == efsHorizontal || eBar == efsVertical; }
    QScrollBar *bar(int eBar) const;
    void release();
    void attach(int eBar);
    void onAction(int eBar, int action);
    void onThumbReleased(int eBar);
    void handleScroll(int eBar, int code);
    void notify(int eBar, bool tracking);
    void showBar(int eBar, bool shown);

    QPointer<QAbstractScrollArea> mWindow;
    bool mAttached = false;
    int mOrientation = efsoBoth;
    int mStyle = 0;
    std::array<int, 2> mSmallChange{1, 1};
    std::array<bool, 2> mVisible{false, false};
    std::array<bool, 2> mEnabled{false, false};
    std::array<int, 2> mLastValue{0, 0};
    std::vector<QMetaObject::Connection> mConnections;
};
