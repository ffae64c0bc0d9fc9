#ifndef OE_QUATERNION_H_INCLUDED
#define OE_QUATERNION_H_INCLUDED

// bCQuaternion: x, y, z, w with w the scalar part; the rotation about the unit
// axis u by the angle a is (u sin(a/2), cos(a/2)). The product a b applies b
// first, like the matrices' SetToProduct(a, b); p * q is p.GetProduct(q).

#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_vector.h>

#include <cmath>

class bCMatrix;
class bCMatrix3;
class bCEulerAngles;
class bCAxisAngle;
class bCSphericalRotation;
class bCIStream;
class bCOStream;

class OE_API bCQuaternion
{
public:
    static bCQuaternion const & GetIdentity(); // (0, 0, 0, 1)

public:
    bCQuaternion() = default; // uninitialised
    bCQuaternion(float a_fX, float a_fY, float a_fZ, float a_fW);
    explicit bCQuaternion(bCMatrix const & a_matRotation);
    explicit bCQuaternion(bCMatrix3 const & a_matRotation);
    explicit bCQuaternion(bCEulerAngles const & a_angRotation);
    explicit bCQuaternion(bCAxisAngle const & a_aaRotation);
    explicit bCQuaternion(bCSphericalRotation const & a_srRotation);
    bCQuaternion(bCVector const & a_vecFrom, bCVector const & a_vecTo); // turns from into to
    bCQuaternion(bCQuaternion const &) = default;
    bCQuaternion & operator=(bCQuaternion const &) = default;
    ~bCQuaternion() = default;

public:
    void SetQuaternion(float a_fX, float a_fY, float a_fZ, float a_fW);
    void SetQuaternion(bCMatrix const & a_matRotation);
    void SetQuaternion(bCMatrix3 const & a_matRotation);
    void SetQuaternion(bCEulerAngles const & a_angRotation);
    void SetQuaternion(bCAxisAngle const & a_aaRotation);
    void SetQuaternion(bCSphericalRotation const & a_srRotation);
    void SetQuaternion(bCQuaternion const & a_quatSource);
    void SetQuaternion(bCVector const & a_vecFrom, bCVector const & a_vecTo); // both of unit length
    bCQuaternion & operator=(bCMatrix const & a_matRotation);
    bCQuaternion & operator=(bCMatrix3 const & a_matRotation);
    bCQuaternion & operator=(bCEulerAngles const & a_angRotation);
    bCQuaternion & operator=(bCAxisAngle const & a_aaRotation);
    bCQuaternion & operator=(bCSphericalRotation const & a_srRotation);
    void SetIdentity();

    bCMatrix GetMatrix() const;
    void GetMatrix(bCMatrix & a_matRotation) const;
    bCMatrix3 GetMatrix3() const;
    void GetMatrix3(bCMatrix3 & a_matRotation) const;
    bCEulerAngles GetEulerAngles() const;
    void GetEulerAngles(bCEulerAngles & a_angRotation) const;
    bCAxisAngle GetAxisAngle() const;
    void GetAxisAngle(bCAxisAngle & a_aaRotation) const;
    bCSphericalRotation GetSphericalRotation() const; // azimuth and longitude in degrees
    void GetSphericalRotation(bCSphericalRotation & a_srRotation) const;

    float GetX() const;
    float GetY() const;
    float GetZ() const;
    float GetW() const;
    void SetX(float a_fX);
    void SetY(float a_fY);
    void SetZ(float a_fZ);
    void SetW(float a_fW);
    float & AccessX();
    float & AccessY();
    float & AccessZ();
    float & AccessW();
    void Clear(); // all four zero

    // Componentwise arithmetic.
    bCQuaternion & Add(bCQuaternion const & a_quatOther);
    bCQuaternion & Sub(bCQuaternion const & a_quatOther);
    bCQuaternion & Multiply(float a_fFactor);
    bCQuaternion & Negate();
    bCQuaternion GetSum(bCQuaternion const & a_quatOther) const;
    bCQuaternion GetDifference(bCQuaternion const & a_quatOther) const;
    bCQuaternion GetNegated() const;
    bCQuaternion operator+(bCQuaternion const & a_quatOther) const;
    bCQuaternion operator-(bCQuaternion const & a_quatOther) const;
    bCQuaternion operator-() const;
    bCQuaternion operator*(float a_fFactor) const;
    bCQuaternion operator/(float a_fDivisor) const;
    bCQuaternion & operator+=(bCQuaternion const & a_quatOther);
    bCQuaternion & operator-=(bCQuaternion const & a_quatOther);
    bCQuaternion & operator*=(float a_fFactor);
    bCQuaternion & operator/=(float a_fDivisor);
    friend bCQuaternion operator*(float a_fFactor, bCQuaternion const & a_quatQuaternion)
    {
        return a_quatQuaternion * a_fFactor;
    }

