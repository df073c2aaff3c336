#include "ui/skin/SkinSampleWindow.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "common/StringTable.h"
#include "devices/LevelMeterLogic.h"
#include "devices/VolumeKnobLogic.h"
#include "ui/controls/CTEListBox.h"
#include "ui/controls/CTEText.h"
#include "ui/controls/CTEVolumeKnob.h"
#include "ui/controls/KnobSlider.h"
#include "ui/controls/LevelMeterWidget.h"
#include "ui/controls/SkinButton.h"

namespace qp {
namespace {

// Tooltip of each skin button index: its string id and the English text used when the
// string tables have none.
struct Tooltip {
  int id;
  const char* english;
};
constexpr std::array<Tooltip, SkinSampleWindow::kButtons> kTooltips = {{
    {0, ""},
    {38, "Help"},
    {37, "Preferences"},
    {36, "Miniaturize"},
    {35, "Minimize"},
    {19, "Close"},
    {25, "Show the previous folder"},
    {24, "Show the next folder"},
    {29, "Scroll down one page"},
    {31, "Scroll up one page"},
    {30, "Scroll down one line"},
    {32, "Scroll up one line"},
    {11, "Click or \"Push and Hold\" to record a new note"},
    {12, "Play selected note(s)"},
    {13, "Play all notes"},
    {16, "Erase note(s)"},
    {67, "E-mail the selected note(s)"},
    {39, "Skip to the next note"},
    {14, "Stop playing the note"},
    {18, "Pause playing the note"},
    {64, "Append to the end of the note"},
    {65, "Insert in the middle of the note"},
    {66, "Scan: play the first 3 seconds of all notes"},
    {63, "Continuous play"},
    {61, "Fast Reverse - Click or \"Push and Hold\""},
    {62, "Fast Forward - Click or \"Push and Hold\""},
    {26, "Show advanced features"},
    {27, "Hide advanced features"},
    {27, "Hide advanced features"},
    {14, "Stop playing the note"},
    {170, "Noise cancellation"},
}};
constexpr Tooltip kSpeedTooltip = {68, "Adjust the playback speed"};

constexpr std::array<const char*, 6> kSampleTexts = {"Notes",    "00:12", "Recording",
                                                     "Advanced", "Speed", "Playback"};
constexpr std::array<const char*, 5> kSampleRows = {
    "Groceries", "Call back the garage", "Idea for the talk", "Birthday list", "Meeting notes"};

QString stringOf(const Tooltip& tooltip) {
  if (tooltip.id == 0) {
    return {};
  }
  return QString::fromStdString(StringTable::active().text(tooltip.id, tooltip.english));
}

}  // namespace

SkinSampleWindow::SkinSampleWindow(const SkinExports& skin, SkinImageLookup images, int sv,
                                   bool panelOpen, QWidget* parent)
    : QWidget(parent),
      skin_(skin),
      images_(std::move(images)),
      applier_(images_),
      sv_(sv),
      panelOpen_(panelOpen) {
  createControls();
  applySkin();
  fillSampleContent();
}

SkinSampleWindow::~SkinSampleWindow() = default;

SkinButton* SkinSampleWindow::button(int index) const {
  return index > 0 && index < kButtons ? buttons_.at(static_cast<std::size_t>(index)) : nullptr;
}

void SkinSampleWindow::createControls() {
  list_ = new CTEListBox(this);
  for (std::size_t i = 1; i < buttons_.size(); ++i) {
    buttons_.at(i) = new SkinButton(this);
  }
  for (CTEText*& text : texts_) {
    text = new CTEText(this);
  }
  knob_ = new KnobSlider(this);
  knob_->setRange(0, 10);
  const QpSkinVUMeter* meter = skin_.getVUMeter(sv_);
  meterLogic_ = std::make_unique<LevelMeterLogic>(meter != nullptr ? meter->segments : 2);
  meter_ = new LevelMeterWidget(*meterLogic_, this);
  const QpSkinVolume* volume = skin_.getVolume != nullptr ? skin_.getVolume() : nullptr;
  volumeLogic_ = std::make_unique<VolumeKnobLogic>(MixerDirection::Playback,
                                                   volume != nullptr ? volume->positions : 1);
  volume_ = new CTEVolumeKnob(*volumeLogic_, this);
}

void SkinSampleWindow::applyButtons() {
  const QpSkinBitmap* closedPanel = skin_.getBitmap(2, sv_);
  const int panelLeft = closedPanel != nullptr ? closedPanel->x : width() + 10000;
  for (int index = 1; index < kButtons; ++index) {
    const QpSkinButton* record = skin_.getButton(index, sv_);
    SkinButton& control = *buttons_.at(static_cast<std::size_t>(index));
    applier_.applyButton(control, record, stringOf(kTooltips.at(static_cast<std::size_t>(index))));
    // The side panel's own buttons show only while it is open (the tab's while closed).
    const bool panelOnly = record != nullptr && record->left >= panelLeft && index != 26;
    if (panelOnly && !panelOpen_) {
      control.hide();
    }
    if (index == 26 && panelOpen_) {
      control.hide();
    }
    // As the window looks when idle.
    if (record != nullptr && !SkinApplier::shownInMode(record->flags, 0, true)) {
      control.hide();
    }
  }
}

void SkinSampleWindow::applyTexts() {
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    applier_.applyText(*texts_.at(i), skin_.getText(static_cast<int32_t>(i + 1), sv_));
  }
  // A compact layout shows the status texts only while recording, in place of the list.
  const QpSkinFlags* flags = skin_.getSkin(sv_);
  if (flags != nullptr && flags->compactLayout != 0) {
    texts_.at(1)->hide();
    texts_.at(2)->hide();
  }
  for (std::size_t i = 3; i < texts_.size() && !panelOpen_; ++i) {
    texts_.at(i)->hide();  // the side panel's labels
  }
}

