#include "toolkit/qt/qt_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace tk::qt {

namespace {

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// The documents folder where there is one, the home folder otherwise.
QString FirstFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

std::optional<tk::SaveAnswer> QtDialogs::AskSaveFile(const tk::SaveQuestion& question) {
    QFileDialog dialog(QApplication::activeWindow(), FromStd(question.title));
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const tk::FileType& type : question.types)
        filters << FromStd(type.name + " (*." + type.extension + ")");
    dialog.setNameFilters(filters);
    dialog.setDirectory(folder_.isEmpty() ? FirstFolder() : folder_);
    dialog.selectFile(FromStd(question.name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().first();
    folder_ = QFileInfo(path).absolutePath();
    const auto type = filters.indexOf(dialog.selectedNameFilter());
    return tk::SaveAnswer{path.toStdString(), type < 0 ? 0 : std::size_t(type)};
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
