#include <vellmark/graphics/oe_floatcolor.h>

#include <vellmark/graphics/oe_bytecolor.h>
#include <vellmark/graphics/oe_floatcolorhsv.h>
#include <vellmark/kernel/oe_stream.h>

#include <algorithm>

bCFloatColor::bCFloatColor() : m_fRed(0.0f), m_fGreen(0.0f), m_fBlue(0.0f)
{
}

bCFloatColor::bCFloatColor(float a_fRed, float a_fGreen, float a_fBlue)
    : m_fRed(a_fRed), m_fGreen(a_fGreen), m_fBlue(a_fBlue)
{
}

bCFloatColor::bCFloatColor(bEColor a_eColor)
{
    SetColor(a_eColor);
}

bCFloatColor::bCFloatColor(bCFloatColor const & a_Source)
    : bCColorBase(a_Source), m_fRed(a_Source.m_fRed), m_fGreen(a_Source.m_fGreen), m_fBlue(a_Source.m_fBlue)
{
}

bCFloatColor::bCFloatColor(bCByteColor const & a_Source)
{
    SetColor(a_Source);
}

bCFloatColor::bCFloatColor(bCFloatColorHSV const & a_Source)
{
    SetColor(a_Source);
}

bCFloatColor::~bCFloatColor() = default;

void bCFloatColor::Clear()
{
    m_fRed = m_fGreen = m_fBlue = 0.0f;
}

void bCFloatColor::ReadComponents(bCIStream & a_Stream)
{
    ReadLeadingWord(a_Stream);
    ReadComponent(a_Stream, m_fRed);
    ReadComponent(a_Stream, m_fGreen);
    ReadComponent(a_Stream, m_fBlue);
}

void bCFloatColor::WriteComponents(bCOStream & a_Stream) const
{
    WriteLeadingWord(a_Stream);
    a_Stream.Write(&m_fRed, 4);
    a_Stream.Write(&m_fGreen, 4);
    a_Stream.Write(&m_fBlue, 4);
}

bCIStream & bCFloatColor::operator<<(bCIStream & a_Stream)
{
    ReadComponents(a_Stream);
    return a_Stream;
}

bCOStream & bCFloatColor::operator>>(bCOStream & a_Stream) const
{
    WriteComponents(a_Stream);
    return a_Stream;
}

void bCFloatColor::SetColor(float a_fRed, float a_fGreen, float a_fBlue)
{
    m_fRed = a_fRed;
    m_fGreen = a_fGreen;
    m_fBlue = a_fBlue;
}

void bCFloatColor::SetColor(bEColor a_eColor)
{
    SetColor(bCByteColor(a_eColor));
}

void bCFloatColor::SetColor(bCFloatColor const & a_Source)
{
    SetColor(a_Source.m_fRed, a_Source.m_fGreen, a_Source.m_fBlue);
}

void bCFloatColor::SetColor(bCByteColor const & a_Source)
{
    SetColor(ByteToFloat(a_Source.GetRed()), ByteToFloat(a_Source.GetGreen()), ByteToFloat(a_Source.GetBlue()));
}

void bCFloatColor::SetColor(bCFloatColorHSV const & a_Source)
{
    float const fValue = a_Source.GetValue();
    float const fSaturation = a_Source.GetSaturation();
    if (fValue == 0.0f)
    {
        Clear();
        return;
    }
    if (fSaturation == 0.0f)
    {
        SetColor(fValue, fValue, fValue);
        return;
    }
    float const fHue6 = a_Source.GetHue() * 6.0f;
    int const iSector = static_cast<int>(fHue6);
    float const fFraction = fHue6 - static_cast<float>(iSector);
    float const fP = fValue * (1.0f - fSaturation);
    float const fQ = fValue * (1.0f - fSaturation * fFraction);
    float const fT = fValue * (1.0f - fSaturation * (1.0f - fFraction));
    switch (iSector)
    {
    case 0: SetColor(fValue, fT, fP); break;
    case 1: SetColor(fQ, fValue, fP); break;
    case 2: SetColor(fP, fValue, fT); break;
    case 3: SetColor(fP, fQ, fValue); break;
    case 4: SetColor(fT, fP, fValue); break;
    default: SetColor(fValue, fP, fQ); break;
    }
}

