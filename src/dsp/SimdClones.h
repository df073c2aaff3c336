#pragma once

// QP_DSP_CLONES marks a hot loop function that the compiler builds twice, for the x86-64
// baseline (SSE2) and for AVX2, with every call inside inlined so that the helpers get the
// wider registers too; the dynamic loader picks the version the processor runs.
// Only wider registers are enabled, never fused multiply-add, and every vectorised loop works
// lane by lane in the order the source states, so both versions give the same bits. Other
// targets and compilers, and builds defining QP_DSP_NO_CLONES, get the single ordinary build.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && defined(__linux__) && \
    !defined(QP_DSP_NO_CLONES)
#define QP_DSP_CLONES __attribute__((target_clones("avx2", "default"), flatten))
#else
#define QP_DSP_CLONES
#endif
