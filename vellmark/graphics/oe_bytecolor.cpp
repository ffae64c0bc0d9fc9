#include <vellmark/graphics/oe_bytecolor.h>

#include <vellmark/graphics/oe_floatcolor.h>
#include <vellmark/graphics/oe_floatcolorhsv.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>

bCByteColor::bCByteColor() : m_u8Red(0), m_u8Green(0), m_u8Blue(0)
{
}

bCByteColor::bCByteColor(OEU8 a_u8Red, OEU8 a_u8Green, OEU8 a_u8Blue)
    : m_u8Red(a_u8Red), m_u8Green(a_u8Green), m_u8Blue(a_u8Blue)
{
}

bCByteColor::bCByteColor(bEColor a_eColor)
{
    SetColor(a_eColor);
}

bCByteColor::bCByteColor(bCByteColor const & a_Source)
    : bCColorBase(a_Source), m_u8Red(a_Source.m_u8Red), m_u8Green(a_Source.m_u8Green), m_u8Blue(a_Source.m_u8Blue)
{
}

bCByteColor::bCByteColor(bCFloatColor const & a_Source)
{
    SetColor(a_Source);
}

bCByteColor::bCByteColor(bCFloatColorHSV const & a_Source)
{
    SetColor(a_Source);
}

bCByteColor::~bCByteColor() = default;

void bCByteColor::Clear()
{
    m_u8Red = m_u8Green = m_u8Blue = 0;
}

bCIStream & bCByteColor::operator<<(bCIStream & a_Stream)
{
    ReadLeadingWord(a_Stream);
    a_Stream.Read(&m_u8Red, 1);
    a_Stream.Read(&m_u8Green, 1);
    a_Stream.Read(&m_u8Blue, 1);
    OEU8 u8Spare;
    a_Stream.Read(&u8Spare, 1);
    return a_Stream;
}

bCOStream & bCByteColor::operator>>(bCOStream & a_Stream) const
{
    WriteLeadingWord(a_Stream);
    OEU8 const arrComponents[4] = {m_u8Red, m_u8Green, m_u8Blue, 0};
    a_Stream.Write(arrComponents, 4);
    return a_Stream;
}

void bCByteColor::SetColor(OEU8 a_u8Red, OEU8 a_u8Green, OEU8 a_u8Blue)
{
    m_u8Red = a_u8Red;
    m_u8Green = a_u8Green;
    m_u8Blue = a_u8Blue;
}

void bCByteColor::SetColor(bEColor a_eColor)
{
    GetNamedColor(a_eColor, m_u8Red, m_u8Green, m_u8Blue);
}

void bCByteColor::SetColor(bCByteColor const & a_Source)
{
    SetColor(a_Source.m_u8Red, a_Source.m_u8Green, a_Source.m_u8Blue);
}

void bCByteColor::SetColor(bCFloatColor const & a_Source)
{
    m_u8Red = FloatToByte(a_Source.GetRed());
    m_u8Green = FloatToByte(a_Source.GetGreen());
    m_u8Blue = FloatToByte(a_Source.GetBlue());
}

void bCByteColor::SetColor(bCFloatColorHSV const & a_Source)
{
    SetColor(bCFloatColor(a_Source));
}

void bCByteColor::SetBlend(bCByteColor const &, bCByteColor const &, int, int)
{
    OE_MESSAGEF_WARN("The method  %s was called, but has not yet been implemented!", "bCByteColor::SetBlend");
}

void bCByteColor::Invert()
{
    SetColor(static_cast<OEU8>(~m_u8Red), static_cast<OEU8>(~m_u8Green), static_cast<OEU8>(~m_u8Blue));
}

bCByteColor bCByteColor::GetInverted() const
{
    bCByteColor Result(*this);
    Result.Invert();
    return Result;
}

OEU8 bCByteColor::ScaledProduct(OEU8 a_u8First, OEU8 a_u8Second)
{
    return static_cast<OEU8>((a_u8First * a_u8Second + 127) / 255);
}

OEU8 bCByteColor::ScaledQuotient(OEU8 a_u8Dividend, OEU8 a_u8Divisor)
{
    if (a_u8Divisor == 0)
        return a_u8Dividend == 0 ? 0 : 255;
    int const iQuotient = (a_u8Dividend * 255 + a_u8Divisor / 2) / a_u8Divisor;
    return static_cast<OEU8>(iQuotient > 255 ? 255 : iQuotient);
}

OEU8 bCByteColor::AddSaturated(OEU8 a_u8First, OEU8 a_u8Second)
{
    int const iSum = a_u8First + a_u8Second;
    return static_cast<OEU8>(iSum > 255 ? 255 : iSum);
}

