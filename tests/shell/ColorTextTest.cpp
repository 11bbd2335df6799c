// Colour text as the settings file keeps it.
#include "ColorText.h"

#include <gtest/gtest.h>

TEST(ColorText, NamedColoursAreWrittenByNameOthersAsBlueGreenRedHex) {
    EXPECT_EQ(ColorToString(0x000000), "clBlack");
    EXPECT_EQ(ColorToString(0x0000FF), "clRed");
    EXPECT_EQ(ColorToString(0xFF0000), "clBlue");
    EXPECT_EQ(ColorToString(0xC0DCC0), "clMoneyGreen");
    EXPECT_EQ(ColorToString(0xA4A0A0), "clMedGray");
    EXPECT_EQ(ColorToString(16384), "$00004000");
    EXPECT_EQ(ColorToString(0x123456), "$00123456");
    EXPECT_EQ(ColorToString(0xABCDEF), "$00ABCDEF");
}

TEST(ColorText, ReadingAcceptsNamesInAnyCaseHexAndDecimal) {
    EXPECT_EQ(StringToColor(u"clNavy"), 0x800000u);
    EXPECT_EQ(StringToColor(u"CLSKYBLUE"), 0xF0CAA6u);
    EXPECT_EQ(StringToColor(u"clcream"), 0xF0FBFFu);
    EXPECT_EQ(StringToColor(u"$00004000"), 16384u);
    EXPECT_EQ(StringToColor(u"$ff"), 0xFFu);
    EXPECT_EQ(StringToColor(u"16384"), 16384u);
    EXPECT_EQ(StringToColor(u" 255 "), 255u);
}

TEST(ColorText, EverythingElseReadsAsMissing) {
    for (const char16_t* text : {u"", u"$", u"clPink", u"red", u"-1", u"16777216", u"$01000000", u"$FF00000F",
                                 u"12abc", u"0x10", u"$12 34", u"+5", u"99999999999999999999"})
        EXPECT_FALSE(StringToColor(text).has_value()) << QString::fromUtf16(text).toStdString();
}

TEST(ColorText, EveryColourSurvivesTheRoundTrip) {
    for (quint32 color : {0x000000u, 0x004000u, 0x808080u, 0xF0FBFFu, 0xFFFFFFu, 0x010203u, 0xFFFFFEu})
        EXPECT_EQ(StringToColor(ColorToString(color)), color);
}

TEST(ColorText, CustomColoursRoundTripAndSurviveDamage) {
    QList<quint32> colors;
    for (int i = 0; i < CustomColorCount; ++i) colors << quint32(i * 0x010101);
    const QString text = CustomColorsToString(colors);
    EXPECT_TRUE(text.startsWith("ColorA=000000,ColorB=010101,"));
    EXPECT_TRUE(text.endsWith("ColorP=0F0F0F"));
    QList<quint32> back;
    StringToCustomColors(text, &back);
    EXPECT_EQ(back, colors);

    QList<quint32> damaged;
    StringToCustomColors(u"ColorC=00FF00,junk,ColorZ=123456,ColorD=xyz,=,,colorb=0000ff", &damaged);
    ASSERT_EQ(damaged.size(), CustomColorCount);
    EXPECT_EQ(damaged[0], 0xFFFFFFu);
    EXPECT_EQ(damaged[1], 0x0000FFu);
    EXPECT_EQ(damaged[2], 0x00FF00u);
    EXPECT_EQ(damaged[3], 0xFFFFFFu);
}
