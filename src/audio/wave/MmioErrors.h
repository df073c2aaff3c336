#pragma once

namespace qp {

// Error codes kept by WaveFileReader::lastError(). The verbs print them ("error %d"), so the
// numbers are fixed for scripts that check them.
inline constexpr int MMSYSERR_NOERROR = 0;
inline constexpr int MMIOERR_OUTOFMEMORY = 258;
inline constexpr int MMIOERR_CANNOTOPEN = 259;
inline constexpr int MMIOERR_CANNOTREAD = 261;
inline constexpr int MMIOERR_CANNOTSEEK = 263;
inline constexpr int MMIOERR_CHUNKNOTFOUND = 265;
inline constexpr int MMIOERR_INVALIDFILE = 272;

}  // namespace qp
