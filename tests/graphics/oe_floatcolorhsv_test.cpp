#include <vellmark/graphics/oe_bytecolor.h>
#include <vellmark/graphics/oe_floatalphacolor.h>
#include <vellmark/graphics/oe_floatcolorhsv.h>

#include <gtest/gtest.h>

namespace
{
    struct HsvCase
    {
        float fRed, fGreen, fBlue;
        float fHue, fSaturation, fValue;
    };

    // Each sector of the hue circle, greys and black, and a hue that wraps below 0.
    HsvCase const kCases[] = {
        {1.0f, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f},          {1.0f, 1.0f, 0.0f, 1.0f / 6.0f, 1.0f, 1.0f},
        {0.0f, 1.0f, 0.0f, 2.0f / 6.0f, 1.0f, 1.0f},   {0.0f, 1.0f, 1.0f, 3.0f / 6.0f, 1.0f, 1.0f},
        {0.0f, 0.0f, 1.0f, 4.0f / 6.0f, 1.0f, 1.0f},   {1.0f, 0.0f, 1.0f, 5.0f / 6.0f, 1.0f, 1.0f},
        {1.0f, 0.0f, 0.5f, 11.0f / 12.0f, 1.0f, 1.0f}, {0.5f, 0.25f, 0.0f, 1.0f / 12.0f, 1.0f, 0.5f},
        {0.2f, 0.4f, 0.4f, 0.5f, 0.5f, 0.4f},          {0.5f, 0.5f, 0.5f, -1.0f, 0.0f, 0.5f},
        {0.0f, 0.0f, 0.0f, -1.0f, 0.0f, 0.0f},
    };
} // namespace

TEST(bCFloatColorHSV, BothWaysAroundTheHueCircle)
{
    for (HsvCase const & c : kCases)
    {
        SCOPED_TRACE(testing::Message() << c.fRed << "," << c.fGreen << "," << c.fBlue);
        bCFloatColorHSV const Hsv(bCFloatColor(c.fRed, c.fGreen, c.fBlue));
        EXPECT_NEAR(Hsv.GetHue(), c.fHue, 1e-6f);
        EXPECT_NEAR(Hsv.GetSaturation(), c.fSaturation, 1e-6f);
        EXPECT_EQ(Hsv.GetValue(), c.fValue);

        bCFloatColor const Rgb(bCFloatColorHSV(c.fHue, c.fSaturation, c.fValue));
        EXPECT_NEAR(Rgb.GetRed(), c.fRed, 1e-6f);
        EXPECT_NEAR(Rgb.GetGreen(), c.fGreen, 1e-6f);
        EXPECT_NEAR(Rgb.GetBlue(), c.fBlue, 1e-6f);
    }
    // A hue of exactly 1 falls into the last sector's formula: (value, p, q).
    bCFloatColor const Wrapped(bCFloatColorHSV(1.0f, 1.0f, 1.0f));
    EXPECT_EQ(Wrapped, bCFloatColor(1.0f, 0.0f, 1.0f));
    // Black wins over any hue and saturation.
    EXPECT_EQ(bCFloatColor(bCFloatColorHSV(0.3f, 0.7f, 0.0f)), bCFloatColor(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(bCFloatAlphaColor(bCFloatColorHSV(0.0f, 0.0f, 0.25f), 0.5f),
              bCFloatAlphaColor(0.25f, 0.25f, 0.25f, 0.5f));

    // Normalizing stretches only colours out of range; componentwise arithmetic.
    struct Case
    {
        bCFloatColor In, Out;
    };
    Case const arrCases[] = {
        {{0.2f, 0.5f, 0.9f}, {0.2f, 0.5f, 0.9f}},  {{0.0f, 1.0f, 2.0f}, {0.0f, 0.5f, 1.0f}},
        {{-1.0f, 0.0f, 1.0f}, {0.0f, 0.5f, 1.0f}}, {{2.0f, 2.0f, 2.0f}, {0.0f, 0.0f, 0.0f}},
    };
    for (Case const & c : arrCases)
    {
        SCOPED_TRACE(testing::Message() << c.In.GetRed() << "," << c.In.GetGreen() << "," << c.In.GetBlue());
        EXPECT_EQ(c.In.GetNormalized(), c.Out);
    }
    bCFloatAlphaColor const WithAlpha(0.0f, 2.0f, 4.0f, 3.0f);
    EXPECT_EQ(WithAlpha.GetNormalized(), bCFloatAlphaColor(0.0f, 0.5f, 1.0f, 3.0f)) << "alpha is not stretched";

    // Componentwise arithmetic.
    bCFloatAlphaColor const A(0.5f, 0.25f, 1.0f, 0.75f);
    bCFloatAlphaColor const B(0.75f, 0.5f, 0.5f, 0.5f);
    EXPECT_EQ(A + B, bCFloatAlphaColor(1.25f, 0.75f, 1.5f, 1.25f));
    EXPECT_EQ(A - B, bCFloatAlphaColor(-0.25f, -0.25f, 0.5f, 0.25f));
    EXPECT_EQ(A * B, bCFloatAlphaColor(0.375f, 0.125f, 0.5f, 0.375f));
    EXPECT_EQ(~A, bCFloatAlphaColor(0.5f, 0.75f, 0.0f, 0.25f));
    EXPECT_EQ((A + B).GetClamped(), bCFloatAlphaColor(1.0f, 0.75f, 1.0f, 1.0f));
    bCFloatAlphaColor C(A);
    C.SubClamped(B);
    EXPECT_EQ(C, bCFloatAlphaColor(0.0f, 0.0f, 0.5f, 0.25f));
    EXPECT_NE(A, bCFloatAlphaColor(0.5f, 0.25f, 1.0f, 0.5f));
}
