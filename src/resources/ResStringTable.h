#pragma once

#include <QString>

// The library's string table: French messages looked up by number.
namespace ResStringTable {

// The entry's text, or an empty string when the table has no such entry.
QString text(int id);

} // namespace ResStringTable
