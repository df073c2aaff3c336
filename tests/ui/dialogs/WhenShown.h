#pragma once

// Acting on a window that a modal run is about to show: the test arranges what to do, then
// starts the code that opens the window and waits in it.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace qp::test {

// Runs act on the first visible top-level widget of type T as soon as there is one (polling
// every few milliseconds, so it works from inside a nested event loop too).
template <typename T>
void whenShown(const std::function<void(T&)>& act) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* found = qobject_cast<T*>(widget); found != nullptr && found->isVisible()) {
        poll->stop();
        poll->deleteLater();
        act(*found);
        return;
      }
    }
  });
  poll->start(5);
}

}  // namespace qp::test
