#pragma once
#include <string>

namespace vorlund {
struct Game;

// A click on line `text` of the farm menu.
void farmMenuClick(Game& g, const std::string& text);

// Brings the fighter of farm slot k into the arena (slot 1) and moves the
// farm fighters after him one slot down, leaving slot 8 free.
void takeIntoArena(Game& g, int k);

}  // namespace vorlund
