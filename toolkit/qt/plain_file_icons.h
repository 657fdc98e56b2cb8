#pragma once

#include <QFileIconProvider>

namespace tk::qt {

// The icons and type names of a file dialog's list from the file system's records and the names
// alone. Qt's own provider reads a file to tell its type, and reading a file of /proc such as
// /proc/kmsg waits for ever: the dialog, or the program closing it, would hang.
class PlainFileIcons : public QFileIconProvider {
public:
    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

} // namespace tk::qt
