#ifndef OE_VECTOR2_H_INCLUDED
#define OE_VECTOR2_H_INCLUDED

// bCVector2: two floats x, y. Same families as bCVector where they make sense;
// the cross products exist but are not implemented (they warn).

#include <vellmark/math/3d/oe_mathconstants.h>

#include <cmath>

class bCMatrix2;
class bCIStream;
class bCOStream;

class OE_API bCVector2
{
public:
    static float DotProduct(bCVector2 const & a_vecA, bCVector2 const & a_vecB);
    static bCVector2 CrossProduct(bCVector2 const & a_vecA, bCVector2 const & a_vecB); // not implemented: (0, 0)

public:
    bCVector2() = default; // uninitialised
    explicit bCVector2(float a_fAll);
    bCVector2(float a_fX, float a_fY);
    explicit bCVector2(float const * a_pfCoordinates);
    bCVector2(bCVector2 const &) = default;
    bCVector2 & operator=(bCVector2 const &) = default;
    ~bCVector2() = default;

public:
    float GetX() const;
    float GetY() const;
    void GetX(float & a_fX) const;
    void GetY(float & a_fY) const;
    float & AccessX();
    float & AccessY();
    float GetCoordinate(int a_iIndex) const;
    float & AccessCoordinate(int a_iIndex);
    float const (&GetCoordinates() const)[2];
    float (&GetCoordinates())[2];
    void GetCoordinates(float & a_fX, float & a_fY) const;
    void GetCoordinates(float * a_pfCoordinates) const;
    void SetX(float a_fX);
    void SetY(float a_fY);
    void SetCoordinate(int a_iIndex, float a_fValue);
    void SetCoordinates(float a_fX, float a_fY);
    void SetCoordinates(float const * a_pfCoordinates);
    void SetVector(float a_fAll);
    void SetVector(float a_fX, float a_fY);
    void SetVector(bCVector2 const & a_vecSource);
    void Clear();
    float & operator[](int a_iIndex);
    float operator[](int a_iIndex) const;

    bCVector2 & Translate(float a_fOffset);
    bCVector2 & Translate(bCVector2 const & a_vecOffset);
    bCVector2 & InvTranslate(float a_fOffset);
    bCVector2 & InvTranslate(bCVector2 const & a_vecOffset);
    bCVector2 & Scale(float a_fFactor);
    bCVector2 & Scale(bCVector2 const & a_vecFactors);
    bCVector2 & InvScale(float a_fDivisor);
    bCVector2 & InvScale(bCVector2 const & a_vecDivisors);
    bCVector2 & Invert();
    bCVector2 GetTranslated(float a_fOffset) const;
    bCVector2 GetTranslated(bCVector2 const & a_vecOffset) const;
    bCVector2 GetInvTranslated(float a_fOffset) const;
    bCVector2 GetInvTranslated(bCVector2 const & a_vecOffset) const;
    bCVector2 GetScaled(float a_fFactor) const;
    bCVector2 GetScaled(bCVector2 const & a_vecFactors) const;
    bCVector2 GetInvScaled(float a_fDivisor) const;
    bCVector2 GetInvScaled(bCVector2 const & a_vecDivisors) const;
    bCVector2 GetInverted() const;

    bCVector2 operator+(bCVector2 const & a_vecOther) const;
    bCVector2 operator-(bCVector2 const & a_vecOther) const;
    bCVector2 operator+(float a_fOffset) const;
    bCVector2 operator-(float a_fOffset) const;
    bCVector2 operator-() const;
    bCVector2 operator*(float a_fFactor) const;
    bCVector2 operator/(float a_fDivisor) const;
    bCVector2 & operator+=(bCVector2 const & a_vecOther);
    bCVector2 & operator-=(bCVector2 const & a_vecOther);
    bCVector2 & operator+=(float a_fOffset);
    bCVector2 & operator-=(float a_fOffset);
    bCVector2 & operator*=(float a_fFactor);
    bCVector2 & operator/=(float a_fDivisor);
    friend bCVector2 operator*(float a_fFactor, bCVector2 const & a_vecVector) { return a_vecVector * a_fFactor; }

