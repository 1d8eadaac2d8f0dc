#include "catalogue/Encoding.h"

#include <gtest/gtest.h>

namespace cvn {
namespace {

TEST(Encoding, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int i = 0; i < 256; ++i) {
        all += static_cast<char>(i);
    }
    const std::string utf8 = Win1252ToUtf8(all);
    EXPECT_EQ(Utf8ToWin1252(utf8), all);
    for (int i = 0; i < 256; ++i) {
        const std::string one(1, static_cast<char>(i));
        EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(one)), one) << i;
    }
}

TEST(Encoding, MapsTheCataloguesSpecialCharacters) {
    EXPECT_EQ(Win1252ToUtf8("90\xb0 Twist"), "90\u00b0 Twist");
    EXPECT_EQ(Win1252ToUtf8("\x80 \x96 \x99"), "\u20ac \u2013 \u2122");
    EXPECT_EQ(Win1252ToUtf8("\x81"), "\u0081");
    EXPECT_EQ(Utf8ToWin1252("\u00b0\u00e9\u2019"), "\xb0\xe9\x92");
    EXPECT_EQ(Win1252CodePoint(0x9f), U'\u0178');
}

TEST(Encoding, UnmappableAndMalformedInputNeverFails) {
    EXPECT_EQ(Utf8ToWin1252("\u4e2d|\U0001F600"), "?|?");
    EXPECT_EQ(Utf8ToWin1252("a\xff"
                            "b"),
              "a\xff"
              "b");                                           // stray byte kept
    EXPECT_EQ(Utf8ToWin1252("\xe2\x82"), "\xe2\x82");         // cut sequence kept
    EXPECT_EQ(Utf8ToWin1252("\xc0\xaf"), "\xc0\xaf");         // overlong form kept
    EXPECT_EQ(Utf8ToWin1252("\xed\xa0\x80"), "\xed\xa0\x80"); // surrogate kept
}

} // namespace
} // namespace cvn
