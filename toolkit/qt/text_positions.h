#pragma once

#include <QString>

namespace tk::qt {

// Positions in a text: the toolkit counts code points, Qt counts UTF-16 units, which differ for
// characters beyond the Basic Multilingual Plane (emoji, historic scripts).
int Utf16Position(const QString& text, int codePoints);
int CodePointPosition(const QString& text, int utf16Units);

} // namespace tk::qt
