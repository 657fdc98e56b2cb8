#include "export/save_flow.h"

#include "toolkit/numbers.h"
#include "toolkit/platform.h"
#include "toolkit/system_folders.h"
#include "toolkit/translation.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <iterator>
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

namespace {

// The folder saved to last, while the program runs; empty before the first save.
std::string& LastFolder() {
    static std::string folder;
    return folder;
}

// Something other than a regular file: a device, a FIFO, a socket or a folder. Only the file
// system's record is read, never the file.
bool NotARegularFile(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    return std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

// Why the answer cannot be saved to, in words for the user; empty when it can. The name as typed
// counts as well as the one settled: a FIFO typed without an extension is no place for a picture.
std::string Refusal(const tk::SaveAnswer& answer, const SaveTarget& target) {
    const std::filesystem::path path(target.path);
    const std::string name = path.filename().string();
    if (const std::string folder = tk::SystemFolder(path); !folder.empty())
        //: %1 is the file's name, %2 a folder such as /proc.
        return tk::Substitute(tk::Translate("ExportFlow",
                                            "“%1” cannot be saved in %2: it holds the system's "
                                            "devices and settings, not files. Choose another folder."),
                              {name, folder});
    std::error_code error;
    const bool typedFolder = std::filesystem::is_directory(std::filesystem::path(answer.path), error);
    if (NotARegularFile(path) || (!typedFolder && NotARegularFile(answer.path)))
        return tk::Substitute(tk::Translate("ExportFlow",
                                            "“%1” is not an ordinary file but a device, a pipe or a "
                                            "folder, and cannot be saved over. Choose another name."),
                              {std::filesystem::path(answer.path).filename().string()});
    return {};
}

enum class Saved { Written, NotWritten, Kept };

// Asks before replacing a file, then writes it; the folder is remembered once the file is there.
Saved Save(const std::string& title, const SaveTarget& target,
           const std::function<std::string(std::size_t type)>& contents) {
    tk::Dialogs& dialogs = tk::ThePlatform().Dialogs();
    const std::filesystem::path path(target.path);
    const std::string name = path.filename().string();
    const std::string folder = path.parent_path().string();
    std::error_code error;
    if (std::filesystem::exists(path, error) &&
        !dialogs.Confirm(
            title,
            tk::Substitute(
                tk::Translate("ExportFlow",
                              "A file named “%1” already exists in “%2”. Do you want to replace it?"),
                {name, folder}),
            tk::Translate("ExportFlow", "&Replace")))
        return Saved::Kept;
    const std::string bytes = contents(target.type);
    if (bytes.empty()) {
        dialogs.Warn(
            title, tk::Substitute(tk::Translate("ExportFlow", "“%1” could not be made. Nothing was written."),
                                  {name}));
        return Saved::NotWritten;
    }
    const std::string failure = tk::ThePlatform().Output().WriteFile(target.path, bytes);
    if (failure.empty()) {
        LastFolder() = folder;
        return Saved::Written;
    }
    dialogs.Warn(
        title,
        //: %1 is the file's name, %2 its folder, %3 the system's reason.
        tk::Substitute(
            tk::Translate("ExportFlow", "“%1” could not be saved in “%2”: %3. Nothing was written there."),
            {name, folder, failure}));
    return Saved::NotWritten;
}

} // namespace

std::string SaveWithDialogs(const std::string& title, const std::string& name,
                            const std::vector<tk::FileType>& types,
                            const std::function<std::string(std::size_t type)>& contents) {
    tk::Dialogs& dialogs = tk::ThePlatform().Dialogs();
    tk::SaveQuestion question{
        .title = title,
        .name = name,
        .types = types,
        .folder = LastFolder(),
        // The types are copied: the question, and this check with it, may outlive the call.
        .refusal = [types](const tk::SaveAnswer& answer) { return Refusal(answer, Settle(answer, types)); }};
    // Asked again, with the name as typed, after a name that cannot be taken or a file kept.
    for (;;) {
        const auto answer = dialogs.AskSaveFile(question);
        if (!answer)
            return {};
        const SaveTarget target = Settle(*answer, question.types);
        if (const std::string refusal = Refusal(*answer, target); !refusal.empty()) {
            dialogs.Warn(title, refusal);
            question.name = answer->path;
            continue;
        }
        switch (Save(title, target, contents)) {
        case Saved::Written:
            return target.path;
        case Saved::NotWritten:
            return {};
        case Saved::Kept:
            question.name = answer->path;
            break;
        }
    }
}

} // namespace exporting
