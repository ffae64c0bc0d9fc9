#include <vellmark/graphics/oe_floatalphacolor.h>

#include <vellmark/graphics/oe_bytealphacolor.h>
#include <vellmark/graphics/oe_floatcolorhsv.h>
#include <vellmark/kernel/oe_stream.h>

bCFloatAlphaColor::bCFloatAlphaColor() : m_fAlpha(0.0f)
{
}

bCFloatAlphaColor::bCFloatAlphaColor(float a_fRed, float a_fGreen, float a_fBlue, float a_fAlpha)
    : bCFloatColor(a_fRed, a_fGreen, a_fBlue), m_fAlpha(a_fAlpha)
{
}

bCFloatAlphaColor::bCFloatAlphaColor(bEColor a_eColor) : bCFloatColor(a_eColor), m_fAlpha(1.0f)
{
}

bCFloatAlphaColor::bCFloatAlphaColor(bCFloatAlphaColor const & a_Source)
    : bCFloatColor(a_Source), m_fAlpha(a_Source.m_fAlpha)
{
}

bCFloatAlphaColor::bCFloatAlphaColor(bCFloatColor const & a_Source, float a_fAlpha)
    : bCFloatColor(a_Source), m_fAlpha(a_fAlpha)
{
}

bCFloatAlphaColor::bCFloatAlphaColor(bCByteColor const & a_Source, float a_fAlpha)
    : bCFloatColor(a_Source), m_fAlpha(a_fAlpha)
{
}

bCFloatAlphaColor::bCFloatAlphaColor(bCByteAlphaColor const & a_Source)
    : bCFloatColor(static_cast<bCByteColor const &>(a_Source)), m_fAlpha(ByteToFloat(a_Source.GetAlpha()))
{
}

bCFloatAlphaColor::bCFloatAlphaColor(bCFloatColorHSV const & a_Source, float a_fAlpha)
    : bCFloatColor(a_Source), m_fAlpha(a_fAlpha)
{
}

bCFloatAlphaColor::~bCFloatAlphaColor() = default;

void bCFloatAlphaColor::Clear()
{
    bCFloatColor::Clear();
    m_fAlpha = 0.0f;
}

bCIStream & bCFloatAlphaColor::operator<<(bCIStream & a_Stream)
{
    ReadComponents(a_Stream);
    ReadComponent(a_Stream, m_fAlpha);
    return a_Stream;
}

bCOStream & bCFloatAlphaColor::operator>>(bCOStream & a_Stream) const
{
    WriteComponents(a_Stream);
    a_Stream.Write(&m_fAlpha, 4);
    return a_Stream;
}

void bCFloatAlphaColor::SetColor(float a_fRed, float a_fGreen, float a_fBlue, float a_fAlpha)
{
    bCFloatColor::SetColor(a_fRed, a_fGreen, a_fBlue);
    m_fAlpha = a_fAlpha;
}

void bCFloatAlphaColor::SetColor(bEColor a_eColor)
{
    bCFloatColor::SetColor(a_eColor);
    m_fAlpha = 1.0f;
}

void bCFloatAlphaColor::SetColor(bCFloatAlphaColor const & a_Source)
{
    bCFloatColor::SetColor(a_Source);
    m_fAlpha = a_Source.m_fAlpha;
}

void bCFloatAlphaColor::SetColor(bCFloatColor const & a_Source, float a_fAlpha)
{
    bCFloatColor::SetColor(a_Source);
    m_fAlpha = a_fAlpha;
}

void bCFloatAlphaColor::SetColor(bCByteColor const & a_Source, float a_fAlpha)
{
    bCFloatColor::SetColor(a_Source);
    m_fAlpha = a_fAlpha;
}

void bCFloatAlphaColor::SetColor(bCByteAlphaColor const & a_Source)
{
    bCFloatColor::SetColor(static_cast<bCByteColor const &>(a_Source));
    m_fAlpha = ByteToFloat(a_Source.GetAlpha());
}

void bCFloatAlphaColor::SetColor(bCFloatColorHSV const & a_Source, float a_fAlpha)
{
    bCFloatColor::SetColor(a_Source);
    m_fAlpha = a_fAlpha;
}

