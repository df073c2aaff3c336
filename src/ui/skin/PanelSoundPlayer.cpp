#include "ui/skin/PanelSoundPlayer.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <utility>

#include "common/ProcessLauncher.h"
#include "ui/skin/PanelSounds.h"

namespace qp {

PanelSoundPlayer::PanelSoundPlayer(ProcessLauncher& launcher, QString directory)
    : launcher_(launcher), directory_(std::move(directory)) {}

QString PanelSoundPlayer::fileOf(int soundId) const {
  return QDir(directory_).filePath(QStringLiteral("qp-panel-%1.wav").arg(soundId));
}

bool PanelSoundPlayer::play(int soundId) {
  const std::vector<std::uint8_t> bytes = PanelSounds::wav(soundId);
  if (bytes.empty()) {
    return false;
  }
  const QString path = fileOf(soundId);
  QFile file(path);
  if (file.size() != static_cast<qint64>(bytes.size())) {
    QByteArray data(static_cast<qsizetype>(bytes.size()), '\0');
    std::copy(bytes.begin(), bytes.end(), data.begin());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size()) {
      return false;
    }
    file.close();
  }
  return launcher_.start("paplay", {path.toStdString()});
}

}  // namespace qp
