#pragma once

// A notes folder on disk with what the sharing code works with: the folder's note list
// (English texts, a clock fixed at kBaseTime), the settings, and an export-format list that
// only converts to and from WMA and logs each conversion in calls_.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/MemorySettingsStore.h"
#include "library/NoteList.h"
#include "support/ExportFakes.h"
#include "support/FakeClock.h"
#include "support/NoteTree.h"
#include "support/TempDir.h"

namespace qp::test {

class NoteFolderFixture : public testing::Test {
 protected:
  // folder: the notes folder's path below the temporary directory; it is created.
  explicit NoteFolderFixture(const std::string& folder = "Personal") : folder_(dir_.file(folder)) {
    std::filesystem::create_directories(folder_);
  }

  TempDir dir_;
  std::string folder_;
  MemorySettingsStore settings_;
  StringTable strings_{1033};
  FakeClock clock_{kBaseTime};
  NoteList list_{settings_, strings_, clock_};
  std::vector<std::string> calls_;
  std::unique_ptr<CExportFormats> formats_ = wmaOnlyFormats(strings_, calls_);
};

}  // namespace qp::test
