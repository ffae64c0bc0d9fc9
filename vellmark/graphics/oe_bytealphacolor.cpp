#include <vellmark/graphics/oe_bytealphacolor.h>

#include <vellmark/graphics/oe_floatalphacolor.h>
#include <vellmark/graphics/oe_floatcolorhsv.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>

#include <cstdint>
#include <cstring>

bCByteAlphaColor::bCByteAlphaColor() : m_u8Alpha(0)
{
}

bCByteAlphaColor::bCByteAlphaColor(OEU8 a_u8Red, OEU8 a_u8Green, OEU8 a_u8Blue, OEU8 a_u8Alpha)
    : bCByteColor(a_u8Red, a_u8Green, a_u8Blue), m_u8Alpha(a_u8Alpha)
{
}

bCByteAlphaColor::bCByteAlphaColor(bEColor a_eColor) : bCByteColor(a_eColor), m_u8Alpha(255)
{
}

bCByteAlphaColor::bCByteAlphaColor(bCByteAlphaColor const & a_Source)
    : bCByteColor(a_Source), m_u8Alpha(a_Source.m_u8Alpha)
{
}

bCByteAlphaColor::bCByteAlphaColor(bCByteColor const & a_Source, OEU8 a_u8Alpha)
    : bCByteColor(a_Source), m_u8Alpha(a_u8Alpha)
{
}

bCByteAlphaColor::bCByteAlphaColor(bCFloatColor const & a_Source, OEU8 a_u8Alpha)
    : bCByteColor(a_Source), m_u8Alpha(a_u8Alpha)
{
}

bCByteAlphaColor::bCByteAlphaColor(bCFloatAlphaColor const & a_Source)
    : bCByteColor(static_cast<bCFloatColor const &>(a_Source)), m_u8Alpha(FloatToByte(a_Source.GetAlpha()))
{
}

bCByteAlphaColor::bCByteAlphaColor(bCFloatColorHSV const & a_Source, OEU8 a_u8Alpha)
    : bCByteColor(a_Source), m_u8Alpha(a_u8Alpha)
{
}

bCByteAlphaColor::~bCByteAlphaColor() = default;

void bCByteAlphaColor::Clear()
{
    bCByteColor::Clear();
    m_u8Alpha = 0;
}

bCIStream & bCByteAlphaColor::operator<<(bCIStream & a_Stream)
{
    bCByteColor::operator<<(a_Stream);
    a_Stream.Read(&m_u8Alpha, 1);
    OEU8 arrSpare[3];
    a_Stream.Read(arrSpare, 3);
    return a_Stream;
}

bCOStream & bCByteAlphaColor::operator>>(bCOStream & a_Stream) const
{
    bCByteColor::operator>>(a_Stream);
    OEU8 const arrAlpha[4] = {m_u8Alpha, 0, 0, 0};
    a_Stream.Write(arrAlpha, 4);
    return a_Stream;
}

void bCByteAlphaColor::SetColor(OEU8 a_u8Red, OEU8 a_u8Green, OEU8 a_u8Blue, OEU8 a_u8Alpha)
{
    bCByteColor::SetColor(a_u8Red, a_u8Green, a_u8Blue);
    m_u8Alpha = a_u8Alpha;
}

void bCByteAlphaColor::SetColor(bEColor a_eColor)
{
    bCByteColor::SetColor(a_eColor);
    m_u8Alpha = 255;
}

void bCByteAlphaColor::SetColor(bCByteAlphaColor const & a_Source)
{
    bCByteColor::SetColor(a_Source);
    m_u8Alpha = a_Source.m_u8Alpha;
}

void bCByteAlphaColor::SetColor(bCByteColor const & a_Source, OEU8 a_u8Alpha)
{
    bCByteColor::SetColor(a_Source);
    m_u8Alpha = a_u8Alpha;
}

void bCByteAlphaColor::SetColor(bCFloatColor const & a_Source, OEU8 a_u8Alpha)
{
    bCByteColor::SetColor(a_Source);
    m_u8Alpha = a_u8Alpha;
}

void bCByteAlphaColor::SetColor(bCFloatAlphaColor const & a_Source)
{
    bCByteColor::SetColor(static_cast<bCFloatColor const &>(a_Source));
    m_u8Alpha = FloatToByte(a_Source.GetAlpha());
}

