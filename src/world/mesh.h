#pragma once

namespace vorlund {

struct WorldState;

// Copies the cell positions for the corner matching and marks the mesh copied.
void CopyDusty(WorldState& w);

// The centre of every triangle, from its points rounded to singles.
void computeTriangleCentres(WorldState& w);

// Finds for every triangle point the cell it sits on, by exact equality of all
// three coordinates; the highest matching cell number wins, no match leaves 0.
// Does nothing before the mesh is copied.
void AssignTriang(WorldState& w);

}  // namespace vorlund
