#include "panels/sheet.h"

#include <string_view>

#include "shell/game.h"
#include "shell/utf8_text.h"

namespace vorlund {
namespace {

constexpr std::array<std::string_view, SheetModel::kLines> kForm = {
    "NAME __________________________________            |",
    "RACE ____________________________                  |",
    "                              |                    |",
    "ST:____(___) Bare hand:______ |Wounds:             |",
    "                              |                    |",
    "DX:____(___) EXPERIENCE:_____ |____________________|",
};

struct FieldPlace {
  int line;  // 1-based
  int column;
  int width;
  std::uint8_t style;
};

// What a field does with a value longer than itself: a text is cut to the
// field (the caption still shows the whole name); a number fills the field
// with the overflow mark.
enum class Overlong { Cut, Mark };

// Byte offset of character `column` of a sheet line.
std::size_t byteOffset(const std::string& line, int column) {
  return utf8Prefix(line, static_cast<std::size_t>(column)).size();
}

// Writes a value of exactly the field's width, so that the form keeps its
// columns; a character is never cut in half.
void writeField(SheetModel& sheet, FieldPlace place, const std::string& value,
                Overlong overlong = Overlong::Mark) {
  const std::string valid = utf8Repaired(value);
  const auto width = static_cast<std::size_t>(place.width);
  std::string text;
  if (utf8Length(valid) <= width || overlong == Overlong::Cut) {
    text = utf8Prefix(valid, width);
    text.append(width - utf8Length(text), ' ');
  } else {
    text.assign(width, kSheetOverflowMark);
  }
  auto& line = sheet.lines[place.line - 1];
  const std::size_t from = byteOffset(line, place.column);
  const std::size_t to = byteOffset(line, place.column + place.width);
  line.replace(from, to - from, text);
  auto& styles = sheet.styles[place.line - 1];
  for (int i = 0; i < place.width; ++i) styles[place.column + i] |= place.style;
}

bool devilish(std::int32_t v) {
  return v == 666;
}

// ST or DX with its adjustment: the adjustment shows only when it says
// something (not 0 and not equal to the value); 666 shows as " ~" in both.
void writeScore(SheetModel& sheet, int line, std::int32_t value, std::int32_t adj) {
  const FieldPlace main{line, 3, 4, kStyleUnderline};
  const FieldPlace adjPlace{line, 8, 3, kStyleUnderline};
  if (devilish(value)) {
    writeField(sheet, main, " ~");
    writeField(sheet, adjPlace, " ~");
    return;
  }
  writeField(sheet, main, std::to_string(value));
  const bool showAdj = adj != 0 && adj != value;
  writeField(sheet, adjPlace, showAdj ? std::to_string(adj) : "");
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

void layForm(SheetModel& sheet) {
  for (int i = 0; i < SheetModel::kLines; ++i) {
    sheet.lines[i] = std::string(kForm[i]);
    sheet.styles[i].fill(kStylePlain);
  }
  sheet.savedSelStart = 5;
  sheet.savedSelLength = 0;
  ++sheet.revision;
}

void sheetFill(Game& g, int slotNumber, SheetField field) {
  SheetModel& sheet = sheetOf(g, slotNumber);
  if (sheet.hidden) return;
  const TCharacterDMG& c = slot(g, slotNumber);
  writeField(sheet, {3, 0, 11, kStylePlain}, extraText(c.Extra));
  switch (field) {
    case SheetField::Name:
      writeField(sheet, {1, 5, 34, kStyleUnderline}, c.Name_String, Overlong::Cut);
      break;
    case SheetField::Race:
      writeField(sheet, {2, 5, 28, kStyleUnderline}, c.Race, Overlong::Cut);
      break;
    case SheetField::Extra:
      break;
    case SheetField::ST:
      writeScore(sheet, 4, c.ST, c.ST_adj);
      break;
    case SheetField::BareHand:
      writeField(sheet, {4, 23, 6, kStyleUnderline}, bareHandText(c));
      break;
    case SheetField::Wounds:
      writeField(sheet, {4, 38, 13, kStyleRed}, " " + std::to_string(c.Wounds));
      break;
    case SheetField::DX:
      writeScore(sheet, 6, c.DX, c.DX_adj);
      break;
    case SheetField::Experience:
      writeField(sheet, {6, 24, 5, kStyleUnderline}, " " + std::to_string(c.EP));
      break;
  }
  ++sheet.revision;
}

std::string sheetCaption(const Game& g, int slotNumber) {
  const TCharacterDMG& c = slot(g, slotNumber);
  return c.Name_String.str() + "  $" + std::to_string(c.Coin);
}

void refreshSheets(Game& g) {
  for (int s : {1, 2}) {
    if (sheetOf(g, s).hidden) continue;
    for (SheetField f : {SheetField::Name, SheetField::Race, SheetField::ST, SheetField::BareHand,
                         SheetField::Wounds, SheetField::DX, SheetField::Experience})
      sheetFill(g, s, f);
    sheetOf(g, s).caption = sheetCaption(g, s);
  }
}

}  // namespace vorlund
