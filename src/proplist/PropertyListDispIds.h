#pragma once

#include <QtGlobal>

// Dispatch identifiers of the property list's interface. Hosts that bind late call the members
// by these numbers, so they are part of the contract and must never change.
namespace PropertyListDispIds {

inline constexpr qint32 ItemTypeByTagId = 0x68030001;
inline constexpr qint32 ItemType = 0x68030002;
inline constexpr qint32 ItemValueByTagId = 0x68030003;
inline constexpr qint32 ItemValue = 0x68030004;
inline constexpr qint32 SelectedIndex = 0x68030005;
inline constexpr qint32 AddItem = 0x60030006;
inline constexpr qint32 RemoveItem = 0x60030007;
inline constexpr qint32 ClearItem = 0x60030008;
inline constexpr qint32 SelectItem = 0x60030009;

// Events, in the order of the event interface.
inline constexpr qint32 MoreItemClick = 1;
inline constexpr qint32 TextItemChanged = 2;
inline constexpr qint32 MouseMove = 3;

} // namespace PropertyListDispIds
