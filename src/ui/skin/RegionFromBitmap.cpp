#include "ui/skin/RegionFromBitmap.h"

#include <QImage>
#include <cmath>
#include <vector>

namespace qp {
namespace {

// The image in a 32-bit format in which equal colours are equal pixel values.
QImage comparable(const QImage& image) {
  return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                       : QImage::Format_RGB32);
}

// The image's pixels at one pixel per logical pixel (nearest neighbour keeps colours exact).
QImage logicalImage(const QPixmap& pixmap) {
  QImage image = pixmap.toImage();
  if (pixmap.devicePixelRatio() != 1.0) {
    const QSize logical = pixmap.deviceIndependentSize().toSize();
    image = image.scaled(logical, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    image.setDevicePixelRatio(1.0);
  }
  return image;
}

}  // namespace

std::optional<QRegion> RegionFromBitmap::fromImage(const QImage& image, QPoint sample,
                                                   QPoint offset) {
  if (image.isNull() || !image.rect().contains(sample)) {
    return std::nullopt;
  }
  const QImage pixels = comparable(image);
  const QRgb transparent = pixels.pixel(sample);
  // One rectangle per run of other colours, row by row, left to right: the banded order a
  // region is built from directly.
  std::vector<QRect> runs;
  for (int y = 0; y < pixels.height(); ++y) {
    int x = 0;
    while (x < pixels.width()) {
      while (x < pixels.width() && pixels.pixel(x, y) == transparent) {
        ++x;
      }
      const int start = x;
      while (x < pixels.width() && pixels.pixel(x, y) != transparent) {
        ++x;
      }
      if (x > start) {
        runs.emplace_back(start + offset.x(), y + offset.y(), x - start, 1);
      }
    }
  }
  QRegion region;
  region.setRects(runs.data(), static_cast<int>(runs.size()));
  return region;
}

std::optional<QRegion> RegionFromBitmap::fromPixmap(const QPixmap& pixmap, QPoint sample,
                                                    QPoint offset) {
  if (pixmap.isNull()) {
    return std::nullopt;
  }
  return fromImage(logicalImage(pixmap), sample, offset);
}

QPixmap RegionFromBitmap::withTransparentSample(const QPixmap& pixmap, QPoint sample) {
  const qreal ratio = pixmap.devicePixelRatio();
  const QPoint pixel(static_cast<int>(std::floor(sample.x() * ratio)),
                     static_cast<int>(std::floor(sample.y() * ratio)));
  QImage image = comparable(pixmap.toImage());
  if (image.isNull() || !image.rect().contains(pixel) || qAlpha(image.pixel(pixel)) == 0) {
    return pixmap;
  }
  const QRgb key = image.pixel(pixel);
  image = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == key) {
        image.setPixel(x, y, 0);
      }
    }
  }
  QPixmap result = QPixmap::fromImage(image);
  result.setDevicePixelRatio(ratio);
  return result;
}

}  // namespace qp
