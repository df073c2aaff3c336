#pragma once

#include <functional>
#include <memory>
#include <string>

#include "common/UiServices.h"

class QObject;
class QWidget;

namespace qp {

// The core's way to the desktop program: tasks posted from any thread run on the thread that
// made this object (the UI thread), in order, while the object lives; tasks still waiting when
// it is destroyed are dropped. Messages and questions are modal boxes under the program's
// name, over the given parent window (null: no parent).
class QtUiServices : public UiServices {
 public:
  explicit QtUiServices(QWidget* parent = nullptr);
  ~QtUiServices() override;
  QtUiServices(const QtUiServices&) = delete;
  QtUiServices& operator=(const QtUiServices&) = delete;

  void setParent(QWidget* parent) { parent_ = parent; }

  void postToUi(std::function<void()> task) override;
  void showMessage(const std::string& text) override;
  bool askYesNo(const std::string& text) override;
  NoAudioChoice showNoAudioDialog(const std::string& text, bool showHelp) override;

 private:
  QWidget* parent_;
  std::unique_ptr<QObject> receiver_;  // runs the posted tasks on the UI thread
};

}  // namespace qp
