// The HTML manual in resources/help: it works offline (every link and file it names is part of
// it) and it keeps up with the command line (every verb quillophone-cli lists is described).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "support/ProcessRunner.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

fs::path helpDirectory() {
  const char* source = std::getenv("QP_SOURCE_DIR");
  return fs::path(source ? source : ".") / "resources" / "help";
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The values of every attribute called name (href, src, id) in html.
std::set<std::string> attributeValues(const std::string& html, const std::string& name) {
  std::set<std::string> values;
  const std::regex attribute("\\s" + name + "=\"([^\"]*)\"");
  for (auto it = std::sregex_iterator(html.begin(), html.end(), attribute);
       it != std::sregex_iterator(); ++it) {
    values.insert((*it)[1]);
  }
  return values;
}

TEST(HelpManual, EveryLinkLeadsIntoTheManualItself) {
  for (const char* page : {"index.html"}) {
    const std::string html = readFile(helpDirectory() / page);
    ASSERT_FALSE(html.empty()) << page;
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos) << page;
    const std::set<std::string> ids = attributeValues(html, "id");
    for (const char* kind : {"href", "src"}) {
      for (const std::string& target : attributeValues(html, kind)) {
        if (target.rfind('#', 0) == 0) {
          EXPECT_EQ(ids.count(target.substr(1)), 1u) << page << ": no anchor " << target;
        } else {
          EXPECT_EQ(target.find(':'), std::string::npos) << page << ": not offline: " << target;
          EXPECT_TRUE(fs::is_regular_file(helpDirectory() / target)) << page << ": " << target;
        }
      }
    }
  }
  EXPECT_EQ(readFile(helpDirectory() / "style.css").find("url("), std::string::npos);
}

// The first word of each line of the verb list that --help prints.
std::set<std::string> cliVerbs() {
  const test::ProcessResult help = test::runCommand(test::cliCommand() + " --help");
  EXPECT_EQ(help.exitCode, 0) << help.err;
  std::set<std::string> verbs;
  std::istringstream lines(help.out);
  std::string line;
  bool inList = false;
  while (std::getline(lines, line)) {
    if (line == "Verbs:") {
      inList = true;
    } else if (inList && line.empty()) {
      break;
    } else if (inList && line.rfind("  ", 0) == 0 && line[2] != ' ' && line[2] != '-') {
      verbs.insert(line.substr(2, line.find(' ', 2) - 2));
    }
  }
  return verbs;
}

TEST(HelpManual, DescribesEveryVerbOfTheCommandLine) {
  const std::string html = readFile(helpDirectory() / "index.html");
  const std::set<std::string> verbs = cliVerbs();
  ASSERT_GE(verbs.size(), 15u) << "the verb list of --help was not found";
  for (const std::string& verb : verbs) {
    EXPECT_NE(html.find("<code>" + verb + "</code>"), std::string::npos) << verb;
  }
}

}  // namespace
}  // namespace qp
