#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "audio/editing/CompanionMaker.h"
#include "audio/wave/WaveFileReader.h"
#include "audio/wave/WaveFileWriter.h"
#include "audio/window/AudioWindow.h"
#include "audio/window/GraphSelection.h"
#include "common/SettingsStore.h"
#include "common/UiServices.h"

namespace qp {

// The three edits of an existing note: erase the selected stretch, insert a new recording at
// the insertion point (or over the selected stretch), append one to the end. An edit copies the
// old samples into a fresh file in the note's folder, leaving out the cut or splicing in the
// recording, and NoteReplacement then renames that file over the note (name, times and
// permissions kept). Until then the old note is only read, so any failure leaves it intact. A
// note the user may not write is refused before anything starts.
// Insert and append record through the recording controller, which calls the
// "recorder side" functions below. UI thread only.
class NoteEditor {
 public:
  // Reversed: the stretch ends before it starts (no graph makes one; a caller's mistake).
  enum class EraseResult { Erased, NothingSelected, Reversed, Busy, Declined, NotOffered, Failed };
  static constexpr std::uint32_t kCopyPiece = 1000;

  // All must outlive the editor; companions may be null.
  NoteEditor(UiServices& ui, AudioWindow& window, SettingsStore& settings,
             CompanionMaker* companions = nullptr);
  ~NoteEditor();
  NoteEditor(const NoteEditor&) = delete;
  NoteEditor& operator=(const NoteEditor&) = delete;

  // How insert and append start the recording controller.
  void setRecordingStarter(std::function<bool()> start) { startRecording_ = std::move(start); }
  // Replaces the writer of erase (tests: a file layer that fails).
  void setWriterFactory(std::function<std::unique_ptr<WaveFileWriter>()> make) {
    makeWriter_ = std::move(make);
  }

  // "&Erase Selection...": with Shift held no question is asked. Offered for 16-bit notes;
  // refused (Busy) while an erase or an insert or append recording is in progress; Failed for
  // a note that does not open as a note (WaveFormat::isNote). A reversed stretch (end before
  // start) is refused before anything is read or asked.
  EraseResult eraseSelection(bool shiftHeld);
  // The insert and append commands; true when the recording started. Insert over a reversed
  // stretch is refused with the insertion-point message.
  bool insertRecording();
  bool appendRecording();

  // --- recorder side (edit mode)
  bool editMode() const { return editMode_; }
  int insertPoint() const { return insertPoint_; }
  // Opens the first selected note for the edit; shows the program's message and returns
  // false when it cannot be opened or is not 16-bit mono, or the selection has become a
  // reversed stretch. sampleRate: the note's rate.
  bool openForRecording(std::uint32_t& sampleRate);
  // The new file's path: a hidden temporary file in the old note's folder (EditScratchFile).
  std::string newFilePath();
  // Copies the old samples before the insertion point or stretch into writer (every sample for
  // append), then moves the reader past a selected stretch. False when the writer refused bytes.
  bool copyHead(WaveFileWriter& writer);
  // Copies the rest, closes the old note and writer, and replaces the old note. False (old
  // note kept, new file removed) when anything failed.
  bool completeEdit(WaveFileWriter& writer);
  // Leaves edit mode without changing the note (a recording too short to keep).
  void abandonEdit();

  const std::string& oldNotePath() const { return oldPath_; }

 private:
  bool startEdit(int insertPoint, int timeTextId);
  // Shows the read-only message when the selected note exists but may not be changed
  // (NoteReplacement::mayChange); true then.
  bool refusedAsReadOnly();
  bool openOld();
  bool copyBytes(WaveFileWriter& writer, std::uint64_t limit);
  void remakeCompanion();

  UiServices& ui_;
  AudioWindow& window_;
  SettingsStore& settings_;
  CompanionMaker* companions_;
  std::function<bool()> startRecording_;
  std::function<std::unique_ptr<WaveFileWriter>()> makeWriter_;
  std::unique_ptr<WaveFileReader> reader_;
  std::string oldPath_;
  std::string newPath_;
  GraphSelection selection_;
  bool editMode_ = false;
  int insertPoint_ = 0;
  bool eraseBusy_ = false;
};

}  // namespace qp
