#include "lesson/lesson_document.h"

#include "export/save_flow.h"
#include "lesson/lesson_file.h"
#include "toolkit/platform.h"
#include "toolkit/translation.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace lesson {

namespace {

constexpr const char* kRecentKey = "lessons/recent";

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::vector<tk::FileType> LessonTypes() {
    return {{tk::Translate("LessonDocument", "Parvok lesson"), kExtension}};
}

// Why the file was not read, in a sentence that names it.
std::string WhyNotRead(const std::string& name, const Reading& reading) {
    const std::string& detail = reading.detail;
    switch (reading.problem) {
    case Problem::Unreadable:
        //: %1 is the file's name, %2 the system's reason.
        return tk::Substitute(tk::Translate("LessonDocument", "“%1” could not be read: %2."), {name, detail});
    case Problem::NotAFile:
        return tk::Substitute(
            tk::Translate("LessonDocument", "“%1” is a folder, a device or one of the system's files, not a lesson file."), {name});
    case Problem::TooLarge:
        //: %2 and %3 are sizes in bytes.
        return tk::Substitute(
            tk::Translate("LessonDocument",
                          "“%1” is too large for a lesson: it holds %2 bytes, and a lesson file at most %3."),
            {name, detail, std::to_string(kMaximumBytes)});
    case Problem::Empty:
        return tk::Substitute(tk::Translate("LessonDocument", "“%1” is empty."), {name});
    case Problem::NotUtf8:
        return tk::Substitute(
            tk::Translate(
                "LessonDocument",
                "“%1” is not UTF-8 text, as a lesson file is: its byte %2 is not part of a character."),
            {name, detail});
    case Problem::NotJson:
        return tk::Substitute(
            tk::Translate(
                "LessonDocument",
                "“%1” is not a lesson file, or it was cut short: its text stops making sense at byte %2."),
            {name, detail});
    case Problem::NumberTooLarge:
        //: %2 is a number as the file writes it, such as 1e999.
        return tk::Substitute(
            tk::Translate("LessonDocument",
                          "“%1” holds the number %2, which is beyond the largest number Parvok can use."),
            {name, detail});
    case Problem::NotALesson:
        return tk::Substitute(tk::Translate("LessonDocument", "“%1” is not a Parvok lesson."), {name});
    case Problem::NewerVersion:
        //: %2 and %3 are version numbers of the lesson format.
        return tk::Substitute(
            tk::Translate("LessonDocument",
                          "“%1” was saved by a newer Parvok, in version %2 of the lesson format; this Parvok "
                          "reads version %3 and older."),
            {name, detail, std::to_string(kFormatVersion)});
    case Problem::MissingMember:
        //: %2 names a part of the file, such as states[2].name.
        return tk::Substitute(tk::Translate("LessonDocument", "“%1” is damaged: “%2” is missing."),
                              {name, detail});
    case Problem::UnknownMember:
        return tk::Substitute(
            tk::Translate("LessonDocument", "“%1” holds “%2”, which a Parvok lesson does not have."),
            {name, detail});
    case Problem::BadValue:
        return tk::Substitute(
            tk::Translate("LessonDocument", "“%1” is damaged: “%2” does not hold a value Parvok can use."),
            {name, detail});
    case Problem::TooManyStates:
        return tk::Substitute(
            tk::Translate("LessonDocument", "“%1” holds %2 states; a lesson holds at most %3."),
            {name, detail, std::to_string(kMaximumStates)});
    case Problem::None:
        break;
    }
    return {};
}

} // namespace

std::string LessonDocument::Name() const {
    if (!open_)
        return {};
    if (path_.empty())
        return tk::Translate("LessonDocument", "Untitled Lesson");
    return std::filesystem::path(path_).stem().string();
}

const State* LessonDocument::CurrentState() const {
    return current_ && *current_ < lesson_.states.size() ? &lesson_.states[*current_] : nullptr;
}

void LessonDocument::New(const Options& options) {
    open_ = true;
    lesson_ = Lesson{{}, options};
    path_.clear();
    current_.reset();
    Announce(false);
}

void LessonDocument::Add(State state) {
    const std::size_t at = current_ ? *current_ + 1 : lesson_.states.size();
    lesson_.states.insert(lesson_.states.begin() + static_cast<std::ptrdiff_t>(at), std::move(state));
    current_ = at;
    Announce(true);
}

void LessonDocument::Rename(std::size_t index, std::string name, std::string note) {
    if (index >= lesson_.states.size())
        return;
    State& state = lesson_.states[index];
    if (state.name == name && state.note == note)
        return;
    state.name = std::move(name);
    state.note = std::move(note);
    Announce(true);
}

void LessonDocument::Remove(std::size_t index) {
    if (index >= lesson_.states.size())
        return;
    lesson_.states.erase(lesson_.states.begin() + static_cast<std::ptrdiff_t>(index));
    if (current_ && *current_ == index)
        current_.reset();
    else if (current_ && *current_ > index)
        --*current_;
    Announce(true);
}

