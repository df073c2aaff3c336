#include "audio/editing/NoteEditor.h"

#include <cstdio>
#include <filesystem>
#include <vector>

#include "audio/editing/EditScratchFile.h"
#include "audio/editing/NoteReplacement.h"
#include "audio/wave/NoteMetrics.h"
#include "common/StringIds.h"
#include "common/StringTable.h"

namespace qp {
namespace {

// A stretch that ends before it starts. Read as it stands, the copy would take the note up to
// the start and then go back to the end, doubling the part between them.
bool reversed(const GraphSelection& selection) {
  return selection.stretch && selection.start > selection.clampedEnd();
}

}  // namespace

NoteEditor::NoteEditor(UiServices& ui, AudioWindow& window, SettingsStore& settings,
                       CompanionMaker* companions)
    : ui_(ui), window_(window), settings_(settings), companions_(companions) {
  makeWriter_ = [] { return std::make_unique<WaveFileWriter>(); };
}

NoteEditor::~NoteEditor() = default;

bool NoteEditor::openOld() {
  const auto selected = window_.selectedNotes();
  if (selected.empty()) {
    return false;
  }
  oldPath_ = window_.notePath(selected.front());
  reader_ = std::make_unique<WaveFileReader>();
  if (!reader_->open(oldPath_)) {
    reader_.reset();
    return false;
  }
  return true;
}

bool NoteEditor::refusedAsReadOnly() {
  const auto selected = window_.selectedNotes();
  if (selected.empty()) {
    return false;
  }
  const std::string path = window_.notePath(selected.front());
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec) || NoteReplacement::mayChange(path)) {
    return false;  // a note that is missing gets the reader's message later
  }
  ui_.showMessage(StringTable::active().text(StringId::kNoteReadOnly));
  return true;
}

std::string NoteEditor::newFilePath() {
  return EditScratchFile::newPath(std::filesystem::path(oldPath_).parent_path().string());
}

NoteEditor::EraseResult NoteEditor::eraseSelection(bool shiftHeld) {
  selection_ = window_.graphSelection();
  if (!selection_.stretch) {
    return EraseResult::NothingSelected;
  }
  if (reversed(selection_)) {
    return EraseResult::Reversed;
  }
  // An insert or append in progress holds the note open: no erase meanwhile.
  if (eraseBusy_ || editMode_) {
    return EraseResult::Busy;
  }
  if (refusedAsReadOnly()) {
    return EraseResult::Failed;
  }
  eraseBusy_ = true;
  struct BusyGuard {
    bool& busy;
    ~BusyGuard() { busy = false; }
  } guard{eraseBusy_};
  if (!shiftHeld && !ui_.askYesNo(StringTable::active().text(StringId::kEraseSelectionQuestion))) {
    return EraseResult::Declined;
  }
  if (!openOld()) {
    return EraseResult::Failed;
  }
  const WaveFormat& old = reader_->format();
  if (old.wBitsPerSample != 16 || old.nChannels == 0) {
    reader_.reset();
    return EraseResult::NotOffered;
  }
  if (!old.isNote()) {
    reader_.reset();
    return EraseResult::Failed;
  }
  const WaveFormat format = WaveFormat::pcm(old.nChannels, old.nSamplesPerSec, 16);
  std::unique_ptr<WaveFileWriter> writer = makeWriter_();
  newPath_ = newFilePath();
  if (!writer->open(newPath_, format)) {
    reader_.reset();
    return EraseResult::Failed;
  }
  // The copy is made durable once, just before it replaces the note.
  writer->setDurable(false);
  copyBytes(*writer, NoteMetrics::byteOffsetOfFraction(selection_.start, reader_->dataSize()));
  reader_->startDataRead(
      NoteMetrics::byteOffsetOfFraction(selection_.clampedEnd(), reader_->dataSize()));
  const bool replaced = completeEdit(*writer);
  if (writer->failed()) {
    ui_.showMessage(StringTable::active().text(StringId::kDiskFull));
  }
  window_.refreshNoteDisplay();
  return replaced ? EraseResult::Erased : EraseResult::Failed;
}

