#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <vector>

#include "ui/placement/PlacementGeometry.h"

class QRubberBand;

namespace qp {

// The outline that moves from the rectangle of the view being left to the rectangle of the
// view being entered when the main window switches between its standard and small views:
// kSteps frames, one every kStepMilliseconds, then finished(). Each frame is drawn as a
// top-level outline on the desktop. UI thread only.
class ViewTransition : public QObject {
  Q_OBJECT

 public:
  static constexpr int kSteps = 10;
  static constexpr int kStepMilliseconds = 15;

  ViewTransition(const PlacementRect& from, const PlacementRect& to, QObject* parent = nullptr);
  ~ViewTransition() override;

  // Starts the animation (again from its first frame).
  void start();
  bool running() const { return timer_.isActive(); }
  const std::vector<PlacementRect>& frames() const { return frames_; }

 signals:
  void stepped(int frame);  // 0 .. kSteps - 1, after the outline moved there
  void finished();

 private:
  void step();

  std::vector<PlacementRect> frames_;
  std::unique_ptr<QRubberBand> outline_;
  QTimer timer_;
  int next_ = 0;
};

}  // namespace qp
