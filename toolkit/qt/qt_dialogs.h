#pragma once

#include "toolkit/dialogs.h"

#include <QString>

namespace tk::qt {

// Qt's own file dialog, not the desktop's, so that it looks and answers keys the same everywhere,
// and message boxes; each modal to the window in front. The folder saved to last is remembered
// while the program runs, and nowhere else.
class QtDialogs : public tk::Dialogs {
public:
    std::optional<tk::SaveAnswer> AskSaveFile(const tk::SaveQuestion& question) override;
    bool Confirm(const std::string& title, const std::string& question, const std::string& action) override;
    void Warn(const std::string& title, const std::string& message) override;

private:
    QString folder_;
};

} // namespace tk::qt