    // Hamilton products; aliasing with the object is allowed.
    bCQuaternion & SetToProduct(bCQuaternion const & a_quatA, bCQuaternion const & a_quatB); // a b
    bCQuaternion & Multiply(bCQuaternion const & a_quatOther);                               // this := this other
    bCQuaternion & ReverseMultiply(bCQuaternion const & a_quatOther);                        // this := other this
    bCQuaternion GetProduct(bCQuaternion const & a_quatOther) const;                         // this other
    bCQuaternion GetReverseProduct(bCQuaternion const & a_quatOther) const;                  // other this
    bCQuaternion operator*(bCQuaternion const & a_quatOther) const;                          // this other
    bCQuaternion & operator*=(bCQuaternion const & a_quatOther);                             // this := this other

    bCQuaternion & Invert(); // conjugate over the square magnitude; no zero test
    bCQuaternion GetInverted() const;
    bCQuaternion operator~() const;
    bCQuaternion & Normalize(); // zero stays, with a division-by-zero warning
    bCQuaternion GetNormalized() const;
    bool IsNormalized() const; // |s - 1| < 0.1

    float GetDotProduct(bCQuaternion const & a_quatOther) const;
    float GetMagnitude() const;
    float GetSquareMagnitude() const;

    // World forms turn after the current rotation (this := r this), local
    // forms before it (this := this r). Angles in radians.
    bCQuaternion & RotateAxisX(float a_fAngle);
    bCQuaternion & RotateAxisY(float a_fAngle);
    bCQuaternion & RotateAxisZ(float a_fAngle);
    bCQuaternion & RotateLocalAxisX(float a_fAngle);
    bCQuaternion & RotateLocalAxisY(float a_fAngle);
    bCQuaternion & RotateLocalAxisZ(float a_fAngle);
    bCQuaternion & RotateAxis(bCVector const & a_vecAxis, float a_fAngle);
    bCQuaternion GetRotatedAxisX(float a_fAngle) const;
    bCQuaternion GetRotatedAxisY(float a_fAngle) const;
    bCQuaternion GetRotatedAxisZ(float a_fAngle) const;
    bCQuaternion GetRotatedLocalAxisX(float a_fAngle) const;
    bCQuaternion GetRotatedLocalAxisY(float a_fAngle) const;
    bCQuaternion GetRotatedLocalAxisZ(float a_fAngle) const;
    bCQuaternion GetRotatedAxis(bCVector const & a_vecAxis, float a_fAngle) const;

    // Neither form renormalises; both take the shorter way round.
    bCQuaternion & SetLerp(bCQuaternion const & a_quatA, bCQuaternion const & a_quatB, float a_fT);
    bCQuaternion GetLerp(bCQuaternion const & a_quatB, float a_fT) const;
    bCQuaternion & SetSlerp(bCQuaternion a_quatA, bCQuaternion a_quatB, float a_fT);
    bCQuaternion GetSlerp(bCQuaternion const & a_quatB, float a_fT) const;

    bCVector GetTransformedVector(bCVector const & a_vecVector) const; // v times the rotation matrix

    bool IsEqual(bCQuaternion const & a_quatOther) const; // exact
    bool operator==(bCQuaternion const & a_quatOther) const;
    bool operator!=(bCQuaternion const & a_quatOther) const;

    // Raw floats x, y, z, w; no header.
    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    float m_fX;
    float m_fY;
    float m_fZ;
    float m_fW;
};

static_assert(sizeof(bCQuaternion) == 16, "four floats");

inline bCQuaternion::bCQuaternion(float a_fX, float a_fY, float a_fZ, float a_fW) :
    m_fX(a_fX), m_fY(a_fY), m_fZ(a_fZ), m_fW(a_fW)
{
}

