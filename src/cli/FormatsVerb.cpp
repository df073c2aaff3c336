// quillophone-cli formats: the export formats this system offers, in list order, one
// "id<TAB>name<TAB>extension" line each, then the credits text of the libraries behind them.
#include <cstdio>

#include "cli/CliArgs.h"
#include "cli/CliVerb.h"
#include "common/StringTable.h"
#include "platform/ExportLibraries.h"

namespace qp::cli {
namespace {

constexpr const char* kUsage = "formats";

int runFormats(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {})) {
    return usageError(parsed.error(), kUsage);
  }
  if (!parsed.positional().empty()) {
    return usageError("formats takes no arguments", kUsage);
  }
  const auto formats = makeExportFormats(StringTable::active());
  ExportFormat entry;
  for (bool more = formats->first(entry); more; more = formats->next(entry)) {
    std::printf("%d\t%s\t%s\n", entry.formatId, entry.name.c_str(), entry.extension.c_str());
  }
  const std::string credits = formats->credits();
  if (!credits.empty()) {
    std::printf("%s\n", credits.c_str());
  }
  return kExitOk;
}

const CliVerbRegistration kFormats({"formats", kUsage, &runFormats});

const CliHelpRegistration kFormatsHelp(
    "formats",
    R"(Prints the export formats this system offers, one tab-separated line each (id, name,
extension): 3 MP3 when libmp3lame.so.0 is installed, 1 WMA through the FFmpeg libraries;
then the credits of the libraries used. The ids are the values of export --format and of
the EmailFormat and DragFormat settings (0 is the wave file itself).
)");

}  // namespace
}  // namespace qp::cli
