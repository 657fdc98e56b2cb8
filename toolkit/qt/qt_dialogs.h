#pragma once

#include "toolkit/dialogs.h"

namespace tk::qt {

// Qt's own file dialog, not the desktop's, so that it looks and answers keys the same everywhere
// and checks a name before it closes, and message boxes; each modal to the window in front.
class QtDialogs : public tk::Dialogs {
public:
    std::optional<tk::SaveAnswer> AskSaveFile(const tk::SaveQuestion& question) override;
    bool Confirm(const std::string& title, const std::string& question, const std::string& action) override;
    void Warn(const std::string& title, const std::string& message) override;
    std::optional<std::string> AskOpenFile(const tk::OpenQuestion& question) override;
    tk::UnsavedAnswer AskUnsaved(const std::string& title, const std::string& question) override;
    std::optional<std::vector<std::string>> AskTexts(const std::string& title,
                                                     const std::vector<tk::TextEntry>& entries) override;
};

} // namespace tk::qt