    float GetDotProduct(bCVector2 const & a_vecOther) const;
    // Not implemented: each warns and leaves or returns the object unchanged.
    bCVector2 & SetCrossProduct(bCVector2 const & a_vecA, bCVector2 const & a_vecB);
    bCVector2 & CrossProduct(bCVector2 const & a_vecOther);
    bCVector2 GetCrossProduct(bCVector2 const & a_vecOther) const;

    float GetSquareMagnitude() const;
    float GetMagnitude() const;
    float GetMagnitudeApprox() const; // s times the fast inverse square root of s
    float GetMagnitudeNormalize();    // no zero test
    bCVector2 & Normalize();          // zero stays zero
    bCVector2 & NormalizeApprox();
    bCVector2 & NormalizeSafe();
    bCVector2 GetNormalized() const;

    bool IsEqual(bCVector2 const & a_vecOther) const;
    bool operator==(bCVector2 const & a_vecOther) const;
    bool operator!=(bCVector2 const & a_vecOther) const;

    // (x y) M, and transposed (component i = row i . v).
    bCVector2 & SetTransformed(bCVector2 const & a_vecSource, bCMatrix2 const & a_matTransform);
    bCVector2 & Transform(bCMatrix2 const & a_matTransform);
    bCVector2 GetTransformed(bCMatrix2 const & a_matTransform) const;
    bCVector2 operator*(bCMatrix2 const & a_matTransform) const;
    bCVector2 & operator*=(bCMatrix2 const & a_matTransform);
    bCVector2 & SetTransposedTransformed(bCVector2 const & a_vecSource, bCMatrix2 const & a_matTransform);
    bCVector2 & TransposedTransform(bCMatrix2 const & a_matTransform);
    bCVector2 GetTransposedTransformed(bCMatrix2 const & a_matTransform) const;

    // Raw 32-bit floats x, y; no header.
    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    float m_fCoordinates[2];
};

static_assert(sizeof(bCVector2) == 8, "two floats");

inline float bCVector2::DotProduct(bCVector2 const & a_vecA, bCVector2 const & a_vecB)
{
    return a_vecA.GetDotProduct(a_vecB);
}

inline bCVector2::bCVector2(float a_fAll) : m_fCoordinates{a_fAll, a_fAll} {}
inline bCVector2::bCVector2(float a_fX, float a_fY) : m_fCoordinates{a_fX, a_fY} {}
inline bCVector2::bCVector2(float const * a_pfCoordinates) : m_fCoordinates{a_pfCoordinates[0], a_pfCoordinates[1]} {}

inline float bCVector2::GetX() const
{
    return m_fCoordinates[0];
}
inline float bCVector2::GetY() const
{
    return m_fCoordinates[1];
}
inline void bCVector2::GetX(float & a_fX) const
{
    a_fX = m_fCoordinates[0];
}
inline void bCVector2::GetY(float & a_fY) const
{
    a_fY = m_fCoordinates[1];
}
inline float & bCVector2::AccessX()
{
    return m_fCoordinates[0];
}
inline float & bCVector2::AccessY()
{
    return m_fCoordinates[1];
}
inline float bCVector2::GetCoordinate(int a_iIndex) const
{
    return m_fCoordinates[a_iIndex];
}
inline float & bCVector2::AccessCoordinate(int a_iIndex)
{
    return m_fCoordinates[a_iIndex];
}
inline float const (&bCVector2::GetCoordinates() const)[2]
{
    return m_fCoordinates;
}

