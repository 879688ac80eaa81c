#pragma once

#include <QtCore/qglobal.h>

// Marks the symbols that the NorvixProps3 shared library exports.
#if defined(NORVIXPROPS3_LIBRARY)
#define NORVIXPROPS3_EXPORT Q_DECL_EXPORT
#else
#define NORVIXPROPS3_EXPORT Q_DECL_IMPORT
#endif
