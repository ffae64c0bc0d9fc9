#ifndef OE_FLOATCOLOR_H_INCLUDED
#define OE_FLOATCOLOR_H_INCLUDED

// bCFloatColor: red, green and blue as floats, nominally 0 to 1. Arithmetic is
// component-wise in float; a quotient by a factor multiplies by its
// reciprocal. The conversion from hue, saturation and value lives here and
// serves every class that converts from bCFloatColorHSV.

#include <vellmark/graphics/oe_colorbase.h>

class bCByteColor;
class bCFloatColorHSV;

class OE_API bCFloatColor : public bCColorBase
{
public:
    bCFloatColor();
    bCFloatColor(float a_fRed, float a_fGreen, float a_fBlue);
    bCFloatColor(bEColor a_eColor);
    bCFloatColor(bCFloatColor const & a_Source);
    bCFloatColor(bCByteColor const & a_Source);
    bCFloatColor(bCFloatColorHSV const & a_Source);
    ~bCFloatColor() override;

public:
    void Clear() override;
    bCIStream & operator<<(bCIStream & a_Stream) override; // 16 bytes
    bCOStream & operator>>(bCOStream & a_Stream) const override;

public:
    void SetColor(float a_fRed, float a_fGreen, float a_fBlue);
    void SetColor(bEColor a_eColor);
    void SetColor(bCFloatColor const & a_Source);
    void SetColor(bCByteColor const & a_Source);
    void SetColor(bCFloatColorHSV const & a_Source);

    float GetRed() const { return m_fRed; }
    float GetGreen() const { return m_fGreen; }
    float GetBlue() const { return m_fBlue; }
    void GetRed(float & a_fRed) const { a_fRed = m_fRed; }
    void GetGreen(float & a_fGreen) const { a_fGreen = m_fGreen; }
    void GetBlue(float & a_fBlue) const { a_fBlue = m_fBlue; }
    float & AccessRed() { return m_fRed; }
    float & AccessGreen() { return m_fGreen; }
    float & AccessBlue() { return m_fBlue; }
    void SetRed(float a_fRed) { m_fRed = a_fRed; }
    void SetGreen(float a_fGreen) { m_fGreen = a_fGreen; }
    void SetBlue(float a_fBlue) { m_fBlue = a_fBlue; }

    void Clamp(); // every component to 0 ... 1
    bCFloatColor GetClamped() const;
    void Normalize(); // stretches red, green and blue onto 0 ... 1 when one lies outside
    bCFloatColor GetNormalized() const;
    void Invert(); // 1 - component
    bCFloatColor GetInverted() const;

    void Add(bCFloatColor const & a_Color);
    void Sub(bCFloatColor const & a_Color);
    void AddClamped(bCFloatColor const & a_Color); // the sum clamped to 0 ... 1
    void SubClamped(bCFloatColor const & a_Color);
    void Multiply(bCFloatColor const & a_Color);
    void Multiply(float a_fFactor);

    bCFloatColor GetSum(bCFloatColor const & a_Color) const;
    bCFloatColor GetDifference(bCFloatColor const & a_Color) const;
    bCFloatColor GetProduct(bCFloatColor const & a_Color) const;
    bCFloatColor GetProduct(float a_fFactor) const;
    void GetSum(bCFloatColor const & a_Color, bCFloatColor & a_Result) const;
    void GetDifference(bCFloatColor const & a_Color, bCFloatColor & a_Result) const;
    void GetProduct(bCFloatColor const & a_Color, bCFloatColor & a_Result) const;
    void GetProduct(float a_fFactor, bCFloatColor & a_Result) const;

    bool IsEqual(bCFloatColor const & a_Color) const; // exact

    bCFloatColor & operator=(bCFloatColor const & a_Source);
    bool operator==(bCFloatColor const & a_Color) const { return IsEqual(a_Color); }
    bool operator!=(bCFloatColor const & a_Color) const { return !IsEqual(a_Color); }
    bCFloatColor operator~() const { return GetInverted(); }
    bCFloatColor operator-() const { return GetInverted(); }
    bCFloatColor operator+(bCFloatColor const & a_Color) const { return GetSum(a_Color); }
    bCFloatColor operator-(bCFloatColor const & a_Color) const { return GetDifference(a_Color); }
    bCFloatColor operator*(bCFloatColor const & a_Color) const { return GetProduct(a_Color); }
    bCFloatColor operator*(float a_fFactor) const { return GetProduct(a_fFactor); }
    bCFloatColor operator/(float a_fFactor) const { return GetProduct(1.0f / a_fFactor); }
    bCFloatColor & operator+=(bCFloatColor const & a_Color) { return Add(a_Color), *this; }
    bCFloatColor & operator-=(bCFloatColor const & a_Color) { return Sub(a_Color), *this; }
    bCFloatColor & operator*=(bCFloatColor const & a_Color) { return Multiply(a_Color), *this; }
    bCFloatColor & operator*=(float a_fFactor) { return Multiply(a_fFactor), *this; }
    bCFloatColor & operator/=(float a_fFactor) { return Multiply(1.0f / a_fFactor), *this; }

protected:
    static float Clamped(float a_fValue) { return a_fValue < 0.0f ? 0.0f : (a_fValue > 1.0f ? 1.0f : a_fValue); }
    void ReadComponents(bCIStream & a_Stream);
    void WriteComponents(bCOStream & a_Stream) const;

protected:
    float m_fRed;
    float m_fGreen;
    float m_fBlue;
};

#endif
