#pragma once
#include <string>

namespace vorlund {
struct Game;

// "pay for breeding": the player's fighter goes to the farm and the farm
// menu opens.
void payForBreeding(Game& g);

// A click on line `text` of the farm menu.
void farmMenuClick(Game& g, const std::string& text);

}  // namespace vorlund
