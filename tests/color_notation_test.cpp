// Tests of the colour notation: names and #RRGGBB codes, both ways.
#include "color/notation.h"

#include <gtest/gtest.h>

TEST(ParseColorText, DecodesAHexCodeInEitherCase)
{
    COLORREF color = 0xDEADBEEF;
    ASSERT_TRUE(ParseColorText("#ff8000", &color));
    EXPECT_EQ(RGB(255, 128, 0), color);
}
