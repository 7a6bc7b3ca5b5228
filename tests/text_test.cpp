#include <gtest/gtest.h>

#include "ui/Text.h"

using namespace ui;

TEST(Numbers, ReadTheLeadingNumberLikeAtof) {
  EXPECT_DOUBLE_EQ(ToReal("12.5mm"), 12.5);
  EXPECT_DOUBLE_EQ(ToReal("  -3.25"), -3.25);
  EXPECT_DOUBLE_EQ(ToReal("+7"), 7);
  EXPECT_DOUBLE_EQ(ToReal(".5"), 0.5);
  EXPECT_DOUBLE_EQ(ToReal("1e3x"), 1000);
  EXPECT_DOUBLE_EQ(ToReal("2e"), 2);
  EXPECT_DOUBLE_EQ(ToReal(""), 0);
  EXPECT_DOUBLE_EQ(ToReal("abc"), 0);
  EXPECT_DOUBLE_EQ(ToReal("-"), 0);
  // Typed text never turns into a non-finite number.
  EXPECT_DOUBLE_EQ(ToReal("inf"), 0);
  EXPECT_DOUBLE_EQ(ToReal("nan"), 0);
  EXPECT_DOUBLE_EQ(ToReal("0x10"), 0);
  EXPECT_EQ(ToInt("42x"), 42);
  EXPECT_EQ(ToInt(" -7"), -7);
  EXPECT_EQ(ToInt("4.9"), 4);
  EXPECT_EQ(ToInt("x1"), 0);
  EXPECT_EQ(ToInt("99999999999"), 2147483647);
}

TEST(Numbers, FormatAsTheFilesWriteThem) {
  EXPECT_EQ(FormatFixed(123.5), "123.500000");
  EXPECT_EQ(FormatFixed(-0.0000004), "-0.000000");
  EXPECT_EQ(FormatExp(150), "1.500000e+002");
  EXPECT_EQ(FormatExp(0), "0.000000e+000");
  EXPECT_EQ(FormatExp(-0.00125), "-1.250000e-003");
  EXPECT_EQ(FormatExp(1.5e120), "1.500000e+120");
  EXPECT_EQ(FormatWhole(157.9), "157");
  EXPECT_EQ(FormatWhole(-2.7), "-2");
  // Six decimals first, then the fraction is cut off: a value a hair below
  // a whole number is that number.
  EXPECT_EQ(FormatWhole(299.9999999), "300");
  EXPECT_EQ(FormatWhole(157.9999994), "157");
  EXPECT_EQ(FormatWhole(-0.0000001), "0");
  EXPECT_DOUBLE_EQ(Whole(149.99999995), 150);
}

TEST(ListFields, FollowTheRemainderRule) {
  EXPECT_EQ(GetListField("a,b,c", 4, ','), "c");
  EXPECT_EQ(GetListField("a,b,c,", 4, ','), "");
  EXPECT_EQ(GetListField("abc", 2, ','), "abc");
  EXPECT_EQ(GetListField("a,b", 0, ','), "");
  EXPECT_EQ(GetListField("0-2-1-3", 3, '-'), "1");
  EXPECT_EQ(GetListField("0-2", 4, '-'), "2");
}
