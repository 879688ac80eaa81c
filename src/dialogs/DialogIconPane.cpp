#include "dialogs/DialogIconPane.h"

#include "ResLoader.h"

#include <QPainter>
#include <qdrawutil.h>

namespace areamaker {

DialogIconPane::DialogIconPane(const ResLoader &resources, QWidget *parent)
    : QWidget(parent), mResources(resources)
{
}

void DialogIconPane::addIcon(int resourceId, QPoint at)
{
    mIcons.push_back({resourceId, at});
    update();
}

void DialogIconPane::setRaisedFrame(QPoint topLeft, QPoint bottomRight)
{
    mFrame = QRect(topLeft, bottomRight);
    update();
}

void DialogIconPane::setDecorated(bool shown)
{
    mDecorated = shown;
    update();
}

void DialogIconPane::paintEvent(QPaintEvent *)
{
    if (!mDecorated)
        return;
    QPainter painter(this);
    if (mFrame.isValid())
        qDrawShadePanel(&painter, mFrame, palette(), false, 1);
    for (const Icon &icon : mIcons)
        mResources.LoadRes3DBitmap(&painter, icon.id, icon.at.x(), icon.at.y());
}

} // namespace areamaker
