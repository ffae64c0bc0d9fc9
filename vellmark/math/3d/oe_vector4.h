#ifndef OE_VECTOR4_H_INCLUDED
#define OE_VECTOR4_H_INCLUDED

// bCVector4: four floats x, y, z, w (homogeneous). Same families as bCVector
// without the cross product and the 3D-only operations.

#include <vellmark/math/3d/oe_mathconstants.h>

#include <cmath>

class bCMatrix;
class bCIStream;
class bCOStream;

class OE_API bCVector4
{
public:
    static float DotProduct(bCVector4 const & a_vecA, bCVector4 const & a_vecB);

public:
    bCVector4() = default; // uninitialised
    explicit bCVector4(float a_fAll);
    bCVector4(float a_fX, float a_fY, float a_fZ, float a_fW);
    explicit bCVector4(float const * a_pfCoordinates);
    bCVector4(bCVector4 const &) = default;
    bCVector4 & operator=(bCVector4 const &) = default;
    ~bCVector4() = default;

public:
    float GetX() const;
    float GetY() const;
    float GetZ() const;
    float GetW() const;
    void GetX(float & a_fX) const;
    void GetY(float & a_fY) const;
    void GetZ(float & a_fZ) const;
    void GetW(float & a_fW) const;
    float & AccessX();
    float & AccessY();
    float & AccessZ();
    float & AccessW();
    float GetCoordinate(int a_iIndex) const;
    float & AccessCoordinate(int a_iIndex);
    float const (&GetCoordinates() const)[4];
    float (&GetCoordinates())[4];
    void GetCoordinates(float & a_fX, float & a_fY, float & a_fZ, float & a_fW) const;
    void GetCoordinates(float * a_pfCoordinates) const;
    void SetX(float a_fX);
    void SetY(float a_fY);
    void SetZ(float a_fZ);
    void SetW(float a_fW);
    void SetCoordinate(int a_iIndex, float a_fValue);
    void SetCoordinates(float a_fX, float a_fY, float a_fZ, float a_fW);
    void SetCoordinates(float const * a_pfCoordinates);
    void SetVector(float a_fAll);
    void SetVector(float a_fX, float a_fY, float a_fZ, float a_fW);
    void SetVector(bCVector4 const & a_vecSource);
    void Clear();
    float & operator[](int a_iIndex);
    float operator[](int a_iIndex) const;

    bCVector4 & Translate(float a_fOffset);
    bCVector4 & Translate(bCVector4 const & a_vecOffset);
    bCVector4 & InvTranslate(float a_fOffset);
    bCVector4 & InvTranslate(bCVector4 const & a_vecOffset);
    bCVector4 & Scale(float a_fFactor);
    bCVector4 & Scale(bCVector4 const & a_vecFactors);
    bCVector4 & InvScale(float a_fDivisor);
    bCVector4 & InvScale(bCVector4 const & a_vecDivisors);
    bCVector4 & Invert();
    bCVector4 GetTranslated(float a_fOffset) const;
    bCVector4 GetTranslated(bCVector4 const & a_vecOffset) const;
    bCVector4 GetInvTranslated(float a_fOffset) const;
    bCVector4 GetInvTranslated(bCVector4 const & a_vecOffset) const;
    bCVector4 GetScaled(float a_fFactor) const;
    bCVector4 GetScaled(bCVector4 const & a_vecFactors) const;
    bCVector4 GetInvScaled(float a_fDivisor) const;
    bCVector4 GetInvScaled(bCVector4 const & a_vecDivisors) const;
    bCVector4 GetInverted() const;

    bCVector4 operator+(bCVector4 const & a_vecOther) const;
    bCVector4 operator-(bCVector4 const & a_vecOther) const;
    bCVector4 operator+(float a_fOffset) const;
    bCVector4 operator-(float a_fOffset) const;
    bCVector4 operator-() const;
    bCVector4 operator*(float a_fFactor) const;
    bCVector4 operator/(float a_fDivisor) const;
    bCVector4 & operator+=(bCVector4 const & a_vecOther);
    bCVector4 & operator-=(bCVector4 const & a_vecOther);
    bCVector4 & operator+=(float a_fOffset);
    bCVector4 & operator-=(float a_fOffset);
    bCVector4 & operator*=(float a_fFactor);
    bCVector4 & operator/=(float a_fDivisor);
    friend bCVector4 operator*(float a_fFactor, bCVector4 const & a_vecVector) { return a_vecVector * a_fFactor; }

