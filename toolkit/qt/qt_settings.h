#pragma once

#include "toolkit/settings.h"

#include <QSettings>

namespace tk::qt {

// The settings in the user's configuration folder ($XDG_CONFIG_HOME/Parvok/Parvok.ini on Linux),
// written through at once, so that a program that is killed keeps what was chosen before.
class QtSettings : public tk::Settings {
public:
    QtSettings();

    std::optional<std::string> Value(const std::string& key) const override;
    void SetValue(const std::string& key, const std::string& value) override;

private:
    QSettings store_;
};

} // namespace tk::qt
