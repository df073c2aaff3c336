#include "audio/device/CurrentRunPoster.h"

#include <utility>

namespace qp {

CurrentRunPoster::CurrentRunPoster(UiServices& ui) : ui_(ui) {}

CurrentRunPoster::~CurrentRunPoster() {
  close();
}

void CurrentRunPoster::beginRun() {
  ++state_->run;
}

void CurrentRunPoster::close() {
  state_->open = false;
}

std::function<void()> CurrentRunPoster::reporter(std::function<void()> action) const {
  return reporterOfAnyRun([action = std::move(action)](bool current) {
    if (current) {
      action();
    }
  });
}

std::function<void()> CurrentRunPoster::reporterOfAnyRun(
    std::function<void(bool current)> action) const {
  const std::weak_ptr<State> weak = state_;
  return [&ui = ui_, weak, run = state_->run, action = std::move(action)] {
    ui.postToUi([weak, run, action] {
      const std::shared_ptr<State> state = weak.lock();
      if (state != nullptr && state->open) {
        action(state->run == run);
      }
    });
  };
}

}  // namespace qp
