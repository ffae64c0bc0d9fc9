#ifndef OE_COLORBASE_H_INCLUDED
#define OE_COLORBASE_H_INCLUDED

// bCColorBase: the root of the colour classes, the named colours and the pixel
// formats.
//
// Conventions of every colour class:
// - Byte components run from 0 to 255, float components nominally from 0 to 1;
//   byte = float * 255 truncated (callers clamp first), float = byte / 255.
// - Conversions and arithmetic do not check ranges. Byte Add/Sub wrap modulo
//   256; the Clamped forms saturate.
// - The stream form is the object image of the original 32-bit platform: 4
//   leading bytes that readers skip (written as zeros), the components in
//   field order, zeros in the spare bytes. There is no version.
// - Pixel words are native little-endian 16- or 32-bit values.

#include <vellmark/kernel/oe_types.h>

class bCIStream;
class bCOStream;

// The values accepted by bCByteAlphaColor::ReadPixel and WritePixel; the layout
// is named from the top bit down.
enum bEPixelFormat : int
{
    bEPixelFormat_RGB_555 = 1,   // 16-bit, top bit spare (written as 0)
    bEPixelFormat_RGB_565 = 2,   // 16-bit
    bEPixelFormat_RGBA_4444 = 3, // 16-bit
    bEPixelFormat_ARGB_1555 = 4, // 16-bit
    bEPixelFormat_RGBA_8888 = 5, // 32-bit
    bEPixelFormat_ARGB_8888 = 6, // 32-bit
    bEPixelFormat_RGB_888 = 7,   // three bytes in memory: red, green, blue
};

class OE_API bCColorBase
{
public:
    using enum ::bEPixelFormat;
    typedef ::bEPixelFormat bEPixelFormat;

    // Every value not listed here gives black.
    enum bEColor : int
    {
        bEColor_Black = 0,
        bEColor_White = 1,
        bEColor_Silver = 2,
        bEColor_Grey175 = 3,
        bEColor_Grey127 = 4,
        bEColor_Grey79 = 5,
        bEColor_LightGrey = 6,
        bEColor_ColdGrey = 7,
        bEColor_WarmGrey = 8,
        bEColor_Red = 9,
        bEColor_Red175 = 10,
        bEColor_Red127 = 11,
        bEColor_Red79 = 12,
        bEColor_Green = 13,
        bEColor_Green175 = 14,
        bEColor_Green127 = 15,
        bEColor_Green79 = 16,
        bEColor_Blue = 17,
        bEColor_Blue175 = 18,
        bEColor_Blue127 = 19,
        bEColor_Blue79 = 20,
        bEColor_Cyan = 21,
        bEColor_Cyan175 = 22,
        bEColor_Cyan127 = 23,
        bEColor_Cyan79 = 24,
        bEColor_Yellow = 25,
        bEColor_Yellow175 = 26,
        bEColor_Yellow127 = 27,
        bEColor_Yellow79 = 28,
        bEColor_Magenta = 29,
        bEColor_Magenta175 = 30,
        bEColor_Magenta127 = 31,
        bEColor_Magenta79 = 32,
        bEColor_IvoryBlack = 33,
        bEColor_Orange = 34,
        bEColor_Carrot = 35,
        bEColor_SapGreen = 36,
        bEColor_Indigo = 37,
        bEColor_SkyBlue = 38,
        bEColor_SteelBlue = 39,
        bEColor_Aquamarine = 40,
        bEColor_Gold = 41,
        bEColor_Orchid = 42,
        bEColor_Purple = 43,
        bEColor_Violet = 44,
        bEColor_Brown = 45,
        bEColor_BurntSienna = 46,
        bEColor_BurntUmber = 47,
        bEColor_Beige = 48,
        bEColor_Flesh = 49,
        bEColor_Khaki = 50,
    };

public:
    virtual void Clear() = 0; // every component, alpha included, to 0
    virtual bCIStream & operator<<(bCIStream & a_Stream) = 0;
    virtual bCOStream & operator>>(bCOStream & a_Stream) const = 0;
    virtual ~bCColorBase();

protected:
    bCColorBase() = default;
    bCColorBase(bCColorBase const &) = default;
    bCColorBase & operator=(bCColorBase const &) = default;

    // Red, green and blue of a named colour; black for unknown values.
    static void GetNamedColor(bEColor a_eColor, OEU8 & a_u8Red, OEU8 & a_u8Green, OEU8 & a_u8Blue);
    static float ByteToFloat(OEU8 a_u8Value) { return static_cast<float>(a_u8Value) / 255.0f; }
    static OEU8 FloatToByte(float a_fValue) { return static_cast<OEU8>(static_cast<int>(a_fValue * 255.0f)); }

    // The leading word of the stream form: zeros on writing, skipped on reading.
    static void WriteLeadingWord(bCOStream & a_Stream);
    static void ReadLeadingWord(bCIStream & a_Stream);
    // A component cut short by the end of the stream keeps its old value.
    static void ReadComponent(bCIStream & a_Stream, float & a_fComponent);
};

#endif
