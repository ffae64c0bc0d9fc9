#ifndef OE_BYTECOLOR_H_INCLUDED
#define OE_BYTECOLOR_H_INCLUDED

// bCByteColor: red, green and blue as bytes, with the 16-bit packers
// x R5 G5 B5 and R5 G6 B5 (each component keeps its top bits; unpacking puts
// them at the top of the byte and zeros below).
//
// Products and quotients scale by 255, so that white (or the factor 255) is
// the identity: a * b = a b / 255 rounded, a / b = a 255 / b rounded and
// saturated at 255 (a quotient by 0 is 255, or 0 for a 0 dividend).

#include <vellmark/graphics/oe_colorbase.h>

class bCFloatColor;
class bCFloatColorHSV;

class OE_API bCByteColor : public bCColorBase
{
public:
    bCByteColor();
    bCByteColor(OEU8 a_u8Red, OEU8 a_u8Green, OEU8 a_u8Blue);
    bCByteColor(bEColor a_eColor);
    bCByteColor(bCByteColor const & a_Source);
    bCByteColor(bCFloatColor const & a_Source);
    bCByteColor(bCFloatColorHSV const & a_Source);
    ~bCByteColor() override;

public:
    void Clear() override;
    bCIStream & operator<<(bCIStream & a_Stream) override; // 8 bytes
    bCOStream & operator>>(bCOStream & a_Stream) const override;

public:
    void SetColor(OEU8 a_u8Red, OEU8 a_u8Green, OEU8 a_u8Blue);
    void SetColor(bEColor a_eColor);
    void SetColor(bCByteColor const & a_Source);
    void SetColor(bCFloatColor const & a_Source);
    void SetColor(bCFloatColorHSV const & a_Source);

    OEU8 GetRed() const { return m_u8Red; }
    OEU8 GetGreen() const { return m_u8Green; }
    OEU8 GetBlue() const { return m_u8Blue; }
    void GetRed(OEU8 & a_u8Red) const { a_u8Red = m_u8Red; }
    void GetGreen(OEU8 & a_u8Green) const { a_u8Green = m_u8Green; }
    void GetBlue(OEU8 & a_u8Blue) const { a_u8Blue = m_u8Blue; }
    OEU8 & AccessRed() { return m_u8Red; }
    OEU8 & AccessGreen() { return m_u8Green; }
    OEU8 & AccessBlue() { return m_u8Blue; }
    void SetRed(OEU8 a_u8Red) { m_u8Red = a_u8Red; }
    void SetGreen(OEU8 a_u8Green) { m_u8Green = a_u8Green; }
    void SetBlue(OEU8 a_u8Blue) { m_u8Blue = a_u8Blue; }

    unsigned short GetColor_RGB_555() const;
    unsigned short GetColor_RGB_565() const;
    void SetColor_RGB_555(unsigned short a_u16Pixel);
    void SetColor_RGB_565(unsigned short a_u16Pixel);

    void SetBlend(bCByteColor const & a_First, bCByteColor const & a_Second, int a_iFirst,
                  int a_iSecond); // not implemented: reports and leaves the colour

    void Clamp() {} // bytes are always in range
    bCByteColor GetClamped() const { return *this; }
    void Invert(); // bitwise complement
    bCByteColor GetInverted() const;

    void Add(bCByteColor const & a_Color); // modulo 256
    void Sub(bCByteColor const & a_Color); // modulo 256
    void AddClamped(bCByteColor const & a_Color);
    void SubClamped(bCByteColor const & a_Color);
    void Multiply(bCByteColor const & a_Color);
    void Multiply(OEU8 a_u8Factor);
    void Divide(bCByteColor const & a_Color);
    void Divide(OEU8 a_u8Factor);

