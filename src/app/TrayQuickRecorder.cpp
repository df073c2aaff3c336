#include "app/TrayQuickRecorder.h"

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
      recorder_(services, *this, std::move(options)) {
  connect(this, &TrayQuickRecorder::timeArrived, this, &TrayQuickRecorder::showTimeNow,
          Qt::QueuedConnection);
  connect(this, &TrayQuickRecorder::blinkRequested, this, &TrayQuickRecorder::blinkNow,
          Qt::QueuedConnection);
}

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
  std::string base = notesDirectory_;
  base.append("/").append(settings_.readText("DefFolder", "")).append("/");
  base.append(NameRules::newNoteName(static_cast<std::int64_t>(std::time(nullptr))));
  std::string path = base + ".wav";
  std::error_code ec;
  for (int n = 2; std::filesystem::exists(path, ec); ++n) {
    path = base;
    path.append(" (").append(std::to_string(n)).append(").wav");
  }
  return path;
}

void TrayQuickRecorder::showTime(const std::string& text) {
  emit timeArrived(QString::fromStdString(text));
}

void TrayQuickRecorder::showTimeNow(const QString& text) {
  if (!recorder_.recording()) {
    return;  // arrived after the recording ended: the resting tip stays
  }
  if (icon_ != nullptr) {
    icon_->setTip(text);
  }
  emit timeShown(text);
}

void TrayQuickRecorder::refreshTrayIcon() {
  emit blinkRequested();
}

void TrayQuickRecorder::blinkNow() {
  if (icon_ != nullptr && recorder_.recording()) {
    icon_->blink();
  }
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