void bCByteAlphaColor::SetColor(bCFloatColorHSV const & a_Source, OEU8 a_u8Alpha)
{
    bCByteColor::SetColor(a_Source);
    m_u8Alpha = a_u8Alpha;
}

void bCByteAlphaColor::ReportInvalidFormat(char const * a_pcMethod)
{
    OE_MESSAGEF_WARN("The method %s detected an improper usage! \nHint:%s ", a_pcMethod,
                     "Encountered invalid value for enumeration bEPixelFormat!");
}

void bCByteAlphaColor::ReadPixel(bEPixelFormat a_eFormat, void const * a_pPixel)
{
    uint16_t u16Pixel = 0;
    uint32_t u32Pixel = 0;
    if (a_eFormat >= bEPixelFormat_RGB_555 && a_eFormat <= bEPixelFormat_ARGB_1555)
        std::memcpy(&u16Pixel, a_pPixel, 2);
    else if (a_eFormat == bEPixelFormat_RGBA_8888 || a_eFormat == bEPixelFormat_ARGB_8888)
        std::memcpy(&u32Pixel, a_pPixel, 4);
    switch (a_eFormat)
    {
    case bEPixelFormat_RGB_555:
        SetColor_RGB_555(u16Pixel);
        m_u8Alpha = 255;
        break;
    case bEPixelFormat_RGB_565:
        SetColor_RGB_565(u16Pixel);
        m_u8Alpha = 255;
        break;
    case bEPixelFormat_RGBA_4444: SetColor_RGBA_4444(u16Pixel); break;
    case bEPixelFormat_ARGB_1555: SetColor_ARGB_1555(u16Pixel); break;
    case bEPixelFormat_RGBA_8888: SetColor_RGBA_8888(u32Pixel); break;
    case bEPixelFormat_ARGB_8888: SetColor_ARGB_8888(u32Pixel); break;
    case bEPixelFormat_RGB_888:
    {
        OEU8 const * pBytes = static_cast<OEU8 const *>(a_pPixel);
        bCByteColor::SetColor(pBytes[0], pBytes[1], pBytes[2]);
        break;
    }
    default: ReportInvalidFormat("bCByteAlphaColor::ReadPixel"); break;
    }
}

void bCByteAlphaColor::WritePixel(bEPixelFormat a_eFormat, void * a_pPixel) const
{
    uint16_t u16Pixel = 0;
    uint32_t u32Pixel = 0;
    switch (a_eFormat)
    {
    case bEPixelFormat_RGB_555: u16Pixel = GetColor_RGB_555(); break;
    case bEPixelFormat_RGB_565: u16Pixel = GetColor_RGB_565(); break;
    case bEPixelFormat_RGBA_4444: u16Pixel = GetColor_RGBA_4444(); break;
    case bEPixelFormat_ARGB_1555: u16Pixel = GetColor_ARGB_1555(); break;
    case bEPixelFormat_RGBA_8888: u32Pixel = static_cast<uint32_t>(GetColor_RGBA_8888()); break;
    case bEPixelFormat_ARGB_8888: u32Pixel = static_cast<uint32_t>(GetColor_ARGB_8888()); break;
    case bEPixelFormat_RGB_888:
    {
        OEU8 const arrBytes[3] = {m_u8Red, m_u8Green, m_u8Blue};
        std::memcpy(a_pPixel, arrBytes, 3);
        return;
    }
    default: ReportInvalidFormat("bCByteAlphaColor::WritePixel"); return;
    }
    if (a_eFormat <= bEPixelFormat_ARGB_1555)
        std::memcpy(a_pPixel, &u16Pixel, 2);
    else
        std::memcpy(a_pPixel, &u32Pixel, 4);
}

void bCByteAlphaColor::Invert()
{
    bCByteColor::Invert();
    m_u8Alpha = static_cast<OEU8>(~m_u8Alpha);
}

bCByteAlphaColor bCByteAlphaColor::GetInverted() const
{
    bCByteAlphaColor Result(*this);
    Result.Invert();
    return Result;
}

void bCByteAlphaColor::Add(bCByteAlphaColor const & a_Color)
{
    bCByteColor::Add(a_Color);
    m_u8Alpha = static_cast<OEU8>(m_u8Alpha + a_Color.m_u8Alpha);
}

