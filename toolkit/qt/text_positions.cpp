#include "toolkit/qt/text_positions.h"

namespace tk::qt {

namespace {

// The UTF-16 units of the character that starts at `at`: two for a surrogate pair.
int UnitsOfCharacterAt(const QString& text, int at) {
    return text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
}

} // namespace

int Utf16Position(const QString& text, int codePoints) {
    int units = 0;
    for (int seen = 0; seen < codePoints && units < text.size(); ++seen)
        units += UnitsOfCharacterAt(text, units);
    return units;
}

int CodePointPosition(const QString& text, int utf16Units) {
    int codePoints = 0;
    for (int units = 0; units < utf16Units && units < text.size(); ++codePoints)
        units += UnitsOfCharacterAt(text, units);
    return codePoints;
}

} // namespace tk::qt
