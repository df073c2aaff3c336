#pragma once

#include <string>

#include "common/ProcessLauncher.h"
#include "sharing/AttachmentCache.h"
#include "sharing/MailComposer.h"

namespace qp {

// The desktop's mail program through the xdg-email tool found on PATH: the compose window
// opens with subject, body and attachments filled in. An attachment whose file name differs
// from the name the recipient should see is handed over as a link (or copy) of that name in a
// message folder of the attachment cache. xdg-email returns as soon as it has started the
// mail program, which reads the files later, so they stay there until the cache expires them.
//
// xdg-email runs through the launcher given; send waits for it to end. Results: xdg-email
// exiting with 0 is Sent; ended by a signal (the user interrupted it) is Cancelled; any other
// status (no mail program configured, a failed action) is Failed.
class XdgEmailComposer final : public MailComposer {
 public:
  // Both must outlive the composer.
  XdgEmailComposer(ProcessLauncher& launcher, AttachmentCache& cache)
      : launcher_(launcher), cache_(cache) {}

  bool available() const override;
  Result send(const MailMessage& message) override;

  // The full path of xdg-email on PATH, or empty.
  static std::string findProgram();

 private:
  ProcessLauncher& launcher_;
  AttachmentCache& cache_;
};

}  // namespace qp
