#include "app/key_codes.h"

#include <gtest/gtest.h>

#include <Qt>
#include <utility>

namespace vorlund::app {
namespace {

TEST(KeyCodes, QtKeysBecomeTheWindowsCodesOfTheKeyTables) {
  const std::pair<int, int> keys[] = {
      {Qt::Key_Escape, 27}, {Qt::Key_Left, 37}, {Qt::Key_Up, 38},   {Qt::Key_Right, 39},
      {Qt::Key_Down, 40},   {Qt::Key_0, 48},    {Qt::Key_9, 57},    {Qt::Key_A, 65},
      {Qt::Key_B, 66},      {Qt::Key_Z, 90},    {Qt::Key_F1, 112},  {Qt::Key_F4, 115},
      {Qt::Key_F5, 116},    {Qt::Key_F10, 121}, {Qt::Key_F12, 123}, {Qt::Key_Home, 0},
      {Qt::Key_F13, 0},     {Qt::Key_Exclam, 0}};
  for (auto [qt, code] : keys) EXPECT_EQ(virtualKey(qt), code) << std::hex << qt;
}

}  // namespace
}  // namespace vorlund::app
