#include "ui/skin/SkinApplier.h"

#include <QFont>
#include <QPolygon>
#include <span>

#include "ui/controls/CTEListBox.h"
#include "ui/controls/CTEText.h"
#include "ui/controls/CTEVolumeKnob.h"
#include "ui/controls/KnobSlider.h"
#include "ui/controls/LevelMeterWidget.h"
#include "ui/controls/SkinButton.h"
#include "ui/skin/RegionFromBitmap.h"

namespace qp {
namespace {

QRect rectOf(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return {QPoint(left, top), QPoint(right - 1, bottom - 1)};
}

// Skin alignment flags: 1 centred, 2 right; otherwise left. Always vertically centred.
Qt::Alignment alignmentOf(int32_t flags) {
  if ((flags & 1) != 0) {
    return Qt::AlignCenter;
  }
  return ((flags & 2) != 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

}  // namespace

QColor SkinApplier::colour(int32_t value) {
  if (value < 0) {
    return {};
  }
  const auto bgr = static_cast<uint32_t>(value);
  return {static_cast<int>(bgr & 0xFFU), static_cast<int>((bgr >> 8U) & 0xFFU),
          static_cast<int>((bgr >> 16U) & 0xFFU)};
}

bool SkinApplier::shownInMode(int32_t flags, int mode, bool current) {
  const int32_t modeFlags = QP_BUTTON_IDLE_ONLY | QP_BUTTON_RECORDING_ONLY | QP_BUTTON_PLAYING_ONLY;
  if ((flags & modeFlags) == 0) {
    return current;
  }
  switch (mode) {
    case 0:
      return (flags & QP_BUTTON_IDLE_ONLY) != 0;
    case 1:
      return (flags & QP_BUTTON_RECORDING_ONLY) != 0;
    case 2:
      return (flags & QP_BUTTON_PLAYING_ONLY) != 0;
    default:
      return current;
  }
}

void SkinApplier::applyButton(SkinButton& button, const QpSkinButton* record,
                              const QString& tooltip) const {
  button.setAccessibleName(tooltip);
  if (record == nullptr) {
    button.hide();
    button.setEnabled(false);
    return;
  }
  const SkinButton::Faces faces{images_(record->normalId), images_(record->focusedId),
                                images_(record->toggledId), images_(record->pressedId),
                                images_(record->disabledId)};
  button.setFaces(faces, QPoint(record->sampleX, record->sampleY));
  if (faces.normal.isNull()) {
    button.setGeometry(rectOf(record->left, record->top, record->right, record->bottom));
  } else {
    button.move(record->left, record->top);
  }
  button.setGlyph(record->glyphId != 0 ? images_(record->glyphId) : QPixmap(),
                  QPoint(record->glyphSampleX, record->glyphSampleY),
                  QPoint(record->glyphOffsetX, record->glyphOffsetY));
  button.setFocusRectangle((record->flags & QP_BUTTON_FOCUS_RECT) != 0);
  const std::optional<QRegion> shape =
      record->regionFromBitmap != 0
          ? RegionFromBitmap::fromPixmap(faces.normal, QPoint(record->sampleX, record->sampleY))
          : std::nullopt;
  button.setMask(shape.value_or(QRegion()));
  button.setEnabled(true);
  button.setVisible((record->flags & (QP_BUTTON_HIDDEN | QP_BUTTON_HIDDEN_TOO)) == 0);
}

void SkinApplier::applyText(CTEText& text, const QpSkinText* record) const {
  if (record == nullptr) {
    text.hide();
    return;
  }
  text.setGeometry(rectOf(record->left, record->top, record->right, record->bottom));
  if (record->textColour != -1) {
    text.setTextColour(colour(record->textColour));
  }
  text.setBackgroundColour(colour(record->backgroundColour));
  QFont font = text.font();
  if (record->fontHeight < 0) {
    font.setPixelSize(-record->fontHeight);
  } else if (record->fontHeight > 0) {
    font.setPixelSize(record->fontHeight);
  }
  if (record->weight > 0) {
    font.setWeight(static_cast<QFont::Weight>(std::clamp(record->weight, 100, 900)));
  }
  text.setFont(font);
  text.setAlignment(alignmentOf(record->alignment));
  text.show();
}

void SkinApplier::applyListBox(CTEListBox& list, const QpSkinListbox* record) const {
  if (record == nullptr) {
    list.hide();
    return;
  }
  list.setGeometry(rectOf(record->left, record->top, record->right, record->bottom));
  list.setBackground(record->backgroundId != 0 ? images_(record->backgroundId) : QPixmap());
  list.setTextColours(colour(record->textColour), colour(record->selectedTextColour));
  list.setRowHeight(record->rowHeight);
  if (record->fontHeight != 0) {
    QFont font = list.font();
    font.setPixelSize(std::abs(record->fontHeight));
    list.setFont(font);
  }
  list.show();
}

void SkinApplier::applyKnob(KnobSlider& knob, const QpSkinKnob* record,
                            const QString& tooltip) const {
  knob.setAccessibleName(tooltip);
  if (record == nullptr) {
    knob.hide();
    return;
  }
  knob.setOrientation(record->mode == 1 ? Qt::Vertical : Qt::Horizontal);
  knob.setGeometry(rectOf(record->left, record->top, record->right, record->bottom));
  knob.setBitmaps(images_(record->bitmapId), images_(record->thumbId),
                  images_(record->thumbFocusedId));
  knob.show();
}

void SkinApplier::applyLevelMeter(LevelMeterWidget& meter, const QpSkinVUMeter* record) const {
  if (record == nullptr) {
    meter.hide();
    return;
  }
  meter.setGeometry(rectOf(record->left, record->top, record->right, record->bottom));
  meter.setBitmaps(images_(record->offId), images_(record->onId));
  meter.setVertical(record->vertical != 0);
}

void SkinApplier::applyVolume(CTEVolumeKnob& knob, const QpSkinVolume* record) const {
  if (record == nullptr) {
    knob.hide();
    return;
  }
  knob.setGeometry(rectOf(record->left, record->top, record->right, record->bottom));
  knob.setFrames(images_(record->framesId));
  knob.show();
}

std::optional<QRegion> SkinApplier::windowRegion(const QpSkinBitmap* record) const {
  if (record == nullptr) {
    return std::nullopt;
  }
  const QPoint at(record->x, record->y);
  if (record->regionFromBitmap != 0) {
    return RegionFromBitmap::fromPixmap(images_(record->bitmapId),
                                        QPoint(record->sampleX, record->sampleY), at);
  }
  if (record->polygon == nullptr || record->polygonCount < 3) {
    return std::nullopt;
  }
  QPolygon outline;
  for (const QpSkinPoint& point :
       std::span(record->polygon, static_cast<std::size_t>(record->polygonCount))) {
    outline << QPoint(point.x, point.y);
  }
  return QRegion(outline, Qt::WindingFill).translated(at);
}

}  // namespace qp
