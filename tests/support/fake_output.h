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
// Cancel); with nothing left, dialogs are cancelled, and every question is answered no.
class FakeDialogs : public tk::Dialogs {
public:
    std::optional<tk::SaveAnswer> AskSaveFile(const tk::SaveQuestion& question) override;
    bool Confirm(const std::string& title, const std::string& question, const std::string& action) override;
    void Warn(const std::string& /*title*/, const std::string& message) override {
        said.push_back("Warn " + message);
    }

    std::deque<std::optional<tk::SaveAnswer>> saveAnswers;
    // Runs while a save dialog is open, as the program's timers do.
    std::function<void()> whileAsking;

    // What was asked: the save dialogs' questions, and "Confirm <question> [action]" or
    // "Warn <message>" for the others.
    std::vector<tk::SaveQuestion> saveQuestions;
    std::vector<std::string> said;
};

// Outputs that keep what they are given: files in `files`, and every drawing drawn on `drawn`.
class FakeOutput : public tk::Output {
public:
    std::string Encode(const tk::Drawing& drawing, tk::PictureFormat format) override;
    std::string WriteFile(const std::string& path, std::string_view contents) override;
    void CopyToClipboard(const tk::Drawing& drawing) override { Draw("Copy", drawing); }
    tk::PrintResult Print(const tk::Drawing& drawing) override {
        Draw("Print", drawing);
        return printResult;
    }

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
