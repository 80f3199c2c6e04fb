#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vorlund {

struct Game;

// Per-character styles of a sheet.
enum SheetStyle : std::uint8_t { kStylePlain = 0, kStyleUnderline = 1, kStyleRed = 2 };

// One stat sheet ("Us" or "Them"): a fixed six-line form of 52 characters,
// whose blanks are overwritten in place by the fighter's values. Lines are
// UTF-8; columns, widths and styles count characters, not bytes.
struct SheetModel {
  static constexpr int kLines = 6;
  static constexpr int kWidth = 52;
  std::array<std::string, kLines> lines;
  std::array<std::array<std::uint8_t, kWidth>, kLines> styles{};
  std::string caption;
  int savedSelStart = 5;  // caret the control returns to after colouring the wounds
  int savedSelLength = 0;
  std::uint64_t revision = 0;
  // A sheet nobody looks at (that of an arena where odds are counted aside):
  // it is not filled, which spares the fight most of its work.
  bool hidden = false;
};

enum class SheetField { Name, Race, Extra, ST, BareHand, Wounds, DX, Experience };

// Fills a number field too long for its width, so that a cut number never
// passes for a different one.
inline constexpr char kSheetOverflowMark = '#';

// Clears the sheet and lays the blank form.
void layForm(SheetModel& sheet);

// Writes one field of the sheet's fighter (slot 1 for "Us", 2 for "Them");
// every call first rewrites the extra field.
void sheetFill(Game& g, int slot, SheetField field);

// Rewrites both sheets and their captions.
void refreshSheets(Game& g);

// "Us" and "Them" captions as the Names click and refresh write them.
std::string sheetCaption(const Game& g, int slot);

}  // namespace vorlund
