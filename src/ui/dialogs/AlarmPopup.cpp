#include "ui/dialogs/AlarmPopup.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "alarms/LocalTime.h"
#include "common/StringIds.h"
#include "ui/dialogs/AlarmPopupLayout.h"
#include "ui/dialogs/DialogBase.h"

// The artwork is compiled into this static library; its registration must be pulled in by name
// (from the global namespace) or the linker leaves it out.
static void loadPopupArtwork() {
  static const bool loaded = [] {
    Q_INIT_RESOURCE(popup);
    return true;
  }();
  (void)loaded;
}

namespace qp {
namespace {

constexpr QSize kSize{300, 150};
constexpr QRect kTextArea{116, 20, 170, 58};
constexpr QRect kControlsArea{112, 84, 180, 60};
constexpr QRect kClockArea{16, 27, 80, 80};
constexpr int kClockMs = 1000;
constexpr int kFlashMs = 100;

QImage renderArtwork(const QString& resource) {
  loadPopupArtwork();
  QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QSvgRenderer svg(resource);
  QPainter painter(&image);
  svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(kSize)));
  return image;
}

QFont messageFont() {
  QFont font;
  font.setPixelSize(11);
  font.setWeight(QFont::Normal);
  return font;
}

QLabel* whiteLabel(int id, QWidget* parent) {
  auto* label = new QLabel(DialogBase::text(id), parent);
  label->setStyleSheet("color: white;");
  return label;
}

}  // namespace

AlarmPopup::AlarmPopup(const NoteEntry& note, SettingsStore& settings, const Clock& clock)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      settings_(settings),
      clock_(clock),
      background_(renderArtwork(":/popup/popup.svg")),
      flash_(renderArtwork(":/popup/popup-flash.svg")) {
  popupIndex_ = openPopups();
  setWindowTitle(kWindowTitle);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_DeleteOnClose, false);
  setFixedSize(kSize);
  setMask(QBitmap::fromImage(background_.createAlphaMask()));
  const QString message = note.alarm ? QString::fromStdString(note.alarm->message) : QString();
  text_ = message.isEmpty() ? QString::fromStdString(note.displayName) : message;
  const QFontMetrics metrics(messageFont());
  lines_ = AlarmPopupLayout::breakLines(text_, kTextArea.width(), [&](const QString& line) {
    return metrics.horizontalAdvance(line);
  });
  buildControls();
  clockTimer_ = new QTimer(this);
  flashTimer_ = new QTimer(this);
  connect(clockTimer_, &QTimer::timeout, this, [this] { tick(); });
  connect(flashTimer_, &QTimer::timeout, this, [this] {
    flashPhase_ = !flashPhase_;
    update();
  });
  tick();
}

AlarmPopup::~AlarmPopup() = default;

void AlarmPopup::buildControls() {
  auto* area = new QWidget(this);
  area->setGeometry(kControlsArea);
  close_ = new QPushButton(DialogBase::text(StringId::kCloseButton), area);
  snooze_ = new QPushButton(DialogBase::text(StringId::kSnoozeButton), area);
  const int buttonWidth = std::max(close_->sizeHint().width(), snooze_->sizeHint().width());
  close_->setFixedWidth(buttonWidth);
  snooze_->setFixedWidth(buttonWidth);
  minutes_ = new QLineEdit(area);
  minutes_->setValidator(new QIntValidator(0, 9999, minutes_));
  minutes_->setMaxLength(4);
  minutes_->setText(QString::number(settings_.readNumber("PlayAgain", kDefaultSnoozeMinutes)));
  minutes_->setFixedWidth(minutes_->fontMetrics().horizontalAdvance("0000") + 12);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close_);
  buttons->addWidget(snooze_);
  auto* snoozeRow = new QHBoxLayout;
  snoozeRow->addStretch(1);
  snoozeRow->addWidget(whiteLabel(StringId::kSnoozeForLabel, area));
  snoozeRow->addWidget(minutes_);
  snoozeRow->addWidget(whiteLabel(StringId::kMinutesLabel, area));
  auto* layout = new QVBoxLayout(area);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addLayout(snoozeRow);
  layout->addLayout(buttons);
  close_->setDefault(true);
  connect(close_, &QPushButton::clicked, this, [this] { finish(false); });
  connect(snooze_, &QPushButton::clicked, this, [this] { finish(true); });
  connect(minutes_, &QLineEdit::returnPressed, this, [this] { finish(false); });
}