bool NoteEditor::insertRecording() {
  if (window_.selectedNotes().size() != 1) {
    ui_.showMessage(StringTable::active().text(StringId::kSelectANote));
    return false;
  }
  if (refusedAsReadOnly()) {
    return false;
  }
  const GraphSelection selection = window_.graphSelection();
  if (reversed(selection)) {
    ui_.showMessage(StringTable::active().text(StringId::kNeedInsertionPoint));
    return false;
  }
  if (selection.stretch &&
      !ui_.askYesNo(StringTable::active().text(StringId::kReplaceSelectionQuestion))) {
    return false;
  }
  if (!selection.stretch && !selection.hasInsertionPoint()) {
    ui_.showMessage(StringTable::active().text(StringId::kNeedInsertionPoint));
    return false;
  }
  return startEdit(0, StringId::kInserting);
}

bool NoteEditor::appendRecording() {
  if (window_.selectedNotes().size() != 1) {
    ui_.showMessage(StringTable::active().text(StringId::kSelectANote));
    return false;
  }
  if (refusedAsReadOnly()) {
    return false;
  }
  return startEdit(-1, StringId::kAppending);
}

bool NoteEditor::startEdit(int insertPoint, int timeTextId) {
  editMode_ = true;
  insertPoint_ = insertPoint;
  if (!startRecording_ || !startRecording_()) {
    editMode_ = false;
    return false;
  }
  window_.showTimeText(StringTable::active().text(timeTextId));
  return true;
}

bool NoteEditor::openForRecording(std::uint32_t& sampleRate) {
  selection_ = window_.graphSelection();
  if (reversed(selection_)) {
    ui_.showMessage(StringTable::active().text(StringId::kNeedInsertionPoint));
    return false;
  }
  if (!openOld()) {
    ui_.showMessage(StringTable::active().text(StringId::kCannotOpenNote));
    return false;
  }
  const WaveFormat& old = reader_->format();
  if (old.wBitsPerSample != 16 || old.nChannels != 1) {
    reader_.reset();
    ui_.showMessage(StringTable::active().text(StringId::kMonoOnly));
    return false;
  }
  if (!old.isNote()) {
    reader_.reset();
    ui_.showMessage(StringTable::active().text(StringId::kCannotOpenNote));
    return false;
  }
  sampleRate = old.nSamplesPerSec;
  return true;
}

bool NoteEditor::copyHead(WaveFileWriter& writer) {
  if (insertPoint_ < 0) {
    return copyBytes(writer, UINT64_MAX);
  }
  const std::uint32_t size = reader_->dataSize();
  const bool ok = copyBytes(writer, NoteMetrics::byteOffsetOfFraction(selection_.start, size));
  if (selection_.stretch) {
    reader_->startDataRead(NoteMetrics::byteOffsetOfFraction(selection_.clampedEnd(), size));
  }
  return ok;
}

bool NoteEditor::copyBytes(WaveFileWriter& writer, std::uint64_t limit) {
  std::vector<std::uint8_t> piece(kCopyPiece);
  std::uint64_t copied = 0;
  while (copied < limit) {
    const auto want =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(kCopyPiece, limit - copied));
    const std::uint32_t got = reader_->read(piece.data(), want);
    if (got == 0) {
      break;
    }
    if (writer.write(piece.data(), got) != got) {
      return false;
    }
    copied += got;
  }
  return true;
}

bool NoteEditor::completeEdit(WaveFileWriter& writer) {
  editMode_ = false;
  bool ok = reader_ != nullptr && copyBytes(writer, UINT64_MAX);
  reader_.reset();
  newPath_ = writer.path();
  ok = writer.close() && ok;
  if (!ok) {
    NoteReplacement::removeWritten(newPath_);
    return false;
  }
  if (!NoteReplacement::replace(newPath_, oldPath_)) {
    return false;
  }
  remakeCompanion();
  return true;
}

void NoteEditor::abandonEdit() {
  editMode_ = false;
  reader_.reset();
}

void NoteEditor::remakeCompanion() {
  if (settings_.readNumber("DragFormat", 0) == 0 || companions_ == nullptr) {
    return;
  }
  const std::string name = oldPath_.substr(0, oldPath_.size() >= 4 ? oldPath_.size() - 4 : 0);
  if (companions_->makeCompanion(oldPath_, name)) {
    window_.companionUpdated(oldPath_);
  }
}

}  // namespace qp
