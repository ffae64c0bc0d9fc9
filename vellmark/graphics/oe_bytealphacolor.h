#ifndef OE_BYTEALPHACOLOR_H_INCLUDED
#define OE_BYTEALPHACOLOR_H_INCLUDED

// bCByteAlphaColor: a byte colour with a byte alpha; every operation treats
// alpha as a fourth component. Adds the packers A1 R5 G5 B5, R4 G4 B4 A4,
// A8 R8 G8 B8 and R8 G8 B8 A8, and single pixels of every bEPixelFormat.

#include <vellmark/graphics/oe_bytecolor.h>

class bCFloatAlphaColor;

class OE_API bCByteAlphaColor : public bCByteColor
{
public:
    bCByteAlphaColor();
    bCByteAlphaColor(OEU8 a_u8Red, OEU8 a_u8Green, OEU8 a_u8Blue, OEU8 a_u8Alpha);
    bCByteAlphaColor(bEColor a_eColor); // alpha 255
    bCByteAlphaColor(bCByteAlphaColor const & a_Source);
    bCByteAlphaColor(bCByteColor const & a_Source, OEU8 a_u8Alpha);
    bCByteAlphaColor(bCFloatColor const & a_Source, OEU8 a_u8Alpha);
    bCByteAlphaColor(bCFloatAlphaColor const & a_Source);
    bCByteAlphaColor(bCFloatColorHSV const & a_Source, OEU8 a_u8Alpha);
    ~bCByteAlphaColor() override;

public:
    void Clear() override;
    bCIStream & operator<<(bCIStream & a_Stream) override; // 12 bytes
    bCOStream & operator>>(bCOStream & a_Stream) const override;

public:
    using bCByteColor::SetColor; // the colour forms keep alpha
    void SetColor(OEU8 a_u8Red, OEU8 a_u8Green, OEU8 a_u8Blue, OEU8 a_u8Alpha);
    void SetColor(bEColor a_eColor); // alpha 255
    void SetColor(bCByteAlphaColor const & a_Source);
    void SetColor(bCByteColor const & a_Source, OEU8 a_u8Alpha);
    void SetColor(bCFloatColor const & a_Source, OEU8 a_u8Alpha);
    void SetColor(bCFloatAlphaColor const & a_Source);
    void SetColor(bCFloatColorHSV const & a_Source, OEU8 a_u8Alpha);

    OEU8 GetAlpha() const { return m_u8Alpha; }
    void GetAlpha(OEU8 & a_u8Alpha) const { a_u8Alpha = m_u8Alpha; }
    OEU8 & AccessAlpha() { return m_u8Alpha; }
    void SetAlpha(OEU8 a_u8Alpha) { m_u8Alpha = a_u8Alpha; }

    unsigned short GetColor_ARGB_1555() const;
    unsigned short GetColor_RGBA_4444() const;
    unsigned long GetColor_ARGB_8888() const;
    unsigned long GetColor_RGBA_8888() const;
    bCByteColor GetColor_RGB_888() const { return bCByteColor(*this); }
    void SetColor_ARGB_1555(unsigned short a_u16Pixel);
    void SetColor_RGBA_4444(unsigned short a_u16Pixel);
    void SetColor_ARGB_8888(unsigned long a_u32Pixel);
    void SetColor_RGBA_8888(unsigned long a_u32Pixel);
    void SetColor_RGB_888(bCByteColor const & a_Color) { bCByteColor::SetColor(a_Color); } // keeps alpha

    // Unknown formats report improper usage and change nothing.
    void ReadPixel(bEPixelFormat a_eFormat, void const * a_pPixel);
    void WritePixel(bEPixelFormat a_eFormat, void * a_pPixel) const;

    bCByteAlphaColor GetClamped() const { return *this; }
    void Invert();
    bCByteAlphaColor GetInverted() const;

    void Add(bCByteAlphaColor const & a_Color);
    void Sub(bCByteAlphaColor const & a_Color);
    void AddClamped(bCByteAlphaColor const & a_Color);
    void SubClamped(bCByteAlphaColor const & a_Color);
    void Multiply(bCByteAlphaColor const & a_Color);
    void Multiply(OEU8 a_u8Factor);
    void Divide(bCByteAlphaColor const & a_Color);
    void Divide(OEU8 a_u8Factor);

    bCByteAlphaColor GetSum(bCByteAlphaColor const & a_Color) const;
    bCByteAlphaColor GetDifference(bCByteAlphaColor const & a_Color) const;
    bCByteAlphaColor GetProduct(bCByteAlphaColor const & a_Color) const;
    bCByteAlphaColor GetProduct(OEU8 a_u8Factor) const;
    void GetSum(bCByteAlphaColor const & a_Color, bCByteAlphaColor & a_Result) const;
    void GetDifference(bCByteAlphaColor const & a_Color, bCByteAlphaColor & a_Result) const;
    void GetProduct(bCByteAlphaColor const & a_Color, bCByteAlphaColor & a_Result) const;
    void GetProduct(OEU8 a_u8Factor, bCByteAlphaColor & a_Result) const;

