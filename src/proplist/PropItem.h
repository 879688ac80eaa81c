#pragma once

#include "EPropItemType.h"

#include <QString>

// One item slot of the property list: a caption, a value and the caller's tag.
struct PropItem
{
    bool used = false;
    EPropItemType kind = E_ITEM_NONE;
    qint32 tag = 0;
    QString caption;
    QString value;
};
