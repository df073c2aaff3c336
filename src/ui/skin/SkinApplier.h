#pragma once

#include <QColor>
#include <QRegion>
#include <QString>
#include <optional>

#include "skins/SkinRecords.h"
#include "ui/skin/SkinImageLookup.h"

namespace qp {

class SkinButton;
class CTEText;
class CTEListBox;
class KnobSlider;
class LevelMeterWidget;
class CTEVolumeKnob;

// Puts a skin's records on the controls: placement, faces, glyph, transparency, shape and
// first visibility of a button; colours, font and place of a text; the list box, knob, level
// meter and volume knob. Records are read, never kept; a null record hides the control (a
// button is also disabled). Pictures come from the lookup by bitmap id.
class SkinApplier {
 public:
  explicit SkinApplier(SkinImageLookup images) : images_(std::move(images)) {}

  // tooltip: the button's tooltip text, also its accessible name.
  void applyButton(SkinButton& button, const QpSkinButton* record, const QString& tooltip) const;
  void applyText(CTEText& text, const QpSkinText* record) const;
  void applyListBox(CTEListBox& list, const QpSkinListbox* record) const;
  void applyKnob(KnobSlider& knob, const QpSkinKnob* record, const QString& tooltip) const;
  void applyLevelMeter(LevelMeterWidget& meter, const QpSkinVUMeter* record) const;
  void applyVolume(CTEVolumeKnob& knob, const QpSkinVolume* record) const;
  // The window shape of a bitmap record: by the transparent colour rule or its polygon;
  // nothing when the record asks for neither (or its picture or sample point is missing).
  std::optional<QRegion> windowRegion(const QpSkinBitmap* record) const;

  // A skin colour (0x00BBGGRR); -1 gives an invalid colour ("none" / "keep").
  static QColor colour(int32_t value);
  // Whether a button of these flags shows in a mode (0 idle, 1 recording, 2 playing);
  // current when the flags say nothing about the mode.
  static bool shownInMode(int32_t flags, int mode, bool current);

 private:
  SkinImageLookup images_;
};

}  // namespace qp