inline void bCQuaternion::SetQuaternion(float a_fX, float a_fY, float a_fZ, float a_fW)
{
    m_fX = a_fX;
    m_fY = a_fY;
    m_fZ = a_fZ;
    m_fW = a_fW;
}
inline void bCQuaternion::SetQuaternion(bCQuaternion const & a_quatSource)
{
    *this = a_quatSource;
}
inline void bCQuaternion::SetIdentity()
{
    SetQuaternion(0.0f, 0.0f, 0.0f, 1.0f);
}

inline float bCQuaternion::GetX() const
{
    return m_fX;
}
inline float bCQuaternion::GetY() const
{
    return m_fY;
}
inline float bCQuaternion::GetZ() const
{
    return m_fZ;
}
inline float bCQuaternion::GetW() const
{
    return m_fW;
}
inline void bCQuaternion::SetX(float a_fX)
{
    m_fX = a_fX;
}
inline void bCQuaternion::SetY(float a_fY)
{
    m_fY = a_fY;
}
inline void bCQuaternion::SetZ(float a_fZ)
{
    m_fZ = a_fZ;
}
inline void bCQuaternion::SetW(float a_fW)
{
    m_fW = a_fW;
}
inline float & bCQuaternion::AccessX()
{
    return m_fX;
}
inline float & bCQuaternion::AccessY()
{
    return m_fY;
}
inline float & bCQuaternion::AccessZ()
{
    return m_fZ;
}
inline float & bCQuaternion::AccessW()
{
    return m_fW;
}
inline void bCQuaternion::Clear()
{
    SetQuaternion(0.0f, 0.0f, 0.0f, 0.0f);
}

inline bCQuaternion & bCQuaternion::Add(bCQuaternion const & a_quatOther)
{
    SetQuaternion(m_fX + a_quatOther.m_fX, m_fY + a_quatOther.m_fY, m_fZ + a_quatOther.m_fZ, m_fW + a_quatOther.m_fW);
    return *this;
}
inline bCQuaternion & bCQuaternion::Sub(bCQuaternion const & a_quatOther)
{
    SetQuaternion(m_fX - a_quatOther.m_fX, m_fY - a_quatOther.m_fY, m_fZ - a_quatOther.m_fZ, m_fW - a_quatOther.m_fW);
    return *this;
}
inline bCQuaternion & bCQuaternion::Multiply(float a_fFactor)
{
    SetQuaternion(m_fX * a_fFactor, m_fY * a_fFactor, m_fZ * a_fFactor, m_fW * a_fFactor);
    return *this;
}
inline bCQuaternion & bCQuaternion::Negate()
{
    SetQuaternion(-m_fX, -m_fY, -m_fZ, -m_fW);
    return *this;
}
inline bCQuaternion bCQuaternion::GetSum(bCQuaternion const & a_quatOther) const
{
    return bCQuaternion(*this).Add(a_quatOther);
}
inline bCQuaternion bCQuaternion::GetDifference(bCQuaternion const & a_quatOther) const
{
    return bCQuaternion(*this).Sub(a_quatOther);
}
inline bCQuaternion bCQuaternion::GetNegated() const
{
    return bCQuaternion(*this).Negate();
}
inline bCQuaternion bCQuaternion::operator+(bCQuaternion const & a_quatOther) const
{
    return GetSum(a_quatOther);
}
inline bCQuaternion bCQuaternion::operator-(bCQuaternion const & a_quatOther) const
{
    return GetDifference(a_quatOther);
}
inline bCQuaternion bCQuaternion::operator-() const
{
    return GetNegated();
}
inline bCQuaternion bCQuaternion::operator*(float a_fFactor) const
{
    return bCQuaternion(*this).Multiply(a_fFactor);
}
inline bCQuaternion bCQuaternion::operator/(float a_fDivisor) const
{
    return bCQuaternion(m_fX / a_fDivisor, m_fY / a_fDivisor, m_fZ / a_fDivisor, m_fW / a_fDivisor);
}
inline bCQuaternion & bCQuaternion::operator+=(bCQuaternion const & a_quatOther)
{
    return Add(a_quatOther);
}
inline bCQuaternion & bCQuaternion::operator-=(bCQuaternion const & a_quatOther)
{
    return Sub(a_quatOther);
}
inline bCQuaternion & bCQuaternion::operator*=(float a_fFactor)
{
    return Multiply(a_fFactor);
}
inline bCQuaternion & bCQuaternion::operator/=(float a_fDivisor)
{
    return *this = *this / a_fDivisor;
}

