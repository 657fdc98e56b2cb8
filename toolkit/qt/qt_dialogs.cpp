#include "toolkit/qt/qt_dialogs.h"

#include "toolkit/qt/plain_file_icons.h"
#include "toolkit/qt/save_file_dialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace tk::qt {

namespace {

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// The window a dialog belongs to, which it is centred on: the one in front, or the one in front
// last while none is, as for a moment after a dialog closed, before the window manager gives the
// focus back.
QWidget* Owner() {
    static QPointer<QWidget> last;
    if (QWidget* front = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                           : QApplication::activeWindow())
        last = front;
    return last;
}

} // namespace

std::optional<tk::SaveAnswer> QtDialogs::AskSaveFile(const tk::SaveQuestion& question) {
    PlainFileIcons icons; // outlives the dialog, whose list uses it until the end
    SaveFileDialog dialog(Owner(), question, icons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Answer();
}

// Cancel is the default, for Return and Escape alike: replacing a file cannot be undone.
bool QtDialogs::Confirm(const std::string& title, const std::string& question, const std::string& action) {
    QMessageBox box(QMessageBox::Warning, FromStd(title), FromStd(question), QMessageBox::NoButton, Owner());
    QPushButton* go = box.addButton(FromStd(action), QMessageBox::DestructiveRole);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    return box.clickedButton() == go;
}

void QtDialogs::Warn(const std::string& title, const std::string& message) {
    QMessageBox::warning(Owner(), FromStd(title), FromStd(message));
}

} // namespace tk::qt