void bCByteAlphaColor::Sub(bCByteAlphaColor const & a_Color)
{
    bCByteColor::Sub(a_Color);
    m_u8Alpha = static_cast<OEU8>(m_u8Alpha - a_Color.m_u8Alpha);
}

void bCByteAlphaColor::AddClamped(bCByteAlphaColor const & a_Color)
{
    bCByteColor::AddClamped(a_Color);
    m_u8Alpha = AddSaturated(m_u8Alpha, a_Color.m_u8Alpha);
}

void bCByteAlphaColor::SubClamped(bCByteAlphaColor const & a_Color)
{
    bCByteColor::SubClamped(a_Color);
    m_u8Alpha = SubSaturated(m_u8Alpha, a_Color.m_u8Alpha);
}

void bCByteAlphaColor::Multiply(bCByteAlphaColor const & a_Color)
{
    bCByteColor::Multiply(a_Color);
    m_u8Alpha = ScaledProduct(m_u8Alpha, a_Color.m_u8Alpha);
}

void bCByteAlphaColor::Multiply(OEU8 a_u8Factor)
{
    Multiply(bCByteAlphaColor(a_u8Factor, a_u8Factor, a_u8Factor, a_u8Factor));
}

void bCByteAlphaColor::Divide(bCByteAlphaColor const & a_Color)
{
    bCByteColor::Divide(a_Color);
    m_u8Alpha = ScaledQuotient(m_u8Alpha, a_Color.m_u8Alpha);
}

void bCByteAlphaColor::Divide(OEU8 a_u8Factor)
{
    Divide(bCByteAlphaColor(a_u8Factor, a_u8Factor, a_u8Factor, a_u8Factor));
}

bCByteAlphaColor bCByteAlphaColor::GetSum(bCByteAlphaColor const & a_Color) const
{
    bCByteAlphaColor Result(*this);
    Result.Add(a_Color);
    return Result;
}

bCByteAlphaColor bCByteAlphaColor::GetDifference(bCByteAlphaColor const & a_Color) const
{
    bCByteAlphaColor Result(*this);
    Result.Sub(a_Color);
    return Result;
}

bCByteAlphaColor bCByteAlphaColor::GetProduct(bCByteAlphaColor const & a_Color) const
{
    bCByteAlphaColor Result(*this);
    Result.Multiply(a_Color);
    return Result;
}

bCByteAlphaColor bCByteAlphaColor::GetProduct(OEU8 a_u8Factor) const
{
    bCByteAlphaColor Result(*this);
    Result.Multiply(a_u8Factor);
    return Result;
}

void bCByteAlphaColor::GetSum(bCByteAlphaColor const & a_Color, bCByteAlphaColor & a_Result) const
{
    a_Result = GetSum(a_Color);
}

void bCByteAlphaColor::GetDifference(bCByteAlphaColor const & a_Color, bCByteAlphaColor & a_Result) const
{
    a_Result = GetDifference(a_Color);
}

void bCByteAlphaColor::GetProduct(bCByteAlphaColor const & a_Color, bCByteAlphaColor & a_Result) const
{
    a_Result = GetProduct(a_Color);
}

void bCByteAlphaColor::GetProduct(OEU8 a_u8Factor, bCByteAlphaColor & a_Result) const
{
    a_Result = GetProduct(a_u8Factor);
}

bool bCByteAlphaColor::IsEqual(bCByteAlphaColor const & a_Color) const
{
    return bCByteColor::IsEqual(a_Color) && m_u8Alpha == a_Color.m_u8Alpha;
}

bCByteAlphaColor & bCByteAlphaColor::operator=(bCByteAlphaColor const & a_Source)
{
    SetColor(a_Source);
    return *this;
}

bCByteAlphaColor bCByteAlphaColor::operator/(bCByteAlphaColor const & a_Color) const
{
    bCByteAlphaColor Result(*this);
    Result.Divide(a_Color);
    return Result;
}

bCByteAlphaColor bCByteAlphaColor::operator/(OEU8 a_u8Factor) const
{
    bCByteAlphaColor Result(*this);
    Result.Divide(a_u8Factor);
    return Result;
}