int AlarmPopup::openPopups() {
  int count = 0;
  for (const QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->windowTitle() == QLatin1String(kWindowTitle)) {
      ++count;
    }
  }
  return count;
}

void AlarmPopup::placeOnScreen() {
  QList<QRect> areas;
  if (const QScreen* primary = QGuiApplication::primaryScreen(); primary != nullptr) {
    areas << primary->availableGeometry();
  }
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen != QGuiApplication::primaryScreen()) {
      areas << screen->availableGeometry();
    }
  }
  const auto stored =
      AlarmPopupLayout::parsePosition(QString::fromStdString(settings_.readText("AlarmPos", "")));
  placed_ = AlarmPopupLayout::place(size(), stored, popupIndex_, areas);
  move(placed_.topLeft());
}

void AlarmPopup::open() {
  placeOnScreen();
  clockTimer_->start(kClockMs);
  flashTimer_->start(kFlashMs);
  show();
}

AlarmPopupResult AlarmPopup::exec() {
  open();
  if (!finished_) {
    QEventLoop loop;
    connect(this, &AlarmPopup::finished, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return result_;
}

void AlarmPopup::tick() {
  const LocalDateTime now = LocalTime::fromTime(clock_.now());
  clockTime_ = QTime(now.hour, now.minute, now.second);
  update(kClockArea);
}

void AlarmPopup::finish(bool snooze) {
  if (finished_) {
    return;
  }
  finished_ = true;
  clockTimer_->stop();
  flashTimer_->stop();
  result_.snooze = snooze;
  result_.snoozeMinutes = minutes_->text().toInt();  // empty: 0
  settings_.writeNumber("PlayAgain", result_.snoozeMinutes);
  if (popupIndex_ == 0 && pos() != placed_.topLeft()) {
    settings_.writeText("AlarmPos",
                        AlarmPopupLayout::formatPosition(QRect(pos(), size())).toStdString());
  }
  hide();
  emit finished();
}

void AlarmPopup::closeEvent(QCloseEvent* event) {
  finish(false);
  event->accept();
}

void AlarmPopup::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    return;
  }
  dragOffset_ = event->globalPosition().toPoint() - pos();
  if (windowHandle() != nullptr && windowHandle()->startSystemMove()) {
    dragOffset_ = QPoint(-1, -1);
  }
}

void AlarmPopup::mouseMoveEvent(QMouseEvent* event) {
  if ((event->buttons() & Qt::LeftButton) != 0 && dragOffset_ != QPoint(-1, -1)) {
    move(event->globalPosition().toPoint() - dragOffset_);
  }
}

void AlarmPopup::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.drawImage(0, 0, flashPhase_ ? flash_ : background_);
  painter.setFont(messageFont());
  painter.setPen(Qt::black);
  const int lineHeight = QFontMetrics(messageFont()).height();
  const int top =
      kTextArea.top() + (kTextArea.height() - lineHeight * static_cast<int>(lines_.size())) / 2;
  for (int i = 0; i < lines_.size(); ++i) {
    painter.drawText(QRect(kTextArea.left(), top + i * lineHeight, kTextArea.width(), lineHeight),
                     Qt::AlignHCenter | Qt::AlignVCenter, lines_.at(i));
  }
  paintClock(painter);
}

void AlarmPopup::paintClock(QPainter& painter) const {
  const QPoint centre = AlarmPopupLayout::kClockCentre;
  const auto thick = [&](int angle, int length) {
    const QLine line = AlarmPopupLayout::hand(angle, length);
    const bool vertical = AlarmPopupLayout::shadeVertically(angle);
    const QPoint step = vertical ? QPoint(0, 1) : QPoint(1, 0);
    painter.setPen(QColor(192, 192, 192));
    painter.drawLine(QLine(centre - 2 * step, line.p2() - 2 * step));
    painter.drawLine(QLine(centre + 2 * step, line.p2() + 2 * step));
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(QLine(centre - step, line.p2() - step));
    painter.drawLine(QLine(centre + step, line.p2() + step));
    painter.setPen(Qt::black);
    painter.drawLine(line);
  };
  thick(AlarmPopupLayout::hourAngle(clockTime_.hour(), clockTime_.minute()),
        AlarmPopupLayout::kHourHand);
  thick(AlarmPopupLayout::minuteAngle(clockTime_.minute()), AlarmPopupLayout::kMinuteHand);
  painter.setPen(Qt::black);
  painter.drawLine(AlarmPopupLayout::hand(AlarmPopupLayout::secondAngle(clockTime_.second()),
                                          AlarmPopupLayout::kSecondHand));
}

}  // namespace qp
