#include "platform/FreedesktopTrash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

namespace qp {
namespace {

// The user's trash ($XDG_DATA_HOME/Trash), created with its "files" and "info" directories
// when missing: without them the toolkit can put a trashed file beside the working directory.
QString homeTrash() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (data.isEmpty()) {
    return {};
  }
  QString trash = data + QStringLiteral("/Trash");
  QDir dir;
  if (!dir.mkpath(trash + QStringLiteral("/files")) ||
      !dir.mkpath(trash + QStringLiteral("/info"))) {
    return {};
  }
  QFile::setPermissions(trash,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return trash;
}

}  // namespace

bool FreedesktopTrash::available() const {
  return !homeTrash().isEmpty();
}

bool FreedesktopTrash::moveToTrash(const std::string& path) {
  if (homeTrash().isEmpty()) {
    return false;
  }
  const QString original = QString::fromStdString(path);
  QString inTrash;
  if (!QFile::moveToTrash(original, &inTrash)) {
    return false;
  }
  // A trash that is not a real, absolute place is no trash: put the file back.
  if (QFileInfo(inTrash).isRelative()) {
    QFile::rename(inTrash, original);
    return false;
  }
  return true;
}

}  // namespace qp
