#include "dsp/CDelayRing.h"

namespace qp::dsp {

CDelayRing::CDelayRing(int length)
    : m_storage(std::make_unique<float[]>(2 * static_cast<std::size_t>(length > 0 ? length : 1))),
      m_length(length > 0 ? length : 1) {}

}  // namespace qp::dsp
