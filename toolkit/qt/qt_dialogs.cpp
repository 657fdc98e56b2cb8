#include "toolkit/qt/qt_dialogs.h"

#include "toolkit/qt/plain_file_icons.h"
#include "toolkit/qt/save_file_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>

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

// "Parvok lesson (*.parvok)", one filter per type.
QStringList Filters(const std::vector<tk::FileType>& types) {
    QStringList filters;
    for (const tk::FileType& type : types)
        filters << FromStd(type.name) + QStringLiteral(" (*.") + FromStd(type.extension) + QLatin1Char(')');
    return filters;
}

// The editor of one text: a line, or a box of a few lines.
QWidget* EditorOf(const tk::TextEntry& entry, QWidget* parent) {
    if (!entry.multiline) {
        auto* line = new QLineEdit(FromStd(entry.text), parent);
        line->selectAll(); // typing replaces the text offered, as in the main window's fields
        return line;
    }
    auto* box = new QPlainTextEdit(FromStd(entry.text), parent);
    box->setTabChangesFocus(true);
    return box;
}

std::string TextOf(const QWidget* editor) {
    if (const auto* line = qobject_cast<const QLineEdit*>(editor))
        return line->text().toStdString();
    return static_cast<const QPlainTextEdit*>(editor)->toPlainText().toStdString();
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

std::optional<std::string> QtDialogs::AskOpenFile(const tk::OpenQuestion& question) {
    QFileDialog dialog(Owner(), FromStd(question.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(Filters(question.types));
    dialog.setDirectory(question.folder.empty()
                            ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                            : FromStd(question.folder));
    PlainFileIcons icons; // outlives the dialog, whose list uses it until the end
    dialog.setIconProvider(&icons);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

tk::UnsavedAnswer QtDialogs::AskUnsaved(const std::string& title, const std::string& question) {
    QMessageBox box(QMessageBox::Warning, FromStd(title), FromStd(question),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, Owner());
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return tk::UnsavedAnswer::Save;
    case QMessageBox::Discard:
        return tk::UnsavedAnswer::Discard;
    default:
        return tk::UnsavedAnswer::Cancel;
    }
}

std::optional<std::vector<std::string>> QtDialogs::AskTexts(const std::string& title,
                                                            const std::vector<tk::TextEntry>& entries) {
    QDialog dialog(Owner());
    dialog.setWindowTitle(FromStd(title));
    auto* form = new QFormLayout(&dialog);
    std::vector<QWidget*> editors;
    for (const tk::TextEntry& entry : entries) {
        editors.push_back(EditorOf(entry, &dialog));
        form->addRow(FromStd(entry.label), editors.back());
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    dialog.setMinimumWidth(420);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    std::vector<std::string> texts;
    texts.reserve(editors.size());
    for (const QWidget* editor : editors)
        texts.push_back(TextOf(editor));
    return texts;
}

} // namespace tk::qt
