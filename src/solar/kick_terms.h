#pragma once
#include <cstdint>
#include <vector>

namespace vorlund {
struct GravityScratch;

// The velocity change each attractor j in [begin, end) gives body k in one
// gravity step, pull / ((r^2 - reach^2) * r) along the separation r, into
// the scratch's kick arrays. Worked in doubles, one square root and one
// division per pair, as many pairs at a time as the processor's vectors
// hold. Every operation is a single correctly rounded one and none is fused
// with another, so the result is the same bits on every processor.
void kickTerms(GravityScratch& s, int k, int begin, int end);

// The instruction sets the kernel is built for that this processor runs,
// best first, each as a Highway target bit. The game runs on the first.
// While one is forced (below), only that one is listed.
std::vector<std::int64_t> kickTargets();

// "AVX2", "SSE4", "SCALAR", ...
const char* kickTargetName(std::int64_t target);

// Runs the kernel on one of kickTargets() from now on, so that tests and
// benchmarks can compare them on one machine; 0 goes back to the best.
void forceKickTarget(std::int64_t target);

// The target the kernel runs on now.
std::int64_t kickTargetInUse();

}  // namespace vorlund
