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

bool CanEditLine(const QLineEdit& line, tk::EditCommand command) {
    const bool selection = line.hasSelectedText();
    const bool writable = !line.isReadOnly();
    switch (command) {
    case tk::EditCommand::Undo:
        return writable && line.isUndoAvailable();
    case tk::EditCommand::Cut:
    case tk::EditCommand::Clear:
        return writable && selection;
    case tk::EditCommand::Copy:
        return selection && line.echoMode() == QLineEdit::Normal;
    case tk::EditCommand::Paste:
        return writable && ClipboardHasText();
    case tk::EditCommand::SelectAll:
        return !line.text().isEmpty() && line.selectedText() != line.text();
    }
    return false;
}

void EditLine(QLineEdit& line, tk::EditCommand command) {
    switch (command) {
    case tk::EditCommand::Undo:
        line.undo();
        break;
    case tk::EditCommand::Cut:
        line.cut();
        break;
    case tk::EditCommand::Copy:
        line.copy();
        break;
    case tk::EditCommand::Paste:
        line.paste();
        break;
    case tk::EditCommand::Clear:
        line.del();
        break;
    case tk::EditCommand::SelectAll:
        line.selectAll();
        break;
    }
}

} // namespace

bool CanEdit(const QWidget* focus, tk::EditCommand command) {
    const auto* line = qobject_cast<const QLineEdit*>(focus);
    return line && line->isEnabled() && CanEditLine(*line, command);
}

bool Edit(QWidget* focus, tk::EditCommand command) {
    auto* line = qobject_cast<QLineEdit*>(focus);
    if (!line)
        return false;
    if (CanEditLine(*line, command))
        EditLine(*line, command);
    return true;
}

} // namespace tk::qt