    bool IsEqual(bCByteAlphaColor const & a_Color) const;

    bCByteAlphaColor & operator=(bCByteAlphaColor const & a_Source);
    bool operator==(bCByteAlphaColor const & a_Color) const { return IsEqual(a_Color); }
    bool operator!=(bCByteAlphaColor const & a_Color) const { return !IsEqual(a_Color); }
    bCByteAlphaColor operator~() const { return GetInverted(); }
    bCByteAlphaColor operator-() const { return GetInverted(); }
    bCByteAlphaColor operator+(bCByteAlphaColor const & a_Color) const { return GetSum(a_Color); }
    bCByteAlphaColor operator-(bCByteAlphaColor const & a_Color) const { return GetDifference(a_Color); }
    bCByteAlphaColor operator*(bCByteAlphaColor const & a_Color) const { return GetProduct(a_Color); }
    bCByteAlphaColor operator*(OEU8 a_u8Factor) const { return GetProduct(a_u8Factor); }
    bCByteAlphaColor operator/(bCByteAlphaColor const & a_Color) const;
    bCByteAlphaColor operator/(OEU8 a_u8Factor) const;
    bCByteAlphaColor & operator+=(bCByteAlphaColor const & a_Color) { return Add(a_Color), *this; }
    bCByteAlphaColor & operator-=(bCByteAlphaColor const & a_Color) { return Sub(a_Color), *this; }
    bCByteAlphaColor & operator*=(bCByteAlphaColor const & a_Color) { return Multiply(a_Color), *this; }
    bCByteAlphaColor & operator*=(OEU8 a_u8Factor) { return Multiply(a_u8Factor), *this; }
    bCByteAlphaColor & operator/=(bCByteAlphaColor const & a_Color) { return Divide(a_Color), *this; }
    bCByteAlphaColor & operator/=(OEU8 a_u8Factor) { return Divide(a_u8Factor), *this; }

protected:
    static void ReportInvalidFormat(char const * a_pcMethod);

protected:
    OEU8 m_u8Alpha;
};

// The packers run per pixel: inline.

inline unsigned short bCByteAlphaColor::GetColor_ARGB_1555() const
{
    return static_cast<unsigned short>(((m_u8Alpha >> 7) << 15) | GetColor_RGB_555());
}

inline unsigned short bCByteAlphaColor::GetColor_RGBA_4444() const
{
    return static_cast<unsigned short>(((m_u8Red >> 4) << 12) | ((m_u8Green >> 4) << 8) | ((m_u8Blue >> 4) << 4) |
                                       (m_u8Alpha >> 4));
}

inline unsigned long bCByteAlphaColor::GetColor_ARGB_8888() const
{
    return (static_cast<unsigned long>(m_u8Alpha) << 24) | (static_cast<unsigned long>(m_u8Red) << 16) |
           (static_cast<unsigned long>(m_u8Green) << 8) | m_u8Blue;
}

inline unsigned long bCByteAlphaColor::GetColor_RGBA_8888() const
{
    return (static_cast<unsigned long>(m_u8Red) << 24) | (static_cast<unsigned long>(m_u8Green) << 16) |
           (static_cast<unsigned long>(m_u8Blue) << 8) | m_u8Alpha;
}

inline void bCByteAlphaColor::SetColor_ARGB_1555(unsigned short a_u16Pixel)
{
    SetColor_RGB_555(a_u16Pixel);
    m_u8Alpha = static_cast<OEU8>((a_u16Pixel >> 8) & 0x80);
}

inline void bCByteAlphaColor::SetColor_RGBA_4444(unsigned short a_u16Pixel)
{
    m_u8Red = static_cast<OEU8>((a_u16Pixel >> 8) & 0xF0);
    m_u8Green = static_cast<OEU8>((a_u16Pixel >> 4) & 0xF0);
    m_u8Blue = static_cast<OEU8>(a_u16Pixel & 0xF0);
    m_u8Alpha = static_cast<OEU8>((a_u16Pixel << 4) & 0xF0);
}

inline void bCByteAlphaColor::SetColor_ARGB_8888(unsigned long a_u32Pixel)
{
    m_u8Alpha = static_cast<OEU8>(a_u32Pixel >> 24);
    m_u8Red = static_cast<OEU8>(a_u32Pixel >> 16);
    m_u8Green = static_cast<OEU8>(a_u32Pixel >> 8);
    m_u8Blue = static_cast<OEU8>(a_u32Pixel);
}

inline void bCByteAlphaColor::SetColor_RGBA_8888(unsigned long a_u32Pixel)
{
    m_u8Red = static_cast<OEU8>(a_u32Pixel >> 24);
    m_u8Green = static_cast<OEU8>(a_u32Pixel >> 16);
    m_u8Blue = static_cast<OEU8>(a_u32Pixel >> 8);
    m_u8Alpha = static_cast<OEU8>(a_u32Pixel);
}

#endif
