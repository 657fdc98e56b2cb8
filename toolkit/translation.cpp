#include "toolkit/translation.h"

#include <utility>
#include <vector>

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

std::string Translate(const char* context, const char* source, std::initializer_list<std::string> arguments) {
    return Substitute(Translate(context, source), arguments);
}

// One pass from left to right, so that an argument holding "%2" is never substituted again.
std::string Substitute(const std::string& text, std::initializer_list<std::string> arguments) {
    const std::vector<std::string> values(arguments);
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool placeholder =
            text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const std::size_t n = placeholder ? static_cast<std::size_t>(text[i + 1] - '1') : values.size();
        if (n < values.size()) {
            result += values[n];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace tk
