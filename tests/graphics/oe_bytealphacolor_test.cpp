#include <vellmark/graphics/oe_bytealphacolor.h>

#include "support/oe_messagerecorder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace
{
    // What survives a trip through each format: the top bits kept per component.
    struct FormatCase
    {
        bEPixelFormat eFormat;
        int iBytes;
        OEU8 u8RedMask, u8GreenMask, u8BlueMask, u8AlphaMask;
        bool bAlphaOpaque; // reading sets alpha to 255
    };

    FormatCase const kFormats[] = {
        {bEPixelFormat_RGB_555, 2, 0xF8, 0xF8, 0xF8, 0x00, true},
        {bEPixelFormat_RGB_565, 2, 0xF8, 0xFC, 0xF8, 0x00, true},
        {bEPixelFormat_RGBA_4444, 2, 0xF0, 0xF0, 0xF0, 0xF0, false},
        {bEPixelFormat_ARGB_1555, 2, 0xF8, 0xF8, 0xF8, 0x80, false},
        {bEPixelFormat_RGBA_8888, 4, 0xFF, 0xFF, 0xFF, 0xFF, false},
        {bEPixelFormat_ARGB_8888, 4, 0xFF, 0xFF, 0xFF, 0xFF, false},
    };

    std::vector<unsigned char> Pixel(bCByteAlphaColor const & a_Color, bEPixelFormat a_eFormat)
    {
        std::vector<unsigned char> arrPixel(4, 0xEE);
        a_Color.WritePixel(a_eFormat, arrPixel.data());
        return arrPixel;
    }
} // namespace

TEST(bCByteAlphaColor, EveryFormatLayoutsAndUnknownFormats)
{
    bCByteAlphaColor const arrColors[] = {
        {255, 255, 255, 255}, {0, 0, 0, 0}, {200, 100, 50, 129}, {7, 131, 66, 127},
    };
    for (FormatCase const & f : kFormats)
    {
        for (bCByteAlphaColor const & Color : arrColors)
        {
            SCOPED_TRACE(testing::Message()
                         << "format " << f.eFormat << " colour " << int(Color.GetRed()) << "," << int(Color.GetGreen())
                         << "," << int(Color.GetBlue()) << "," << int(Color.GetAlpha()));
            unsigned char arrPixel[6] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
            Color.WritePixel(f.eFormat, arrPixel);
            EXPECT_EQ(arrPixel[f.iBytes], 0xEE) << "wrote past the pixel";
            bCByteAlphaColor Back(9, 9, 9, 9);
            Back.ReadPixel(f.eFormat, arrPixel);
            OEU8 const u8Alpha = f.bAlphaOpaque ? 255 : static_cast<OEU8>(Color.GetAlpha() & f.u8AlphaMask);
            EXPECT_EQ(Back, bCByteAlphaColor(Color.GetRed() & f.u8RedMask, Color.GetGreen() & f.u8GreenMask,
                                             Color.GetBlue() & f.u8BlueMask, u8Alpha));
            // Writing what was read gives the same pixel again.
            unsigned char arrAgain[6] = {0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
            Back.WritePixel(f.eFormat, arrAgain);
            EXPECT_EQ(std::memcmp(arrPixel, arrAgain, 6), 0);
        }
    }

    // Pixel words are little-endian in their layout.
    bCByteAlphaColor const Color(0x12, 0x34, 0x56, 0x78);
    EXPECT_EQ(Color.GetColor_RGBA_8888(), 0x12345678ul);
    EXPECT_EQ(Color.GetColor_ARGB_8888(), 0x78123456ul);
    EXPECT_EQ(Color.GetColor_RGBA_4444(), 0x1357);
    EXPECT_EQ(bCByteAlphaColor(0xF8, 0, 0x08, 0x80).GetColor_ARGB_1555(), 0xFC01);

    EXPECT_EQ(Pixel(Color, bEPixelFormat_RGBA_8888), (std::vector<unsigned char>{0x78, 0x56, 0x34, 0x12}));
    EXPECT_EQ(Pixel(Color, bEPixelFormat_ARGB_8888), (std::vector<unsigned char>{0x56, 0x34, 0x12, 0x78}));
    EXPECT_EQ(Pixel(Color, bEPixelFormat_RGB_888), (std::vector<unsigned char>{0x12, 0x34, 0x56, 0xEE}));
    bCByteAlphaColor KeepsAlpha(1, 1, 1, 99); // three-byte pixels keep alpha
    KeepsAlpha.ReadPixel(bEPixelFormat_RGB_888, Pixel(Color, bEPixelFormat_RGB_888).data());
    EXPECT_EQ(KeepsAlpha, bCByteAlphaColor(0x12, 0x34, 0x56, 99));

    bCByteAlphaColor HalfAlpha(5, 5, 5, 5);
    HalfAlpha.SetColor_ARGB_1555(0x8000);
    EXPECT_EQ(HalfAlpha, bCByteAlphaColor(0, 0, 0, 128));
    HalfAlpha.SetColor_ARGB_8888(0x78123456ul);
    EXPECT_EQ(HalfAlpha, Color);

    // Unknown formats report and change nothing.
    for (int iFormat : {0, 8, -1})
    {
        SCOPED_TRACE(iFormat);
        bCMessageRecorder Recorder;
        bCByteAlphaColor Color(1, 2, 3, 4);
        unsigned char arrPixel[4] = {0xAA, 0xBB, 0xCC, 0xDD};
        Color.ReadPixel(static_cast<bEPixelFormat>(iFormat), arrPixel);
        EXPECT_EQ(Color, bCByteAlphaColor(1, 2, 3, 4));
        Color.WritePixel(static_cast<bEPixelFormat>(iFormat), arrPixel);
        unsigned char const arrUntouched[4] = {0xAA, 0xBB, 0xCC, 0xDD};
        EXPECT_EQ(std::memcmp(arrPixel, arrUntouched, 4), 0);
        EXPECT_EQ(Recorder.GetAll(), "The method bCByteAlphaColor::ReadPixel detected an improper usage! \n"
                                     "Hint:Encountered invalid value for enumeration bEPixelFormat! \n"
                                     "The method bCByteAlphaColor::WritePixel detected an improper usage! \n"
                                     "Hint:Encountered invalid value for enumeration bEPixelFormat! \n");
    }
}
