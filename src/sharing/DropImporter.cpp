#include "sharing/DropImporter.h"

#include <cstdio>
#include <filesystem>

#include "audio/wave/WaveFileReader.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

std::string lowerExtension(const fs::path& path) {
  std::string ext = path.extension().string();
  for (char& c : ext) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return ext;
}

// A symbolic link stands for the file it leads to; a dangling one stays as it is.
fs::path resolved(const std::string& dropped) {
  std::error_code ec;
  const fs::path target = fs::canonical(dropped, ec);
  return ec || target.empty() ? fs::path(dropped) : target;
}

bool sameDirectory(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec);
}

// Whether the note reader opens the file as a note: anything else is no note of ours.
bool isReadableNote(const fs::path& path) {
  WaveFileReader reader;
  return reader.openNote(path.string());
}

// Gives target the modification time of source; failures leave the time of the copy.
void copyTimes(const fs::path& source, const fs::path& target) {
  std::error_code ec;
  const auto time = fs::last_write_time(source, ec);
  if (!ec) {
    fs::last_write_time(target, time, ec);
  }
}

// pattern with its first "%s" replaced by text.
std::string withText(const std::string& pattern, const std::string& text) {
  const std::size_t at = pattern.find("%s");
  return at == std::string::npos ? pattern : pattern.substr(0, at) + text + pattern.substr(at + 2);
}

}  // namespace

DropImporter::DropImporter(const StringTable& strings, CExportFormats* formats,
                           ReplacePrompt& prompt)
    : strings_(strings), formats_(formats), prompt_(prompt) {}

DropImporter::Outcome DropImporter::importOne(const std::string& dropped,
                                              const std::string& folderDirectory, NoteList* list) {
  const fs::path source = resolved(dropped);
  const std::string ext = lowerExtension(source);
  std::error_code ec;
  if (!fs::exists(source, ec)) {
    return {{}, SkipReason::Missing};
  }
  if (!fs::is_regular_file(source, ec) || (ext != ".wav" && ext != ".wma")) {
    return {{}, SkipReason::NotWaveOrWma};
  }
  if (sameDirectory(source.parent_path(), folderDirectory)) {
    return {{}, SkipReason::InOwnFolder};
  }
  if (ext == ".wav" && !isReadableNote(source)) {
    return {{}, SkipReason::NotANote};
  }
  const std::string destination = (fs::path(folderDirectory) / source.stem()).string();
  const std::string target =
      destination + (ext == ".wav" ? source.extension().string() : std::string(".wav"));
  // On a case-sensitive file system the copy of Memo.WAV may clash with Memo.WAV, not Memo.wav.
  for (const std::string& existing : {destination + ".wav", target}) {
    if (!fs::exists(existing, ec)) {
      continue;
    }
    const std::string question =
        withText(strings_.text(kReplaceQuestion), source.filename().string());
    if (!prompt_.confirmReplace(question)) {
      return {{}, SkipReason::KeptExisting};
    }
    if (list && list->indexOf(existing) < list->size()) {
      list->deleteCompanion(list->indexOf(existing));
    }
    break;
  }
  if (ext == ".wma" && !formats_) {
    return {{}, SkipReason::NoWmaConversion};
  }
  bool ok = false;
  if (ext == ".wav") {
    ok = fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec) && !ec;
  } else {
    ok = formats_->convertFile(source.string(), target);
  }
  if (!ok) {
    return {{}, SkipReason::NotConverted};
  }
  copyTimes(source, target);
  return {target, SkipReason::Missing};
}

DropImporter::Result DropImporter::dropFiles(const std::vector<std::string>& files,
                                             const std::string& folderDirectory, NoteList* list,
                                             bool busy) {
  Result result;
  for (const std::string& file : files) {
    if (busy || result.stoppedInOwnFolder) {
      result.skipped.push_back({file, busy ? SkipReason::Busy : SkipReason::AfterStop});
      continue;
    }
    const Outcome outcome = importOne(file, folderDirectory, list);
    if (!outcome.imported.empty()) {
      result.imported.push_back(outcome.imported);
      continue;
    }
    result.skipped.push_back({file, outcome.reason});
    result.stoppedInOwnFolder = outcome.reason == SkipReason::InOwnFolder;
  }
  return result;
}

}  // namespace qp
