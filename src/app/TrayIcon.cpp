#include "app/TrayIcon.h"

#include <QGuiApplication>
#include <QPalette>
#include <QSystemTrayIcon>

namespace qp::app {
namespace {

QIcon loadIcon(const char* name) {
  return QIcon(QStringLiteral(":/quillophone/tray/%1.svg").arg(QLatin1String(name)));
}

// A dark window colour means a dark theme, whose panels want the light-drawn pair.
int pairForTheme() {
  return QGuiApplication::palette().color(QPalette::Window).lightness() < 128 ? 1 : 0;
}

}  // namespace

TrayIcon::TrayIcon(QObject* parent)
    : QObject(parent),
      icon_(new QSystemTrayIcon(this)),
      pairs_{{{loadIcon("tray-light"), loadIcon("tray-light-recording")},
              {loadIcon("tray-dark"), loadIcon("tray-dark-recording")}}},
      pair_(pairForTheme()) {
  showFrame(0);
  connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
    switch (why) {
      case QSystemTrayIcon::Trigger:
        emit clicked();
        break;
      case QSystemTrayIcon::DoubleClick:
        emit doubleClicked();
        break;
      case QSystemTrayIcon::MiddleClick:
        emit openRequested();
        break;
      default:
        break;  // the menu opens by itself
    }
  });
}

TrayIcon::~TrayIcon() = default;

bool TrayIcon::available() {
  return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::show() {
  icon_->show();
}

void TrayIcon::hide() {
  icon_->hide();
}

bool TrayIcon::visible() const {
  return icon_->isVisible();
}

void TrayIcon::setMenu(QMenu* menu) {
  icon_->setContextMenu(menu);
}

void TrayIcon::setTip(const QString& text) {
  icon_->setToolTip(text.left(kMaxTipLength));
}

QString TrayIcon::tip() const {
  return icon_->toolTip();
}

void TrayIcon::blink() {
  showFrame(1 - frame_);
}

void TrayIcon::restore() {
  showFrame(0);
}

void TrayIcon::showFrame(int frame) {
  frame_ = frame;
  icon_->setIcon(pairs_.at(static_cast<std::size_t>(pair_)).at(static_cast<std::size_t>(frame)));
}

}  // namespace qp::app
