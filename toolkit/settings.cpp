#include "toolkit/settings.h"

namespace tk {

bool Settings::Flag(const std::string& key, bool fallback) const {
    const std::optional<std::string> text = Value(key);
    if (text == "true")
        return true;
    if (text == "false")
        return false;
    return fallback;
}

void Settings::SetFlag(const std::string& key, bool on) {
    SetValue(key, on ? "true" : "false");
}

std::optional<std::string> SessionSettings::Value(const std::string& key) const {
    const auto found = values_.find(key);
    if (found == values_.end())
        return std::nullopt;
    return found->second;
}

} // namespace tk