inline bCQuaternion & bCQuaternion::SetToProduct(bCQuaternion const & a_quatA, bCQuaternion const & a_quatB)
{
    bCQuaternion const & a = a_quatA;
    bCQuaternion const & b = a_quatB;
    float const fX = a.m_fW * b.m_fX + b.m_fW * a.m_fX + a.m_fY * b.m_fZ - a.m_fZ * b.m_fY;
    float const fY = a.m_fW * b.m_fY + b.m_fW * a.m_fY + a.m_fZ * b.m_fX - a.m_fX * b.m_fZ;
    float const fZ = a.m_fW * b.m_fZ + b.m_fW * a.m_fZ + a.m_fX * b.m_fY - a.m_fY * b.m_fX;
    float const fW = a.m_fW * b.m_fW - a.m_fX * b.m_fX - a.m_fY * b.m_fY - a.m_fZ * b.m_fZ;
    SetQuaternion(fX, fY, fZ, fW);
    return *this;
}
inline bCQuaternion & bCQuaternion::Multiply(bCQuaternion const & a_quatOther)
{
    return SetToProduct(*this, a_quatOther);
}
inline bCQuaternion & bCQuaternion::ReverseMultiply(bCQuaternion const & a_quatOther)
{
    return SetToProduct(a_quatOther, *this);
}
inline bCQuaternion bCQuaternion::GetProduct(bCQuaternion const & a_quatOther) const
{
    return bCQuaternion().SetToProduct(*this, a_quatOther);
}
inline bCQuaternion bCQuaternion::GetReverseProduct(bCQuaternion const & a_quatOther) const
{
    return bCQuaternion().SetToProduct(a_quatOther, *this);
}
inline bCQuaternion bCQuaternion::operator*(bCQuaternion const & a_quatOther) const
{
    return GetProduct(a_quatOther);
}
inline bCQuaternion & bCQuaternion::operator*=(bCQuaternion const & a_quatOther)
{
    return Multiply(a_quatOther);
}

inline bCQuaternion & bCQuaternion::Invert()
{
    float const fSquare = GetSquareMagnitude();
    SetQuaternion(-m_fX / fSquare, -m_fY / fSquare, -m_fZ / fSquare, m_fW / fSquare);
    return *this;
}
inline bCQuaternion bCQuaternion::GetInverted() const
{
    return bCQuaternion(*this).Invert();
}
inline bCQuaternion bCQuaternion::operator~() const
{
    return GetInverted();
}
inline bCQuaternion bCQuaternion::GetNormalized() const
{
    return bCQuaternion(*this).Normalize();
}
inline bool bCQuaternion::IsNormalized() const
{
    return std::fabs(GetSquareMagnitude() - 1.0f) < 0.1f;
}

inline float bCQuaternion::GetDotProduct(bCQuaternion const & a_quatOther) const
{
    return m_fX * a_quatOther.m_fX + m_fY * a_quatOther.m_fY + m_fZ * a_quatOther.m_fZ + m_fW * a_quatOther.m_fW;
}
inline float bCQuaternion::GetMagnitude() const
{
    return std::sqrt(GetSquareMagnitude());
}
inline float bCQuaternion::GetSquareMagnitude() const
{
    return GetDotProduct(*this);
}

inline bCQuaternion bCQuaternion::GetRotatedAxisX(float a_fAngle) const
{
    return bCQuaternion(*this).RotateAxisX(a_fAngle);
}
inline bCQuaternion bCQuaternion::GetRotatedAxisY(float a_fAngle) const
{
    return bCQuaternion(*this).RotateAxisY(a_fAngle);
}
inline bCQuaternion bCQuaternion::GetRotatedAxisZ(float a_fAngle) const
{
    return bCQuaternion(*this).RotateAxisZ(a_fAngle);
}
inline bCQuaternion bCQuaternion::GetRotatedLocalAxisX(float a_fAngle) const
{
    return bCQuaternion(*this).RotateLocalAxisX(a_fAngle);
}
inline bCQuaternion bCQuaternion::GetRotatedLocalAxisY(float a_fAngle) const
{
    return bCQuaternion(*this).RotateLocalAxisY(a_fAngle);
}
inline bCQuaternion bCQuaternion::GetRotatedLocalAxisZ(float a_fAngle) const
{
    return bCQuaternion(*this).RotateLocalAxisZ(a_fAngle);
}
inline bCQuaternion bCQuaternion::GetRotatedAxis(bCVector const & a_vecAxis, float a_fAngle) const
{
    return bCQuaternion(*this).RotateAxis(a_vecAxis, a_fAngle);
}

