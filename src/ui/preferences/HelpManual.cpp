#include "ui/preferences/HelpManual.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <filesystem>

namespace qp {
namespace {

constexpr int kBuildTreeLevels = 4;

}  // namespace

std::string findHelpManual(const std::string& programDirectory,
                           const std::function<bool(const std::string&)>& exists) {
  const std::filesystem::path program(programDirectory);
  const auto installed =
      (program.parent_path() / "share/doc/quillophone/manual/index.html").lexically_normal();
  if (exists(installed.string())) {
    return installed.string();
  }
  std::filesystem::path directory = program;
  for (int level = 0; level <= kBuildTreeLevels && !directory.empty(); ++level) {
    const auto candidate = directory / "resources/help/index.html";
    if (exists(candidate.string())) {
      return candidate.string();
    }
    if (directory == directory.parent_path()) {
      break;
    }
    directory = directory.parent_path();
  }
  return {};
}

std::string helpManualPath() {
  const QString programDirectory = QCoreApplication::applicationDirPath();
  return findHelpManual(programDirectory.toStdString(), [](const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).isFile();
  });
}

bool openHelpManual() {
  const std::string path = helpManualPath();
  if (path.empty()) {
    return false;
  }
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace qp
