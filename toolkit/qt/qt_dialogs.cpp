#include "toolkit/qt/qt_dialogs.h"

#include "toolkit/qt/plain_file_icons.h"
#include "toolkit/qt/save_file_dialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace tk::qt {

namespace {

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

std::optional<tk::SaveAnswer> QtDialogs::AskSaveFile(const tk::SaveQuestion& question) {
    PlainFileIcons icons; // outlives the dialog, whose list uses it until the end
    SaveFileDialog dialog(QApplication::activeWindow(), question, icons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Answer();
}

// Cancel is the default, for Return and Escape alike: replacing a file cannot be undone.
bool QtDialogs::Confirm(const std::string& title, const std::string& question, const std::string& action) {
    QMessageBox box(QMessageBox::Warning, FromStd(title), FromStd(question), QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* go = box.addButton(FromStd(action), QMessageBox::DestructiveRole);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    return box.clickedButton() == go;
}

void QtDialogs::Warn(const std::string& title, const std::string& message) {
    QMessageBox::warning(QApplication::activeWindow(), FromStd(title), FromStd(message));
}

} // namespace tk::qt
