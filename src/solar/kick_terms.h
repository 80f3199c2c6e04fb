#pragma once

namespace vorlund {
struct GravityScratch;

// The velocity change each attractor j in [begin, end) gives body k in one
// gravity step, pull / ((r^2 - reach^2) * r) along the separation r, into
// the scratch's kick arrays. Worked in doubles, one square root and one
// division per pair, several pairs at a time where the processor can. Every
// operation is a single correctly rounded one, so the result is the same on
// every processor.
void kickTerms(GravityScratch& s, int k, int begin, int end);

}  // namespace vorlund
