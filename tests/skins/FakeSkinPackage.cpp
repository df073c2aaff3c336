#include "FakeSkinPackage.h"

namespace qp::test {
namespace {

FakeSkinPackage& fake() {
  return FakeSkinPackage::instance();
}

template <typename Record>
const Record* find(const std::map<int32_t, const Record*>& records, int32_t index) {
  const auto it = records.find(index);
  return it == records.end() ? nullptr : it->second;
}

void put32(std::vector<unsigned char>& bytes, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    bytes.push_back(static_cast<unsigned char>(value >> shift));
  }
}

}  // namespace

FakeSkinPackage& FakeSkinPackage::instance() {
  static FakeSkinPackage package;
  return package;
}

SkinExports FakeSkinPackage::exports() {
  SkinExports e;
  e.getSkinVersion = [] { return fake().version; };
  e.getGeneral = []() -> const QpSkinGeneral* { return &fake().general; };
  e.getSkin = [](int32_t) -> const QpSkinFlags* { return &fake().flags; };
  e.getAdvancedCtrls = [](int32_t) { return fake().sidePanel; };
  e.getBitmap = [](int32_t index, int32_t) { return find(fake().bitmaps, index); };
  e.getButton = [](int32_t index, int32_t) { return find(fake().buttons, index); };
  e.getGraph = [](int32_t) -> const QpSkinGraph* { return nullptr; };
  e.getKnob = [](int32_t) -> const QpSkinKnob* { return nullptr; };
  e.getListbox = [](int32_t) -> const QpSkinListbox* { return &fake().listbox; };
  e.getTabOrder = [](int32_t) -> const QpSkinTabOrder* { return &fake().tabOrder; };
  e.getText = [](int32_t, int32_t) -> const QpSkinText* { return nullptr; };
  e.getVUMeter = [](int32_t) -> const QpSkinVUMeter* { return nullptr; };
  e.getSkinImage = [](int32_t id, int32_t, const unsigned char** data, uint32_t* size) -> int32_t {
    const auto it = fake().images.find(id);
    if (it == fake().images.end()) {
      return 0;
    }
    *data = it->second.data();
    *size = static_cast<uint32_t>(it->second.size());
    return 1;
  };
  return e;
}

std::vector<unsigned char> pngHeader(uint32_t width, uint32_t height) {
  std::vector<unsigned char> bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  put32(bytes, 13);
  bytes.insert(bytes.end(), {'I', 'H', 'D', 'R'});
  put32(bytes, width);
  put32(bytes, height);
  bytes.insert(bytes.end(), {8, 6, 0, 0, 0, 0, 0, 0, 0});  // depth, colour type, ..., CRC
  return bytes;
}

}  // namespace qp::test
