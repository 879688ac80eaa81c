#include "ListHarness.h"

#include "PropListGeometry.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QTest>

ListHarness::ListHarness(int rows) : mList(new PropertyList(&mWindow))
{
    mList->setGeometry(0, 0, 300, 2 * PropListGeometry::kInset + 16 * rows + 4);
    mWindow.resize(300, mList->height());
    mWindow.show();
    mWindow.activateWindow();
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&mWindow);
}

QWidget *ListHarness::surface() const
{
    return mList->picControl()->viewport();
}

int ListHarness::surfaceWidth() const
{
    return surface()->width();
}

void ListHarness::fill(int count, EPropItemType kind)
{
    for (int i = 0; i < count; ++i)
        mList->AddItem(kind, 100 + i, QStringLiteral("c%1").arg(i), QStringLiteral("v%1").arg(i),
                       i == count - 1);
}

QImage ListHarness::render() const
{
    return surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QPoint ListHarness::rowCentre(int row) const
{
    return QPoint(surfaceWidth() / 2, 16 * row + 8);
}
