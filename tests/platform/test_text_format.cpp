// The classic formatter and the display-cell count that stands for Shift-JIS byte counts.
#include <gtest/gtest.h>

#include <climits>

#include "platform/platform.h"

namespace {

using platform::DisplayCells;
using platform::Format;
using platform::PrefixByCells;

TEST(Format, NumbersWithWidthsSignsAndZeros) {
  EXPECT_EQ(Format("%2d", 5), " 5");
  EXPECT_EQ(Format("%2d", 12), "12");
  EXPECT_EQ(Format("%2d", 123), "123");  // a width never cuts
  EXPECT_EQ(Format("%2d", -5), "-5");
  EXPECT_EQ(Format("%3d", -5), " -5");
  EXPECT_EQ(Format("%03d", -5), "-05");
  EXPECT_EQ(Format("%-3d|", 7), "7  |");
  EXPECT_EQ(Format("%d", INT_MIN), "-2147483648");
  EXPECT_EQ(Format("%ld", -1234567890L), "-1234567890");
  EXPECT_EQ(Format("%u", 4000000000u), "4000000000");
  EXPECT_EQ(Format("%x %X", 255u, 255u), "ff FF");
  EXPECT_EQ(Format("%s %2d - %2d  %s", "JPN", 3, 10, "BRA"), "JPN  3 - 10  BRA");
}

TEST(Format, TextsArePaddedByDisplayCells) {
  EXPECT_EQ(Format("%-6s|", "日本"), "日本  |");
  EXPECT_EQ(Format("%6s|", "日本"), "  日本|");
  EXPECT_EQ(Format("%-4s|", "ｱｲ"), "ｱｲ  |");
  EXPECT_EQ(Format("%2s", "ブラジル"), "ブラジル");
  EXPECT_EQ(Format("ワールドカップ %s地区予選 ラウンド %d", "アジア", 2),
            "ワールドカップ アジア地区予選 ラウンド 2");
  const char* volatile missing = nullptr;  // hidden from the compiler's format check
  EXPECT_EQ(Format("%s", missing), "(null)");
  EXPECT_EQ(Format("%c%c", 'O', 'K'), "OK");
  EXPECT_EQ(Format("100%%"), "100%");
}

TEST(DisplayCells, HalfWidthOneCellEverythingElseTwo) {
  EXPECT_EQ(DisplayCells(""), 0);
  EXPECT_EQ(DisplayCells("G O A L !!"), 10);
  EXPECT_EQ(DisplayCells("試 合 開 始"), 11);
  EXPECT_EQ(DisplayCells("ｱｲｳ"), 3);
  EXPECT_EQ(DisplayCells("対戦相手がいません"), 18);
  EXPECT_EQ(DisplayCells("    P K 戦 "), 11);
  // A stray byte counts as one replacement character.
  EXPECT_EQ(DisplayCells("A\x80"
                         "B"),
            4);
}

TEST(DisplayCells, PrefixNeverSplitsAFullWidthCharacter) {
  EXPECT_EQ(PrefixByCells("日本A", 3), "日");
  EXPECT_EQ(PrefixByCells("AB日", 3), "AB");
  EXPECT_EQ(PrefixByCells("AB日", 4), "AB日");
  EXPECT_EQ(PrefixByCells("AB日", 0), "");
  EXPECT_EQ(PrefixByCells("VEXO VEDUZI", 5), "VEXO ");
}

}  // namespace
