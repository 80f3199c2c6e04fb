#pragma once
#include <string>

#include "panels/sheet_model.h"

namespace vorlund {

struct Game;

enum class SheetField { Name, Race, Extra, ST, BareHand, Wounds, DX, Experience };

// Writes one field of the sheet's fighter (slot 1 for "Us", 2 for "Them");
// every call first rewrites the extra field.
void sheetFill(Game& g, int slot, SheetField field);

// Rewrites both sheets and their captions.
void refreshSheets(Game& g);

// "Us" and "Them" captions as the Names click and refresh write them.
std::string sheetCaption(const Game& g, int slot);

}  // namespace vorlund
