#include "toolkit/qt/plain_file_icons.h"

#include <QMimeDatabase>

namespace tk::qt {

QIcon PlainFileIcons::icon(IconType type) const {
    return QFileIconProvider::icon(type);
}

// A folder's icon follows its path; every other entry gets the file icon.
QIcon PlainFileIcons::icon(const QFileInfo& info) const {
    if (info.isDir())
        return QFileIconProvider::icon(info);
    return icon(File);
}

QString PlainFileIcons::type(const QFileInfo& info) const {
    if (info.isDir())
        return QFileIconProvider::type(info);
    return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension).comment();
}

} // namespace tk::qt
