#pragma once

#include "ResLoader.h"

#include <QEventLoop>
#include <QTimer>
#include <QWidget>

class QLabel;

namespace areamaker {

// The splash window shown while the program starts: its two pictures and the version. It
// closes itself after 1800 ms, on a click, or as soon as another window appears, so that
// it never hides a message or the assistant.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Duration = 1800;

    explicit SplashWindow(QWidget *parent = nullptr);
    ~SplashWindow() override;

    // Shows the window and returns once it has closed.
    void run();
    void finish();

    QLabel *lblVersion() const { return mVersion; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *mVersion;
    QTimer mAuto;
    QEventLoop mLoop;
    bool mFinished = false;
    ResLoader mResources;
};

} // namespace areamaker
