#include "ui/skin/RegionFromBitmap.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace qp {
namespace {

// A 10 x 8 picture: magenta border of one pixel (the transparent colour), blue inside, one
// magenta pixel in the middle and one nearly-magenta pixel beside it.
QImage framedPicture(QImage::Format format) {
  QImage image(10, 8, format);
  image.fill(QColor(255, 0, 255));
  QPainter painter(&image);
  painter.fillRect(1, 1, 8, 6, QColor(0, 0, 200));
  painter.end();
  image.setPixelColor(4, 3, QColor(255, 0, 255));
  image.setPixelColor(5, 3, QColor(255, 0, 200));
  return image;
}

TEST(RegionFromBitmap, CoversExactlyThePixelsThatDifferFromTheSample) {
  for (const QImage::Format format :
       {QImage::Format_RGB32, QImage::Format_RGB888, QImage::Format_RGB16}) {
    SCOPED_TRACE(static_cast<int>(format));
    const auto region = RegionFromBitmap::fromImage(framedPicture(format), QPoint(0, 0));
    ASSERT_TRUE(region.has_value());
    EXPECT_EQ(region->boundingRect(), QRect(1, 1, 8, 6));
    EXPECT_FALSE(region->contains(QPoint(4, 3)));  // the sample colour inside: a hole
    EXPECT_TRUE(region->contains(QPoint(5, 3)));   // a near colour is not
    EXPECT_TRUE(region->contains(QPoint(8, 6)));   // the run that ends a row
    EXPECT_FALSE(region->contains(QPoint(9, 6)));
  }
}

TEST(RegionFromBitmap, SampleOutsideGivesNoRegion) {
  const QImage image = framedPicture(QImage::Format_RGB32);
  for (const QPoint sample : {QPoint(-1, 0), QPoint(10, 0), QPoint(0, 8), QPoint(3, -2)}) {
    EXPECT_FALSE(RegionFromBitmap::fromImage(image, sample).has_value())
        << sample.x() << "," << sample.y();
  }
  EXPECT_FALSE(RegionFromBitmap::fromImage(QImage(), QPoint(0, 0)).has_value());
}

TEST(RegionFromBitmap, OffsetMovesTheRegion) {
  const auto region =
      RegionFromBitmap::fromImage(framedPicture(QImage::Format_RGB32), QPoint(0, 0), {20, 30});
  ASSERT_TRUE(region.has_value());
  EXPECT_EQ(region->boundingRect(), QRect(21, 31, 8, 6));
}

TEST(RegionFromBitmap, TransparentSampleDoesNotMatchOpaqueBlack) {
  QImage image(6, 6, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.fillRect(1, 1, 4, 4, Qt::black);
  painter.end();
  const auto region = RegionFromBitmap::fromImage(image, QPoint(0, 0));
  ASSERT_TRUE(region.has_value());
  EXPECT_EQ(region->boundingRect(), QRect(1, 1, 4, 4));
}

TEST(RegionFromBitmap, DoubleSizePixmapGivesLogicalRegion) {
  QImage image = framedPicture(QImage::Format_RGB32).scaled(20, 16);
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(2.0);
  const auto region = RegionFromBitmap::fromPixmap(pixmap, QPoint(0, 0));
  ASSERT_TRUE(region.has_value());
  EXPECT_EQ(region->boundingRect(), QRect(1, 1, 8, 6));
  EXPECT_FALSE(region->contains(QPoint(4, 3)));
}

TEST(RegionFromBitmap, SampleColourBecomesSeeThrough) {
  const QPixmap pixmap = QPixmap::fromImage(framedPicture(QImage::Format_RGB32));
  const QImage result = RegionFromBitmap::withTransparentSample(pixmap, QPoint(0, 0)).toImage();
  EXPECT_EQ(qAlpha(result.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(result.pixel(4, 3)), 0);
  EXPECT_EQ(result.pixelColor(2, 2), QColor(0, 0, 200));
  EXPECT_EQ(result.pixelColor(5, 3), QColor(255, 0, 200));
  // Outside: unchanged.
  EXPECT_EQ(RegionFromBitmap::withTransparentSample(pixmap, QPoint(40, 0)).toImage().pixel(0, 0),
            pixmap.toImage().pixel(0, 0));
}

}  // namespace
}  // namespace qp