    bCByteColor GetSum(bCByteColor const & a_Color) const;
    bCByteColor GetDifference(bCByteColor const & a_Color) const;
    bCByteColor GetProduct(bCByteColor const & a_Color) const;
    bCByteColor GetProduct(OEU8 a_u8Factor) const;
    void GetSum(bCByteColor const & a_Color, bCByteColor & a_Result) const;
    void GetDifference(bCByteColor const & a_Color, bCByteColor & a_Result) const;
    void GetProduct(bCByteColor const & a_Color, bCByteColor & a_Result) const;
    void GetProduct(OEU8 a_u8Factor, bCByteColor & a_Result) const;

    bool IsEqual(bCByteColor const & a_Color) const;

    bCByteColor & operator=(bCByteColor const & a_Source);
    bool operator==(bCByteColor const & a_Color) const { return IsEqual(a_Color); }
    bool operator!=(bCByteColor const & a_Color) const { return !IsEqual(a_Color); }
    bCByteColor operator~() const { return GetInverted(); }
    bCByteColor operator-() const { return GetInverted(); }
    bCByteColor operator+(bCByteColor const & a_Color) const { return GetSum(a_Color); }
    bCByteColor operator-(bCByteColor const & a_Color) const { return GetDifference(a_Color); }
    bCByteColor operator*(bCByteColor const & a_Color) const { return GetProduct(a_Color); }
    bCByteColor operator*(OEU8 a_u8Factor) const { return GetProduct(a_u8Factor); }
    bCByteColor operator/(bCByteColor const & a_Color) const;
    bCByteColor operator/(OEU8 a_u8Factor) const;
    bCByteColor & operator+=(bCByteColor const & a_Color) { return Add(a_Color), *this; }
    bCByteColor & operator-=(bCByteColor const & a_Color) { return Sub(a_Color), *this; }
    bCByteColor & operator*=(bCByteColor const & a_Color) { return Multiply(a_Color), *this; }
    bCByteColor & operator*=(OEU8 a_u8Factor) { return Multiply(a_u8Factor), *this; }
    bCByteColor & operator/=(bCByteColor const & a_Color) { return Divide(a_Color), *this; }
    bCByteColor & operator/=(OEU8 a_u8Factor) { return Divide(a_u8Factor), *this; }

protected:
    static OEU8 ScaledProduct(OEU8 a_u8First, OEU8 a_u8Second);
    static OEU8 ScaledQuotient(OEU8 a_u8Dividend, OEU8 a_u8Divisor);
    static OEU8 AddSaturated(OEU8 a_u8First, OEU8 a_u8Second);
    static OEU8 SubSaturated(OEU8 a_u8First, OEU8 a_u8Second);

protected:
    OEU8 m_u8Red;
    OEU8 m_u8Green;
    OEU8 m_u8Blue;
};

// The packers run per pixel: inline.

inline unsigned short bCByteColor::GetColor_RGB_555() const
{
    return static_cast<unsigned short>(((m_u8Red >> 3) << 10) | ((m_u8Green >> 3) << 5) | (m_u8Blue >> 3));
}

inline unsigned short bCByteColor::GetColor_RGB_565() const
{
    return static_cast<unsigned short>(((m_u8Red >> 3) << 11) | ((m_u8Green >> 2) << 5) | (m_u8Blue >> 3));
}

inline void bCByteColor::SetColor_RGB_555(unsigned short a_u16Pixel)
{
    m_u8Red = static_cast<OEU8>((a_u16Pixel >> 7) & 0xF8);
    m_u8Green = static_cast<OEU8>((a_u16Pixel >> 2) & 0xF8);
    m_u8Blue = static_cast<OEU8>((a_u16Pixel << 3) & 0xF8);
}

inline void bCByteColor::SetColor_RGB_565(unsigned short a_u16Pixel)
{
    m_u8Red = static_cast<OEU8>((a_u16Pixel >> 8) & 0xF8);
    m_u8Green = static_cast<OEU8>((a_u16Pixel >> 3) & 0xFC);
    m_u8Blue = static_cast<OEU8>((a_u16Pixel << 3) & 0xF8);
}

#endif
