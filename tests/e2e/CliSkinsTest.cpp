// quillophone-cli skins, skin check and skin use on settings and skin folders of their own:
// the lines scripts parse, the problems a check prints and the exit statuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/ProcessRunner.h"
#include "support/TempDir.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

std::string package(const std::string& name) {
  return std::string(QP_TEST_SKIN_DIR) + "/" + name + ".skn";
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> all;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    all.push_back(line);
  }
  return all;
}

class CliSkinsTest : public testing::Test {
 protected:
  CliSkinsTest() : skins_(dir_.path() / "data" / "quillophone" / "skins") {
    fs::create_directories(skins_);
  }

  test::ProcessResult run(const std::string& arguments) {
    const std::string env = "LC_ALL=C HOME=" + q(dir_.path().string()) +
                            " XDG_DATA_HOME=" + q((dir_.path() / "data").string()) + " " +
                            test::cliHomeEnvironment((dir_.path() / "config").string(),
                                                     (dir_.path() / "notes").string());
    return test::runCommand(env + test::cliCommand() + " " + arguments);
  }
  // The listed lines of skins in the user's folder, after checking the built-in line.
  std::vector<std::string> userSkins(const std::string& builtInCurrent) {
    const auto r = run("skins");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::vector<std::string> all = lines(r.out);
    EXPECT_FALSE(all.empty());
    EXPECT_EQ(all.empty() ? "" : all.front(), "\tDefault (black)\t1\t" + builtInCurrent);
    std::vector<std::string> user;
    for (const std::string& line : all) {
      if (line.rfind(skins_.string(), 0) == 0) {
        user.push_back(line);
      }
    }
    return user;
  }
  std::string q(const std::string& text) { return test::shellQuote(text); }

  test::TempDir dir_;
  fs::path skins_;
};

TEST_F(CliSkinsTest, ListsTheBuiltInSkinFirstThenTheUsersPackages) {
  EXPECT_TRUE(userSkins("1").empty());
  fs::copy_file(package("complete"), skins_ / "b.skn");
  fs::copy_file(package("small_builtin"), skins_ / "a.skn");
  fs::copy_file(package("no_knob"), skins_ / "c.skn");
  const std::string a = (skins_ / "a.skn").string();
  const std::string b = (skins_ / "b.skn").string();
  EXPECT_EQ(userSkins("1"), (std::vector<std::string>{a + "\ta\t1\t0", b + "\tb\t1\t0"}));

  const auto used = run("skin use " + q(b));
  EXPECT_EQ(used.exitCode, 0) << used.err;
  EXPECT_EQ(used.out, "");
  EXPECT_EQ(userSkins("0"), (std::vector<std::string>{a + "\ta\t1\t0", b + "\tb\t1\t1"}));
  EXPECT_EQ(run("skin use default").exitCode, 0);
  EXPECT_EQ(userSkins("1"), (std::vector<std::string>{a + "\ta\t1\t0", b + "\tb\t1\t0"}));
}

TEST_F(CliSkinsTest, FindsThePackagesBuiltBesideTheProgram) {
  const auto r = run("skins");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string daylight = std::string(QP_BUILD_SKIN_DIR) + "/Daylight.skn";
  const std::vector<std::string> all = lines(r.out);
  ASSERT_GE(all.size(), 2u);
  EXPECT_EQ(all[1], daylight + "\tDaylight\t1\t0");
  EXPECT_EQ(run("skin check " + q(daylight)).out, "ok\n");
  EXPECT_EQ(run("skin use " + q(daylight)).exitCode, 0);
  EXPECT_EQ(lines(run("skins").out)[1], daylight + "\tDaylight\t1\t1");
}

TEST_F(CliSkinsTest, CheckPrintsOkOrOneLinePerProblem) {
  struct Case {
    std::string name;
    int exitCode;
    std::vector<std::string> out;  // empty: only the first line is compared
  };
  const std::vector<Case> cases = {
      {"complete", 0, {"ok"}},
      {"no_notify", 0, {"ok"}},
      {"small_builtin", 0, {"ok"}},
      {"version1", 1, {"interface version 1, expected 2"}},
      {"no_knob", 1, {"missing export GetKnob"}},
  };
  for (const Case& c : cases) {
    const auto r = run("skin check " + q(package(c.name)));
    EXPECT_EQ(r.exitCode, c.exitCode) << c.name;
    EXPECT_EQ(lines(r.out), c.out) << c.name;
  }
  const auto outside = run("skin check " + q(package("outside")));
  EXPECT_EQ(outside.exitCode, 1);
  const std::vector<std::string> problems = lines(outside.out);
  ASSERT_EQ(problems.size(), 12u) << outside.out;
  EXPECT_EQ(
      problems[0],
      "button 12 (standard view): rectangle 65,155-300,173 lies outside the window (270x200)");
  EXPECT_EQ(problems[1],
            "button 13 (standard view): bitmap id 999 cannot be delivered: the package has no "
            "image for it");
  EXPECT_EQ(problems[10], "list box (small view): row height 0 is not between 1 and 1024");

  const auto missing = run("skin check " + q((dir_.path() / "none.skn").string()));
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out.rfind("cannot be loaded: ", 0), 0u) << missing.out;
}

TEST_F(CliSkinsTest, UseRefusesAPackageThatFailsTheCheckAndKeepsTheChoice) {
  EXPECT_EQ(run("skin use " + q(package("complete"))).exitCode, 0);
  const auto refused = run("skin use " + q(package("version1")));
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err, "quillophone-cli: " + package("version1") +
                             ": interface version 1, expected 2\nquillophone-cli: " +
                             package("version1") + ": not a usable skin; the skin in use stays\n");
  fs::copy_file(package("complete"), skins_ / "mine.skn");
  EXPECT_EQ(userSkins("0").size(), 1u);  // the build tree's package is still the one in use

  struct Misuse {
    const char* arguments;
  };
  for (const Misuse& m :
       {Misuse{"skin"}, Misuse{"skin check"}, Misuse{"skin drop x.skn"}, Misuse{"skins extra"}}) {
    const auto r = run(m.arguments);
    EXPECT_EQ(r.exitCode, 2) << m.arguments;
    EXPECT_NE(r.err.find("usage: quillophone-cli skin"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace qp
