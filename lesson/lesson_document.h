#pragma once

#include "lesson/lesson.h"
#include "toolkit/signal.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lesson {

// The lesson open in the program, if any: its states and options, the file it came from or was
// saved to, whether it changed since, and the state shown last. Its file commands ask and tell
// through the platform's dialogs; a file that cannot be read or written leaves the lesson as it
// was. Every change is announced through Changed.
class LessonDocument {
public:
    static constexpr std::size_t kRecentFiles = 10;

    bool IsOpen() const { return open_; }
    const Lesson& Content() const { return lesson_; }
    // Empty for a lesson never saved.
    const std::string& Path() const { return path_; }
    bool Modified() const { return modified_; }
    // The file's name without its extension ("Monday" for Monday.parvok), "Untitled Lesson" in the
    // user's language for a lesson never saved, and empty with none open.
    std::string Name() const;
    // The state loaded last, which Next and Previous go on from; none before the first.
    std::optional<std::size_t> Current() const { return current_; }
    const State* CurrentState() const;

    // ---- Changes: each marks the lesson modified ----
    // A new, empty lesson with these options in place of the one open.
    void New(const Options& options);
    // Puts the state after the current one (at the end when there is none), and makes it current.
    void Add(State state);
    // Another name and note for the state.
    void Rename(std::size_t index, std::string name, std::string note);
    void Remove(std::size_t index);
    // Moves the state one place up (-1) or down (+1); the current state stays the same state.
    void Move(std::size_t index, int by);
    // The lesson's options follow the program's; modified only when they differ.
    void SetOptions(const Options& options);
    // The state shown now; not a change of the lesson.
    void SetCurrent(std::size_t index);

    // ---- Files, through the dialogs ----
    // Reads the lesson at `path` in place of the one open, which stays as it was when the file
    // cannot be read: a dialog then names the file and says why. Returns whether it was read.
    bool Open(const std::string& path);
    // The open dialog, in the folder of the lesson's file: the path chosen, none for Cancel.
    std::optional<std::string> AskFileToOpen() const;
    // Saves to the lesson's file, or asks for one first (Save As) where it has none.
    bool Save();
    bool SaveAs();
    // Before something would drop the lesson's changes: asks whether to save them, and returns
    // whether to go on (saved or discarded), false for Cancel or a save that failed.
    bool MayDrop();
    // Drops the changes not saved: the lesson as its file holds it, or none open where it has no
    // file that reads.
    void Revert();
    // The lesson files opened or saved last, the latest first, at most kRecentFiles.
    std::vector<std::string> Recent() const;

    // Takes up a lesson again as a session left it.
    void Restore(Lesson lesson, std::string path, bool modified, std::optional<std::size_t> current);

    tk::Signal<> Changed;

private:
    // Every change ends here: the lesson is modified since it was read or saved, or not.
    void Announce(bool modified);
    bool WriteTo(const std::string& path);
    void Remember(const std::string& path);

    bool open_ = false;
    Lesson lesson_;
    std::string path_;
    bool modified_ = false;
    std::optional<std::size_t> current_;
};

} // namespace lesson
