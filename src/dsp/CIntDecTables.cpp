// Low-pass tables of CIntDec: the first half of each symmetric table (the second half mirrors
// it). F = 2 and F = 3 are the converter's working tables; the others come from
// tools/design_intdec_tables.py.
#include <cstddef>
#include <vector>

#include "dsp/CIntDec.h"

namespace qp::dsp {
namespace {

constexpr float kLowPass2[8] = {-0.00334250834f, -0.00159799634f, 0.0126549555f, 0.0118260644f,
                                -0.0468386002f,  -0.0546713136f,  0.152576894f,  0.429392517f};
constexpr float kLowPass3[12] = {-0.00200462062f, -0.00251628505f, -0.000129290682f, 0.00699655293f,
                                 0.0129142581f,   0.00399581715f,  -0.0240594167f,   -0.0478804447f,
                                 -0.0245200917f,  0.0697216541f,   0.204106748f,     0.303375125f};

#include "dsp/CIntDecDesignedTables.inc"

template <std::size_t Half>
std::vector<float> mirrored(const float (&half)[Half]) {
  std::vector<float> table(half, half + Half);
  for (std::size_t i = Half; i-- > 0;) {
    table.push_back(half[i]);
  }
  return table;
}

}  // namespace

std::vector<float> CIntDec::TableFor(int F) {
  switch (F) {
    case 2:
      return mirrored(kLowPass2);
    case 3:
      return mirrored(kLowPass3);
    case 4:
      return mirrored(kLowPass4);
    case 5:
      return mirrored(kLowPass5);
    case 6:
      return mirrored(kLowPass6);
    case 7:
      return mirrored(kLowPass7);
    case 8:
      return mirrored(kLowPass8);
    case 10:
      return mirrored(kLowPass10);
    case 12:
      return mirrored(kLowPass12);
    case 20:
      return mirrored(kLowPass20);
    case 24:
      return mirrored(kLowPass24);
    default:
      return {};
  }
}

}  // namespace qp::dsp
