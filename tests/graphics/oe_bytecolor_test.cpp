#include <vellmark/graphics/oe_bytealphacolor.h>
#include <vellmark/graphics/oe_floatalphacolor.h>
#include <vellmark/graphics/oe_floatcolorhsv.h>

#include "support/oe_messagerecorder.h"

#include <gtest/gtest.h>

namespace
{
    struct NamedCase
    {
        int iColor;
        int iRed, iGreen, iBlue;
    };

    // Spot checks across the table: greys, the four shades, the mixed colours, both ends and beyond.
    NamedCase const kNamed[] = {
        {0, 0, 0, 0},       {1, 255, 255, 255},  {2, 192, 192, 192},  {6, 211, 211, 211}, {7, 128, 138, 135},
        {8, 128, 128, 105}, {9, 255, 0, 0},      {12, 79, 0, 0},      {14, 0, 175, 0},    {19, 0, 0, 127},
        {22, 0, 175, 175},  {28, 79, 79, 0},     {31, 127, 0, 127},   {33, 41, 36, 33},   {35, 237, 145, 33},
        {37, 8, 46, 84},    {38, 135, 206, 235}, {42, 218, 112, 214}, {44, 143, 94, 153}, {47, 115, 61, 26},
        {49, 255, 125, 64}, {50, 240, 230, 140}, {51, 0, 0, 0},       {-1, 0, 0, 0},      {1000, 0, 0, 0},
    };

    bCColorBase::bEColor Named(int a_iValue)
    {
        return static_cast<bCColorBase::bEColor>(a_iValue);
    }
} // namespace

TEST(bCByteColor, NamedColorsInEveryClass)
{
    for (NamedCase const & c : kNamed)
    {
        SCOPED_TRACE(testing::Message() << "colour " << c.iColor);
        bool const bKnown = c.iColor >= 1 && c.iColor <= 50;
        bCByteColor const Byte(Named(c.iColor));
        EXPECT_EQ(Byte,
                  bCByteColor(static_cast<OEU8>(c.iRed), static_cast<OEU8>(c.iGreen), static_cast<OEU8>(c.iBlue)));

        bCByteAlphaColor const ByteAlpha(Named(c.iColor));
        EXPECT_EQ(ByteAlpha, bCByteAlphaColor(Byte, 255));

        bCFloatAlphaColor const FloatAlpha(Named(c.iColor));
        EXPECT_EQ(FloatAlpha.GetRed(), c.iRed / 255.0f);
        EXPECT_EQ(FloatAlpha.GetGreen(), c.iGreen / 255.0f);
        EXPECT_EQ(FloatAlpha.GetBlue(), c.iBlue / 255.0f);
        EXPECT_EQ(FloatAlpha.GetAlpha(), 1.0f);

        bCFloatColorHSV const Hsv(Named(c.iColor));
        EXPECT_EQ(Hsv, bCFloatColorHSV(bCFloatColor(Byte)));
        EXPECT_EQ(Hsv.GetValue() == 0.0f, !bKnown || c.iColor == 0);

    }
}

TEST(bCByteColor, SixteenBitPackersKeepTopBits)
{
    struct Case
    {
        int iRed, iGreen, iBlue;
        unsigned short u555, u565;
    };
    Case const arrCases[] = {
        {255, 255, 255, 0x7FFF, 0xFFFF}, {0, 0, 0, 0x0000, 0x0000},      {255, 0, 0, 0x7C00, 0xF800},
        {0, 255, 0, 0x03E0, 0x07E0},     {0, 0, 255, 0x001F, 0x001F},    {7, 3, 7, 0x0000, 0x0000},
        {8, 4, 8, 0x0401, 0x0821},       {200, 100, 50, 0x6586, 0xCB26},
    };
    for (Case const & c : arrCases)
    {
        SCOPED_TRACE(testing::Message() << c.iRed << "," << c.iGreen << "," << c.iBlue);
        bCByteColor const Color(static_cast<OEU8>(c.iRed), static_cast<OEU8>(c.iGreen), static_cast<OEU8>(c.iBlue));
        EXPECT_EQ(Color.GetColor_RGB_555(), c.u555);
        EXPECT_EQ(Color.GetColor_RGB_565(), c.u565);

        bCByteColor Back;
        Back.SetColor_RGB_555(c.u555);
        EXPECT_EQ(Back, bCByteColor(static_cast<OEU8>(c.iRed & 0xF8), static_cast<OEU8>(c.iGreen & 0xF8),
                                    static_cast<OEU8>(c.iBlue & 0xF8)));
        Back.SetColor_RGB_565(c.u565);
        EXPECT_EQ(Back, bCByteColor(static_cast<OEU8>(c.iRed & 0xF8), static_cast<OEU8>(c.iGreen & 0xFC),
                                    static_cast<OEU8>(c.iBlue & 0xF8)));
    }
    bCByteColor White;
    White.SetColor_RGB_565(0xFFFF);
    EXPECT_EQ(White, bCByteColor(248, 252, 248));
    White.SetColor_RGB_555(0x8000); // the spare bit is ignored
    EXPECT_EQ(White, bCByteColor(0, 0, 0));
}

