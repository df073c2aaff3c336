#include "ui/skin/BuiltInSkinImages.h"

#include <QFile>
#include <QGuiApplication>

// The resources live in the static qp_ui library; they need registering once.
static void registerDefaultSkinResources() {
  Q_INIT_RESOURCE(default_skin);
}

namespace qp {

BuiltInSkinImages::BuiltInSkinImages(qreal ratio)
    : ratio_(ratio > 0 ? ratio : qGuiApp->devicePixelRatio()) {
  static const bool kRegistered = [] {
    registerDefaultSkinResources();
    return true;
  }();
  (void)kRegistered;
}

QString BuiltInSkinImages::resourceName(int bitmapId, bool doubleSize) {
  return QStringLiteral(":/skins/default/%1%2.png")
      .arg(bitmapId)
      .arg(doubleSize ? QStringLiteral("@2x") : QString());
}

bool BuiltInSkinImages::hasImage(int bitmapId) {
  return QFile::exists(resourceName(bitmapId, false));
}

QPixmap BuiltInSkinImages::pixmap(int bitmapId) const {
  const auto found = cache_.constFind(bitmapId);
  if (found != cache_.constEnd()) {
    return *found;
  }
  const bool doubleSize = ratio_ > 1.0;
  QPixmap image(resourceName(bitmapId, doubleSize));
  if (image.isNull() && doubleSize) {
    image = QPixmap(resourceName(bitmapId, false));
  } else if (doubleSize) {
    image.setDevicePixelRatio(2.0);
  }
  cache_.insert(bitmapId, image);
  return image;
}

}  // namespace qp
