#include "ui/placement/ViewTransition.h"

#include <QRubberBand>

namespace qp {

ViewTransition::ViewTransition(const PlacementRect& from, const PlacementRect& to, QObject* parent)
    : QObject(parent), frames_(placement::transitionFrames(from, to, kSteps)) {
  timer_.setInterval(kStepMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &ViewTransition::step);
}

ViewTransition::~ViewTransition() = default;

void ViewTransition::start() {
  next_ = 0;
  if (!outline_) {
    outline_ = std::make_unique<QRubberBand>(QRubberBand::Rectangle);
  }
  timer_.start();
}

void ViewTransition::step() {
  if (next_ >= static_cast<int>(frames_.size())) {
    timer_.stop();
    outline_->hide();
    emit finished();
    return;
  }
  const PlacementRect& frame = frames_[static_cast<std::size_t>(next_)];
  outline_->setGeometry(frame.x, frame.y, frame.width, frame.height);
  outline_->show();
  emit stepped(next_++);
}

}  // namespace qp
