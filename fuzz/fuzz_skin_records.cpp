// Feeds arbitrary bytes to the checks of a skin package's records. A package in memory hands
// out records copied from the input (some requests answer null), images cut from it, a point
// and a button array of exactly kMaxArrayCount entries behind every non-null array pointer,
// and the whole package is checked as "skin check" does, then record by record for both
// views. A record whose count claims more than the array holds must be refused, or the
// sanitizer reports the read past it; nothing may crash.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "skins/SkinPackageCheck.h"
#include "skins/SkinPng.h"
#include "skins/SkinRecordValidator.h"

namespace {

using qp::SkinRecordValidator;

struct FuzzPackage {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
  std::vector<std::shared_ptr<void>> keep;  // records handed out during this input
  std::vector<QpSkinPoint> points = std::vector<QpSkinPoint>(SkinRecordValidator::kMaxArrayCount);
  std::vector<int32_t> buttons = std::vector<int32_t>(SkinRecordValidator::kMaxArrayCount);
};

FuzzPackage package;

std::uint8_t byteAt(std::size_t offset) {
  return package.size == 0 ? 0 : package.data[offset % package.size];
}

void fixPointers(QpSkinBitmap& bitmap, std::uint8_t selector) {
  bitmap.polygon = (selector & 1) != 0 ? package.points.data() : nullptr;
}
void fixPointers(QpSkinTabOrder& order, std::uint8_t selector) {
  order.buttons = (selector & 1) != 0 ? package.buttons.data() : nullptr;
}
template <typename Record>
void fixPointers(Record&, std::uint8_t) {}

// The record of a request from the input, or null when the byte at its place says so.
template <typename Record>
const Record* recordAt(int kind, int index, int sv) {
  if (package.size == 0) {
    return nullptr;
  }
  const std::size_t offset = static_cast<std::size_t>(kind * 131 + index * 17 + sv * 7);
  const std::uint8_t selector = byteAt(offset);
  if (selector % 7 == 0) {
    return nullptr;
  }
  auto record = std::make_shared<Record>();
  auto* bytes = reinterpret_cast<unsigned char*>(record.get());
  for (std::size_t i = 0; i < sizeof(Record); ++i) {
    bytes[i] = byteAt(offset + 1 + i);
  }
  fixPointers(*record, selector);
  package.keep.push_back(record);
  return record.get();
}

// Image 1 is a PNG header whose size comes from the input; others are cut from the input.
int32_t image(int32_t id, int32_t, const unsigned char** data, uint32_t* size) {
  static std::vector<unsigned char> header;
  if (package.size == 0 || byteAt(static_cast<std::size_t>(id)) % 5 == 0) {
    return 0;
  }
  if (id == 1) {
    header = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A,      '\n',      0, 0, 0,         13,
              'I',  'H', 'D', 'R', 0,    0,    byteAt(1), byteAt(2), 0, 0, byteAt(3), byteAt(4)};
    *data = header.data();
    *size = static_cast<uint32_t>(header.size());
    return 1;
  }
  const std::size_t offset = static_cast<std::size_t>(id) % package.size;
  *data = package.data + offset;
  *size = static_cast<uint32_t>(package.size - offset);
  return 1;
}

qp::SkinExports fuzzExports() {
  qp::SkinExports e;
  e.getSkinVersion = [] { return qp::kSkinInterfaceVersion; };
  e.getGeneral = [] { return recordAt<QpSkinGeneral>(0, 0, 0); };
  e.getSkin = [](int32_t sv) { return recordAt<QpSkinFlags>(1, 0, sv); };
  e.getAdvancedCtrls = [](int32_t sv) { return recordAt<QpSkinSidePanel>(2, 0, sv); };
  e.getBitmap = [](int32_t i, int32_t sv) { return recordAt<QpSkinBitmap>(3, i, sv); };
  e.getButton = [](int32_t i, int32_t sv) { return recordAt<QpSkinButton>(4, i, sv); };
  e.getGraph = [](int32_t sv) { return recordAt<QpSkinGraph>(5, 0, sv); };
  e.getKnob = [](int32_t sv) { return recordAt<QpSkinKnob>(6, 0, sv); };
  e.getListbox = [](int32_t sv) { return recordAt<QpSkinListbox>(7, 0, sv); };
  e.getTabOrder = [](int32_t sv) { return recordAt<QpSkinTabOrder>(8, 0, sv); };
  e.getText = [](int32_t i, int32_t sv) { return recordAt<QpSkinText>(9, i, sv); };
  e.getVUMeter = [](int32_t sv) { return recordAt<QpSkinVUMeter>(10, 0, sv); };
  e.getVolume = [] { return recordAt<QpSkinVolume>(11, 0, 0); };
  e.getSkinImage = image;
  return e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  package.data = data;
  package.size = size;
  package.keep.clear();
  for (std::size_t i = 0; i < package.points.size(); ++i) {
    package.points[i] = {static_cast<int32_t>(byteAt(i)) * 3, static_cast<int32_t>(byteAt(i + 1))};
    package.buttons[i] = static_cast<int32_t>(byteAt(i)) - 8;
  }
  qp::pngSize(data, size);
  const qp::SkinExports exports = fuzzExports();
  const std::vector<std::string> problems = qp::SkinPackageCheck::problems(exports);
  for (const std::string& line : problems) {
    if (line.empty()) {
      __builtin_trap();
    }
  }
  for (const int32_t sv : {0, 1}) {
    SkinRecordValidator validator(exports, sv);
    if (validator.windowWidth() < 1 || validator.windowHeight() < 1) {
      __builtin_trap();
    }
    for (int32_t id = 0; id < 8; ++id) {
      const bool deliverable = validator.imageProblem(id).empty();
      if (id != 0 && deliverable != validator.imageSize(id).has_value()) {
        __builtin_trap();
      }
    }
  }
  return 0;
}
