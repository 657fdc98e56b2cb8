#include "toolkit/translation.h"

#include <iterator>
#include <utility>

namespace tk {

namespace {

Translator& Installed() {
    static Translator translator;
    return translator;
}

} // namespace

void SetTranslator(Translator translator) {
    Installed() = std::move(translator);
}

std::string Translate(const char* context, const char* source) {
    const Translator& translator = Installed();
    return translator ? translator(context, source) : std::string(source);
}

std::string Substitute(std::string_view text, std::initializer_list<std::string_view> arguments) {
    std::string result;
    result.reserve(text.size());
    AppendSubstituted(result, text, arguments);
    return result;
}

// One pass from left to right, so that an argument holding "%2" is never substituted again.
void AppendSubstituted(std::string& out, std::string_view text,
                       std::initializer_list<std::string_view> arguments) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool placeholder =
            text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const std::size_t n = placeholder ? static_cast<std::size_t>(text[i + 1] - '1') : arguments.size();
        if (n < arguments.size()) {
            out += std::data(arguments)[n];
            ++i;
        } else {
            out += text[i];
        }
    }
}

} // namespace tk
