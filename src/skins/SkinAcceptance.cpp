#include "skins/SkinAcceptance.h"

#include <utility>

#include "skins/SkinExportNames.h"

namespace qp {

std::vector<std::string> skinAcceptanceProblems(const SkinExports& exports) {
  namespace n = SkinExportName;
  const std::pair<bool, const char*> required[] = {
      {exports.getSkinVersion != nullptr, n::kGetSkinVersion},
      {exports.getGeneral != nullptr, n::kGetGeneral},
      {exports.getSkin != nullptr, n::kGetSkin},
      {exports.getAdvancedCtrls != nullptr, n::kGetAdvancedCtrls},
      {exports.getBitmap != nullptr, n::kGetBitmap},
      {exports.getButton != nullptr, n::kGetButton},
      {exports.getGraph != nullptr, n::kGetGraph},
      {exports.getKnob != nullptr, n::kGetKnob},
      {exports.getListbox != nullptr, n::kGetListbox},
      {exports.getTabOrder != nullptr, n::kGetTabOrder},
      {exports.getText != nullptr, n::kGetText},
      {exports.getVUMeter != nullptr, n::kGetVUMeter},
      {exports.getSkinImage != nullptr, n::kGetSkinImage},
  };
  std::vector<std::string> problems;
  for (const auto& [present, name] : required) {
    if (!present) {
      problems.push_back(std::string("missing export ") + name);
    }
  }
  if (exports.getSkinVersion != nullptr) {
    const int32_t version = exports.getSkinVersion();
    if (version != kSkinInterfaceVersion) {
      problems.push_back("interface version " + std::to_string(version) + ", expected " +
                         std::to_string(kSkinInterfaceVersion));
    }
  }
  if (exports.getGeneral != nullptr && exports.getGeneral() == nullptr) {
    problems.emplace_back("GetGeneral hands out no general record");
  }
  return problems;
}

}  // namespace qp
