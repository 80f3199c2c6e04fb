#pragma once

namespace vorlund {

struct Game;
struct TCharacterDMG;

// r throws himself at o: a tackle (an encoil for a boa), a grab that is
// shaken off, or a grab that earns a punch to the heart. It is r's action.
void rush(Game& g, TCharacterDMG& r, TCharacterDMG& o);

// f steps away from o, or, locked in one cell with him, tries to slip out.
void disengageAttempt(Game& g, TCharacterDMG& f, TCharacterDMG& o);

}  // namespace vorlund