void SkinSampleWindow::applySkin() {
  applyButtons();
  applyTexts();
  applier_.applyListBox(*list_, skin_.getListbox(sv_));
  applier_.applyKnob(*knob_, skin_.getKnob(sv_), stringOf(kSpeedTooltip));
  knob_->setVisible(!knob_->isHidden() && panelOpen_);
  applier_.applyLevelMeter(*meter_, skin_.getVUMeter(sv_));
  applier_.applyVolume(*volume_,
                       sv_ == 0 && skin_.getVolume != nullptr ? skin_.getVolume() : nullptr);
  shape_ = applier_.windowRegion(skin_.getBitmap(1, sv_)).value_or(QRegion());
  QRect extent = shape_.boundingRect();
  const QpSkinBitmap* panel = skin_.getBitmap(panelOpen_ ? 3 : 2, sv_);
  if (panel != nullptr) {
    const QRect panelRect(panel->x, panel->y, panel->extentX, panel->extentY);
    shape_ += panelRect;
    extent |= panelRect;
  }
  resize(extent.right() + 1, extent.bottom() + 1);
  setMask(shape_);
  update();
}

void SkinSampleWindow::fillSampleContent() {
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    texts_.at(i)->setText(QString::fromLatin1(kSampleTexts.at(i)));
  }
  for (const char* row : kSampleRows) {
    list_->addItem(QString::fromLatin1(row));
  }
  list_->item(1)->setSelected(true);
  knob_->setValue(5);
  meterLogic_->SetLevel(20000);
  meter_->refresh();
  volume_->setValue(7);
}

QImage SkinSampleWindow::render(qreal ratio) {
  QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QWidget::render(&image, QPoint(), shape_.isEmpty() ? QRegion(rect()) : shape_);
  return image;
}

void SkinSampleWindow::paintBitmap(QPainter& painter, int index) const {
  const QpSkinBitmap* record = skin_.getBitmap(index, sv_);
  if (record != nullptr) {
    painter.drawPixmap(record->x, record->y, images_(record->bitmapId));
  }
}

void SkinSampleWindow::paintGraph(QPainter& painter) const {
  const QpSkinGraph* graph = skin_.getGraph(sv_);
  if (graph == nullptr) {
    return;
  }
  const QRectF area(graph->left, graph->top, graph->right - graph->left,
                    graph->bottom - graph->top);
  QPainterPath wave;
  for (int x = 0; x <= static_cast<int>(area.width()); ++x) {
    const double t = x / area.width();
    const double envelope = std::sin(std::numbers::pi * t) * (0.55 + 0.45 * std::sin(23.0 * t));
    const double y = area.center().y() - envelope * std::sin(1.7 * x) * area.height() * 0.45;
    if (x == 0) {
      wave.moveTo(area.left(), y);
    } else {
      wave.lineTo(area.left() + x, y);
    }
  }
  painter.setPen(QPen(SkinApplier::colour(graph->waveColour), 1));
  painter.drawPath(wave);
  painter.setPen(QPen(SkinApplier::colour(graph->secondColour), 1));
  const double cursor = area.left() + area.width() * 0.4;
  painter.drawLine(QPointF(cursor, area.top()), QPointF(cursor, area.bottom()));
}

void SkinSampleWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  paintBitmap(painter, panelOpen_ ? 3 : 2);
  paintBitmap(painter, 1);
  paintBitmap(painter, 6);
  painter.setRenderHint(QPainter::Antialiasing);
  paintGraph(painter);
}

}  // namespace qp
