#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tk {

// Looks up the text the user reads in the user's language. The source text is English, and it is
// also what a lookup gives where there is no translation (or no translator, as in the tests). The
// context groups the texts of one window or concern, as the translators see them.
//
// Write the source as a literal at the call, so that `make translations` finds it:
//     tk::Translate("MainWndo", "Normalize")
// and mark a literal that a table holds with Translatable(context, source).
std::string Translate(const char* context, const char* source);

// Marks a text of a table for the translators, to be looked up later with Translate(context, text);
// gives the source as it is.
constexpr const char* Translatable(const char* /*context*/, const char* source) {
    return source;
}

// Replaces %1, %2, ... (up to %9) by the arguments, after the lookup, for a whole sentence with
// placeholders, which a translation may move:
//     tk::Substitute(tk::Translate("MainWndo", "Magnitude of state %1"), {n})
// A placeholder without an argument stays. (The lookup takes no arguments itself: `make
// translations` reads only a context and a source from it.)
std::string Substitute(std::string_view text, std::initializer_list<std::string_view> arguments);

// The same, appended to `out`, which allocates nothing once `out` has the room: for a text that a
// window fills in every frame from a translation it looked up once, when it was made.
void AppendSubstituted(std::string& out, std::string_view text,
                       std::initializer_list<std::string_view> arguments);

// Installed by the platform once it has loaded the user's language; null removes it.
using Translator = std::function<std::string(const char* context, const char* source)>;
void SetTranslator(Translator translator);

} // namespace tk
