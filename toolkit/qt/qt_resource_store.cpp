#include "toolkit/qt/qt_resource_store.h"

#include <QFile>

namespace tk::qt {

std::string QtResourceStore::GetResource(const std::string& type, int id) {
    QFile file(QStringLiteral(":/%1/%2").arg(QString::fromStdString(type)).arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

} // namespace tk::qt
