#include "toolkit/qt/qt_settings.h"

namespace tk::qt {

QtSettings::QtSettings() : store_(QSettings::IniFormat, QSettings::UserScope, "Parvok", "Parvok") {}

std::optional<std::string> QtSettings::Value(const std::string& key) const {
    const QVariant value = store_.value(QString::fromStdString(key));
    if (!value.isValid())
        return std::nullopt;
    return value.toString().toStdString();
}

void QtSettings::SetValue(const std::string& key, const std::string& value) {
    store_.setValue(QString::fromStdString(key), QString::fromStdString(value));
    store_.sync();
}

} // namespace tk::qt
