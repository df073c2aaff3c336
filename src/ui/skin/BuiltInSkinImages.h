#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

namespace qp {

// The built-in skin's pictures, compiled in as resources (":/skins/default/<id>.png" and
// "<id>@2x.png", rendered from SVG at build time). pixmap() hands out the 2x picture on screens
// of a device pixel ratio above 1, with that ratio set, so controls draw in logical pixels.
// Pictures are loaded once and kept. UI thread only.
class BuiltInSkinImages {
 public:
  // ratio: the screen's device pixel ratio; 0 takes the application's.
  explicit BuiltInSkinImages(qreal ratio = 0);

  QPixmap pixmap(int bitmapId) const;
  // The resource names of an id at 1x and 2x (whether or not the resource exists).
  static QString resourceName(int bitmapId, bool doubleSize);
  static bool hasImage(int bitmapId);

 private:
  qreal ratio_;
  mutable QHash<int, QPixmap> cache_;
};

}  // namespace qp
