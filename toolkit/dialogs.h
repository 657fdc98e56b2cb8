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
};

} // namespace tk