void bCFloatColor::Clamp()
{
    SetColor(Clamped(m_fRed), Clamped(m_fGreen), Clamped(m_fBlue));
}

bCFloatColor bCFloatColor::GetClamped() const
{
    bCFloatColor Result(*this);
    Result.Clamp();
    return Result;
}

void bCFloatColor::Normalize()
{
    float const fLargest = std::max({m_fRed, m_fGreen, m_fBlue});
    float const fSmallest = std::min({m_fRed, m_fGreen, m_fBlue});
    if (!(fLargest > 1.0f || fSmallest < 0.0f))
        return;
    SetColor(m_fRed - fSmallest, m_fGreen - fSmallest, m_fBlue - fSmallest);
    float const fSpan = fLargest - fSmallest;
    if (fSpan != 0.0f)
        Multiply(1.0f / fSpan);
}

bCFloatColor bCFloatColor::GetNormalized() const
{
    bCFloatColor Result(*this);
    Result.Normalize();
    return Result;
}

void bCFloatColor::Invert()
{
    SetColor(1.0f - m_fRed, 1.0f - m_fGreen, 1.0f - m_fBlue);
}

bCFloatColor bCFloatColor::GetInverted() const
{
    bCFloatColor Result(*this);
    Result.Invert();
    return Result;
}

void bCFloatColor::Add(bCFloatColor const & a_Color)
{
    SetColor(m_fRed + a_Color.m_fRed, m_fGreen + a_Color.m_fGreen, m_fBlue + a_Color.m_fBlue);
}

void bCFloatColor::Sub(bCFloatColor const & a_Color)
{
    SetColor(m_fRed - a_Color.m_fRed, m_fGreen - a_Color.m_fGreen, m_fBlue - a_Color.m_fBlue);
}

void bCFloatColor::AddClamped(bCFloatColor const & a_Color)
{
    Add(a_Color);
    Clamp();
}

void bCFloatColor::SubClamped(bCFloatColor const & a_Color)
{
    Sub(a_Color);
    Clamp();
}

void bCFloatColor::Multiply(bCFloatColor const & a_Color)
{
    SetColor(m_fRed * a_Color.m_fRed, m_fGreen * a_Color.m_fGreen, m_fBlue * a_Color.m_fBlue);
}

void bCFloatColor::Multiply(float a_fFactor)
{
    SetColor(m_fRed * a_fFactor, m_fGreen * a_fFactor, m_fBlue * a_fFactor);
}

bCFloatColor bCFloatColor::GetSum(bCFloatColor const & a_Color) const
{
    bCFloatColor Result(*this);
    Result.Add(a_Color);
    return Result;
}

bCFloatColor bCFloatColor::GetDifference(bCFloatColor const & a_Color) const
{
    bCFloatColor Result(*this);
    Result.Sub(a_Color);
    return Result;
}

bCFloatColor bCFloatColor::GetProduct(bCFloatColor const & a_Color) const
{
    bCFloatColor Result(*this);
    Result.Multiply(a_Color);
    return Result;
}

bCFloatColor bCFloatColor::GetProduct(float a_fFactor) const
{
    bCFloatColor Result(*this);
    Result.Multiply(a_fFactor);
    return Result;
}

void bCFloatColor::GetSum(bCFloatColor const & a_Color, bCFloatColor & a_Result) const
{
    a_Result = GetSum(a_Color);
}

void bCFloatColor::GetDifference(bCFloatColor const & a_Color, bCFloatColor & a_Result) const
{
    a_Result = GetDifference(a_Color);
}

void bCFloatColor::GetProduct(bCFloatColor const & a_Color, bCFloatColor & a_Result) const
{
    a_Result = GetProduct(a_Color);
}

void bCFloatColor::GetProduct(float a_fFactor, bCFloatColor & a_Result) const
{
    a_Result = GetProduct(a_fFactor);
}

bool bCFloatColor::IsEqual(bCFloatColor const & a_Color) const
{
    return m_fRed == a_Color.m_fRed && m_fGreen == a_Color.m_fGreen && m_fBlue == a_Color.m_fBlue;
}

bCFloatColor & bCFloatColor::operator=(bCFloatColor const & a_Source)
{
    SetColor(a_Source);
    return *this;
}
