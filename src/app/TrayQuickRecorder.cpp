#include "app/TrayQuickRecorder.h"

#include <QMetaObject>
#include <ctime>
#include <filesystem>

#include "app/TrayIcon.h"
#include "library/NameRules.h"

namespace qp::app {

TrayQuickRecorder::TrayQuickRecorder(const RecorderServices& services, std::string notesDirectory,
                                     TrayIcon* icon, RecorderOptions options, QObject* parent)
    : QObject(parent),
      settings_(services.settings),
      notesDirectory_(std::move(notesDirectory)),
      icon_(icon),
      recorder_(services, *this, std::move(options)) {}

TrayQuickRecorder::~TrayQuickRecorder() {
  stop();
}

bool TrayQuickRecorder::click() {
  if (recorder_.recording()) {
    stop();
    return false;
  }
  recorder_.clearSuppressClick();
  held_ = true;
  if (!recorder_.startQuickRecording()) {
    held_ = false;
    return false;
  }
  return true;
}

void TrayQuickRecorder::stop() {
  held_ = false;
  if (!recorder_.recording()) {
    return;
  }
  recorder_.stopQuickRecording();
  emit finished(QString::fromStdString(recorder_.lastNotePath()));
}

std::string TrayQuickRecorder::newNotePath() {
  const std::string folder = notesDirectory_ + "/" + settings_.readText("DefFolder", "");
  const std::string name = NameRules::newNoteName(static_cast<std::int64_t>(std::time(nullptr)));
  std::string path = folder + "/" + name + ".wav";
  std::error_code ec;
  for (int n = 2; std::filesystem::exists(path, ec); ++n) {
    path = folder + "/" + name + " (" + std::to_string(n) + ").wav";
  }
  return path;
}

void TrayQuickRecorder::showTime(const std::string& text) {
  QMetaObject::invokeMethod(
      this,
      [this, tip = QString::fromStdString(text)] {
        if (icon_ != nullptr) {
          icon_->setTip(tip);
        }
        emit timeShown(tip);
      },
      Qt::QueuedConnection);
}

void TrayQuickRecorder::refreshTrayIcon() {
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (icon_ != nullptr && recorder_.recording()) {
          icon_->blink();
        }
      },
      Qt::QueuedConnection);
}

void TrayQuickRecorder::hidePopup() {
  if (icon_ != nullptr) {
    icon_->setTip(restingTip_);
  }
}

void TrayQuickRecorder::restoreTrayIcon() {
  if (icon_ != nullptr) {
    icon_->restore();
  }
}

}  // namespace qp::app
