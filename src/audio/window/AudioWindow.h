#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "audio/window/GraphSelection.h"
#include "audio/window/WaveformGraphFeed.h"

namespace qp {

// Skin events sent by the recording and playback controllers.
enum SkinEvent : int {
  kSkinRecordStart = 3,
  kSkinPlayStart = 4,
  kSkinRecordStop = 5,
  kSkinPlayStop = 6,
  kSkinPause = 7,
};

// The main window as the recording controller, the playback controller and note editing see
// it: its time display, level meter, waveform graph, skin events, notes list and selection.
// The command line implements it on the terminal (CliAudioWindow), tests with a recording
// fake; a desktop window plugs in the same way. Every hook has a harmless default.
//
// Threads: showTime, levelBlock, clearLevel and graph() (and the graph it returns) are called
// from the worker threads and must not block on the UI thread; everything else is called on
// the UI thread.
class AudioWindow {
 public:
  virtual ~AudioWindow() = default;

  // --- called from the worker threads
  // The time display: elapsed seconds while recording, remaining seconds while playing.
  virtual void showTime(int /*seconds*/) {}
  // The level meter: one block of mono samples (it shows the largest absolute value).
  virtual void levelBlock(const std::int16_t* /*samples*/, std::uint32_t /*count*/) {}
  // Blanks the level meter (while a recording or playback is paused).
  virtual void clearLevel() {}
  // The waveform graph, or null when the skin has none. The same object for a whole run.
  virtual WaveformGraphFeed* graph() { return nullptr; }

  // --- called on the UI thread
  virtual void skinEvent(int /*event*/, int /*value*/) {}
  // The graph's paused display ("Paused" over the picture).
  virtual void setGraphPaused(bool /*paused*/) {}
  // A text in the time display instead of a time: "Paused", "Inserting", "Appending"; an
  // empty text shows the last time again.
  virtual void showTimeText(const std::string& /*text*/) {}
  // The Silkvoice indicator shows the switch of the running recording.
  virtual void showSilkvoice(bool /*on*/) {}
  // Controls, tooltips and state of the window: recording or idle, playing or idle.
  virtual void recorderStateChanged(bool /*recording*/) {}
  virtual void playerStateChanged(bool /*playing*/) {}

  // The notes list of the current folder.
  virtual std::size_t noteCount() { return 0; }
  virtual std::string notePath(std::size_t /*index*/) { return {}; }
  virtual std::string noteDisplayName(std::size_t /*index*/) { return {}; }
  // Selected list indexes in list order.
  virtual std::vector<std::size_t> selectedNotes() { return {}; }
  // Makes the note the only selected one / selects exactly these notes.
  virtual void selectOnly(std::size_t /*index*/) {}
  virtual void reselect(const std::vector<std::size_t>& /*indexes*/) {}
  // Reloads the notes list of the current folder (selecting selectPath when not empty) and
  // returns the focus to it.
  virtual void refreshNoteList(const std::string& /*selectPath*/) {}
  // Redraws the selected note's details and graph.
  virtual void refreshNoteDisplay() {}
  // The note's companion file was made anew: its list entry takes it.
  virtual void companionUpdated(const std::string& /*notePath*/) {}

  // The graph's selection and insertion point (none when there is no graph).
  virtual GraphSelection graphSelection() { return {}; }

  // Path for a new wave file in the current folder: its directory, "/", a time-stamped name,
  // ".wav". Never the path of an existing file.
  virtual std::string newNotePath() = 0;
};

}  // namespace qp
