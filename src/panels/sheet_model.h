#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vorlund {

// Per-character styles of a sheet.
enum SheetStyle : std::uint8_t { kStylePlain = 0, kStyleUnderline = 1, kStyleRed = 2 };

// Fills a number field too long for its width, so that a cut number never
// passes for a different one.
inline constexpr char kSheetOverflowMark = '#';

// A field of the form: where it lies (line 1-based, columns in characters)
// and the style its characters take on.
struct SheetFieldPlace {
  int line;
  int column;
  int width;
  std::uint8_t style;
};

// What a field does with a value longer than itself: a text is cut to the
// field (the caption still shows the whole name); a number fills the field
// with the overflow mark.
enum class Overlong { Cut, Mark };

// One stat sheet ("Us" or "Them"): a fixed six-line form of 52 characters,
// whose blanks are overwritten in place by the fighter's values. Lines are
// UTF-8; columns, widths and styles count characters, not bytes. It changes
// only through the operations below, each of which raises the revision, by
// which views mirror it.
class SheetModel {
 public:
  static constexpr int kLines = 6;
  static constexpr int kWidth = 52;
  using Styles = std::array<std::array<std::uint8_t, kWidth>, kLines>;

  const std::array<std::string, kLines>& lines() const { return lines_; }
  const Styles& styles() const { return styles_; }
  const std::string& caption() const { return caption_; }
  // The caret the control returns to after colouring the wounds.
  int savedSelStart() const { return savedSelStart_; }
  std::uint64_t revision() const { return revision_; }
  // A sheet nobody looks at (that of an arena where odds are counted aside):
  // the rules do not fill it, which spares the fight most of its work.
  bool hidden() const { return hidden_; }

 private:
  friend void layForm(SheetModel& sheet);
  friend void sheetWriteField(SheetModel& sheet, SheetFieldPlace place, const std::string& value,
                              Overlong overlong);
  friend void sheetSetCaption(SheetModel& sheet, std::string caption);
  friend void sheetSetHidden(SheetModel& sheet, bool hidden);

  std::array<std::string, kLines> lines_;
  Styles styles_{};
  std::string caption_;
  int savedSelStart_ = 5;
  std::uint64_t revision_ = 0;
  bool hidden_ = false;
};

// Clears the sheet and lays the blank form.
void layForm(SheetModel& sheet);

// Writes a value of exactly the field's width, so that the form keeps its
// columns, and adds the field's style to its characters; a character is
// never cut in half. An invalid UTF-8 byte is written as U+FFFD.
void sheetWriteField(SheetModel& sheet, SheetFieldPlace place, const std::string& value,
                     Overlong overlong = Overlong::Mark);

// The window's title. Every call counts as a change, so that a view shows
// the caption as it is now even when it reads the same.
void sheetSetCaption(SheetModel& sheet, std::string caption);

void sheetSetHidden(SheetModel& sheet, bool hidden);

}  // namespace vorlund
