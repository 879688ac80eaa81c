#pragma once

#include <QtGlobal>

// Kind of a property list item: it decides what the selected row offers for editing.
enum EPropItemType : qint32
{
    E_ITEM_NONE = 0,
    E_ITEM_FIXED = 1,
    E_ITEM_TEXT = 2,
    E_ITEM_MORE = 3,
};
