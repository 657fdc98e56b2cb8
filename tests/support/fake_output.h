#pragma once

#include "tests/support/recording_graphics.h"
#include "toolkit/dialogs.h"
#include "toolkit/output.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace fake {

// A user who answers the dialogs from a script: each save dialog takes the next answer (none for
// Cancel), each question the next yes or no; with nothing left, dialogs are cancelled.
class FakeDialogs : public tk::Dialogs {
public:
    std::optional<tk::SaveAnswer> AskSaveFile(const tk::SaveQuestion& question) override;
    bool Confirm(const std::string& title, const std::string& question, const std::string& action) override;
    void Warn(const std::string& title, const std::string& message) override;
    std::optional<std::string> AskOpenFile(const tk::OpenQuestion& question) override;
    tk::UnsavedAnswer AskUnsaved(const std::string& title, const std::string& question) override;
    std::optional<std::vector<std::string>> AskTexts(const std::string& title,
                                                     const std::vector<tk::TextEntry>& entries) override;

    std::deque<std::optional<tk::SaveAnswer>> saveAnswers;
    std::deque<bool> confirmations;
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<tk::UnsavedAnswer> unsavedAnswers;
    std::deque<std::optional<std::vector<std::string>>> textAnswers;
    // Runs while a save dialog is open, as the program's timers do.
    std::function<void()> whileAsking;

    // What was asked: the save dialogs' questions, and "Confirm <question> [action]" or
    // "Warn <message>", "Open <title>", "Unsaved <question>" or "Texts <title>" for the others.
    std::vector<tk::SaveQuestion> saveQuestions;
    std::vector<std::string> said;
};

// Outputs that keep what they are given: files in `files`, and every drawing drawn on `drawn`.
class FakeOutput : public tk::Output {
public:
    std::string Encode(const tk::Drawing& drawing, tk::PictureFormat format) override;
    std::string WriteFile(const std::string& path, std::string_view contents) override;
    void CopyToClipboard(const tk::Drawing& drawing) override;
    tk::PrintResult Print(const tk::Drawing& drawing) override;

    // Settings a test may change.
    std::string writeFailure; // WriteFile fails for this reason
    tk::PrintResult printResult = tk::PrintResult::Printed;

    // What happened: "Encode svg 683x656 <title>", "Copy ...", "Print ..." in turn.
    std::vector<std::string> uses;
    std::map<std::string, std::string> files;
    RecordingGraphics drawn;

private:
    void Draw(const std::string& use, const tk::Drawing& drawing);
};

} // namespace fake
