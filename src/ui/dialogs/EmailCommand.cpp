#include "ui/dialogs/EmailCommand.h"

#include <QApplication>
#include <QCursor>

#include "common/StringIds.h"
#include "ui/dialogs/DialogBase.h"

namespace qp {

NoteEmailer::Outcome EmailCommand::run(QWidget* owner, NoteEmailer& emailer,
                                       const MailComposer& composer,
                                       const std::vector<const NoteEntry*>& notes,
                                       const std::string& attachmentFolder,
                                       const std::function<void()>& openHelp) {
  if (notes.empty()) {
    return NoteEmailer::Outcome::Nothing;
  }
  if (!composer.available()) {
    DialogBase::message(owner, StringId::kNoMailProgram, DialogBase::Icon::Warning);
    return NoteEmailer::Outcome::Nothing;
  }
  QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  const NoteEmailer::Outcome outcome = emailer.emailSelected(notes, attachmentFolder);
  QApplication::restoreOverrideCursor();
  if (outcome == NoteEmailer::Outcome::Failed &&
      DialogBase::messageWithHelp(owner, DialogBase::text(NoteEmailer::kFailedMessage)) &&
      openHelp) {
    openHelp();
  }
  return outcome;
}

}  // namespace qp