    float GetDotProduct(bCVector4 const & a_vecOther) const;

    float GetSquareMagnitude() const;
    float GetMagnitude() const;
    float GetMagnitudeApprox() const; // m1 + (25 m2 + 19 m3 + 16 m4) / 60 over sorted magnitudes
    float GetMagnitudeNormalize();    // no zero test
    bCVector4 & Normalize();          // no zero test: the caller must not pass zero
    bCVector4 & NormalizeApprox();
    bCVector4 & NormalizeSafe();
    bCVector4 GetNormalized() const;

    bool IsEqual(bCVector4 const & a_vecOther) const;
    bool operator==(bCVector4 const & a_vecOther) const;
    bool operator!=(bCVector4 const & a_vecOther) const;

    // (x y z w) M over the full matrix, no division.
    bCVector4 & SetTransformed(bCVector4 const & a_vecSource, bCMatrix const & a_matTransform);
    bCVector4 & Transform(bCMatrix const & a_matTransform);
    bCVector4 GetTransformed(bCMatrix const & a_matTransform) const;
    bCVector4 operator*(bCMatrix const & a_matTransform) const;
    bCVector4 & operator*=(bCMatrix const & a_matTransform);

    // Raw 32-bit floats x, y, z, w; no header.
    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    float m_fCoordinates[4];
};

static_assert(sizeof(bCVector4) == 16, "four floats");

inline float bCVector4::DotProduct(bCVector4 const & a_vecA, bCVector4 const & a_vecB)
{
    return a_vecA.GetDotProduct(a_vecB);
}

inline bCVector4::bCVector4(float a_fAll) : m_fCoordinates{a_fAll, a_fAll, a_fAll, a_fAll} {}
inline bCVector4::bCVector4(float a_fX, float a_fY, float a_fZ, float a_fW) : m_fCoordinates{a_fX, a_fY, a_fZ, a_fW} {}
inline bCVector4::bCVector4(float const * a_pfCoordinates) :
    m_fCoordinates{a_pfCoordinates[0], a_pfCoordinates[1], a_pfCoordinates[2], a_pfCoordinates[3]}
{
}

inline float bCVector4::GetX() const
{
    return m_fCoordinates[0];
}
inline float bCVector4::GetY() const
{
    return m_fCoordinates[1];
}
inline float bCVector4::GetZ() const
{
    return m_fCoordinates[2];
}
inline float bCVector4::GetW() const
{
    return m_fCoordinates[3];
}
inline void bCVector4::GetX(float & a_fX) const
{
    a_fX = m_fCoordinates[0];
}
inline void bCVector4::GetY(float & a_fY) const
{
    a_fY = m_fCoordinates[1];
}
inline void bCVector4::GetZ(float & a_fZ) const
{
    a_fZ = m_fCoordinates[2];
}
inline void bCVector4::GetW(float & a_fW) const
{
    a_fW = m_fCoordinates[3];
}
inline float & bCVector4::AccessX()
{
    return m_fCoordinates[0];
}
inline float & bCVector4::AccessY()
{
    return m_fCoordinates[1];
}
inline float & bCVector4::AccessZ()
{
    return m_fCoordinates[2];
}
inline float & bCVector4::AccessW()
{
    return m_fCoordinates[3];
}
inline float bCVector4::GetCoordinate(int a_iIndex) const
{
    return m_fCoordinates[a_iIndex];
}
inline float & bCVector4::AccessCoordinate(int a_iIndex)
{
    return m_fCoordinates[a_iIndex];
}
inline float const (&bCVector4::GetCoordinates() const)[4]
{
    return m_fCoordinates;
}

