#pragma once

#include <functional>
#include <string>
#include <vector>

#include "library/NoteEntry.h"
#include "sharing/MailComposer.h"
#include "sharing/NoteEmailer.h"

class QWidget;

namespace qp {

// "E-mail the selected note(s)" in the window: hands the notes to the mail program (with the
// wait cursor while they are converted and handed over). Without a mail program it says so;
// when the mail program refuses the message it shows the e-mail message with "Help".
struct EmailCommand {
  // notes in list order; attachmentFolder as NoteEmailer takes it; openHelp opens the help
  // topic NoteEmailer::kHelpTopic when "Help" is pressed (may be empty). The caller plays the
  // "sent" sound effect on Sent.
  static NoteEmailer::Outcome run(QWidget* owner, NoteEmailer& emailer,
                                  const MailComposer& composer,
                                  const std::vector<const NoteEntry*>& notes,
                                  const std::string& attachmentFolder,
                                  const std::function<void()>& openHelp);
};

}  // namespace qp
