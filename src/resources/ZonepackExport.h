#pragma once

#include <QtCore/qglobal.h>

// Marks the symbols that the Zonepack shared library exports.
#if defined(ZONEPACK_LIBRARY)
#define ZONEPACK_EXPORT Q_DECL_EXPORT
#else
#define ZONEPACK_EXPORT Q_DECL_IMPORT
#endif
