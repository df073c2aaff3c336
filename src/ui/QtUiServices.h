#pragma once

#include <functional>
#include <string>

#include "common/UiServices.h"

class QWidget;

namespace qp {

// The core's way to the desktop program: tasks posted from any thread run on the thread of
// the application object, in order; messages and questions are modal boxes under the
// program's name, over the given parent window (null: no parent).
class QtUiServices : public UiServices {
 public:
  explicit QtUiServices(QWidget* parent = nullptr) : parent_(parent) {}

  void setParent(QWidget* parent) { parent_ = parent; }

  void postToUi(std::function<void()> task) override;
  void showMessage(const std::string& text) override;
  bool askYesNo(const std::string& text) override;
  NoAudioChoice showNoAudioDialog(const std::string& text, bool showHelp) override;

 private:
  QWidget* parent_;
};

}  // namespace qp
