#include <vellmark/graphics/oe_floatcolorhsv.h>

#include <vellmark/graphics/oe_bytecolor.h>
#include <vellmark/graphics/oe_floatcolor.h>
#include <vellmark/kernel/oe_stream.h>

#include <algorithm>

namespace
{
    float Clamped(float a_fValue)
    {
        return a_fValue < 0.0f ? 0.0f : (a_fValue > 1.0f ? 1.0f : a_fValue);
    }
} // namespace

bCFloatColorHSV::bCFloatColorHSV() : m_fHue(0.0f), m_fSaturation(0.0f), m_fValue(0.0f)
{
}

bCFloatColorHSV::bCFloatColorHSV(float a_fHue, float a_fSaturation, float a_fValue)
    : m_fHue(a_fHue), m_fSaturation(a_fSaturation), m_fValue(a_fValue)
{
}

bCFloatColorHSV::bCFloatColorHSV(bEColor a_eColor)
{
    SetColor(a_eColor);
}

bCFloatColorHSV::bCFloatColorHSV(bCFloatColorHSV const & a_Source)
    : bCColorBase(a_Source), m_fHue(a_Source.m_fHue), m_fSaturation(a_Source.m_fSaturation),
      m_fValue(a_Source.m_fValue)
{
}

bCFloatColorHSV::bCFloatColorHSV(bCByteColor const & a_Source)
{
    SetColor(a_Source);
}

bCFloatColorHSV::bCFloatColorHSV(bCFloatColor const & a_Source)
{
    SetColor(a_Source);
}

bCFloatColorHSV::~bCFloatColorHSV() = default;

void bCFloatColorHSV::Clear()
{
    m_fHue = m_fSaturation = m_fValue = 0.0f;
}

bCIStream & bCFloatColorHSV::operator<<(bCIStream & a_Stream)
{
    ReadLeadingWord(a_Stream);
    ReadComponent(a_Stream, m_fHue);
    ReadComponent(a_Stream, m_fSaturation);
    ReadComponent(a_Stream, m_fValue);
    return a_Stream;
}

bCOStream & bCFloatColorHSV::operator>>(bCOStream & a_Stream) const
{
    WriteLeadingWord(a_Stream);
    a_Stream.Write(&m_fHue, 4);
    a_Stream.Write(&m_fSaturation, 4);
    a_Stream.Write(&m_fValue, 4);
    return a_Stream;
}

void bCFloatColorHSV::SetColor(float a_fHue, float a_fSaturation, float a_fValue)
{
    m_fHue = a_fHue;
    m_fSaturation = a_fSaturation;
    m_fValue = a_fValue;
}

void bCFloatColorHSV::SetColor(bEColor a_eColor)
{
    SetColor(bCFloatColor(a_eColor));
}

void bCFloatColorHSV::SetColor(bCFloatColorHSV const & a_Source)
{
    SetColor(a_Source.m_fHue, a_Source.m_fSaturation, a_Source.m_fValue);
}

void bCFloatColorHSV::SetColor(bCByteColor const & a_Source)
{
    SetColor(bCFloatColor(a_Source));
}

void bCFloatColorHSV::SetColor(bCFloatColor const & a_Source)
{
    float const fRed = a_Source.GetRed();
    float const fGreen = a_Source.GetGreen();
    float const fBlue = a_Source.GetBlue();
    float const fLargest = std::max({fRed, fGreen, fBlue});
    float const fDelta = fLargest - std::min({fRed, fGreen, fBlue});
    m_fValue = fLargest;
    // Black and greys have no hue: -1 marks it undefined.
    if (fLargest == 0.0f || fDelta == 0.0f)
    {
        m_fSaturation = 0.0f;
        m_fHue = -1.0f;
        return;
    }
    m_fSaturation = fDelta / fLargest;
    if (fRed == fLargest)
        m_fHue = (fGreen - fBlue) / fDelta;
    else if (fGreen == fLargest)
        m_fHue = 2.0f + (fBlue - fRed) / fDelta;
    else
        m_fHue = 4.0f + (fRed - fGreen) / fDelta;
    m_fHue /= 6.0f;
    while (m_fHue < 0.0f)
        m_fHue += 1.0f;
    while (m_fHue >= 1.0f)
        m_fHue -= 1.0f;
}

