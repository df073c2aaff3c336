#include "skins/Skin.h"

#include <filesystem>

#include "common/DiagnosticTrace.h"
#include "skins/BuiltInSkin.h"
#include "skins/SkinAcceptance.h"

namespace qp {
namespace {

constexpr const char* kSkinPathSetting = "SkinPath";
constexpr const char* kSoundEffectsSetting = "SoundEffects";
constexpr const char* kBuiltInName = "Default (black)";

std::string joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& line : lines) {
    all += (all.empty() ? "" : "; ") + line;
  }
  return all;
}

}  // namespace

Skin::Skin(SettingsStore& settings, SkinModuleLoader& loader, SkinSounds* sounds)
    : settings_(settings), loader_(loader), sounds_(sounds) {
  effects_.soundEffects = settings_.readNumber(kSoundEffectsSetting, 1) != 0;
}

Skin::~Skin() = default;

void Skin::loadConfigured() {
  const std::string configured = settings_.readText(kSkinPathSetting, "");
  if (configured.empty()) {
    unload();
    return;
  }
  loadPackage(configured);
}

bool Skin::loadPackage(const std::string& path) {
  unload();
  std::string error;
  std::unique_ptr<SkinModule> module = loader_.load(path, error);
  if (!module) {
    diagnosticTrace("skin " + path + ": not used: " + error);
    return false;
  }
  const std::vector<std::string> problems = skinAcceptanceProblems(module->exports());
  if (!problems.empty()) {
    diagnosticTrace("skin " + path + ": not used: " + joined(problems));
    return false;
  }
  module_ = std::move(module);
  path_ = path;
  if (compact_ && smallViewIsBuiltIn()) {
    unload();
    unloadedForSmallView_ = true;
  }
  return true;
}

bool Skin::smallViewIsBuiltIn() {
  const QpSkinGeneral* record = module_ ? general() : nullptr;
  return record != nullptr && record->smallViewUsesBuiltIn != 0;
}

void Skin::unload() {
  validators_ = {};
  reported_.clear();
  module_.reset();
  path_.clear();
  unloadedForSmallView_ = false;
}

void Skin::storeChoice() {
  settings_.writeText(kSkinPathSetting, path_);
}

void Skin::setCompact(bool compact) {
  if (compact == compact_) {
    return;
  }
  compact_ = compact;
  if (compact && smallViewIsBuiltIn()) {
    unload();
    unloadedForSmallView_ = true;
  } else if (!compact && unloadedForSmallView_) {
    unloadedForSmallView_ = false;
    loadConfigured();
  }
}

const SkinExports& Skin::exports() const {
  return module_ ? module_->exports() : builtInSkinExports();
}

SkinRecordValidator& Skin::validator(int32_t view) {
  std::unique_ptr<SkinRecordValidator>& slot = validators_[static_cast<std::size_t>(view)];
  if (!slot) {
    slot = std::make_unique<SkinRecordValidator>(exports(), view);
  }
  return *slot;
}

template <typename Record>
const Record* Skin::checked(const Record* record, const char* what, int32_t index, int32_t view) {
  if (record == nullptr || !module_) {
    return record;
  }
  const std::string problem = validator(view).problem(*record);
  if (problem.empty()) {
    return record;
  }
  std::string element = what;
  if (index >= 0) {
    element += " " + std::to_string(index);
  }
  element += view != 0 ? " (small view)" : " (standard view)";
  if (reported_.insert(element).second) {
    diagnosticTrace("skin " + path_ + ": " + element + " left out: " + problem);
  }
  return nullptr;
}

