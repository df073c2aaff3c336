#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "common/SettingsStore.h"
#include "common/StringTable.h"
#include "skins/SkinExports.h"
#include "skins/SkinModuleLoader.h"
#include "skins/SkinRecordValidator.h"
#include "skins/SkinSounds.h"

namespace qp {

// What the window does with a button when the mode changes.
enum class ButtonVisibility { Unchanged, Show, Hide };

// The skin of the main window: the built-in one or a loaded package. Answers every record
// request for the current view (standard, or small when compact) from the package, checking
// each record first (a record that fails is left out: the request answers null, and one
// diagnostic line says why), or from the built-in tables. Forwards the window's events to the
// package, or plays the built-in skin's effects.
//
// Records handed out stay valid until the next load, unload or change of view. Not
// thread-safe: the window's thread only.
class Skin {
 public:
  static constexpr int kBuiltInNameStringId = 125;
  static constexpr int kPanelOpeningSound = 338;
  static constexpr int kPanelClosingSound = 339;

  // Events the window sends (arguments in brackets).
  enum Event : int32_t {
    kEventWindowCreated = 1,
    kEventLayoutDone = 2,
    kEventRecordingStarted = 3,
    kEventPlaybackStarted = 4,
    kEventRecordingEnded = 5,
    kEventPlaybackEnded = 6,
    kEventPanelOpening = 11,
    kEventPanelClosing = 13,
    kEventSettingsApplied = 19,  // (SoundEffects value)
  };

  // sounds may be null (no sounds). settings and loader must outlive the skin.
  Skin(SettingsStore& settings, SkinModuleLoader& loader, SkinSounds* sounds = nullptr);
  ~Skin();
  Skin(const Skin&) = delete;
  Skin& operator=(const Skin&) = delete;

  // Takes the package the SkinPath setting names; with no path, or one that fails to load or
  // pass the checks, the built-in skin stays.
  void loadConfigured();
  // Unloads the current package and loads the one at path; false (and one diagnostic line)
  // when it cannot be loaded or is refused; then the built-in skin answers. In the small view
  // a package that leaves it to the built-in skin is accepted but unloaded at once (see
  // setCompact).
  bool loadPackage(const std::string& path);
  // Back to the built-in skin.
  void unload();
  bool isPackage() const { return module_ != nullptr; }
  // The loaded package's path; empty for the built-in skin.
  const std::string& path() const { return path_; }
  // Writes SkinPath: the package's path, or empty for the built-in skin.
  void storeChoice();

  // The small view: every request then asks for its records. A package whose general record
  // leaves the small view to the built-in skin is unloaded while it is shown and loaded again
  // from SkinPath when the standard view returns.
  void setCompact(bool compact);
  bool compact() const { return compact_; }

  const QpSkinGeneral* general();
  const QpSkinFlags* flags();
  const QpSkinSidePanel* sidePanel();
  const QpSkinBitmap* bitmap(int32_t index);
  const QpSkinButton* button(int32_t index);
  const QpSkinGraph* graph();
  const QpSkinKnob* knob();
  const QpSkinListbox* listbox();
  const QpSkinTabOrder* tabOrder();
  const QpSkinText* text(int32_t index);
  const QpSkinVUMeter* vuMeter();
  const QpSkinEffects* effects();
  const QpSkinVolume* volume();

  // The package's image of a bitmap id as PNG bytes; empty for the built-in skin (the window's
  // resources have its images) or when the package cannot deliver it.
  std::vector<unsigned char> image(int32_t id);

  // The string id of the display name (125 for the built-in skin) and the name itself; a
  // package's id that the string table does not know gives the file's name without ".skn".
  int32_t nameStringId();
  std::string displayName(const StringTable& strings);
  static std::string displayNameOf(int32_t nameStringId, const std::string& path,
                                   const StringTable& strings);

  // Whether a button shows, hides or stays as it is when the window enters a mode (0 idle,
  // 1 recording, 2 playing), judged from the mode bits of its flags.
  static ButtonVisibility modeVisibility(int32_t flags, int mode);

  // An event of the window: to the package's Notify when a package is loaded (0 without one),
  // else the built-in effects.
  int32_t notify(int32_t event, intptr_t a = 0, intptr_t b = 0, intptr_t c = 0);

 private:
  struct BuiltInEffects {
    bool ready = false;
    bool recording = false;
    bool playing = false;
    bool soundEffects = true;
  };

  const SkinExports& exports() const;
  // A package is loaded and its general record leaves the small view to the built-in skin.
  bool smallViewIsBuiltIn();
  int32_t sv() const { return compact_ ? 1 : 0; }
  SkinRecordValidator& validator(int32_t view);
  // The record when it passes the checks of the view, else null (and one diagnostic line).
  template <typename Record>
  const Record* checked(const Record* record, const char* what, int32_t index, int32_t view);
  void builtInEffect(int32_t event, intptr_t a);

  SettingsStore& settings_;
  SkinModuleLoader& loader_;
  SkinSounds* sounds_;
  std::unique_ptr<SkinModule> module_;
  std::string path_;
  bool compact_ = false;
  bool unloadedForSmallView_ = false;
  std::array<std::unique_ptr<SkinRecordValidator>, 2> validators_;
  std::set<std::string> reported_;
  BuiltInEffects effects_;
};

}  // namespace qp
