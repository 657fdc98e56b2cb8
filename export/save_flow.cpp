#include "export/save_flow.h"

#include "toolkit/numbers.h"
#include "toolkit/platform.h"
#include "toolkit/translation.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace exporting {

namespace {

std::string Lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

} // namespace

SaveTarget Settle(const tk::SaveAnswer& answer, const std::vector<tk::FileType>& types) {
    const std::string extension = Lowercase(std::filesystem::path(answer.path).extension().string());
    for (std::size_t i = 0; i < types.size(); ++i)
        if (extension == "." + Lowercase(types[i].extension))
            return {answer.path, i};
    const std::size_t chosen = std::min(answer.type, types.size() - 1);
    return {answer.path + "." + types[chosen].extension, chosen};
}

std::string NameAt(const std::string& stem, double periods, const std::string& extension) {
    if (!std::isfinite(periods))
        return stem + "." + extension;
    return stem + "-t" + tk::Format(periods, "0.000") + "." + extension;
}

void SaveWithDialogs(const tk::SaveQuestion& question,
                     const std::function<std::string(std::size_t type)>& contents) {
    tk::Dialogs& dialogs = tk::ThePlatform().Dialogs();
    const auto answer = dialogs.AskSaveFile(question);
    if (!answer)
        return;
    const SaveTarget target = Settle(*answer, question.types);
    const std::filesystem::path path(target.path);
    const std::string name = path.filename().string();
    const std::string folder = path.parent_path().string();
    std::error_code error;
    if (std::filesystem::exists(path, error) &&
        !dialogs.Confirm(
            question.title,
            tk::Substitute(
                tk::Translate("ExportFlow",
                              "A file named “%1” already exists in “%2”. Do you want to replace it?"),
                {name, folder}),
            tk::Translate("ExportFlow", "&Replace")))
        return;
    const std::string bytes = contents(target.type);
    if (bytes.empty()) {
        dialogs.Warn(
            question.title,
            tk::Substitute(tk::Translate("ExportFlow", "“%1” could not be made. Nothing was written."),
                           {name}));
        return;
    }
    const std::string failure = tk::ThePlatform().Output().WriteFile(target.path, bytes);
    if (!failure.empty())
        dialogs.Warn(
            question.title,
            //: %1 is the file's name, %2 its folder, %3 the system's reason.
            tk::Substitute(tk::Translate("ExportFlow",
                                         "“%1” could not be saved in “%2”: %3. Nothing was written there."),
                           {name, folder, failure}));
}

} // namespace exporting
