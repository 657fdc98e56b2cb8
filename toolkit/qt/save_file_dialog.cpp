#include "toolkit/qt/save_file_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
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

// The icons are set once the dialog's own widgets exist, before it is given a folder to list.
SaveFileDialog::SaveFileDialog(QWidget* parent, const tk::SaveQuestion& question,
                               QAbstractFileIconProvider& icons)
    : QFileDialog(parent, FromStd(question.title)), question_(question) {
    setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite |
               QFileDialog::DontUseCustomDirectoryIcons);
    setIconProvider(&icons);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    for (const tk::FileType& type : question.types)
        filters_ << FromStd(type.name + " (*." + type.extension + ")");
    setNameFilters(filters_);
    setDirectory(question.folder.empty() ? FirstFolder() : FromStd(question.folder));
    selectFile(FromStd(question.name));
}

std::optional<tk::SaveAnswer> SaveFileDialog::Answer() const {
    const QStringList files = selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    const auto type = filters_.indexOf(selectedNameFilter());
    return tk::SaveAnswer{files.first().toStdString(), type < 0 ? 0 : std::size_t(type)};
}

// A folder typed is opened by the dialog itself; any other name is checked first.
void SaveFileDialog::accept() {
    const auto answer = Answer();
    if (answer && question_.refusal && !QFileInfo(FromStd(answer->path)).isDir()) {
        if (const std::string refusal = question_.refusal(*answer); !refusal.empty()) {
            QMessageBox::warning(this, windowTitle(), FromStd(refusal));
            return;
        }
    }
    QFileDialog::accept();
}

} // namespace tk::qt
