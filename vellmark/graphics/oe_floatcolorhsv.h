#ifndef OE_FLOATCOLORHSV_H_INCLUDED
#define OE_FLOATCOLORHSV_H_INCLUDED

// bCFloatColorHSV: hue, saturation and value as floats. Hue runs from 0 up to
// (not including) 1; -1 stands for an undefined hue (black and greys). The
// conversion from red, green and blue lives here and serves every class that
// converts into HSV; arithmetic is component-wise, as for bCFloatColor.

#include <vellmark/graphics/oe_colorbase.h>

class bCByteColor;
class bCFloatColor;

class OE_API bCFloatColorHSV : public bCColorBase
{
public:
    bCFloatColorHSV();
    bCFloatColorHSV(float a_fHue, float a_fSaturation, float a_fValue);
    bCFloatColorHSV(bEColor a_eColor);
    bCFloatColorHSV(bCFloatColorHSV const & a_Source);
    bCFloatColorHSV(bCByteColor const & a_Source);
    bCFloatColorHSV(bCFloatColor const & a_Source);
    ~bCFloatColorHSV() override;

public:
    void Clear() override;
    bCIStream & operator<<(bCIStream & a_Stream) override; // 16 bytes
    bCOStream & operator>>(bCOStream & a_Stream) const override;

public:
    void SetColor(float a_fHue, float a_fSaturation, float a_fValue);
    void SetColor(bEColor a_eColor);
    void SetColor(bCFloatColorHSV const & a_Source);
    void SetColor(bCByteColor const & a_Source);
    void SetColor(bCFloatColor const & a_Source);

    float GetHue() const { return m_fHue; }
    float GetSaturation() const { return m_fSaturation; }
    float GetValue() const { return m_fValue; }
    void GetHue(float & a_fHue) const { a_fHue = m_fHue; }
    void GetSaturation(float & a_fSaturation) const { a_fSaturation = m_fSaturation; }
    void GetValue(float & a_fValue) const { a_fValue = m_fValue; }
    float & AccessHue() { return m_fHue; }
    float & AccessSaturation() { return m_fSaturation; }
    float & AccessValue() { return m_fValue; }
    void SetHue(float a_fHue) { m_fHue = a_fHue; }
    void SetSaturation(float a_fSaturation) { m_fSaturation = a_fSaturation; }
    void SetValue(float a_fValue) { m_fValue = a_fValue; }

    void Clamp(); // every component to 0 ... 1
    bCFloatColorHSV GetClamped() const;
    void Invert(); // 1 - component
    bCFloatColorHSV GetInverted() const;

    void Add(bCFloatColorHSV const & a_Color);
    void Sub(bCFloatColorHSV const & a_Color);
    void AddClamped(bCFloatColorHSV const & a_Color);
    void SubClamped(bCFloatColorHSV const & a_Color);
    void Multiply(bCFloatColorHSV const & a_Color);
    void Multiply(float a_fFactor);

    bCFloatColorHSV GetSum(bCFloatColorHSV const & a_Color) const;
    bCFloatColorHSV GetDifference(bCFloatColorHSV const & a_Color) const;
    bCFloatColorHSV GetProduct(bCFloatColorHSV const & a_Color) const;
    bCFloatColorHSV GetProduct(float a_fFactor) const;
    void GetSum(bCFloatColorHSV const & a_Color, bCFloatColorHSV & a_Result) const;
    void GetDifference(bCFloatColorHSV const & a_Color, bCFloatColorHSV & a_Result) const;
    void GetProduct(bCFloatColorHSV const & a_Color, bCFloatColorHSV & a_Result) const;
    void GetProduct(float a_fFactor, bCFloatColorHSV & a_Result) const;

    bool IsEqual(bCFloatColorHSV const & a_Color) const; // exact

    bCFloatColorHSV & operator=(bCFloatColorHSV const & a_Source);
    bool operator==(bCFloatColorHSV const & a_Color) const { return IsEqual(a_Color); }
    bool operator!=(bCFloatColorHSV const & a_Color) const { return !IsEqual(a_Color); }
    bCFloatColorHSV operator~() const { return GetInverted(); }
    bCFloatColorHSV operator-() const { return GetInverted(); }
    bCFloatColorHSV operator+(bCFloatColorHSV const & a_Color) const { return GetSum(a_Color); }
    bCFloatColorHSV operator-(bCFloatColorHSV const & a_Color) const { return GetDifference(a_Color); }
    bCFloatColorHSV operator*(bCFloatColorHSV const & a_Color) const { return GetProduct(a_Color); }
    bCFloatColorHSV operator*(float a_fFactor) const { return GetProduct(a_fFactor); }
    bCFloatColorHSV operator/(float a_fFactor) const { return GetProduct(1.0f / a_fFactor); }
    bCFloatColorHSV & operator+=(bCFloatColorHSV const & a_Color) { return Add(a_Color), *this; }
    bCFloatColorHSV & operator-=(bCFloatColorHSV const & a_Color) { return Sub(a_Color), *this; }
    bCFloatColorHSV & operator*=(bCFloatColorHSV const & a_Color) { return Multiply(a_Color), *this; }
    bCFloatColorHSV & operator*=(float a_fFactor) { return Multiply(a_fFactor), *this; }
    bCFloatColorHSV & operator/=(float a_fFactor) { return Multiply(1.0f / a_fFactor), *this; }

protected:
    float m_fHue;
    float m_fSaturation;
    float m_fValue;
};

#endif