inline float (&bCVector2::GetCoordinates())[2]
{
    return m_fCoordinates;
}
inline void bCVector2::GetCoordinates(float & a_fX, float & a_fY) const
{
    a_fX = m_fCoordinates[0];
    a_fY = m_fCoordinates[1];
}
inline void bCVector2::GetCoordinates(float * a_pfCoordinates) const
{
    GetCoordinates(a_pfCoordinates[0], a_pfCoordinates[1]);
}
inline void bCVector2::SetX(float a_fX)
{
    m_fCoordinates[0] = a_fX;
}
inline void bCVector2::SetY(float a_fY)
{
    m_fCoordinates[1] = a_fY;
}
inline void bCVector2::SetCoordinate(int a_iIndex, float a_fValue)
{
    m_fCoordinates[a_iIndex] = a_fValue;
}
inline void bCVector2::SetCoordinates(float a_fX, float a_fY)
{
    m_fCoordinates[0] = a_fX;
    m_fCoordinates[1] = a_fY;
}
inline void bCVector2::SetCoordinates(float const * a_pfCoordinates)
{
    SetCoordinates(a_pfCoordinates[0], a_pfCoordinates[1]);
}
inline void bCVector2::SetVector(float a_fAll)
{
    SetCoordinates(a_fAll, a_fAll);
}
inline void bCVector2::SetVector(float a_fX, float a_fY)
{
    SetCoordinates(a_fX, a_fY);
}
inline void bCVector2::SetVector(bCVector2 const & a_vecSource)
{
    *this = a_vecSource;
}
inline void bCVector2::Clear()
{
    SetCoordinates(0.0f, 0.0f);
}
inline float & bCVector2::operator[](int a_iIndex)
{
    return m_fCoordinates[a_iIndex];
}
inline float bCVector2::operator[](int a_iIndex) const
{
    return m_fCoordinates[a_iIndex];
}

inline bCVector2 & bCVector2::Translate(float a_fOffset)
{
    return Translate(bCVector2(a_fOffset));
}
inline bCVector2 & bCVector2::Translate(bCVector2 const & a_vecOffset)
{
    m_fCoordinates[0] += a_vecOffset.m_fCoordinates[0];
    m_fCoordinates[1] += a_vecOffset.m_fCoordinates[1];
    return *this;
}
inline bCVector2 & bCVector2::InvTranslate(float a_fOffset)
{
    return InvTranslate(bCVector2(a_fOffset));
}
inline bCVector2 & bCVector2::InvTranslate(bCVector2 const & a_vecOffset)
{
    m_fCoordinates[0] -= a_vecOffset.m_fCoordinates[0];
    m_fCoordinates[1] -= a_vecOffset.m_fCoordinates[1];
    return *this;
}
inline bCVector2 & bCVector2::Scale(float a_fFactor)
{
    return Scale(bCVector2(a_fFactor));
}
inline bCVector2 & bCVector2::Scale(bCVector2 const & a_vecFactors)
{
    m_fCoordinates[0] *= a_vecFactors.m_fCoordinates[0];
    m_fCoordinates[1] *= a_vecFactors.m_fCoordinates[1];
    return *this;
}
inline bCVector2 & bCVector2::InvScale(float a_fDivisor)
{
    return Scale(1.0f / a_fDivisor);
}
inline bCVector2 & bCVector2::InvScale(bCVector2 const & a_vecDivisors)
{
    m_fCoordinates[0] /= a_vecDivisors.m_fCoordinates[0];
    m_fCoordinates[1] /= a_vecDivisors.m_fCoordinates[1];
    return *this;
}
inline bCVector2 & bCVector2::Invert()
{
    m_fCoordinates[0] = -m_fCoordinates[0];
    m_fCoordinates[1] = -m_fCoordinates[1];
    return *this;
}
inline bCVector2 bCVector2::GetTranslated(float a_fOffset) const
{
    return bCVector2(*this).Translate(a_fOffset);
}
inline bCVector2 bCVector2::GetTranslated(bCVector2 const & a_vecOffset) const
{
    return bCVector2(*this).Translate(a_vecOffset);
}
inline bCVector2 bCVector2::GetInvTranslated(float a_fOffset) const
{
    return bCVector2(*this).InvTranslate(a_fOffset);
}
inline bCVector2 bCVector2::GetInvTranslated(bCVector2 const & a_vecOffset) const
{
    return bCVector2(*this).InvTranslate(a_vecOffset);
}
inline bCVector2 bCVector2::GetScaled(float a_fFactor) const
{
    return bCVector2(*this).Scale(a_fFactor);
}
inline bCVector2 bCVector2::GetScaled(bCVector2 const & a_vecFactors) const
{
    return bCVector2(*this).Scale(a_vecFactors);
}
inline bCVector2 bCVector2::GetInvScaled(float a_fDivisor) const
{
    return bCVector2(*this).InvScale(a_fDivisor);
}
inline bCVector2 bCVector2::GetInvScaled(bCVector2 const & a_vecDivisors) const
{
    return bCVector2(*this).InvScale(a_vecDivisors);
}
inline bCVector2 bCVector2::GetInverted() const
{
    return bCVector2(*this).Invert();
}

