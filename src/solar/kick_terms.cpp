#include "solar/kick_terms.h"

#include <cmath>

#include "solar/solar_state.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VORLUND_X86_LANES 1
#include <immintrin.h>
#endif

namespace vorlund {
namespace {

// One pair. The separation is taken from the high parts and the remainders
// of the two snapshots, so it keeps the precision of the extended positions.
inline void kickOne(GravityScratch& s, int k, int j) {
  const double dx = (s.hiX[j] - s.hiX[k]) + (s.loX[j] - s.loX[k]);
  const double dy = (s.hiY[j] - s.hiY[k]) + (s.loY[j] - s.loY[k]);
  const double dz = (s.hiZ[j] - s.hiZ[k]) + (s.loZ[j] - s.loZ[k]);
  const double r2 = dx * dx + dy * dy + dz * dz;
  const double f = s.pull[j] / ((r2 - s.reach2[j]) * std::sqrt(r2));
  s.kickX[j] = f * dx;
  s.kickY[j] = f * dy;
  s.kickZ[j] = f * dz;
}

#ifdef VORLUND_X86_LANES

// The same arithmetic as kickOne, two pairs at a time (every x86-64 has SSE2).
void kickTermsSse2(GravityScratch& s, int k, int begin, int end) {
  const __m128d hx = _mm_set1_pd(s.hiX[k]), hy = _mm_set1_pd(s.hiY[k]), hz = _mm_set1_pd(s.hiZ[k]);
  const __m128d lx = _mm_set1_pd(s.loX[k]), ly = _mm_set1_pd(s.loY[k]), lz = _mm_set1_pd(s.loZ[k]);
  int j = begin;
  for (; j + 2 <= end; j += 2) {
    const __m128d dx = (_mm_loadu_pd(&s.hiX[j]) - hx) + (_mm_loadu_pd(&s.loX[j]) - lx);
    const __m128d dy = (_mm_loadu_pd(&s.hiY[j]) - hy) + (_mm_loadu_pd(&s.loY[j]) - ly);
    const __m128d dz = (_mm_loadu_pd(&s.hiZ[j]) - hz) + (_mm_loadu_pd(&s.loZ[j]) - lz);
    const __m128d r2 = dx * dx + dy * dy + dz * dz;
    const __m128d f =
        _mm_loadu_pd(&s.pull[j]) / ((r2 - _mm_loadu_pd(&s.reach2[j])) * _mm_sqrt_pd(r2));
    _mm_storeu_pd(&s.kickX[j], f * dx);
    _mm_storeu_pd(&s.kickY[j], f * dy);
    _mm_storeu_pd(&s.kickZ[j], f * dz);
  }
  for (; j < end; ++j) kickOne(s, k, j);
}

// Four pairs at a time.
__attribute__((target("avx"))) void kickTermsAvx(GravityScratch& s, int k, int begin, int end) {
  const __m256d hx = _mm256_set1_pd(s.hiX[k]), hy = _mm256_set1_pd(s.hiY[k]),
                hz = _mm256_set1_pd(s.hiZ[k]);
  const __m256d lx = _mm256_set1_pd(s.loX[k]), ly = _mm256_set1_pd(s.loY[k]),
                lz = _mm256_set1_pd(s.loZ[k]);
  int j = begin;
  for (; j + 4 <= end; j += 4) {
    const __m256d dx = (_mm256_loadu_pd(&s.hiX[j]) - hx) + (_mm256_loadu_pd(&s.loX[j]) - lx);
    const __m256d dy = (_mm256_loadu_pd(&s.hiY[j]) - hy) + (_mm256_loadu_pd(&s.loY[j]) - ly);
    const __m256d dz = (_mm256_loadu_pd(&s.hiZ[j]) - hz) + (_mm256_loadu_pd(&s.loZ[j]) - lz);
    const __m256d r2 = dx * dx + dy * dy + dz * dz;
    const __m256d f =
        _mm256_loadu_pd(&s.pull[j]) / ((r2 - _mm256_loadu_pd(&s.reach2[j])) * _mm256_sqrt_pd(r2));
    _mm256_storeu_pd(&s.kickX[j], f * dx);
    _mm256_storeu_pd(&s.kickY[j], f * dy);
    _mm256_storeu_pd(&s.kickZ[j], f * dz);
  }
  for (; j < end; ++j) kickOne(s, k, j);
}

bool haveAvx() {
  static const bool have = __builtin_cpu_supports("avx");
  return have;
}

#endif

}  // namespace

void kickTerms(GravityScratch& s, int k, int begin, int end) {
#ifdef VORLUND_X86_LANES
  if (haveAvx())
    kickTermsAvx(s, k, begin, end);
  else
    kickTermsSse2(s, k, begin, end);
#else
  for (int j = begin; j < end; ++j) kickOne(s, k, j);
#endif
}

}  // namespace vorlund
