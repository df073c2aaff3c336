// Finding the help manual beside an installed program and in a build tree.
#include "ui/preferences/HelpManual.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/NoteTree.h"
#include "support/TempDir.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

TEST(HelpManual, IsFoundWhereItIsInstalledOrInTheBuildTree) {
  struct Case {
    const char* what;
    const char* program;  // the program's directory below the temporary one
    const char* manual;   // the manual below the temporary one; null: none
    bool found;
  } const cases[] = {
      {"installed", "usr/bin", "usr/share/doc/quillophone/manual/index.html", true},
      {"build tree", "build/src/app", "build/resources/help/index.html", true},
      {"beside the program", "build", "build/resources/help/index.html", true},
      {"build tree too far up", "b/1/2/3/4/5", "b/resources/help/index.html", false},
      {"other program's manual", "usr/bin", "usr/share/doc/other/manual/index.html", false},
      {"no manual", "usr/bin", nullptr, false},
  };
  for (const auto& c : cases) {
    const test::TempDir dir;
    fs::create_directories(dir.path() / c.program);
    std::string expected;
    if (c.manual != nullptr) {
      test::writeFileAt(dir.path() / c.manual, 10);
      expected = (dir.path() / c.manual).string();
    }
    const auto exists = [](const std::string& path) { return fs::is_regular_file(path); };
    EXPECT_EQ(findHelpManual((dir.path() / c.program).string(), exists),
              c.found ? expected : std::string())
        << c.what;
  }
}

TEST(HelpManual, AnInstalledManualComesBeforeOneInATreeAbove) {
  const test::TempDir dir;
  test::writeFileAt(dir.path() / "p/share/doc/quillophone/manual/index.html", 10);
  test::writeFileAt(dir.path() / "p/resources/help/index.html", 10);
  const auto exists = [](const std::string& path) { return fs::is_regular_file(path); };
  EXPECT_EQ(findHelpManual((dir.path() / "p/bin").string(), exists),
            (dir.path() / "p/share/doc/quillophone/manual/index.html").string());
}

}  // namespace
}  // namespace qp
