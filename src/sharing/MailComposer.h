#pragma once

#include <string>
#include <vector>

namespace qp {

// One file attached to a message: where it is and the name the recipient sees.
struct MailAttachment {
  std::string path;
  std::string name;
};

// A message for the user's mail program: no recipients; the user completes it there.
struct MailMessage {
  std::string subject;
  std::string body;
  std::vector<MailAttachment> attachments;
};

// The user's mail program, which shows its compose window with the message filled in. The core
// owns this interface; platform/XdgEmailComposer implements it, tests use fakes.
class MailComposer {
 public:
  enum class Result { Sent, Cancelled, Failed };

  virtual ~MailComposer() = default;
  // False when there is no mail program to hand messages to at all.
  virtual bool available() const = 0;
  // Hands the message over and waits until the mail program has taken it. The attachment files
  // must exist until this returns.
  virtual Result send(const MailMessage& message) = 0;
};

}  // namespace qp
