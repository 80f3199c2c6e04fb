#include "panels/sheet_model.h"

#include <string_view>
#include <utility>

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

// Byte offset of character `column` of a sheet line.
std::size_t byteOffset(const std::string& line, int column) {
  return utf8Prefix(line, static_cast<std::size_t>(column)).size();
}

}  // namespace

void layForm(SheetModel& sheet) {
  for (int i = 0; i < SheetModel::kLines; ++i) {
    sheet.lines_[i] = std::string(kForm[i]);
    sheet.styles_[i].fill(kStylePlain);
  }
  sheet.savedSelStart_ = 5;
  ++sheet.revision_;
}

void sheetWriteField(SheetModel& sheet, SheetFieldPlace place, const std::string& value,
                     Overlong overlong) {
  const std::string valid = utf8Repaired(value);
  const auto width = static_cast<std::size_t>(place.width);
  std::string text;
  if (utf8Length(valid) <= width || overlong == Overlong::Cut) {
    text = utf8Prefix(valid, width);
    text.append(width - utf8Length(text), ' ');
  } else {
    text.assign(width, kSheetOverflowMark);
  }
  auto& line = sheet.lines_[place.line - 1];
  const std::size_t from = byteOffset(line, place.column);
  const std::size_t to = byteOffset(line, place.column + place.width);
  line.replace(from, to - from, text);
  auto& styles = sheet.styles_[place.line - 1];
  for (int i = 0; i < place.width; ++i) styles[place.column + i] |= place.style;
  ++sheet.revision_;
}

void sheetSetCaption(SheetModel& sheet, std::string caption) {
  sheet.caption_ = std::move(caption);
  ++sheet.revision_;
}

void sheetSetHidden(SheetModel& sheet, bool hidden) {
  sheet.hidden_ = hidden;
}

}  // namespace vorlund
