#pragma once

#include <functional>
#include <initializer_list>
#include <string>

namespace tk {

// Looks up the text the user reads in the user's language. The source text is English, and it is
// also what a lookup gives where there is no translation (or no translator, as in the tests). The
// context groups the texts of one window or concern, as the translators see them.
//
// Write the source as a literal at the call, so that `make translations` finds it:
//     tk::Translate("MainWndo", "Normalize")
// and mark a literal that a table holds with Translatable(context, source).
std::string Translate(const char* context, const char* source);

// The same, for a whole sentence with placeholders %1, %2, ... replaced in order by the
// arguments, after the lookup: a translation may move them.
std::string Translate(const char* context, const char* source, std::initializer_list<std::string> arguments);

// Marks a text of a table for the translators, to be looked up later with Translate(context, text);
// gives the source as it is.
constexpr const char* Translatable(const char* /*context*/, const char* source) {
    return source;
}

// Replaces %1, %2, ... (up to %9) by the arguments; a placeholder without an argument stays.
std::string Substitute(const std::string& text, std::initializer_list<std::string> arguments);

// Installed by the platform once it has loaded the user's language; null removes it.
using Translator = std::function<std::string(const char* context, const char* source)>;
void SetTranslator(Translator translator);

} // namespace tk
