#pragma once

#include "document/Document.h"

#include <QColor>

// The document's colours (0xBBGGRR, as the document file keeps them) and the toolkit's.
inline QColor colorOf(ColorRef ref) {
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

inline ColorRef colorRefOf(const QColor& color) {
    return ColorRef(color.red()) | ColorRef(color.green()) << 8 | ColorRef(color.blue()) << 16;
}
