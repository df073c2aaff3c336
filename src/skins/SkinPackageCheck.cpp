#include "skins/SkinPackageCheck.h"

#include <memory>

#include "skins/SkinAcceptance.h"
#include "skins/SkinRecordValidator.h"

namespace qp {
namespace {

// Collects the problems of one view's records, each line naming the record and the view.
class ViewCheck {
 public:
  ViewCheck(const SkinExports& exports, int32_t sv, std::vector<std::string>& lines)
      : exports_(exports), sv_(sv), validator_(exports, sv), lines_(lines) {}

  template <typename Record>
  void check(const Record* record, const std::string& element, bool required) {
    if (record == nullptr) {
      if (required) {
        add(element, "missing");
      }
      return;
    }
    const std::string problem = validator_.problem(*record);
    if (!problem.empty()) {
      add(element, problem);
    }
  }

  void run() {
    check(exports_.getAdvancedCtrls(sv_), "side panel", false);
    for (int i = 1; i <= SkinPackageCheck::kMaxBitmapIndex; ++i) {
      check(exports_.getBitmap(i, sv_), "bitmap " + std::to_string(i), i == 1);
    }
    for (int i = 0; i <= SkinPackageCheck::kMaxButtonIndex; ++i) {
      check(exports_.getButton(i, sv_), "button " + std::to_string(i), false);
    }
    check(exports_.getGraph(sv_), "graph", false);
    check(exports_.getKnob(sv_), "knob", false);
    check(exports_.getListbox(sv_), "list box", true);
    check(exports_.getTabOrder(sv_), "tab order", true);
    for (int i = 1; i <= SkinPackageCheck::kMaxTextIndex; ++i) {
      check(exports_.getText(i, sv_), "text " + std::to_string(i), false);
    }
    check(exports_.getVUMeter(sv_), "level meter", false);
    if (exports_.getSkin(sv_) == nullptr) {
      add("layout flags", "missing");
    }
    if (sv_ == 0 && exports_.getVolume != nullptr) {
      check(exports_.getVolume(), "volume", false);
    }
  }

 private:
  void add(const std::string& element, const std::string& problem) {
    lines_.push_back(element + (sv_ != 0 ? " (small view): " : " (standard view): ") + problem);
  }

  const SkinExports& exports_;
  int32_t sv_;
  SkinRecordValidator validator_;
  std::vector<std::string>& lines_;
};

}  // namespace

std::vector<std::string> SkinPackageCheck::problems(SkinModuleLoader& loader,
                                                    const std::string& path) {
  std::string error;
  const std::unique_ptr<SkinModule> module = loader.load(path, error);
  if (!module) {
    return {"cannot be loaded: " + error};
  }
  return problems(module->exports());
}

std::vector<std::string> SkinPackageCheck::problems(const SkinExports& exports) {
  std::vector<std::string> lines = skinAcceptanceProblems(exports);
  if (!lines.empty()) {
    return lines;
  }
  ViewCheck(exports, 0, lines).run();
  const QpSkinGeneral* general = exports.getGeneral();
  if (general->supportsSmallView != 0 && general->smallViewUsesBuiltIn == 0) {
    ViewCheck(exports, 1, lines).run();
  }
  return lines;
}

}  // namespace qp
