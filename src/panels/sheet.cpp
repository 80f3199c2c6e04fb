#include "panels/sheet.h"

#include "shell/game.h"

namespace vorlund {
namespace {

bool devilish(std::int32_t v) {
  return v == 666;
}

// ST or DX with its adjustment: the adjustment shows only when it says
// something (not 0 and not equal to the value); 666 shows as " ~" in both.
void writeScore(SheetModel& sheet, int line, std::int32_t value, std::int32_t adj) {
  const SheetFieldPlace main{line, 3, 4, kStyleUnderline};
  const SheetFieldPlace adjPlace{line, 8, 3, kStyleUnderline};
  if (devilish(value)) {
    sheetWriteField(sheet, main, " ~");
    sheetWriteField(sheet, adjPlace, " ~");
    return;
  }
  sheetWriteField(sheet, main, std::to_string(value));
  const bool showAdj = adj != 0 && adj != value;
  sheetWriteField(sheet, adjPlace, showAdj ? std::to_string(adj) : "");
}

std::string bareHandText(const TCharacterDMG& c) {
  std::string text = " " + std::to_string(c.Bare_hand_D);
  if (c.Bare_hand_Mod > 0) text += "+" + std::to_string(c.Bare_hand_Mod);
  if (c.Bare_hand_Mod < 0) text += std::to_string(c.Bare_hand_Mod);
  return text;
}

std::string extraText(std::int32_t extra) {
  if (extra == 0) return std::string(11, ' ');
  std::string number = std::to_string(extra);
  if (number.size() > 5) number.assign(5, kSheetOverflowMark);
  if (number.size() < 5) number.insert(0, 5 - number.size(), ' ');
  return "extra:" + number;
}

SheetModel& sheetOf(Game& g, int slotNumber) {
  return slotNumber == 1 ? g.us : g.them;
}

}  // namespace

void sheetFill(Game& g, int slotNumber, SheetField field) {
  SheetModel& sheet = sheetOf(g, slotNumber);
  if (sheet.hidden()) return;
  const TCharacterDMG& c = slot(g, slotNumber);
  sheetWriteField(sheet, {3, 0, 11, kStylePlain}, extraText(c.Extra));
  switch (field) {
    case SheetField::Name:
      sheetWriteField(sheet, {1, 5, 34, kStyleUnderline}, c.Name_String, Overlong::Cut);
      break;
    case SheetField::Race:
      sheetWriteField(sheet, {2, 5, 28, kStyleUnderline}, c.Race, Overlong::Cut);
      break;
    case SheetField::Extra:
      break;
    case SheetField::ST:
      writeScore(sheet, 4, c.ST, c.ST_adj);
      break;
    case SheetField::BareHand:
      sheetWriteField(sheet, {4, 23, 6, kStyleUnderline}, bareHandText(c));
      break;
    case SheetField::Wounds:
      sheetWriteField(sheet, {4, 38, 13, kStyleRed}, " " + std::to_string(c.Wounds));
      break;
    case SheetField::DX:
      writeScore(sheet, 6, c.DX, c.DX_adj);
      break;
    case SheetField::Experience:
      sheetWriteField(sheet, {6, 24, 5, kStyleUnderline}, " " + std::to_string(c.EP));
      break;
  }
}

std::string sheetCaption(const Game& g, int slotNumber) {
  const TCharacterDMG& c = slot(g, slotNumber);
  return c.Name_String.str() + "  $" + std::to_string(c.Coin);
}

void refreshSheets(Game& g) {
  for (int s : {1, 2}) {
    if (sheetOf(g, s).hidden()) continue;
    for (SheetField f : {SheetField::Name, SheetField::Race, SheetField::ST, SheetField::BareHand,
                         SheetField::Wounds, SheetField::DX, SheetField::Experience})
      sheetFill(g, s, f);
    sheetSetCaption(sheetOf(g, s), sheetCaption(g, s));
  }
}

}  // namespace vorlund
