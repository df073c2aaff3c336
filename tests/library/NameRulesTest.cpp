#include "library/NameRules.h"

#include <gtest/gtest.h>

#include <clocale>

#include "support/ScopedTimeZone.h"

namespace qp {
namespace {

TEST(NameRules, SanitizeReplacesEveryForbiddenCharacter) {
  EXPECT_EQ(NameRules::sanitize("a\\b:c\"d/e*f?g<h>i|j"), "a.b.c.d.e.f.g.h.i.j");
  EXPECT_EQ(NameRules::sanitize("07/12/26 14:05:09"), "07.12.26 14.05.09");
  EXPECT_EQ(NameRules::sanitize("plain ü"), "plain ü");
}

TEST(NameRules, NewNoteNamesAreTheSanitizedLocalTime) {
  std::setlocale(LC_TIME, "C");
  test::ScopedTimeZone utc("UTC");
  EXPECT_EQ(NameRules::newNoteName(1796652309), "QP_Mon Dec  7 14.05.09 2026");
  EXPECT_EQ(NameRules::newNoteName().substr(0, 3), "QP_");
  EXPECT_FALSE(NameRules::hasForbidden(NameRules::newNoteName()));
  EXPECT_TRUE(NameRules::isAutomaticallyNamed("/n/Work/QP_x.wav"));
  EXPECT_TRUE(NameRules::isAutomaticallyNamed("QP_x.wav"));
  EXPECT_FALSE(NameRules::isAutomaticallyNamed("/n/QP_Work/qp_x.wav"));
  EXPECT_FALSE(NameRules::isAutomaticallyNamed("/n/Work/xQP_.wav"));
}

TEST(NameRules, FolderNameCheckRemovesOneForbiddenCharacterPerStep) {
  auto step = NameRules::checkFolderName("a:b/c");
  EXPECT_EQ(step.messageId, 40);
  EXPECT_EQ(step.text, "ab/c");
  step = NameRules::checkFolderName(step.text);
  EXPECT_EQ(step.messageId, 40);
  EXPECT_EQ(step.text, "abc");
  step = NameRules::checkFolderName(step.text);
  EXPECT_EQ(step.messageId, 0);
  EXPECT_EQ(step.text, "abc");
}

TEST(NameRules, FolderNamesAreCutTo25BytesOnACharacterBoundary) {
  const std::string thirty(30, 'x');
  auto step = NameRules::checkFolderName(thirty);
  EXPECT_EQ(step.messageId, 41);
  EXPECT_EQ(step.text, std::string(25, 'x'));
  EXPECT_EQ(NameRules::checkFolderName(std::string(25, 'x')).messageId, 0);
  EXPECT_EQ(NameRules::checkFolderName(std::string(26, 'x')).messageId, 41);
  // 24 ASCII bytes and a two-byte character: byte 25 is inside it, so 24 bytes are kept.
  step = NameRules::checkFolderName(std::string(24, 'x') + "ü");
  EXPECT_EQ(step.messageId, 41);
  EXPECT_EQ(step.text, std::string(24, 'x'));
}

TEST(NameRules, NoteNameCheckKeepsTheCaretAndSuppressesTheFirstMessageOnce) {
  bool suppress = true;
  auto check = NameRules::checkNoteName("02 Mar 26 - 11:02:03", 20, suppress);
  EXPECT_EQ(check.text, "02 Mar 26 - 110203");
  EXPECT_EQ(check.caret, 18u);
  EXPECT_TRUE(check.changed);
  EXPECT_FALSE(check.showMessage);
  EXPECT_FALSE(suppress);
  check = NameRules::checkNoteName("ab?cd", 1, suppress);
  EXPECT_EQ(check.text, "abcd");
  EXPECT_EQ(check.caret, 1u);  // the removed character was after the caret
  EXPECT_TRUE(check.showMessage);
  check = NameRules::checkNoteName("a*b*c", 4, suppress);
  EXPECT_EQ(check.text, "abc");
  EXPECT_EQ(check.caret, 2u);
  check = NameRules::checkNoteName("fine", 2, suppress);
  EXPECT_FALSE(check.changed);
  EXPECT_FALSE(check.showMessage);
}

TEST(NameRules, CaseIsIgnoredForUtf8Names) {
  std::setlocale(LC_CTYPE, "C.UTF-8");
  EXPECT_TRUE(NameRules::equalsIgnoringCase("alarms", "Alarms"));
  EXPECT_TRUE(NameRules::equalsIgnoringCase("ÄRGER", "ärger"));
  EXPECT_FALSE(NameRules::equalsIgnoringCase("Alarms2", "Alarms"));
  std::setlocale(LC_CTYPE, "C");
}

}  // namespace
}  // namespace qp
