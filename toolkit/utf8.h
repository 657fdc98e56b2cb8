#pragma once

#include <cstddef>
#include <string_view>
#include <utility>

// Reading the program's UTF-8 strings character by character.
namespace tk {

// The code point of the UTF-8 sequence that starts at text[i], and how many bytes it takes. A lead
// byte without its continuation bytes counts as one byte of U+FFFD, so that a reader always moves on.
std::pair<char32_t, std::size_t> CodePointAt(std::string_view text, std::size_t i);

// The length of the well-formed UTF-8 sequence that `text` starts with, 0 when it starts with none:
// no overlong form, no surrogate, nothing past U+10FFFF (the Unicode standard's table 3-7).
std::size_t WellFormedLength(std::string_view text);

// The marks that a font draws over or under the character before them, taking no room of their own:
// diacritics, their supplements, those for symbols (vector arrows) and the half marks.
bool IsCombiningMark(char32_t c);

} // namespace tk