void bCFloatAlphaColor::Clamp()
{
    bCFloatColor::Clamp();
    m_fAlpha = Clamped(m_fAlpha);
}

bCFloatAlphaColor bCFloatAlphaColor::GetClamped() const
{
    bCFloatAlphaColor Result(*this);
    Result.Clamp();
    return Result;
}

bCFloatAlphaColor bCFloatAlphaColor::GetNormalized() const
{
    bCFloatAlphaColor Result(*this);
    Result.Normalize();
    return Result;
}

void bCFloatAlphaColor::Invert()
{
    bCFloatColor::Invert();
    m_fAlpha = 1.0f - m_fAlpha;
}

bCFloatAlphaColor bCFloatAlphaColor::GetInverted() const
{
    bCFloatAlphaColor Result(*this);
    Result.Invert();
    return Result;
}

void bCFloatAlphaColor::Add(bCFloatAlphaColor const & a_Color)
{
    bCFloatColor::Add(a_Color);
    m_fAlpha += a_Color.m_fAlpha;
}

void bCFloatAlphaColor::Sub(bCFloatAlphaColor const & a_Color)
{
    bCFloatColor::Sub(a_Color);
    m_fAlpha -= a_Color.m_fAlpha;
}

void bCFloatAlphaColor::AddClamped(bCFloatAlphaColor const & a_Color)
{
    Add(a_Color);
    Clamp();
}

void bCFloatAlphaColor::SubClamped(bCFloatAlphaColor const & a_Color)
{
    Sub(a_Color);
    Clamp();
}

void bCFloatAlphaColor::Multiply(bCFloatAlphaColor const & a_Color)
{
    bCFloatColor::Multiply(a_Color);
    m_fAlpha *= a_Color.m_fAlpha;
}

void bCFloatAlphaColor::Multiply(float a_fFactor)
{
    bCFloatColor::Multiply(a_fFactor);
    m_fAlpha *= a_fFactor;
}

bCFloatAlphaColor bCFloatAlphaColor::GetSum(bCFloatAlphaColor const & a_Color) const
{
    bCFloatAlphaColor Result(*this);
    Result.Add(a_Color);
    return Result;
}

bCFloatAlphaColor bCFloatAlphaColor::GetDifference(bCFloatAlphaColor const & a_Color) const
{
    bCFloatAlphaColor Result(*this);
    Result.Sub(a_Color);
    return Result;
}

bCFloatAlphaColor bCFloatAlphaColor::GetProduct(bCFloatAlphaColor const & a_Color) const
{
    bCFloatAlphaColor Result(*this);
    Result.Multiply(a_Color);
    return Result;
}

bCFloatAlphaColor bCFloatAlphaColor::GetProduct(float a_fFactor) const
{
    bCFloatAlphaColor Result(*this);
    Result.Multiply(a_fFactor);
    return Result;
}

void bCFloatAlphaColor::GetSum(bCFloatAlphaColor const & a_Color, bCFloatAlphaColor & a_Result) const
{
    a_Result = GetSum(a_Color);
}

void bCFloatAlphaColor::GetDifference(bCFloatAlphaColor const & a_Color, bCFloatAlphaColor & a_Result) const
{
    a_Result = GetDifference(a_Color);
}

void bCFloatAlphaColor::GetProduct(bCFloatAlphaColor const & a_Color, bCFloatAlphaColor & a_Result) const
{
    a_Result = GetProduct(a_Color);
}

void bCFloatAlphaColor::GetProduct(float a_fFactor, bCFloatAlphaColor & a_Result) const
{
    a_Result = GetProduct(a_fFactor);
}

bool bCFloatAlphaColor::IsEqual(bCFloatAlphaColor const & a_Color) const
{
    return bCFloatColor::IsEqual(a_Color) && m_fAlpha == a_Color.m_fAlpha;
}

bCFloatAlphaColor & bCFloatAlphaColor::operator=(bCFloatAlphaColor const & a_Source)
{
    SetColor(a_Source);
    return *this;
}