inline float (&bCVector4::GetCoordinates())[4]
{
    return m_fCoordinates;
}
inline void bCVector4::GetCoordinates(float & a_fX, float & a_fY, float & a_fZ, float & a_fW) const
{
    a_fX = m_fCoordinates[0];
    a_fY = m_fCoordinates[1];
    a_fZ = m_fCoordinates[2];
    a_fW = m_fCoordinates[3];
}
inline void bCVector4::GetCoordinates(float * a_pfCoordinates) const
{
    GetCoordinates(a_pfCoordinates[0], a_pfCoordinates[1], a_pfCoordinates[2], a_pfCoordinates[3]);
}
inline void bCVector4::SetX(float a_fX)
{
    m_fCoordinates[0] = a_fX;
}
inline void bCVector4::SetY(float a_fY)
{
    m_fCoordinates[1] = a_fY;
}
inline void bCVector4::SetZ(float a_fZ)
{
    m_fCoordinates[2] = a_fZ;
}
inline void bCVector4::SetW(float a_fW)
{
    m_fCoordinates[3] = a_fW;
}
inline void bCVector4::SetCoordinate(int a_iIndex, float a_fValue)
{
    m_fCoordinates[a_iIndex] = a_fValue;
}
inline void bCVector4::SetCoordinates(float a_fX, float a_fY, float a_fZ, float a_fW)
{
    m_fCoordinates[0] = a_fX;
    m_fCoordinates[1] = a_fY;
    m_fCoordinates[2] = a_fZ;
    m_fCoordinates[3] = a_fW;
}
inline void bCVector4::SetCoordinates(float const * a_pfCoordinates)
{
    SetCoordinates(a_pfCoordinates[0], a_pfCoordinates[1], a_pfCoordinates[2], a_pfCoordinates[3]);
}
inline void bCVector4::SetVector(float a_fAll)
{
    SetCoordinates(a_fAll, a_fAll, a_fAll, a_fAll);
}
inline void bCVector4::SetVector(float a_fX, float a_fY, float a_fZ, float a_fW)
{
    SetCoordinates(a_fX, a_fY, a_fZ, a_fW);
}
inline void bCVector4::SetVector(bCVector4 const & a_vecSource)
{
    *this = a_vecSource;
}
inline void bCVector4::Clear()
{
    SetVector(0.0f);
}
inline float & bCVector4::operator[](int a_iIndex)
{
    return m_fCoordinates[a_iIndex];
}
inline float bCVector4::operator[](int a_iIndex) const
{
    return m_fCoordinates[a_iIndex];
}

inline bCVector4 & bCVector4::Translate(float a_fOffset)
{
    return Translate(bCVector4(a_fOffset));
}
inline bCVector4 & bCVector4::Translate(bCVector4 const & a_vecOffset)
{
    for (int i = 0; i < 4; ++i)
        m_fCoordinates[i] += a_vecOffset.m_fCoordinates[i];
    return *this;
}
inline bCVector4 & bCVector4::InvTranslate(float a_fOffset)
{
    return InvTranslate(bCVector4(a_fOffset));
}
inline bCVector4 & bCVector4::InvTranslate(bCVector4 const & a_vecOffset)
{
    for (int i = 0; i < 4; ++i)
        m_fCoordinates[i] -= a_vecOffset.m_fCoordinates[i];
    return *this;
}
inline bCVector4 & bCVector4::Scale(float a_fFactor)
{
    return Scale(bCVector4(a_fFactor));
}
inline bCVector4 & bCVector4::Scale(bCVector4 const & a_vecFactors)
{
    for (int i = 0; i < 4; ++i)
        m_fCoordinates[i] *= a_vecFactors.m_fCoordinates[i];
    return *this;
}
inline bCVector4 & bCVector4::InvScale(float a_fDivisor)
{
    return Scale(1.0f / a_fDivisor);
}
inline bCVector4 & bCVector4::InvScale(bCVector4 const & a_vecDivisors)
{
    for (int i = 0; i < 4; ++i)
        m_fCoordinates[i] /= a_vecDivisors.m_fCoordinates[i];
    return *this;
}
inline bCVector4 & bCVector4::Invert()
{
    for (float & fValue : m_fCoordinates)
        fValue = -fValue;
    return *this;
}
inline bCVector4 bCVector4::GetTranslated(float a_fOffset) const
{
    return bCVector4(*this).Translate(a_fOffset);
}
inline bCVector4 bCVector4::GetTranslated(bCVector4 const & a_vecOffset) const
{
    return bCVector4(*this).Translate(a_vecOffset);
}
inline bCVector4 bCVector4::GetInvTranslated(float a_fOffset) const
{
    return bCVector4(*this).InvTranslate(a_fOffset);
}
inline bCVector4 bCVector4::GetInvTranslated(bCVector4 const & a_vecOffset) const
{
    return bCVector4(*this).InvTranslate(a_vecOffset);
}
inline bCVector4 bCVector4::GetScaled(float a_fFactor) const
{
    return bCVector4(*this).Scale(a_fFactor);
}
inline bCVector4 bCVector4::GetScaled(bCVector4 const & a_vecFactors) const
{
    return bCVector4(*this).Scale(a_vecFactors);
}
inline bCVector4 bCVector4::GetInvScaled(float a_fDivisor) const
{
    return bCVector4(*this).InvScale(a_fDivisor);
}
inline bCVector4 bCVector4::GetInvScaled(bCVector4 const & a_vecDivisors) const
{
    return bCVector4(*this).InvScale(a_vecDivisors);
}
inline bCVector4 bCVector4::GetInverted() const
{
    return bCVector4(*this).Invert();
}