TEST(bCByteColor, WrappingSaturatingAndScaledArithmetic)
{
    bCByteColor const A(200, 10, 255);
    bCByteColor const B(100, 20, 1);
    EXPECT_EQ(A + B, bCByteColor(44, 30, 0));
    EXPECT_EQ(B - A, bCByteColor(156, 10, 2));
    bCByteColor Sat(A);
    Sat.AddClamped(B);
    EXPECT_EQ(Sat, bCByteColor(255, 30, 255));
    Sat = B;
    Sat.SubClamped(A);
    EXPECT_EQ(Sat, bCByteColor(0, 10, 0));

    EXPECT_EQ(~A, bCByteColor(55, 245, 0));
    EXPECT_EQ(-A, ~A);

    EXPECT_EQ(A * bCByteColor(255, 255, 255), A);
    EXPECT_EQ(A * bCByteColor(0, 128, 0), bCByteColor(0, 5, 0));
    EXPECT_EQ(A * static_cast<OEU8>(255), A);
    EXPECT_EQ(bCByteColor(100, 0, 50) / bCByteColor(200, 0, 25), bCByteColor(128, 0, 255));
    EXPECT_EQ(A / static_cast<OEU8>(255), A);

    bCByteAlphaColor const AA(200, 0, 0, 250);
    bCByteAlphaColor const BA(100, 0, 0, 10);
    EXPECT_EQ(AA + BA, bCByteAlphaColor(44, 0, 0, 4));
    EXPECT_EQ(~AA, bCByteAlphaColor(55, 255, 255, 5));
    bCByteAlphaColor SatA(AA);
    SatA.AddClamped(BA);
    EXPECT_EQ(SatA, bCByteAlphaColor(255, 0, 0, 255));
    EXPECT_NE(AA, bCByteAlphaColor(200, 0, 0, 251)) << "alpha takes part in equality";
}

TEST(bCByteColor, FloatConversionsTruncate)
{
    bCFloatColor const Float(1.0f, 0.5f, 0.999f);
    EXPECT_EQ(bCByteColor(Float), bCByteColor(255, 127, 254));
    bCFloatAlphaColor const FloatAlpha(0.0f, 0.25f, 1.0f, 0.5f);
    EXPECT_EQ(bCByteAlphaColor(FloatAlpha), bCByteAlphaColor(0, 63, 255, 127));
    EXPECT_EQ(bCFloatAlphaColor(bCByteAlphaColor(255, 0, 51, 102)), bCFloatAlphaColor(1.0f, 0.0f, 0.2f, 0.4f));
    bCByteAlphaColor KeepsAlpha(1, 2, 3, 77);
    KeepsAlpha.SetColor(bCByteColor(9, 8, 7));
    EXPECT_EQ(KeepsAlpha, bCByteAlphaColor(9, 8, 7, 77));
}

TEST(bCByteColor, SetBlendReportsItIsNotImplemented)
{
    bCMessageRecorder Recorder;
    bCByteColor Color(1, 2, 3);
    Color.SetBlend(bCByteColor(9, 9, 9), bCByteColor(0, 0, 0), 1, 1);
    EXPECT_EQ(Color, bCByteColor(1, 2, 3));
    EXPECT_EQ(Recorder.GetAll(), "The method  bCByteColor::SetBlend was called, but has not yet been implemented!\n");
}
