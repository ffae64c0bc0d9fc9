#include <vellmark/math/3d/oe_point.h>

#include <vellmark/kernel/oe_stream.h>

#include <cmath>

namespace
{
    // Coordinates wrap at 32 bits like the platform's integers, without overflow traps.
    int32_t Add32(long a_iFirst, long a_iSecond)
    {
        return static_cast<int32_t>(static_cast<uint32_t>(a_iFirst) + static_cast<uint32_t>(a_iSecond));
    }

    int32_t Round32(int32_t a_iValue, float a_fFactor)
    {
        return static_cast<int32_t>(std::lrintf(static_cast<float>(a_iValue) * a_fFactor));
    }
}

void bCPoint::SetPoint(long a_iX, long a_iY)
{
    m_iX = static_cast<int32_t>(a_iX);
    m_iY = static_cast<int32_t>(a_iY);
}

void bCPoint::Translate(long a_iX, long a_iY)
{
    m_iX = Add32(m_iX, a_iX);
    m_iY = Add32(m_iY, a_iY);
}

void bCPoint::InvTranslate(long a_iX, long a_iY)
{
    m_iX = Add32(m_iX, -a_iX);
    m_iY = Add32(m_iY, -a_iY);
}

void bCPoint::Scale(float a_fFactor)
{
    m_iX = Round32(m_iX, a_fFactor);
    m_iY = Round32(m_iY, a_fFactor);
}

void bCPoint::InvScale(float a_fDivisor)
{
    if (a_fDivisor == 0.0f)
        return;
    Scale(1.0f / a_fDivisor);
}

bCPoint bCPoint::GetScaled(float a_fFactor) const
{
    bCPoint Result(*this);
    Result.Scale(a_fFactor);
    return Result;
}

bCPoint bCPoint::GetInvScaled(float a_fDivisor) const
{
    bCPoint Result(*this);
    Result.InvScale(a_fDivisor);
    return Result;
}

bCPoint bCPoint::operator-() const
{
    return bCPoint(Add32(0, -static_cast<long>(m_iX)), Add32(0, -static_cast<long>(m_iY)));
}

bCPoint bCPoint::operator+(bCPoint const & a_Other) const
{
    bCPoint Result(*this);
    return Result += a_Other;
}

bCPoint bCPoint::operator-(bCPoint const & a_Other) const
{
    bCPoint Result(*this);
    return Result -= a_Other;
}

bCPoint & bCPoint::operator+=(bCPoint const & a_Other)
{
    Translate(a_Other);
    return *this;
}

bCPoint & bCPoint::operator-=(bCPoint const & a_Other)
{
    InvTranslate(a_Other);
    return *this;
}

bCPoint & bCPoint::operator*=(float a_fFactor)
{
    Scale(a_fFactor);
    return *this;
}

bCPoint & bCPoint::operator/=(float a_fDivisor)
{
    InvScale(a_fDivisor);
    return *this;
}

bCIStream & bCPoint::operator<<(bCIStream & a_Stream)
{
    a_Stream.Read(this, sizeof(*this));
    return a_Stream;
}

bCOStream & bCPoint::operator>>(bCOStream & a_Stream) const
{
    a_Stream.Write(this, sizeof(*this));
    return a_Stream;
}

bCIStream & operator>>(bCIStream & a_Stream, bCPoint & a_Point)
{
    return a_Point << a_Stream;
}

bCOStream & operator<<(bCOStream & a_Stream, bCPoint const & a_Point)
{
    return a_Point >> a_Stream;
}
