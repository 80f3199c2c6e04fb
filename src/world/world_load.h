#pragma once

namespace vorlund {
struct Game;

// Loads the hex sphere ("aorb1.orb", "atri1.tri") and lays out its triangles.
// Returns false, after showing "Cannot open file " + name, when a mesh file is
// missing or unusable: start-up stops there.
bool loadWorld(Game& g);

// The same into cell tables already sized (every cell table but the triangle
// ones is kept as it stands until the files overwrite it).
bool loadMesh(Game& g);

// Loads or computes the ring table, sets up the cell cursor, then loads or
// computes the neighbour table.
void setupTables(Game& g);

// Writes the ring table to "adia2.equ" (every shutdown).
void saveRingTable(Game& g);

// The cell cursor's start: shown, on cell 268, first ring position, with its
// pole and antipode.
void setUpCellCursor(Game& g);

}  // namespace vorlund
