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

    // Spot checks across the table: both ends and beyond, a few between.
    NamedCase const kNamed[] = {
        {0, 0, 0, 0},    {1, 255, 255, 255}, {7, 128, 138, 135}, {9, 255, 0, 0},    {38, 135, 206, 235},
        {50, 240, 230, 140}, {51, 0, 0, 0},  {-1, 0, 0, 0},
    };

    bCColorBase::bEColor Named(int a_iValue)
    {
        return static_cast<bCColorBase::bEColor>(a_iValue);
    }
} // namespace

TEST(bCByteColor, NamedColorsPackersArithmeticAndConversions)
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
        EXPECT_EQ(FloatAlpha.GetGreen(), c.iGreen / 255.0f);
        EXPECT_EQ(FloatAlpha.GetAlpha(), 1.0f);

        bCFloatColorHSV const Hsv(Named(c.iColor));
        EXPECT_EQ(Hsv, bCFloatColorHSV(bCFloatColor(Byte)));
        EXPECT_EQ(Hsv.GetValue() == 0.0f, !bKnown || c.iColor == 0);
    }

    // Sixteen-bit packers keep the top bits.
    struct Case
    {
        int iRed, iGreen, iBlue;
        unsigned short u555, u565;
    };
    Case const arrCases[] = {
        {255, 255, 255, 0x7FFF, 0xFFFF}, {7, 3, 7, 0x0000, 0x0000}, {8, 4, 8, 0x0401, 0x0821},
        {200, 100, 50, 0x6586, 0xCB26},
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
    White.SetColor_RGB_555(0x8000); // the spare bit is ignored
    EXPECT_EQ(White, bCByteColor(0, 0, 0));

    // Wrapping, saturating and scaled arithmetic.
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

    EXPECT_EQ(-A, bCByteColor(55, 245, 0));
    EXPECT_EQ(A * bCByteColor(255, 128, 0), bCByteColor(200, 5, 0));
    EXPECT_EQ(bCByteColor(100, 0, 50) / bCByteColor(200, 0, 25), bCByteColor(128, 0, 255));

    bCByteAlphaColor const AA(200, 0, 0, 250);
    bCByteAlphaColor const BA(100, 0, 0, 10);
    EXPECT_EQ(AA + BA, bCByteAlphaColor(44, 0, 0, 4));
    bCByteAlphaColor SatA(AA);
    SatA.AddClamped(BA);
    EXPECT_EQ(SatA, bCByteAlphaColor(255, 0, 0, 255));
    EXPECT_NE(AA, bCByteAlphaColor(200, 0, 0, 251)) << "alpha takes part in equality";

    // Float conversions truncate.
    bCFloatColor const Float(1.0f, 0.5f, 0.999f);
    EXPECT_EQ(bCByteColor(Float), bCByteColor(255, 127, 254));
    bCFloatAlphaColor const FloatAlpha(0.0f, 0.25f, 1.0f, 0.5f);
    EXPECT_EQ(bCByteAlphaColor(FloatAlpha), bCByteAlphaColor(0, 63, 255, 127));
    EXPECT_EQ(bCFloatAlphaColor(bCByteAlphaColor(255, 0, 51, 102)), bCFloatAlphaColor(1.0f, 0.0f, 0.2f, 0.4f));
    bCByteAlphaColor KeepsAlpha(1, 2, 3, 77);
    KeepsAlpha.SetColor(bCByteColor(9, 8, 7));
    EXPECT_EQ(KeepsAlpha, bCByteAlphaColor(9, 8, 7, 77));

    // SetBlend reports that it is not implemented.
    bCMessageRecorder Recorder;
    bCByteColor Color(1, 2, 3);
    Color.SetBlend(bCByteColor(9, 9, 9), bCByteColor(0, 0, 0), 1, 1);
    EXPECT_EQ(Color, bCByteColor(1, 2, 3));
    EXPECT_EQ(Recorder.GetAll(), "The method  bCByteColor::SetBlend was called, but has not yet been implemented!\n");
}

