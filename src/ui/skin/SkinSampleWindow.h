#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "skins/SkinExports.h"
#include "ui/skin/SkinApplier.h"

namespace qp {

class CTEListBox;
class CTEText;
class CTEVolumeKnob;
class KnobSlider;
class LevelMeterLogic;
class LevelMeterWidget;
class SkinButton;
class VolumeKnobLogic;

// A window that shows what a skin looks like: its background and side panel, every button of
// the view, the texts, the notes list with a few rows, the knob, level meter and volume knob,
// and a made-up waveform in the graph, all placed by the skin's records and cut to its shape.
// For skin previews, tests and benchmarks; it does nothing when clicked.
class SkinSampleWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kButtons = 31;  // skin button indexes 1 .. 30

  // sv: 1 for the small view. The skin's functions and the lookup outlive the window.
  SkinSampleWindow(const SkinExports& skin, SkinImageLookup images, int sv, bool panelOpen,
                   QWidget* parent = nullptr);
  ~SkinSampleWindow() override;
  SkinSampleWindow(const SkinSampleWindow&) = delete;
  SkinSampleWindow& operator=(const SkinSampleWindow&) = delete;

  // Puts every record of the view on the controls again (the costly part of a skin change).
  void applySkin();
  // The whole window drawn into an image with transparency outside its shape, at a device
  // pixel ratio (2: twice the pixels each way, for pictures looked up at 2x).
  QImage render(qreal ratio = 1.0);

  SkinButton* button(int index) const;
  QRegion shape() const { return shape_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void createControls();
  void applyButtons();
  void applyTexts();
  void fillSampleContent();
  void paintBitmap(QPainter& painter, int index) const;
  void paintGraph(QPainter& painter) const;

  const SkinExports& skin_;
  SkinImageLookup images_;
  SkinApplier applier_;
  int sv_;
  bool panelOpen_;
  QRegion shape_;
  std::array<SkinButton*, kButtons> buttons_{};
  std::array<CTEText*, 6> texts_{};
  CTEListBox* list_ = nullptr;
  KnobSlider* knob_ = nullptr;
  std::unique_ptr<LevelMeterLogic> meterLogic_;
  LevelMeterWidget* meter_ = nullptr;
  std::unique_ptr<VolumeKnobLogic> volumeLogic_;
  CTEVolumeKnob* volume_ = nullptr;
};

}  // namespace qp
