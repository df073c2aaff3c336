#pragma once

namespace qp {

// The texts the audio controllers show the user.
struct AudioMessages {
  static constexpr const char* kCannotOpenNote = "Unable to open the note file.";
  static constexpr const char* kOnly16Bit = "Only 16-bit wave files can be played.";
  static constexpr const char* kCannotOpenSpeakers = "Unable to open the speakers.";
  static constexpr const char* kCannotOpenMicrophone =
      "Unable to open the microphone. This could mean that another application is already "
      "using the microphone.";
  static constexpr const char* kDiskFull = "Unable to write the note file. The disk may be full.";
  static constexpr const char* kNoteFull =
      "The note has reached the largest size a wave file can hold.";
  static constexpr const char* kNoAudio =
      "No audio was detected coming from your microphone.\n\nPress the \"Help\" button if you "
      "want help adjusting your microphone.";
  static constexpr const char* kSelectANote = "Select a note before pushing this button.";
  static constexpr const char* kEraseQuestion =
      "Do you want to erase the selected area of the note?";
  static constexpr const char* kReplaceQuestion =
      "Do you want to replace the selected area of the note?\n\n(If you answer \"No\", click on "
      "the graph to select the insertion point.)";
  static constexpr const char* kNeedInsertionPoint =
      "You need to click on the graph to indicate the insertion point.";
  static constexpr const char* kMonoOnly =
      "You can only insert notes into 16-bit, mono wave files.";
  static constexpr const char* kInserting = "Inserting";
  static constexpr const char* kAppending = "Appending";
  static constexpr const char* kPaused = "Paused";
};

}  // namespace qp
