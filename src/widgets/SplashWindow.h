#pragma once

#include "ResLoader.h"

#include <QDialog>
#include <QTimer>

class QLabel;

namespace areamaker {

// The splash window shown while the program starts: its two pictures and the version. It
// closes itself after 1800 ms, on a click, or as soon as another window appears, so that
// it never hides a message or the assistant.
class SplashWindow : public QDialog
{
    Q_OBJECT

public:
    static constexpr int Duration = 1800;

    explicit SplashWindow(QWidget *parent = nullptr);
    ~SplashWindow() override;

    QLabel *lblVersion() const { return mVersion; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *mVersion;
    QTimer mAuto;
    ResLoader mResources;
};

} // namespace areamaker
