#pragma once

#include <QRect>
#include <QWidget>

#include <vector>

class ResLoader;

namespace areamaker {

// A dialog's pane that paints icons of the resource library, with the system's 3-D
// colours, and optionally a raised frame.
class DialogIconPane : public QWidget
{
    Q_OBJECT

public:
    DialogIconPane(const ResLoader &resources, QWidget *parent = nullptr);

    void addIcon(int resourceId, QPoint at);
    // The frame from `topLeft` to `bottomRight`, drawn while `shown` is set.
    void setRaisedFrame(QPoint topLeft, QPoint bottomRight);
    // Icons and frame are painted only while decorations are shown.
    void setDecorated(bool shown);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Icon
    {
        int id;
        QPoint at;
    };

    const ResLoader &mResources;
    std::vector<Icon> mIcons;
    QRect mFrame;
    bool mDecorated = true;
};

} // namespace areamaker
