#include "platform/FreedesktopTrash.h"

#include <QFile>
#include <QStandardPaths>
#include <QString>

namespace qp {

bool FreedesktopTrash::available() const {
  return !QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).isEmpty();
}

bool FreedesktopTrash::moveToTrash(const std::string& path) {
  return QFile::moveToTrash(QString::fromStdString(path));
}

}  // namespace qp
