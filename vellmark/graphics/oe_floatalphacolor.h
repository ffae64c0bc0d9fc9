#ifndef OE_FLOATALPHACOLOR_H_INCLUDED
#define OE_FLOATALPHACOLOR_H_INCLUDED

// bCFloatAlphaColor: a float colour with a float alpha; arithmetic, Clamp and
// Invert treat alpha as a fourth component, Normalize stretches red, green and
// blue only.

#include <vellmark/graphics/oe_floatcolor.h>

class bCByteAlphaColor;

class OE_API bCFloatAlphaColor : public bCFloatColor
{
public:
    bCFloatAlphaColor();
    bCFloatAlphaColor(float a_fRed, float a_fGreen, float a_fBlue, float a_fAlpha);
    bCFloatAlphaColor(bEColor a_eColor); // alpha 1
    bCFloatAlphaColor(bCFloatAlphaColor const & a_Source);
    bCFloatAlphaColor(bCFloatColor const & a_Source, float a_fAlpha);
    bCFloatAlphaColor(bCByteColor const & a_Source, float a_fAlpha);
    bCFloatAlphaColor(bCByteAlphaColor const & a_Source);
    bCFloatAlphaColor(bCFloatColorHSV const & a_Source, float a_fAlpha);
    ~bCFloatAlphaColor() override;

public:
    void Clear() override;
    bCIStream & operator<<(bCIStream & a_Stream) override; // 20 bytes
    bCOStream & operator>>(bCOStream & a_Stream) const override;

public:
    using bCFloatColor::SetColor; // the colour forms keep alpha
    void SetColor(float a_fRed, float a_fGreen, float a_fBlue, float a_fAlpha);
    void SetColor(bEColor a_eColor); // alpha 1
    void SetColor(bCFloatAlphaColor const & a_Source);
    void SetColor(bCFloatColor const & a_Source, float a_fAlpha);
    void SetColor(bCByteColor const & a_Source, float a_fAlpha);
    void SetColor(bCByteAlphaColor const & a_Source);
    void SetColor(bCFloatColorHSV const & a_Source, float a_fAlpha);

    float GetAlpha() const { return m_fAlpha; }
    void GetAlpha(float & a_fAlpha) const { a_fAlpha = m_fAlpha; }
    float & AccessAlpha() { return m_fAlpha; }
    void SetAlpha(float a_fAlpha) { m_fAlpha = a_fAlpha; }

    void Clamp();
    bCFloatAlphaColor GetClamped() const;
    bCFloatAlphaColor GetNormalized() const;
    void Invert();
    bCFloatAlphaColor GetInverted() const;

    void Add(bCFloatAlphaColor const & a_Color);
    void Sub(bCFloatAlphaColor const & a_Color);
    void AddClamped(bCFloatAlphaColor const & a_Color);
    void SubClamped(bCFloatAlphaColor const & a_Color);
    void Multiply(bCFloatAlphaColor const & a_Color);
    void Multiply(float a_fFactor);

    bCFloatAlphaColor GetSum(bCFloatAlphaColor const & a_Color) const;
    bCFloatAlphaColor GetDifference(bCFloatAlphaColor const & a_Color) const;
    bCFloatAlphaColor GetProduct(bCFloatAlphaColor const & a_Color) const;
    bCFloatAlphaColor GetProduct(float a_fFactor) const;
    void GetSum(bCFloatAlphaColor const & a_Color, bCFloatAlphaColor & a_Result) const;
    void GetDifference(bCFloatAlphaColor const & a_Color, bCFloatAlphaColor & a_Result) const;
    void GetProduct(bCFloatAlphaColor const & a_Color, bCFloatAlphaColor & a_Result) const;
    void GetProduct(float a_fFactor, bCFloatAlphaColor & a_Result) const;

    bool IsEqual(bCFloatAlphaColor const & a_Color) const;

    bCFloatAlphaColor & operator=(bCFloatAlphaColor const & a_Source);
    bool operator==(bCFloatAlphaColor const & a_Color) const { return IsEqual(a_Color); }
    bool operator!=(bCFloatAlphaColor const & a_Color) const { return !IsEqual(a_Color); }
    bCFloatAlphaColor operator~() const { return GetInverted(); }
    bCFloatAlphaColor operator-() const { return GetInverted(); }
    bCFloatAlphaColor operator+(bCFloatAlphaColor const & a_Color) const { return GetSum(a_Color); }
    bCFloatAlphaColor operator-(bCFloatAlphaColor const & a_Color) const { return GetDifference(a_Color); }
    bCFloatAlphaColor operator*(bCFloatAlphaColor const & a_Color) const { return GetProduct(a_Color); }
    bCFloatAlphaColor operator*(float a_fFactor) const { return GetProduct(a_fFactor); }
    bCFloatAlphaColor operator/(float a_fFactor) const { return GetProduct(1.0f / a_fFactor); }
    bCFloatAlphaColor & operator+=(bCFloatAlphaColor const & a_Color) { return Add(a_Color), *this; }
    bCFloatAlphaColor & operator-=(bCFloatAlphaColor const & a_Color) { return Sub(a_Color), *this; }
    bCFloatAlphaColor & operator*=(bCFloatAlphaColor const & a_Color) { return Multiply(a_Color), *this; }
    bCFloatAlphaColor & operator*=(float a_fFactor) { return Multiply(a_fFactor), *this; }
    bCFloatAlphaColor & operator/=(float a_fFactor) { return Multiply(1.0f / a_fFactor), *this; }

protected:
    float m_fAlpha;
};

#endif
