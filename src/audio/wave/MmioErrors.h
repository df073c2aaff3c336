#pragma once

namespace qp {

// Error codes kept by WaveFileReader::lastError(); the values are those of the classic RIFF
// file service so that logs and scripts can compare them with other tools' output.
inline constexpr int MMSYSERR_NOERROR = 0;
inline constexpr int MMIOERR_OUTOFMEMORY = 258;
inline constexpr int MMIOERR_CANNOTOPEN = 259;
inline constexpr int MMIOERR_CANNOTREAD = 261;
inline constexpr int MMIOERR_CANNOTSEEK = 263;
inline constexpr int MMIOERR_CHUNKNOTFOUND = 265;
inline constexpr int MMIOERR_INVALIDFILE = 272;

}  // namespace qp