// Inline: animation calls it per track per frame, and the copies of a and b vanish.
inline bCQuaternion & bCQuaternion::SetSlerp(bCQuaternion a_quatA, bCQuaternion a_quatB, float a_fT)
{
    float fCosine = a_quatA.GetDotProduct(a_quatB);
    if (fCosine < 0.0f)
    {
        a_quatA.Negate();
        fCosine = -fCosine;
    }
    float fWeightA = 1.0f - a_fT, fWeightB = a_fT;
    // Close to parallel the sine below vanishes: interpolate linearly instead.
    if (!(1.0f - fCosine < 0.05f))
    {
        float const fTheta = std::acos(fCosine);
        float const fSine = std::sin(fTheta);
        fWeightA = std::sin((1.0f - a_fT) * fTheta) / fSine;
        fWeightB = std::sin(a_fT * fTheta) / fSine;
    }
    return *this = a_quatA * fWeightA + a_quatB * fWeightB;
}

inline bCQuaternion bCQuaternion::GetLerp(bCQuaternion const & a_quatB, float a_fT) const
{
    return bCQuaternion().SetLerp(*this, a_quatB, a_fT);
}
inline bCQuaternion bCQuaternion::GetSlerp(bCQuaternion const & a_quatB, float a_fT) const
{
    return bCQuaternion().SetSlerp(*this, a_quatB, a_fT);
}

inline bool bCQuaternion::IsEqual(bCQuaternion const & a_quatOther) const
{
    return m_fX == a_quatOther.m_fX && m_fY == a_quatOther.m_fY && m_fZ == a_quatOther.m_fZ && m_fW == a_quatOther.m_fW;
}
inline bool bCQuaternion::operator==(bCQuaternion const & a_quatOther) const
{
    return IsEqual(a_quatOther);
}
inline bool bCQuaternion::operator!=(bCQuaternion const & a_quatOther) const
{
    return !IsEqual(a_quatOther);
}

// The rotation matrix of a quaternion (not normalised first), upper 3x3.
inline void bCMatrix::ModifyRotation(bCQuaternion const & a_quatRotation)
{
    float const fX = a_quatRotation.GetX(), fY = a_quatRotation.GetY(), fZ = a_quatRotation.GetZ();
    float const fW = a_quatRotation.GetW();
    float * m = m_fElements;
    m[0] = 1.0f - 2.0f * (fY * fY + fZ * fZ);
    m[1] = 2.0f * (fX * fY + fZ * fW);
    m[2] = 2.0f * (fX * fZ - fY * fW);
    m[4] = 2.0f * (fX * fY - fZ * fW);
    m[5] = 1.0f - 2.0f * (fX * fX + fZ * fZ);
    m[6] = 2.0f * (fY * fZ + fX * fW);
    m[8] = 2.0f * (fX * fZ + fY * fW);
    m[9] = 2.0f * (fY * fZ - fX * fW);
    m[10] = 1.0f - 2.0f * (fX * fX + fY * fY);
}
inline void bCMatrix::SetToRotation(bCQuaternion const & a_quatRotation)
{
    SetIdentity();
    ModifyRotation(a_quatRotation);
}
inline bCMatrix bCQuaternion::GetMatrix() const
{
    return bCMatrix(*this);
}
inline void bCQuaternion::GetMatrix(bCMatrix & a_matRotation) const
{
    a_matRotation.SetToRotation(*this);
}
inline bCMatrix::bCMatrix(bCQuaternion const & a_quatRotation)
{
    SetToRotation(a_quatRotation);
}
inline bCVector bCQuaternion::GetTransformedVector(bCVector const & a_vecVector) const
{
    bCMatrix matRotation;
    matRotation.ModifyRotation(*this);
    return a_vecVector.GetTransformedDirection(matRotation);
}

// Types these operations return by value, complete for every caller (they include this header in turn).
#include <vellmark/math/3d/oe_axisangle.h>
#include <vellmark/math/3d/oe_eulerangles.h>
#include <vellmark/math/3d/oe_matrix3.h>
#include <vellmark/math/3d/oe_sphericalrotation.h>

#endif
