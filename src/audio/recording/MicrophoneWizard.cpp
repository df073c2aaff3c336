#include "audio/recording/MicrophoneWizard.h"

#include <unistd.h>

#include <sstream>
#include <utility>

namespace qp {
namespace {

bool executable(const std::string& file) {
  return !file.empty() && ::access(file.c_str(), X_OK) == 0;
}

std::string onPath(const std::string& path, const std::string& name) {
  std::istringstream dirs(path);
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    std::string file = (dir.empty() ? std::string(".") : dir) + "/" + name;
    if (executable(file)) {
      return file;
    }
  }
  return {};
}

std::string fromSettings(const SettingsStore* settings) {
  if (settings == nullptr) {
    return {};
  }
  const std::string file = settings->readText("FilePath", "");
  return executable(file) ? file : std::string();
}

}  // namespace

std::string MicrophoneWizard::find(const MicrophoneWizardSources& sources) {
  return findCommand(sources).program;
}

MicrophoneWizardCommand MicrophoneWizard::findCommand(const MicrophoneWizardSources& sources) {
  std::string found = fromSettings(sources.makerWizard);
  if (found.empty()) {
    found = onPath(sources.path, "TolvaneWizard");
  }
  if (found.empty() && !sources.programDirectory.empty() &&
      executable(sources.programDirectory + "/TolvaneWizard")) {
    found = sources.programDirectory + "/TolvaneWizard";
  }
  if (found.empty()) {
    found = fromSettings(sources.soundCardWizard);
  }
  for (const char* name : {"SoundMAX", "SMax4Wiz"}) {
    if (found.empty()) {
      found = onPath(sources.path, name);
    }
  }
  if (!found.empty()) {
    return {found, {}};
  }
  const std::vector<MicrophoneWizardCommand> desktopTools{{"gnome-control-center", {"sound"}},
                                                          {"pavucontrol", {}},
                                                          {"pavucontrol-qt", {}},
                                                          {"kcmshell6", {"kcm_pulseaudio"}}};
  for (const MicrophoneWizardCommand& tool : desktopTools) {
    if (std::string program = onPath(sources.path, tool.program); !program.empty()) {
      return {std::move(program), tool.arguments};
    }
  }
  return {};
}

}  // namespace qp
