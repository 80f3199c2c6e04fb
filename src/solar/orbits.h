#pragma once

namespace vorlund {
struct Game;

// The gravity step: body k is pulled by body j and then moves by its new
// velocity. Worked from the snapshots of both, in extended precision, as the
// plain formula reads: no guard against a zero distance.
void gravityStep(Game& g, int k, int j);

// Turns body i about its axis by one tick's share of its rotation.
void spinBody(Game& g, int i);

// The tick's solar-system step: for bodies last..0, spin, snapshot, then one
// gravity step against every other body in increasing order.
void orbitAdvance(Game& g);

// The same step made of plain gravity steps, one pair at a time. The shipped
// advance is measured and tested against it.
void orbitAdvanceStepwise(Game& g);

}  // namespace vorlund
