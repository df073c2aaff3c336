// quillophone-cli export NOTE --format 0|1|3 [--to DIR]: the note converted as e-mail and
// drag-and-drop convert it, written into DIR (default: the note's directory) under the note's
// name with the format's extension; prints the written path. Format 0 copies the wave file.
#include <cstdio>
#include <filesystem>
#include <optional>

#include "cli/CliArgs.h"
#include "cli/CliMessages.h"
#include "cli/CliVerb.h"
#include "cli/CompanionRenewal.h"
#include "common/StringTable.h"
#include "platform/ExportLibraries.h"

namespace qp::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage = "export NOTE --format 0|1|3 [--to DIR]";

int copyWave(const fs::path& note, const fs::path& base) {
  const fs::path target = base.string() + ".wav";
  std::error_code ec;
  if (!fs::equivalent(note, target, ec)) {
    fs::copy_file(note, target, fs::copy_options::overwrite_existing, ec);
    if (ec) {
      return fileError(target.string(), "the note could not be copied here");
    }
    renewExistingCompanion(target.string());
  }
  std::printf("%s\n", target.c_str());
  return kExitOk;
}

int runExport(const std::vector<std::string>& args) {
  CliArgs parsed;
  if (!parsed.parse(args, {"format", "to"})) {
    return usageError(parsed.error(), kUsage);
  }
  std::optional<long> format;
  if (parsed.positional().size() != 1 || !parsed.intValue("format", 0, 3, format) || !format ||
      *format == 2) {
    return usageError("export takes one note and --format 0, 1 or 3", kUsage);
  }
  const fs::path note = fs::absolute(parsed.positional()[0]);
  std::error_code ec;
  if (!fs::is_regular_file(note, ec)) {
    return fileError(note.string(), "no such note file");
  }
  const fs::path dir = parsed.value("to") ? fs::absolute(*parsed.value("to")) : note.parent_path();
  if (!fs::is_directory(dir, ec)) {
    return fileError(dir.string(), "no such directory");
  }
  const fs::path base = dir / note.stem();
  if (*format == 0) {
    return copyWave(note, base);
  }
  const auto formats = makeExportFormats(StringTable::active());
  const auto id = static_cast<std::int32_t>(*format);
  if (formats->extensionOf(id).empty()) {
    return userError("export format " + std::to_string(*format) +
                     " is not available on this system (see quillophone-cli formats)");
  }
  std::string target = base.string();
  if (!formats->convert(id, note.string(), target)) {
    return fileError(target, "the note could not be converted");
  }
  std::printf("%s\n", target.c_str());
  return kExitOk;
}

const CliVerbRegistration kExport({"export", kUsage, &runExport});

const CliHelpRegistration kExportHelp(
    "export", R"(Writes a note in another format under its own name with the format's extension, as
e-mail and drag-and-drop convert it, and prints the written path.

  --format 0|1|3   0 a copy of the wave file, 1 WMA (32 kbit/s), 3 MP3 (32 kbit/s); which
                   are available: quillophone-cli formats
  --to DIR         the directory to write into (default: beside the note)
)");

}  // namespace
}  // namespace qp::cli
