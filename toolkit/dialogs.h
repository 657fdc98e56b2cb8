#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tk {

// A kind of file that a save dialog offers, such as "SVG picture" with the extension "svg".
struct FileType {
    std::string name;
    std::string extension; // without the dot
};

// The user's answer: the path chosen or typed, as it stands (UTF-8), and the type chosen.
struct SaveAnswer {
    std::string path;
    std::size_t type = 0;
};

// What a save dialog asks: its title, the file name it starts with, in `folder` (the platform's
// documents folder when empty), and the types to choose from, the first one chosen.
struct SaveQuestion {
    std::string title;
    std::string name;
    std::vector<FileType> types;
    std::string folder;
    // Why an answer cannot be taken, in words for the user; empty when it can. A dialog that can
    // asks it before it closes, tells the user and stays open with the name as typed.
    std::function<std::string(const SaveAnswer&)> refusal;
};

// What an open dialog asks: its title, the types of file it lists, in `folder` (the platform's
// documents folder when empty).
struct OpenQuestion {
    std::string title;
    std::vector<FileType> types;
    std::string folder;
};

// What to do with changes not saved yet, before they would be lost.
enum class UnsavedAnswer { Save, Discard, Cancel };

// One text a dialog asks for, under its label, starting as `text`; on several lines where
// `multiline`, on one otherwise.
struct TextEntry {
    std::string label;
    std::string text;
    bool multiline = false;
};

// The platform's dialogs, modal to the window in front. While one is open the event loop goes on:
// timers fire and windows repaint.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The save dialog; none when the user cancels. It does not ask about replacing a file: the
    // caller does, once it knows the name it will write. It never opens the files it lists or the
    // file typed: reading a device or a file of /proc may wait for ever.
    virtual std::optional<SaveAnswer> AskSaveFile(const SaveQuestion& question) = 0;
    // Asks whether to go ahead with an action, named on its button ("Replace"); false for Cancel.
    virtual bool Confirm(const std::string& title, const std::string& question,
                         const std::string& action) = 0;
    // Tells the user what went wrong.
    virtual void Warn(const std::string& title, const std::string& message) = 0;
    // The open dialog: the path of the file chosen, none when the user cancels. It does not read the
    // file.
    virtual std::optional<std::string> AskOpenFile(const OpenQuestion& question) = 0;
    // Asks whether to save changes, discard them or cancel what would lose them; Cancel is the
    // answer to Escape and to closing the dialog.
    virtual UnsavedAnswer AskUnsaved(const std::string& title, const std::string& question) = 0;
    // Asks for texts, one per entry, in their order; none when the user cancels.
    virtual std::optional<std::vector<std::string>> AskTexts(const std::string& title,
                                                             const std::vector<TextEntry>& entries) = 0;
};

} // namespace tk