OEU8 bCByteColor::SubSaturated(OEU8 a_u8First, OEU8 a_u8Second)
{
    return static_cast<OEU8>(a_u8First > a_u8Second ? a_u8First - a_u8Second : 0);
}

void bCByteColor::Add(bCByteColor const & a_Color)
{
    SetColor(static_cast<OEU8>(m_u8Red + a_Color.m_u8Red), static_cast<OEU8>(m_u8Green + a_Color.m_u8Green),
             static_cast<OEU8>(m_u8Blue + a_Color.m_u8Blue));
}

void bCByteColor::Sub(bCByteColor const & a_Color)
{
    SetColor(static_cast<OEU8>(m_u8Red - a_Color.m_u8Red), static_cast<OEU8>(m_u8Green - a_Color.m_u8Green),
             static_cast<OEU8>(m_u8Blue - a_Color.m_u8Blue));
}

void bCByteColor::AddClamped(bCByteColor const & a_Color)
{
    SetColor(AddSaturated(m_u8Red, a_Color.m_u8Red), AddSaturated(m_u8Green, a_Color.m_u8Green),
             AddSaturated(m_u8Blue, a_Color.m_u8Blue));
}

void bCByteColor::SubClamped(bCByteColor const & a_Color)
{
    SetColor(SubSaturated(m_u8Red, a_Color.m_u8Red), SubSaturated(m_u8Green, a_Color.m_u8Green),
             SubSaturated(m_u8Blue, a_Color.m_u8Blue));
}

void bCByteColor::Multiply(bCByteColor const & a_Color)
{
    SetColor(ScaledProduct(m_u8Red, a_Color.m_u8Red), ScaledProduct(m_u8Green, a_Color.m_u8Green),
             ScaledProduct(m_u8Blue, a_Color.m_u8Blue));
}

void bCByteColor::Multiply(OEU8 a_u8Factor)
{
    Multiply(bCByteColor(a_u8Factor, a_u8Factor, a_u8Factor));
}

void bCByteColor::Divide(bCByteColor const & a_Color)
{
    SetColor(ScaledQuotient(m_u8Red, a_Color.m_u8Red), ScaledQuotient(m_u8Green, a_Color.m_u8Green),
             ScaledQuotient(m_u8Blue, a_Color.m_u8Blue));
}

void bCByteColor::Divide(OEU8 a_u8Factor)
{
    Divide(bCByteColor(a_u8Factor, a_u8Factor, a_u8Factor));
}

bCByteColor bCByteColor::GetSum(bCByteColor const & a_Color) const
{
    bCByteColor Result(*this);
    Result.Add(a_Color);
    return Result;
}

bCByteColor bCByteColor::GetDifference(bCByteColor const & a_Color) const
{
    bCByteColor Result(*this);
    Result.Sub(a_Color);
    return Result;
}

bCByteColor bCByteColor::GetProduct(bCByteColor const & a_Color) const
{
    bCByteColor Result(*this);
    Result.Multiply(a_Color);
    return Result;
}

bCByteColor bCByteColor::GetProduct(OEU8 a_u8Factor) const
{
    bCByteColor Result(*this);
    Result.Multiply(a_u8Factor);
    return Result;
}

void bCByteColor::GetSum(bCByteColor const & a_Color, bCByteColor & a_Result) const
{
    a_Result = GetSum(a_Color);
}

void bCByteColor::GetDifference(bCByteColor const & a_Color, bCByteColor & a_Result) const
{
    a_Result = GetDifference(a_Color);
}

void bCByteColor::GetProduct(bCByteColor const & a_Color, bCByteColor & a_Result) const
{
    a_Result = GetProduct(a_Color);
}

void bCByteColor::GetProduct(OEU8 a_u8Factor, bCByteColor & a_Result) const
{
    a_Result = GetProduct(a_u8Factor);
}

bool bCByteColor::IsEqual(bCByteColor const & a_Color) const
{
    return m_u8Red == a_Color.m_u8Red && m_u8Green == a_Color.m_u8Green && m_u8Blue == a_Color.m_u8Blue;
}

bCByteColor & bCByteColor::operator=(bCByteColor const & a_Source)
{
    SetColor(a_Source);
    return *this;
}

bCByteColor bCByteColor::operator/(bCByteColor const & a_Color) const
{
    bCByteColor Result(*this);
    Result.Divide(a_Color);
    return Result;
}

bCByteColor bCByteColor::operator/(OEU8 a_u8Factor) const
{
    bCByteColor Result(*this);
    Result.Divide(a_u8Factor);
    return Result;
}