inline bCVector2 bCVector2::operator+(bCVector2 const & a_vecOther) const
{
    return GetTranslated(a_vecOther);
}
inline bCVector2 bCVector2::operator-(bCVector2 const & a_vecOther) const
{
    return GetInvTranslated(a_vecOther);
}
inline bCVector2 bCVector2::operator+(float a_fOffset) const
{
    return GetTranslated(a_fOffset);
}
inline bCVector2 bCVector2::operator-(float a_fOffset) const
{
    return GetInvTranslated(a_fOffset);
}
inline bCVector2 bCVector2::operator-() const
{
    return GetInverted();
}
inline bCVector2 bCVector2::operator*(float a_fFactor) const
{
    return GetScaled(a_fFactor);
}
inline bCVector2 bCVector2::operator/(float a_fDivisor) const
{
    return GetInvScaled(a_fDivisor);
}
inline bCVector2 & bCVector2::operator+=(bCVector2 const & a_vecOther)
{
    return Translate(a_vecOther);
}
inline bCVector2 & bCVector2::operator-=(bCVector2 const & a_vecOther)
{
    return InvTranslate(a_vecOther);
}
inline bCVector2 & bCVector2::operator+=(float a_fOffset)
{
    return Translate(a_fOffset);
}
inline bCVector2 & bCVector2::operator-=(float a_fOffset)
{
    return InvTranslate(a_fOffset);
}
inline bCVector2 & bCVector2::operator*=(float a_fFactor)
{
    return Scale(a_fFactor);
}
inline bCVector2 & bCVector2::operator/=(float a_fDivisor)
{
    return InvScale(a_fDivisor);
}

inline float bCVector2::GetDotProduct(bCVector2 const & a_vecOther) const
{
    return m_fCoordinates[0] * a_vecOther.m_fCoordinates[0] + m_fCoordinates[1] * a_vecOther.m_fCoordinates[1];
}

inline float bCVector2::GetSquareMagnitude() const
{
    return GetDotProduct(*this);
}
inline float bCVector2::GetMagnitude() const
{
    return std::sqrt(GetSquareMagnitude());
}
inline float bCVector2::GetMagnitudeApprox() const
{
    float const fSquare = GetSquareMagnitude();
    return fSquare == 0.0f ? 0.0f : fSquare * g_GetFastInvSqrt(fSquare);
}
inline float bCVector2::GetMagnitudeNormalize()
{
    float const fMagnitude = GetMagnitude();
    m_fCoordinates[0] /= fMagnitude;
    m_fCoordinates[1] /= fMagnitude;
    return fMagnitude;
}
inline bCVector2 & bCVector2::Normalize()
{
    float const fMagnitude = GetMagnitude();
    if (fMagnitude != 0.0f)
        Scale(1.0f / fMagnitude);
    return *this;
}
inline bCVector2 & bCVector2::NormalizeApprox()
{
    float const fSquare = GetSquareMagnitude();
    if (fSquare != 0.0f)
        Scale(g_GetFastInvSqrt(fSquare));
    return *this;
}
inline bCVector2 & bCVector2::NormalizeSafe()
{
    float const fSquare = GetSquareMagnitude();
    if (fSquare != 0.0f)
        Scale(1.0f / std::sqrt(fSquare));
    return *this;
}
inline bCVector2 bCVector2::GetNormalized() const
{
    return bCVector2(*this).Normalize();
}

inline bool bCVector2::IsEqual(bCVector2 const & a_vecOther) const
{
    return m_fCoordinates[0] == a_vecOther.m_fCoordinates[0] && m_fCoordinates[1] == a_vecOther.m_fCoordinates[1];
}
inline bool bCVector2::operator==(bCVector2 const & a_vecOther) const
{
    return IsEqual(a_vecOther);
}
inline bool bCVector2::operator!=(bCVector2 const & a_vecOther) const
{
    return !IsEqual(a_vecOther);
}

#include <vellmark/math/3d/oe_matrix2.h>

#endif