const QpSkinGeneral* Skin::general() {
  return exports().getGeneral();
}
const QpSkinFlags* Skin::flags() {
  return exports().getSkin(sv());
}
const QpSkinSidePanel* Skin::sidePanel() {
  return checked(exports().getAdvancedCtrls(sv()), "side panel", -1, sv());
}
const QpSkinBitmap* Skin::bitmap(int32_t index) {
  return checked(exports().getBitmap(index, sv()), "bitmap", index, sv());
}
const QpSkinButton* Skin::button(int32_t index) {
  return checked(exports().getButton(index, sv()), "button", index, sv());
}
const QpSkinGraph* Skin::graph() {
  return checked(exports().getGraph(sv()), "graph", -1, sv());
}
const QpSkinKnob* Skin::knob() {
  return checked(exports().getKnob(sv()), "knob", -1, sv());
}
const QpSkinListbox* Skin::listbox() {
  return checked(exports().getListbox(sv()), "list box", -1, sv());
}
const QpSkinTabOrder* Skin::tabOrder() {
  return checked(exports().getTabOrder(sv()), "tab order", -1, sv());
}
const QpSkinText* Skin::text(int32_t index) {
  return checked(exports().getText(index, sv()), "text", index, sv());
}
const QpSkinVUMeter* Skin::vuMeter() {
  return checked(exports().getVUMeter(sv()), "level meter", -1, sv());
}
const QpSkinEffects* Skin::effects() {
  return exports().getEffects ? exports().getEffects(sv()) : nullptr;
}
const QpSkinVolume* Skin::volume() {
  // One record for both views: checked against the standard view's window.
  return checked(exports().getVolume ? exports().getVolume() : nullptr, "volume", -1, 0);
}

std::vector<unsigned char> Skin::image(int32_t id) {
  if (!module_ || id == 0 || !validator(sv()).imageProblem(id).empty()) {
    return {};
  }
  const unsigned char* data = nullptr;
  uint32_t size = 0;
  exports().getSkinImage(id & 0xFFFF, sv(), &data, &size);
  return {data, data + size};
}

int32_t Skin::nameStringId() {
  const QpSkinGeneral* record = general();
  return module_ && record != nullptr ? record->nameStringId : kBuiltInNameStringId;
}

std::string Skin::displayName(const StringTable& strings) {
  return displayNameOf(nameStringId(), path_, strings);
}

std::string Skin::displayNameOf(int32_t nameStringId, const std::string& path,
                                const StringTable& strings) {
  if (path.empty()) {
    return strings.text(kBuiltInNameStringId, kBuiltInName);
  }
  return strings.text(nameStringId, std::filesystem::path(path).stem().string());
}

ButtonVisibility Skin::modeVisibility(int32_t flags, int mode) {
  if ((flags & QP_BUTTON_IDLE_ONLY) != 0) {
    return mode == 0 ? ButtonVisibility::Show : ButtonVisibility::Hide;
  }
  const int32_t onlyFlags = flags & (QP_BUTTON_RECORDING_ONLY | QP_BUTTON_PLAYING_ONLY);
  if (onlyFlags == 0) {
    return ButtonVisibility::Unchanged;
  }
  const int32_t modeFlag = mode == 1   ? QP_BUTTON_RECORDING_ONLY
                           : mode == 2 ? QP_BUTTON_PLAYING_ONLY
                                       : 0;
  if ((onlyFlags & modeFlag) != 0) {
    return ButtonVisibility::Show;
  }
  return mode == 0 ? ButtonVisibility::Hide : ButtonVisibility::Unchanged;
}

int32_t Skin::notify(int32_t event, intptr_t a, intptr_t b, intptr_t c) {
  if (module_) {
    const QpNotify entry = exports().notify;
    return entry != nullptr ? entry(event, a, b, c, sv()) : 0;
  }
  builtInEffect(event, a);
  return 0;
}

void Skin::builtInEffect(int32_t event, intptr_t a) {
  switch (event) {
    case kEventLayoutDone:
      effects_.ready = true;
      break;
    case kEventRecordingStarted:
      effects_.recording = true;
      break;
    case kEventRecordingEnded:
      effects_.recording = false;
      break;
    case kEventPlaybackStarted:
      effects_.playing = true;
      break;
    case kEventPlaybackEnded:
      effects_.playing = false;
      break;
    case kEventSettingsApplied:
      effects_.soundEffects = a != 0;
      break;
    case kEventPanelOpening:
    case kEventPanelClosing: {
      const bool idle = !effects_.recording && !effects_.playing;
      if (sounds_ != nullptr && effects_.ready && effects_.soundEffects && idle) {
        sounds_->playWaveResource(event == kEventPanelOpening ? kPanelOpeningSound
                                                              : kPanelClosingSound);
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace qp
