#pragma once

#include "PropertyList.h"

#include <QImage>
#include <QWidget>

// A shown, active window holding one property list whose surface shows a known number of rows.
class ListHarness
{
public:
    // rows whole rows plus a 4-pixel partial strip at the bottom.
    explicit ListHarness(int rows = 5);

    PropertyList &list() { return *mList; }
    QWidget *surface() const;
    int surfaceWidth() const;
    // Adds count items of the given kind, tagged 100, 101, ... with values "v0", "v1", ...
    void fill(int count, EPropItemType kind = E_ITEM_FIXED);
    QImage render() const;
    // Centre of visible row k, in surface pixels.
    QPoint rowCentre(int row) const;

private:
    QWidget mWindow;
    PropertyList *mList;
};
