#pragma once

// Answers the dialogs' message boxes in a window test and keeps their texts, so a test sees
// which messages a dialog raised without a box waiting for a click.

#include <QString>
#include <string>
#include <vector>

#include "ui/dialogs/DialogBase.h"

namespace qp::test {

class MessageRecorder {
 public:
  // answer: what every question gets (true: Yes).
  explicit MessageRecorder(bool answer = true) : answer_(answer) {
    DialogBase::setMessageHandler([this](const DialogBase::Message& message) {
      messages.push_back(message);
      return answer_;
    });
  }
  ~MessageRecorder() { DialogBase::setMessageHandler({}); }
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  void setAnswer(bool answer) { answer_ = answer; }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const DialogBase::Message& message : messages) {
      out.push_back(message.text.toStdString());
    }
    return out;
  }

  std::vector<DialogBase::Message> messages;

 private:
  bool answer_;
};

}  // namespace qp::test
