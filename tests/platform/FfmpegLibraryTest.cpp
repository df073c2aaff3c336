// FFmpeg is loaded by the first WMA work and not before, and then completely.
#include "platform/FfmpegLibrary.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/FfmpegWmaTranscoder.h"

namespace qp {
namespace {

// Whether a library whose file name starts with prefix is mapped into this process.
bool mapped(const std::string& prefix) {
  std::ifstream maps("/proc/self/maps");
  std::string line;
  while (std::getline(maps, line)) {
    const auto slash = line.rfind('/');
    if (slash != std::string::npos && line.compare(slash + 1, prefix.size(), prefix) == 0) {
      return true;
    }
  }
  return false;
}

TEST(FfmpegLibraryTest, NothingIsLoadedUntilATranscoderIsMadeAndThenEveryFunctionIsThere) {
  for (const char* library : {"libavcodec.so", "libavformat.so", "libswresample.so"}) {
    SCOPED_TRACE(library);
    EXPECT_FALSE(mapped(library));
  }
  EXPECT_FALSE(FfmpegLibrary::loaded());
  const FfmpegWmaTranscoder transcoder;
  EXPECT_TRUE(FfmpegLibrary::loaded());
  EXPECT_TRUE(transcoder.available());
  const FfmpegLibrary::Functions* functions = FfmpegLibrary::get();
  ASSERT_NE(functions, nullptr);
#define QP_EXPECT_FOUND(name) EXPECT_NE(functions->name, nullptr) << #name;
  QP_FFMPEG_FUNCTIONS(QP_EXPECT_FOUND)
#undef QP_EXPECT_FOUND
  for (const char* library : {"libavcodec.so", "libavformat.so", "libswresample.so"}) {
    SCOPED_TRACE(library);
    EXPECT_TRUE(mapped(library));
  }
  EXPECT_EQ(FfmpegLibrary::get(), functions);  // loaded once
}

}  // namespace
}  // namespace qp