void bCFloatColorHSV::Clamp()
{
    SetColor(Clamped(m_fHue), Clamped(m_fSaturation), Clamped(m_fValue));
}

bCFloatColorHSV bCFloatColorHSV::GetClamped() const
{
    bCFloatColorHSV Result(*this);
    Result.Clamp();
    return Result;
}

void bCFloatColorHSV::Invert()
{
    SetColor(1.0f - m_fHue, 1.0f - m_fSaturation, 1.0f - m_fValue);
}

bCFloatColorHSV bCFloatColorHSV::GetInverted() const
{
    bCFloatColorHSV Result(*this);
    Result.Invert();
    return Result;
}

void bCFloatColorHSV::Add(bCFloatColorHSV const & a_Color)
{
    SetColor(m_fHue + a_Color.m_fHue, m_fSaturation + a_Color.m_fSaturation, m_fValue + a_Color.m_fValue);
}

void bCFloatColorHSV::Sub(bCFloatColorHSV const & a_Color)
{
    SetColor(m_fHue - a_Color.m_fHue, m_fSaturation - a_Color.m_fSaturation, m_fValue - a_Color.m_fValue);
}

void bCFloatColorHSV::AddClamped(bCFloatColorHSV const & a_Color)
{
    Add(a_Color);
    Clamp();
}

void bCFloatColorHSV::SubClamped(bCFloatColorHSV const & a_Color)
{
    Sub(a_Color);
    Clamp();
}

void bCFloatColorHSV::Multiply(bCFloatColorHSV const & a_Color)
{
    SetColor(m_fHue * a_Color.m_fHue, m_fSaturation * a_Color.m_fSaturation, m_fValue * a_Color.m_fValue);
}

void bCFloatColorHSV::Multiply(float a_fFactor)
{
    SetColor(m_fHue * a_fFactor, m_fSaturation * a_fFactor, m_fValue * a_fFactor);
}

bCFloatColorHSV bCFloatColorHSV::GetSum(bCFloatColorHSV const & a_Color) const
{
    bCFloatColorHSV Result(*this);
    Result.Add(a_Color);
    return Result;
}

bCFloatColorHSV bCFloatColorHSV::GetDifference(bCFloatColorHSV const & a_Color) const
{
    bCFloatColorHSV Result(*this);
    Result.Sub(a_Color);
    return Result;
}

bCFloatColorHSV bCFloatColorHSV::GetProduct(bCFloatColorHSV const & a_Color) const
{
    bCFloatColorHSV Result(*this);
    Result.Multiply(a_Color);
    return Result;
}

bCFloatColorHSV bCFloatColorHSV::GetProduct(float a_fFactor) const
{
    bCFloatColorHSV Result(*this);
    Result.Multiply(a_fFactor);
    return Result;
}

void bCFloatColorHSV::GetSum(bCFloatColorHSV const & a_Color, bCFloatColorHSV & a_Result) const
{
    a_Result = GetSum(a_Color);
}

void bCFloatColorHSV::GetDifference(bCFloatColorHSV const & a_Color, bCFloatColorHSV & a_Result) const
{
    a_Result = GetDifference(a_Color);
}

void bCFloatColorHSV::GetProduct(bCFloatColorHSV const & a_Color, bCFloatColorHSV & a_Result) const
{
    a_Result = GetProduct(a_Color);
}

void bCFloatColorHSV::GetProduct(float a_fFactor, bCFloatColorHSV & a_Result) const
{
    a_Result = GetProduct(a_fFactor);
}

bool bCFloatColorHSV::IsEqual(bCFloatColorHSV const & a_Color) const
{
    return m_fHue == a_Color.m_fHue && m_fSaturation == a_Color.m_fSaturation && m_fValue == a_Color.m_fValue;
}

bCFloatColorHSV & bCFloatColorHSV::operator=(bCFloatColorHSV const & a_Source)
{
    SetColor(a_Source);
    return *this;
}
