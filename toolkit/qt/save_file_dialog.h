#pragma once

#include "toolkit/dialogs.h"

#include <QFileDialog>

#include <optional>

namespace tk::qt {

// Qt's own save dialog for a question. It checks the name before it closes: a name the question
// refuses is told in a message over the dialog, which stays open with the name as typed. It lists
// files with PlainFileIcons, which the caller keeps until the dialog is gone.
class SaveFileDialog : public QFileDialog {
public:
    SaveFileDialog(QWidget* parent, const tk::SaveQuestion& question, QAbstractFileIconProvider& icons);

    // The name and type chosen, once accepted.
    std::optional<tk::SaveAnswer> Answer() const;

    void accept() override;

private:
    const tk::SaveQuestion& question_;
    QStringList filters_;
};

} // namespace tk::qt