inline bCVector4 bCVector4::operator+(bCVector4 const & a_vecOther) const
{
    return GetTranslated(a_vecOther);
}
inline bCVector4 bCVector4::operator-(bCVector4 const & a_vecOther) const
{
    return GetInvTranslated(a_vecOther);
}
inline bCVector4 bCVector4::operator+(float a_fOffset) const
{
    return GetTranslated(a_fOffset);
}
inline bCVector4 bCVector4::operator-(float a_fOffset) const
{
    return GetInvTranslated(a_fOffset);
}
inline bCVector4 bCVector4::operator-() const
{
    return GetInverted();
}
inline bCVector4 bCVector4::operator*(float a_fFactor) const
{
    return GetScaled(a_fFactor);
}
inline bCVector4 bCVector4::operator/(float a_fDivisor) const
{
    return GetInvScaled(a_fDivisor);
}
inline bCVector4 & bCVector4::operator+=(bCVector4 const & a_vecOther)
{
    return Translate(a_vecOther);
}
inline bCVector4 & bCVector4::operator-=(bCVector4 const & a_vecOther)
{
    return InvTranslate(a_vecOther);
}
inline bCVector4 & bCVector4::operator+=(float a_fOffset)
{
    return Translate(a_fOffset);
}
inline bCVector4 & bCVector4::operator-=(float a_fOffset)
{
    return InvTranslate(a_fOffset);
}
inline bCVector4 & bCVector4::operator*=(float a_fFactor)
{
    return Scale(a_fFactor);
}
inline bCVector4 & bCVector4::operator/=(float a_fDivisor)
{
    return InvScale(a_fDivisor);
}

inline float bCVector4::GetDotProduct(bCVector4 const & a_vecOther) const
{
    return m_fCoordinates[0] * a_vecOther.m_fCoordinates[0] + m_fCoordinates[1] * a_vecOther.m_fCoordinates[1] +
           m_fCoordinates[2] * a_vecOther.m_fCoordinates[2] + m_fCoordinates[3] * a_vecOther.m_fCoordinates[3];
}

inline float bCVector4::GetSquareMagnitude() const
{
    return GetDotProduct(*this);
}
inline float bCVector4::GetMagnitude() const
{
    return std::sqrt(GetSquareMagnitude());
}
inline float bCVector4::GetMagnitudeNormalize()
{
    float const fMagnitude = GetMagnitude();
    for (float & fValue : m_fCoordinates)
        fValue /= fMagnitude;
    return fMagnitude;
}
inline bCVector4 & bCVector4::Normalize()
{
    return Scale(1.0f / GetMagnitude());
}
inline bCVector4 & bCVector4::NormalizeApprox()
{
    float const fSquare = GetSquareMagnitude();
    if (fSquare != 0.0f)
        Scale(g_GetFastInvSqrt(fSquare));
    return *this;
}
inline bCVector4 & bCVector4::NormalizeSafe()
{
    float const fSquare = GetSquareMagnitude();
    if (fSquare != 0.0f)
        Scale(1.0f / std::sqrt(fSquare));
    return *this;
}
inline bCVector4 bCVector4::GetNormalized() const
{
    return bCVector4(*this).Normalize();
}

inline bool bCVector4::IsEqual(bCVector4 const & a_vecOther) const
{
    return m_fCoordinates[0] == a_vecOther.m_fCoordinates[0] && m_fCoordinates[1] == a_vecOther.m_fCoordinates[1] &&
           m_fCoordinates[2] == a_vecOther.m_fCoordinates[2] && m_fCoordinates[3] == a_vecOther.m_fCoordinates[3];
}
inline bool bCVector4::operator==(bCVector4 const & a_vecOther) const
{
    return IsEqual(a_vecOther);
}
inline bool bCVector4::operator!=(bCVector4 const & a_vecOther) const
{
    return !IsEqual(a_vecOther);
}

#include <vellmark/math/3d/oe_matrix.h>

#endif
