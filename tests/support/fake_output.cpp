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
    return false;
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

} // namespace fake
