// The gravity kernel, written once. Highway compiles it for every instruction
// set it knows on this architecture (plain scalar code, SSSE3, SSE4, AVX2,
// AVX-512 on x86-64) and picks the best the processor runs at the first call.
// The build compiles this file with -ffp-contract=off: the AVX2 and AVX-512
// variants may use fused multiply-add instructions, and one fused operation
// would give those machines different bits from the others.
#include "solar/kick_terms.h"

#include "state/solar_state.h"

#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "solar/kick_terms.cpp"
#include <hwy/foreach_target.h>  // includes this file again once per target
#include <hwy/highway.h>

HWY_BEFORE_NAMESPACE();
namespace vorlund::HWY_NAMESPACE {
namespace hn = hwy::HWY_NAMESPACE;

using Row = std::array<double, kBodyCount>;

// Body k's snapshot, copied out of the scratch so that the compiler need not
// read it again after every store of a kick.
struct Mover {
  double hiX, hiY, hiZ, loX, loY, loZ;
};

// The separations of attractors j.. from the mover along one axis, taken
// from the high parts and the remainders of the snapshots, so that they keep
// the precision of the extended positions.
template <class D>
HWY_INLINE hn::Vec<D> apart(D d, const Row& hi, const Row& lo, int j, double moverHi,
                            double moverLo) {
  return hn::Add(hn::Sub(hn::LoadU(d, &hi[j]), hn::Set(d, moverHi)),
                 hn::Sub(hn::LoadU(d, &lo[j]), hn::Set(d, moverLo)));
}

// The kicks of as many attractors from j on as the descriptor has lanes.
template <class D>
HWY_INLINE void kickLanes(D d, GravityScratch& s, const Mover& m, int j) {
  const auto dx = apart(d, s.hiX, s.loX, j, m.hiX, m.loX);
  const auto dy = apart(d, s.hiY, s.loY, j, m.hiY, m.loY);
  const auto dz = apart(d, s.hiZ, s.loZ, j, m.hiZ, m.loZ);
  const auto r2 = hn::Add(hn::Add(hn::Mul(dx, dx), hn::Mul(dy, dy)), hn::Mul(dz, dz));
  const auto f = hn::Div(hn::LoadU(d, &s.pull[j]),
                         hn::Mul(hn::Sub(r2, hn::LoadU(d, &s.reach2[j])), hn::Sqrt(r2)));
  hn::StoreU(hn::Mul(f, dx), d, &s.kickX[j]);
  hn::StoreU(hn::Mul(f, dy), d, &s.kickY[j]);
  hn::StoreU(hn::Mul(f, dz), d, &s.kickZ[j]);
}

void KickTerms(GravityScratch& s, int k, int begin, int end) {
  const Mover m{s.hiX[k], s.hiY[k], s.hiZ[k], s.loX[k], s.loY[k], s.loZ[k]};
  const hn::ScalableTag<double> d;
  const int lanes = static_cast<int>(hn::Lanes(d));
  int j = begin;
  for (; j + lanes <= end; j += lanes) kickLanes(d, s, m, j);
  // The rest one pair at a time: the same operations on one lane.
  const hn::CappedTag<double, 1> one;
  for (; j < end; ++j) kickLanes(one, s, m, j);
}

std::int64_t TargetInUse() {
  return HWY_TARGET;
}

}  // namespace vorlund::HWY_NAMESPACE
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace vorlund {

HWY_EXPORT(KickTerms);
HWY_EXPORT(TargetInUse);

void kickTerms(GravityScratch& s, int k, int begin, int end) {
  HWY_DYNAMIC_DISPATCH(KickTerms)(s, k, begin, end);
}

// Listed here rather than by the caller: only this file knows which targets
// it was compiled for.
std::vector<std::int64_t> kickTargets() {
  return hwy::SupportedAndGeneratedTargets();
}

const char* kickTargetName(std::int64_t target) {
  return hwy::TargetName(target);
}

void forceKickTarget(std::int64_t target) {
  hwy::SetSupportedTargetsForTest(target);
}

std::int64_t kickTargetInUse() {
  return HWY_DYNAMIC_DISPATCH(TargetInUse)();
}

}  // namespace vorlund
#endif
