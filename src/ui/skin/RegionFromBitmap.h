#pragma once

#include <QPixmap>
#include <QPoint>
#include <QRegion>
#include <optional>

namespace qp {

// Window shapes and see-through faces cut out of bitmaps by the transparent colour rule: the
// colour of one sample pixel is "transparent" wherever it occurs, also inside the picture.
// Colours compare as 32-bit values with alpha for images that have alpha and as RGB for
// opaque ones, so a fully transparent sample never matches opaque black.
class RegionFromBitmap {
 public:
  // The pixels of image (image pixels) that differ from the colour at sample, moved by
  // offset; nothing when sample lies outside the image (the window keeps its rectangle).
  static std::optional<QRegion> fromImage(const QImage& image, QPoint sample, QPoint offset = {});
  // The same for a pixmap of any device pixel ratio; sample, offset and the region are in
  // logical pixels.
  static std::optional<QRegion> fromPixmap(const QPixmap& pixmap, QPoint sample,
                                           QPoint offset = {});
  // A copy of pixmap in which every pixel of the sample's colour is fully transparent;
  // pixmap itself when the sample is outside or already fully transparent. Sample in
  // logical pixels.
  static QPixmap withTransparentSample(const QPixmap& pixmap, QPoint sample);
};

}  // namespace qp
