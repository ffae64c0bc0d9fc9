#ifndef OE_POINT_H_INCLUDED
#define OE_POINT_H_INCLUDED

// bCPoint: an integer screen position with the memory image of the platform's
// POINT record (x, then y, both 32-bit signed). Arguments of type long are
// stored cut to 32 bits. Scaling rounds to the nearest integer with the
// current rounding mode (half to even by default).

#include <vellmark/platform/oe_export.h>
#include <vellmark/platform/oe_wingeometry.h>

#include <cstdint>

class bCIStream;
class bCOStream;

class OE_API bCPoint
{
public:
    bCPoint() : m_iX(0), m_iY(0) {}
    bCPoint(long a_iX, long a_iY) : m_iX(static_cast<int32_t>(a_iX)), m_iY(static_cast<int32_t>(a_iY)) {}
    bCPoint(bCPoint const & a_Source) = default;
    bCPoint(POINT const & a_Source) : m_iX(a_Source.x), m_iY(a_Source.y) {}
    bCPoint & operator=(bCPoint const & a_Source) = default;

public:
    operator POINT &() { return *reinterpret_cast<POINT *>(this); }
    operator POINT const &() const { return *reinterpret_cast<POINT const *>(this); }
    operator POINT *() { return reinterpret_cast<POINT *>(this); }
    operator POINT const *() const { return reinterpret_cast<POINT const *>(this); }

    long GetX() const { return m_iX; }
    long GetY() const { return m_iY; }
    void SetX(long a_iX) { m_iX = static_cast<int32_t>(a_iX); }
    void SetY(long a_iY) { m_iY = static_cast<int32_t>(a_iY); }
    int32_t & AccessX() { return m_iX; }
    int32_t & AccessY() { return m_iY; }
    int32_t & operator[](int a_iIndex) { return a_iIndex == 0 ? m_iX : m_iY; }
    long operator[](int a_iIndex) const { return a_iIndex == 0 ? m_iX : m_iY; }
    void SetPoint(long a_iX, long a_iY);
    void SetPoint(bCPoint const & a_Source) { *this = a_Source; }
    void Clear() { m_iX = m_iY = 0; }

    void Translate(bCPoint const & a_Offset) { Translate(a_Offset.m_iX, a_Offset.m_iY); }
    void Translate(long a_iX, long a_iY);
    void InvTranslate(bCPoint const & a_Offset) { InvTranslate(a_Offset.m_iX, a_Offset.m_iY); }
    void InvTranslate(long a_iX, long a_iY);
    void Scale(float a_fFactor);
    void InvScale(float a_fDivisor); // nothing for a divisor of exactly 0
    bCPoint GetScaled(float a_fFactor) const;
    bCPoint GetInvScaled(float a_fDivisor) const;

    bCPoint operator+() const { return *this; }
    bCPoint operator-() const;
    bCPoint operator+(bCPoint const & a_Other) const;
    bCPoint operator-(bCPoint const & a_Other) const;
    bCPoint operator*(float a_fFactor) const { return GetScaled(a_fFactor); }
    bCPoint operator/(float a_fDivisor) const { return GetInvScaled(a_fDivisor); }
    bCPoint & operator+=(bCPoint const & a_Other);
    bCPoint & operator-=(bCPoint const & a_Other);
    bCPoint & operator*=(float a_fFactor);
    bCPoint & operator/=(float a_fDivisor);
    bool operator==(bCPoint const & a_Other) const { return m_iX == a_Other.m_iX && m_iY == a_Other.m_iY; }
    bool operator!=(bCPoint const & a_Other) const { return !(*this == a_Other); }

    bCIStream & operator<<(bCIStream & a_Stream);      // reads 8 bytes
    bCOStream & operator>>(bCOStream & a_Stream) const; // writes 8 bytes

private:
    int32_t m_iX;
    int32_t m_iY;
};
static_assert(sizeof(bCPoint) == sizeof(POINT), "a point has the image of the platform's record");

OE_API bCIStream & operator>>(bCIStream & a_Stream, bCPoint & a_Point);
OE_API bCOStream & operator<<(bCOStream & a_Stream, bCPoint const & a_Point);

#endif
