#pragma once

#include <set>
#include <string>
#include <vector>

#include "common/SettingsStore.h"
#include "common/StringIds.h"
#include "common/StringTable.h"
#include "export/CExportFormats.h"
#include "library/NoteEntry.h"
#include "sharing/MailComposer.h"

namespace qp {

// "E-mail the selected note(s)": one message with every selected note attached, converted to
// the EmailFormat setting in the message's attachment folder when that format is available,
// otherwise the note's own wave file. The mail program may read the converted copies after
// send() has returned, so they stay (AttachmentCache removes them a day later); only when the
// mail program refused the message are they deleted at once.
class NoteEmailer {
 public:
  // What the caller does next: nothing, the "sent" sound effect (also after a cancel), or
  // string kFailedMessage with a Help button (topic kHelpTopic).
  enum class Outcome { Nothing, Sent, Failed };
  static constexpr const char* kHelpTopic = "::/email_setup.htm";
  static constexpr int kSentSoundEffect = 9;
  static constexpr int kFailedMessage = StringId::kEmailFailed;

  // formats may be null (no conversion component). All must outlive the object.
  NoteEmailer(const SettingsStore& settings, const StringTable& strings, CExportFormats* formats,
              MailComposer& composer);

  // notes in list order; attachmentFolder is where converted copies go (created if missing),
  // a folder of this message alone (AttachmentCache::newMessageFolder).
  Outcome emailSelected(const std::vector<const NoteEntry*>& notes,
                        const std::string& attachmentFolder);

  // EmailFormat, with -1 (or a missing value) meaning the first available export format, 0
  // when none is available.
  std::int32_t emailFormat() const;

  // The subject and body every message carries.
  MailMessage emptyMessage() const;

 private:
  MailAttachment attach(const NoteEntry& note, std::int32_t format, const std::string& folder,
                        std::vector<std::string>& copies);

  const SettingsStore& settings_;
  const StringTable& strings_;
  CExportFormats* formats_;
  MailComposer& composer_;
  std::set<std::string> usedBases_;
};

}  // namespace qp
