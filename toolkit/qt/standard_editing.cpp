#include "toolkit/qt/standard_editing.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>

#include <map>

namespace tk::qt {

std::optional<tk::EditCommand> EditCommandFor(const std::string& itemName) {
    static const std::map<std::string, tk::EditCommand> commands = {
        {"EditUndo", tk::EditCommand::Undo},   {"EditCut", tk::EditCommand::Cut},
        {"EditCopy", tk::EditCommand::Copy},   {"EditPaste", tk::EditCommand::Paste},
        {"EditClear", tk::EditCommand::Clear}, {"EditSelectAll", tk::EditCommand::SelectAll},
    };
    auto it = commands.find(itemName);
    if (it == commands.end())
        return std::nullopt;
    return it->second;
}

namespace {

bool ClipboardHasText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

// What a command needs of a line edit to act, and what it does then.
struct LineCommand {
    bool (*canAct)(const QLineEdit& line);
    void (*act)(QLineEdit& line);
};

bool Writable(const QLineEdit& line) {
    return !line.isReadOnly();
}

LineCommand LineCommandFor(tk::EditCommand command) {
    switch (command) {
    case tk::EditCommand::Undo:
        return {[](const QLineEdit& l) { return Writable(l) && l.isUndoAvailable(); },
                [](QLineEdit& l) { l.undo(); }};
    case tk::EditCommand::Cut:
        return {[](const QLineEdit& l) { return Writable(l) && l.hasSelectedText(); },
                [](QLineEdit& l) { l.cut(); }};
    case tk::EditCommand::Copy:
        return {[](const QLineEdit& l) { return l.hasSelectedText() && l.echoMode() == QLineEdit::Normal; },
                [](QLineEdit& l) { l.copy(); }};
    case tk::EditCommand::Paste:
        return {[](const QLineEdit& l) { return Writable(l) && ClipboardHasText(); },
                [](QLineEdit& l) { l.paste(); }};
    case tk::EditCommand::Clear:
        return {[](const QLineEdit& l) { return Writable(l) && l.hasSelectedText(); },
                [](QLineEdit& l) { l.del(); }};
    case tk::EditCommand::SelectAll:
        break;
    }
    return {[](const QLineEdit& l) { return !l.text().isEmpty(); }, [](QLineEdit& l) { l.selectAll(); }};
}

} // namespace

bool CanEdit(const QWidget* focus, tk::EditCommand command) {
    const auto* line = qobject_cast<const QLineEdit*>(focus);
    return line && line->isEnabled() && LineCommandFor(command).canAct(*line);
}

bool Edit(QWidget* focus, tk::EditCommand command) {
    auto* line = qobject_cast<QLineEdit*>(focus);
    if (!line)
        return false;
    const LineCommand lineCommand = LineCommandFor(command);
    if (lineCommand.canAct(*line))
        lineCommand.act(*line);
    return true;
}

} // namespace tk::qt
