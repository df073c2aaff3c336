// The list of skins: the built-in one first, accepted packages of each directory by name,
// refused ones left out; and which directories are searched.
#include "skins/SkinCatalog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/DiagnosticTrace.h"
#include "platform/DlopenSkinModule.h"
#include "support/TempDir.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

std::string package(const std::string& name) {
  return std::string(QP_TEST_SKIN_DIR) + "/" + name + ".skn";
}

class SkinCatalogTest : public testing::Test {
 protected:
  SkinCatalogTest() {
    setDiagnosticTraceSink([this](std::string_view line) { trace_.emplace_back(line); });
  }
  ~SkinCatalogTest() override { setDiagnosticTraceSink({}); }

  fs::path makeDir(const fs::path& relative) {
    const fs::path path = dir_.path() / relative;
    fs::create_directories(path);
    return fs::canonical(path);
  }
  void copyPackage(const std::string& name, const fs::path& to) {
    fs::copy_file(package(name), to);
  }

  test::TempDir dir_;
  std::vector<std::string> trace_;
};

TEST_F(SkinCatalogTest, BuiltInFirstThenAcceptedPackagesByDirectoryAndName) {
  const fs::path program = makeDir("prefix/lib/quillophone/skins");
  const fs::path user = makeDir("data/quillophone/skins");
  copyPackage("complete", user / "b-complete.skn");
  copyPackage("version1", user / "a-old.skn");
  copyPackage("small_builtin", user / "c-small.skn");
  copyPackage("complete", user / "not-a-skin.so");
  copyPackage("no_notify", program / "quiet.skn");

  DlopenSkinModuleLoader loader;
  const SkinCatalog catalog(loader, StringTable(1033));
  const std::vector<SkinCatalogEntry> entries = catalog.list({program.string(), user.string()});
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].path, "");
  EXPECT_EQ(entries[0].displayName, "Default (black)");
  EXPECT_TRUE(entries[0].supportsSmallView);
  EXPECT_EQ(entries[1].path, (program / "quiet.skn").string());
  EXPECT_EQ(entries[1].displayName, "quiet");
  EXPECT_EQ(entries[2].path, (user / "b-complete.skn").string());
  EXPECT_EQ(entries[3].path, (user / "c-small.skn").string());
  EXPECT_TRUE(entries[3].supportsSmallView);
  ASSERT_EQ(trace_.size(), 1u);
  EXPECT_EQ(trace_[0], "skin " + (user / "a-old.skn").string() +
                           ": not listed: interface version 1, expected 2");
}

TEST_F(SkinCatalogTest, DirectoriesOfTheProgramAndTheUser) {
  const fs::path bin = makeDir("prefix/bin");
  const fs::path installed = makeDir("prefix/lib/quillophone/skins");
  const fs::path beside = makeDir("prefix/bin/skins");
  const fs::path xdg = makeDir("xdg/quillophone/skins");
  const fs::path home = makeDir("home/.local/share/quillophone/skins");
  const std::string xdgRoot = (dir_.path() / "xdg").string();
  const std::string homeRoot = (dir_.path() / "home").string();

  EXPECT_EQ(SkinCatalog::directories(bin.string(), xdgRoot.c_str(), homeRoot.c_str()),
            (std::vector<std::string>{beside.string(), installed.string(), xdg.string()}));
  EXPECT_EQ(SkinCatalog::directories(bin.string(), "", homeRoot.c_str()),
            (std::vector<std::string>{beside.string(), installed.string(), home.string()}));
  EXPECT_EQ(SkinCatalog::directories(bin.string(), nullptr, nullptr),
            (std::vector<std::string>{beside.string(), installed.string()}));
  // Directories that do not exist are not listed; one reached two ways is listed once.
  const fs::path other = makeDir("other");
  fs::create_directory_symlink(installed, other / "skins");
  EXPECT_EQ(SkinCatalog::directories(other.string(), nullptr, nullptr),
            (std::vector<std::string>{installed.string()}));
}

}  // namespace
}  // namespace qp