void LessonDocument::Move(std::size_t index, int by) {
    const auto to = static_cast<std::ptrdiff_t>(index) + by;
    if (index >= lesson_.states.size() || to < 0 || to >= static_cast<std::ptrdiff_t>(lesson_.states.size()))
        return;
    std::swap(lesson_.states[index], lesson_.states[static_cast<std::size_t>(to)]);
    if (current_ == index)
        current_ = static_cast<std::size_t>(to);
    else if (current_ == static_cast<std::size_t>(to))
        current_ = index;
    Announce(true);
}

void LessonDocument::SetOptions(const Options& options) {
    if (!open_ || lesson_.options == options)
        return;
    lesson_.options = options;
    Announce(true);
}

void LessonDocument::SetCurrent(std::size_t index) {
    if (index >= lesson_.states.size() || current_ == index)
        return;
    current_ = index;
    Changed.Emit();
}

bool LessonDocument::Open(const std::string& path) {
    const Reading reading = ReadFile(path);
    if (!reading.lesson) {
        tk::ThePlatform().Dialogs().Warn(tk::Translate("LessonDocument", "Open Lesson"),
                                         WhyNotRead(FileName(path), reading));
        return false;
    }
    open_ = true;
    lesson_ = *reading.lesson;
    path_ = path;
    current_.reset();
    Remember(path);
    Announce(false);
    return true;
}

std::optional<std::string> LessonDocument::AskFileToOpen() const {
    return tk::ThePlatform().Dialogs().AskOpenFile({tk::Translate("LessonDocument", "Open Lesson"),
                                                    LessonTypes(),
                                                    std::filesystem::path(path_).parent_path()});
}

bool LessonDocument::Save() {
    if (path_.empty())
        return SaveAs();
    if (!WriteTo(path_))
        return false;
    Announce(false);
    return true;
}

bool LessonDocument::SaveAs() {
    const std::string name = (path_.empty() ? Name() : FileName(path_));
    const std::string written =
        exporting::SaveWithDialogs(tk::Translate("LessonDocument", "Save Lesson"),
                                   std::filesystem::path(name).replace_extension(kExtension).string(),
                                   LessonTypes(), [this](std::size_t) { return ToText(lesson_); });
    if (written.empty())
        return false;
    path_ = written;
    Remember(written);
    Announce(false);
    return true;
}

bool LessonDocument::WriteTo(const std::string& path) {
    const std::string failure = tk::ThePlatform().Output().WriteFile(path, ToText(lesson_));
    if (failure.empty()) {
        Remember(path);
        return true;
    }
    const std::filesystem::path where(path);
    tk::ThePlatform().Dialogs().Warn(
        tk::Translate("LessonDocument", "Save Lesson"),
        //: %1 is the file's name, %2 its folder, %3 the system's reason.
        tk::Substitute(
            tk::Translate("LessonDocument",
                          "“%1” could not be saved in “%2”: %3. The file there was left as it was."),
            {where.filename().string(), where.parent_path().string(), failure}));
    return false;
}

bool LessonDocument::MayDrop() {
    if (!open_ || !modified_)
        return true;
    const std::string question = tk::Substitute(
        tk::Translate("LessonDocument", "The lesson “%1” has changes that are not saved. Save them first?"),
        {Name()});
    switch (tk::ThePlatform().Dialogs().AskUnsaved(tk::Translate("LessonDocument", "Unsaved Changes"),
                                                   question)) {
    case tk::UnsavedAnswer::Save:
        return Save();
    case tk::UnsavedAnswer::Discard:
        return true;
    case tk::UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

void LessonDocument::Revert() {
    Reading reading = path_.empty() ? Reading{} : ReadFile(path_);
    open_ = reading.lesson.has_value();
    lesson_ = open_ ? std::move(*reading.lesson) : Lesson{};
    if (!open_)
        path_.clear();
    if (current_ && *current_ >= lesson_.states.size())
        current_.reset();
    Announce(false);
}

std::vector<std::string> LessonDocument::Recent() const {
    std::vector<std::string> paths;
    std::istringstream lines(tk::ThePlatform().Settings().Value(kRecentKey).value_or(""));
    for (std::string path; std::getline(lines, path) && paths.size() < kRecentFiles;)
        if (!path.empty())
            paths.push_back(path);
    return paths;
}

// A name with a line break in it cannot be kept in the list, whose paths are lines.
void LessonDocument::Remember(const std::string& path) {
    if (path.find('\n') != std::string::npos)
        return;
    std::vector<std::string> paths = Recent();
    std::erase(paths, path);
    paths.insert(paths.begin(), path);
    paths.resize(std::min(paths.size(), kRecentFiles));
    std::string value;
    for (const std::string& each : paths)
        value += each + '\n';
    tk::ThePlatform().Settings().SetValue(kRecentKey, value);
}

void LessonDocument::Restore(Lesson lesson, std::string path, bool modified,
                             std::optional<std::size_t> current) {
    open_ = true;
    lesson_ = std::move(lesson);
    path_ = std::move(path);
    current_ = current && *current < lesson_.states.size() ? current : std::nullopt;
    Announce(modified);
}

void LessonDocument::Announce(bool modified) {
    modified_ = modified;
    Changed.Emit();
}

} // namespace lesson
