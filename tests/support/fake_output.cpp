#include "tests/support/fake_output.h"

namespace fake {

std::optional<tk::SaveAnswer> FakeDialogs::AskSaveFile(const tk::SaveQuestion& question) {
    saveQuestions.push_back(question);
    if (whileAsking)
        whileAsking();
    if (saveAnswers.empty())
        return std::nullopt;
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

bool FakeDialogs::Confirm(const std::string& /*title*/, const std::string& question,
                          const std::string& action) {
    said.push_back("Confirm " + question + " [" + action + "]");
    if (confirmations.empty())
        return false;
    const bool yes = confirmations.front();
    confirmations.pop_front();
    return yes;
}

void FakeDialogs::Warn(const std::string& /*title*/, const std::string& message) {
    said.push_back("Warn " + message);
}

namespace {

// The next answer of the script, or `none` when it is used up.
template <class Answer> Answer Next(std::deque<Answer>& answers, Answer none) {
    if (!answers.empty()) {
        none = std::move(answers.front());
        answers.pop_front();
    }
    return none;
}

} // namespace

std::optional<std::string> FakeDialogs::AskOpenFile(const tk::OpenQuestion& question) {
    said.push_back("Open " + question.title);
    return Next<std::optional<std::string>>(openAnswers, std::nullopt);
}

tk::UnsavedAnswer FakeDialogs::AskUnsaved(const std::string& /*title*/, const std::string& question) {
    said.push_back("Unsaved " + question);
    return Next(unsavedAnswers, tk::UnsavedAnswer::Cancel);
}

std::optional<std::vector<std::string>> FakeDialogs::AskTexts(const std::string& title,
                                                              const std::vector<tk::TextEntry>& /*entries*/) {
    said.push_back("Texts " + title);
    return Next<std::optional<std::vector<std::string>>>(textAnswers, std::nullopt);
}

void FakeOutput::Draw(const std::string& use, const tk::Drawing& drawing) {
    uses.push_back(use + " " + std::to_string(drawing.width) + "x" + std::to_string(drawing.height) + " " +
                   drawing.title + " (" + drawing.name + ")");
    drawing.draw(drawn);
}

std::string FakeOutput::Encode(const tk::Drawing& drawing, tk::PictureFormat format) {
    const char* names[] = {"png", "svg", "pdf"};
    const std::string name = names[static_cast<int>(format)];
    Draw("Encode " + name, drawing);
    return name + " picture";
}

std::string FakeOutput::WriteFile(const std::string& path, std::string_view contents) {
    if (!writeFailure.empty())
        return writeFailure;
    files[path] = std::string(contents);
    return {};
}

void FakeOutput::CopyToClipboard(const tk::Drawing& drawing) {
    Draw("Copy", drawing);
}

tk::PrintResult FakeOutput::Print(const tk::Drawing& drawing) {
    Draw("Print", drawing);
    return printResult;
}

} // namespace fake
