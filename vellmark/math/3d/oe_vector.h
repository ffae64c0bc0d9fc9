#ifndef OE_VECTOR_H_INCLUDED
#define OE_VECTOR_H_INCLUDED

// bCVector: three floats x, y, z (x right, y up, z forward). Get... forms
// return a new vector, verb forms change the object, Set... forms assign the
// result of an operation on their arguments. Frame and product conventions:
// oe_math3d.h.

#include <vellmark/math/3d/oe_mathconstants.h>
#include <vellmark/platform/oe_nxvec3.h>

#include <cmath>

class bCMatrix;
class bCMatrix3;
class bCString;
class bCIStream;
class bCOStream;

class OE_API bCVector
{
public:
    enum bECoordinate : int // names the axis that the 2D forms leave out
    {
        bECoordinate_X = 0,
        bECoordinate_Y = 1, // leaves the ground plane x/z
        bECoordinate_Z = 2,
    };

public:
    static bCVector const & GetZero();    // (0, 0, 0)
    static bCVector const & GetUnit();    // (1, 1, 1)
    static bCVector const & GetUp();      // (0, 1, 0)
    static bCVector const & GetForward(); // (0, 0, 1)
    static bCVector const & GetRight();   // (1, 0, 0)

    static float DotProduct(bCVector const & a_vecA, bCVector const & a_vecB);
    static bCVector CrossProduct(bCVector const & a_vecA, bCVector const & a_vecB); // a x b

public:
    bCVector() = default; // uninitialised
    explicit bCVector(float a_fAll);
    bCVector(float a_fX, float a_fY, float a_fZ);
    explicit bCVector(float const * a_pfCoordinates);
    bCVector(NxVec3 const & a_vecSource);
    bCVector(bCVector const &) = default;
    bCVector & operator=(bCVector const &) = default;
    ~bCVector() = default;

public:
    // Component access; indices are not range-tested (0 is x).
    float GetX() const;
    float GetY() const;
    float GetZ() const;
    void GetX(float & a_fX) const;
    void GetY(float & a_fY) const;
    void GetZ(float & a_fZ) const;
    float & AccessX();
    float & AccessY();
    float & AccessZ();
    float GetCoordinate(int a_iIndex) const;
    float & AccessCoordinate(int a_iIndex);
    float const (&GetCoordinates() const)[3];
    float (&GetCoordinates())[3];
    void GetCoordinates(float & a_fX, float & a_fY, float & a_fZ) const;
    void GetCoordinates(float * a_pfCoordinates) const;
    void SetX(float a_fX);
    void SetY(float a_fY);
    void SetZ(float a_fZ);
    void SetCoordinate(int a_iIndex, float a_fValue);
    void SetCoordinates(float a_fX, float a_fY, float a_fZ);
    void SetCoordinates(float const * a_pfCoordinates);
    void SetVector(float a_fAll);
    void SetVector(float a_fX, float a_fY, float a_fZ);
    void SetVector(bCVector const & a_vecSource);
    void SetVector(NxVec3 const & a_vecSource);
    void Clear();
    float & operator[](int a_iIndex);
    float operator[](int a_iIndex) const;

    // The physics SDK's view of the same three floats.
    operator NxVec3 &();
    operator NxVec3 const &() const;

    // Arithmetic; nothing guards a division by zero.
    bCVector & Translate(float a_fOffset);
    bCVector & Translate(bCVector const & a_vecOffset);
    bCVector & InvTranslate(float a_fOffset);
    bCVector & InvTranslate(bCVector const & a_vecOffset);
    bCVector & Scale(float a_fFactor);
    bCVector & Scale(bCVector const & a_vecFactors);
    bCVector & InvScale(float a_fDivisor); // times the reciprocal
    bCVector & InvScale(bCVector const & a_vecDivisors);
    bCVector & Invert(); // negates
    bCVector GetTranslated(float a_fOffset) const;
    bCVector GetTranslated(bCVector const & a_vecOffset) const;
    bCVector GetInvTranslated(float a_fOffset) const;
    bCVector GetInvTranslated(bCVector const & a_vecOffset) const;
    bCVector GetScaled(float a_fFactor) const;
    bCVector GetScaled(bCVector const & a_vecFactors) const;
    bCVector GetInvScaled(float a_fDivisor) const;
    bCVector GetInvScaled(bCVector const & a_vecDivisors) const;
    bCVector GetInverted() const;

    bCVector operator+(bCVector const & a_vecOther) const;
    bCVector operator-(bCVector const & a_vecOther) const;
    bCVector operator+(float a_fOffset) const;
    bCVector operator-(float a_fOffset) const;
    bCVector operator-() const;
    bCVector operator*(float a_fFactor) const;
    bCVector operator/(float a_fDivisor) const;
    bCVector & operator+=(bCVector const & a_vecOther);
    bCVector & operator-=(bCVector const & a_vecOther);
    bCVector & operator+=(float a_fOffset);
    bCVector & operator-=(float a_fOffset);
    bCVector & operator*=(float a_fFactor);
    bCVector & operator/=(float a_fDivisor);
    friend bCVector operator*(float a_fFactor, bCVector const & a_vecVector) { return a_vecVector * a_fFactor; }

    // Products.
    float GetDotProduct(bCVector const & a_vecOther) const;
    bCVector GetCrossProduct(bCVector const & a_vecOther) const; // this x other
    bCVector & CrossProduct(bCVector const & a_vecOther);        // this := this x other
    bCVector & SetCrossProduct(bCVector const & a_vecA, bCVector const & a_vecB);

    // Magnitudes and normalisation.
    float GetSquareMagnitude() const;
    float GetMagnitude() const;
    float GetMagnitudeApprox() const; // 15/16 largest + 3/8 (the other two), no root
    float GetMagnitudeNormalize();    // returns the old magnitude; no zero test
    bCVector & Normalize();           // a zero vector stays zero
    bCVector & NormalizeApprox();     // fast inverse square root; zero stays zero
    bCVector & NormalizeSafe();       // no overflow; zero becomes (1, 0, 0)
    bCVector GetNormalized() const;
    bCVector GetNormalizedSafe() const;
    bool HasZeroMagnitude() const;       // exact
    bool HasZeroMagnitudeApprox() const; // every component exactly 0
    bool HasZeroMagnitude2D(bECoordinate a_eLeftOut) const;
    bool HasZeroMagnitude2DApprox(bECoordinate a_eLeftOut) const;
    float GetSquareMagnitude2D(bECoordinate a_eLeftOut) const; // -1 with a warning for a wrong axis
    float GetMagnitude2D(bECoordinate a_eLeftOut) const;

    // Comparison: exact, no tolerance.
    bool IsEqual(bCVector const & a_vecOther) const;
    bool operator==(bCVector const & a_vecOther) const;
    bool operator!=(bCVector const & a_vecOther) const;

    // Angles (radians or degrees) and azimuth (in x/z from +z towards +x) / elevation.
    float GetAngleRad(bCVector const & a_vecOther) const;
    float GetAngleDeg(bCVector const & a_vecOther) const;
    float GetAngleUnitRad(bCVector const & a_vecOther) const; // both of unit length
    float GetAngleUnitDeg(bCVector const & a_vecOther) const;
    void GetAziElev(float & a_fAzimuth, float & a_fElevation) const;
    void GetAziElevApprox(float & a_fAzimuth, float & a_fElevation) const;
    void GetAziElevUnit(float & a_fAzimuth, float & a_fElevation) const;

    // Interpolation; t is not clamped.
    bCVector & SetLerp(bCVector const & a_vecA, bCVector const & a_vecB, float a_fT);
    bCVector GetLerp(bCVector const & a_vecB, float a_fT) const;
    bCVector & SetSlerp(bCVector a_vecA, bCVector a_vecB, float a_fT);
    bCVector GetSlerp(bCVector const & a_vecB, float a_fT) const;

    bCVector Reflect(bCVector const & a_vecNormal) const; // 2 (this . n) n - this
    void Decompose(bCVector const & a_vecAxis, bCVector & a_vecFirst, bCVector & a_vecSecond) const;

    bCVector & RemoveDimension(bECoordinate a_eAxis);
    bCVector & RemoveDimensionNormalize(bECoordinate a_eAxis);
    bool RemoveDimensionKeepMagnitude(bECoordinate a_eAxis); // false when nothing remains to scale
    bCVector GetRemovedByDimension(bECoordinate a_eAxis) const;
    bCVector GetRemovedByDimensionNormalize(bECoordinate a_eAxis) const;
    bCVector GetRemovedByDimensionKeepMagnitude(bECoordinate a_eAxis) const;

    // Point transforms by a 4x4 matrix (v M, with the homogeneous division
    // only when column 3 is not (0, 0, 0, 1)).
    bCVector & SetTransformed(bCVector const & a_vecSource, bCMatrix const & a_matTransform);
    bCVector & Transform(bCMatrix const & a_matTransform);
    bCVector GetTransformed(bCMatrix const & a_matTransform) const;
    bCVector operator*(bCMatrix const & a_matTransform) const;
    bCVector & operator*=(bCMatrix const & a_matTransform);
    // Directions: the upper 3x3 only.
    bCVector & SetTransformedDirection(bCVector const & a_vecSource, bCMatrix const & a_matTransform);
    bCVector & TransformDirection(bCMatrix const & a_matTransform);
    bCVector GetTransformedDirection(bCMatrix const & a_matTransform) const;
    // By the general inverse of the matrix.
    bCVector & InvTransform(bCMatrix const & a_matTransform);
    bCVector GetInvTransformed(bCMatrix const & a_matTransform) const;
    bCVector & InvTransformDirection(bCMatrix const & a_matTransform);
    bCVector GetInvTransformedDirection(bCMatrix const & a_matTransform) const;
    bCVector operator/(bCMatrix const & a_matTransform) const;
    bCVector & operator/=(bCMatrix const & a_matTransform);

    // By a 3x3 matrix (v M) and transposed (component i = row i . v).
    bCVector & SetTransformed(bCVector const & a_vecSource, bCMatrix3 const & a_matTransform);
    bCVector & Transform(bCMatrix3 const & a_matTransform);
    bCVector GetTransformed(bCMatrix3 const & a_matTransform) const;
    bCVector operator*(bCMatrix3 const & a_matTransform) const;
    bCVector & operator*=(bCMatrix3 const & a_matTransform);
    bCVector & SetTransposedTransformed(bCVector const & a_vecSource, bCMatrix3 const & a_matTransform);
    bCVector & TransposedTransform(bCMatrix3 const & a_matTransform);
    bCVector GetTransposedTransformed(bCMatrix3 const & a_matTransform) const;
    bCVector & InvTransform(bCMatrix3 const & a_matTransform);
    bCVector GetInvTransformed(bCMatrix3 const & a_matTransform) const;
    bCVector operator/(bCMatrix3 const & a_matTransform) const;
    bCVector & operator/=(bCMatrix3 const & a_matTransform);

    bool IsValid() const; // every component finite
    bool IsValid(bCString const & a_strLabel) const;
    void PrintDebug(bCString const & a_strLabel) const;

    // Raw 32-bit floats x, y, z; no header.
    bCOStream & operator>>(bCOStream & a_Stream) const; // writes
    bCIStream & operator<<(bCIStream & a_Stream);       // reads

private:
    float m_fCoordinates[3];
};

static_assert(sizeof(bCVector) == 12, "an array of bCVector is an array of float triples");

inline float bCVector::DotProduct(bCVector const & a_vecA, bCVector const & a_vecB)
{
    return a_vecA.GetDotProduct(a_vecB);
}

inline bCVector bCVector::CrossProduct(bCVector const & a_vecA, bCVector const & a_vecB)
{
    return bCVector(a_vecA[1] * a_vecB[2] - a_vecA[2] * a_vecB[1], a_vecA[2] * a_vecB[0] - a_vecA[0] * a_vecB[2],
                    a_vecA[0] * a_vecB[1] - a_vecA[1] * a_vecB[0]);
}

inline bCVector::bCVector(float a_fAll) : m_fCoordinates{a_fAll, a_fAll, a_fAll} {}
inline bCVector::bCVector(float a_fX, float a_fY, float a_fZ) : m_fCoordinates{a_fX, a_fY, a_fZ} {}
inline bCVector::bCVector(float const * a_pfCoordinates) :
    m_fCoordinates{a_pfCoordinates[0], a_pfCoordinates[1], a_pfCoordinates[2]}
{
}
inline bCVector::bCVector(NxVec3 const & a_vecSource) : m_fCoordinates{a_vecSource.x, a_vecSource.y, a_vecSource.z} {}

inline float bCVector::GetX() const
{
    return m_fCoordinates[0];
}
inline float bCVector::GetY() const
{
    return m_fCoordinates[1];
}
inline float bCVector::GetZ() const
{
    return m_fCoordinates[2];
}
inline void bCVector::GetX(float & a_fX) const
{
    a_fX = m_fCoordinates[0];
}
inline void bCVector::GetY(float & a_fY) const
{
    a_fY = m_fCoordinates[1];
}
inline void bCVector::GetZ(float & a_fZ) const
{
    a_fZ = m_fCoordinates[2];
}
inline float & bCVector::AccessX()
{
    return m_fCoordinates[0];
}
inline float & bCVector::AccessY()
{
    return m_fCoordinates[1];
}
inline float & bCVector::AccessZ()
{
    return m_fCoordinates[2];
}
inline float bCVector::GetCoordinate(int a_iIndex) const
{
    return m_fCoordinates[a_iIndex];
}
inline float & bCVector::AccessCoordinate(int a_iIndex)
{
    return m_fCoordinates[a_iIndex];
}
inline float const (&bCVector::GetCoordinates() const)[3]
{
    return m_fCoordinates;
}

inline float (&bCVector::GetCoordinates())[3]
{
    return m_fCoordinates;
}
inline void bCVector::GetCoordinates(float & a_fX, float & a_fY, float & a_fZ) const
{
    a_fX = m_fCoordinates[0];
    a_fY = m_fCoordinates[1];
    a_fZ = m_fCoordinates[2];
}
inline void bCVector::GetCoordinates(float * a_pfCoordinates) const
{
    GetCoordinates(a_pfCoordinates[0], a_pfCoordinates[1], a_pfCoordinates[2]);
}
inline void bCVector::SetX(float a_fX)
{
    m_fCoordinates[0] = a_fX;
}
inline void bCVector::SetY(float a_fY)
{
    m_fCoordinates[1] = a_fY;
}
inline void bCVector::SetZ(float a_fZ)
{
    m_fCoordinates[2] = a_fZ;
}
inline void bCVector::SetCoordinate(int a_iIndex, float a_fValue)
{
    m_fCoordinates[a_iIndex] = a_fValue;
}
inline void bCVector::SetCoordinates(float a_fX, float a_fY, float a_fZ)
{
    m_fCoordinates[0] = a_fX;
    m_fCoordinates[1] = a_fY;
    m_fCoordinates[2] = a_fZ;
}
inline void bCVector::SetCoordinates(float const * a_pfCoordinates)
{
    SetCoordinates(a_pfCoordinates[0], a_pfCoordinates[1], a_pfCoordinates[2]);
}
inline void bCVector::SetVector(float a_fAll)
{
    SetCoordinates(a_fAll, a_fAll, a_fAll);
}
inline void bCVector::SetVector(float a_fX, float a_fY, float a_fZ)
{
    SetCoordinates(a_fX, a_fY, a_fZ);
}
inline void bCVector::SetVector(bCVector const & a_vecSource)
{
    *this = a_vecSource;
}
inline void bCVector::SetVector(NxVec3 const & a_vecSource)
{
    SetCoordinates(a_vecSource.x, a_vecSource.y, a_vecSource.z);
}
inline void bCVector::Clear()
{
    SetCoordinates(0.0f, 0.0f, 0.0f);
}
inline float & bCVector::operator[](int a_iIndex)
{
    return m_fCoordinates[a_iIndex];
}
inline float bCVector::operator[](int a_iIndex) const
{
    return m_fCoordinates[a_iIndex];
}

inline bCVector::operator NxVec3 &()
{
    return *reinterpret_cast<NxVec3 *>(m_fCoordinates);
}
inline bCVector::operator NxVec3 const &() const
{
    return *reinterpret_cast<NxVec3 const *>(m_fCoordinates);
}

inline bCVector & bCVector::Translate(float a_fOffset)
{
    for (float & fValue : m_fCoordinates)
        fValue += a_fOffset;
    return *this;
}
inline bCVector & bCVector::Translate(bCVector const & a_vecOffset)
{
    for (int i = 0; i < 3; ++i)
        m_fCoordinates[i] += a_vecOffset.m_fCoordinates[i];
    return *this;
}
inline bCVector & bCVector::InvTranslate(float a_fOffset)
{
    for (float & fValue : m_fCoordinates)
        fValue -= a_fOffset;
    return *this;
}
inline bCVector & bCVector::InvTranslate(bCVector const & a_vecOffset)
{
    for (int i = 0; i < 3; ++i)
        m_fCoordinates[i] -= a_vecOffset.m_fCoordinates[i];
    return *this;
}
inline bCVector & bCVector::Scale(float a_fFactor)
{
    for (float & fValue : m_fCoordinates)
        fValue *= a_fFactor;
    return *this;
}
inline bCVector & bCVector::Scale(bCVector const & a_vecFactors)
{
    for (int i = 0; i < 3; ++i)
        m_fCoordinates[i] *= a_vecFactors.m_fCoordinates[i];
    return *this;
}
inline bCVector & bCVector::InvScale(float a_fDivisor)
{
    return Scale(1.0f / a_fDivisor);
}
inline bCVector & bCVector::InvScale(bCVector const & a_vecDivisors)
{
    for (int i = 0; i < 3; ++i)
        m_fCoordinates[i] /= a_vecDivisors.m_fCoordinates[i];
    return *this;
}
inline bCVector & bCVector::Invert()
{
    for (float & fValue : m_fCoordinates)
        fValue = -fValue;
    return *this;
}
inline bCVector bCVector::GetTranslated(float a_fOffset) const
{
    return bCVector(*this).Translate(a_fOffset);
}
inline bCVector bCVector::GetTranslated(bCVector const & a_vecOffset) const
{
    return bCVector(*this).Translate(a_vecOffset);
}
inline bCVector bCVector::GetInvTranslated(float a_fOffset) const
{
    return bCVector(*this).InvTranslate(a_fOffset);
}
inline bCVector bCVector::GetInvTranslated(bCVector const & a_vecOffset) const
{
    return bCVector(*this).InvTranslate(a_vecOffset);
}
inline bCVector bCVector::GetScaled(float a_fFactor) const
{
    return bCVector(*this).Scale(a_fFactor);
}
inline bCVector bCVector::GetScaled(bCVector const & a_vecFactors) const
{
    return bCVector(*this).Scale(a_vecFactors);
}
inline bCVector bCVector::GetInvScaled(float a_fDivisor) const
{
    return bCVector(*this).InvScale(a_fDivisor);
}
inline bCVector bCVector::GetInvScaled(bCVector const & a_vecDivisors) const
{
    return bCVector(*this).InvScale(a_vecDivisors);
}
inline bCVector bCVector::GetInverted() const
{
    return bCVector(*this).Invert();
}

inline bCVector bCVector::operator+(bCVector const & a_vecOther) const
{
    return GetTranslated(a_vecOther);
}
inline bCVector bCVector::operator-(bCVector const & a_vecOther) const
{
    return GetInvTranslated(a_vecOther);
}
inline bCVector bCVector::operator+(float a_fOffset) const
{
    return GetTranslated(a_fOffset);
}
inline bCVector bCVector::operator-(float a_fOffset) const
{
    return GetInvTranslated(a_fOffset);
}
inline bCVector bCVector::operator-() const
{
    return GetInverted();
}
inline bCVector bCVector::operator*(float a_fFactor) const
{
    return GetScaled(a_fFactor);
}
inline bCVector bCVector::operator/(float a_fDivisor) const
{
    return GetInvScaled(a_fDivisor);
}
inline bCVector & bCVector::operator+=(bCVector const & a_vecOther)
{
    return Translate(a_vecOther);
}
inline bCVector & bCVector::operator-=(bCVector const & a_vecOther)
{
    return InvTranslate(a_vecOther);
}
inline bCVector & bCVector::operator+=(float a_fOffset)
{
    return Translate(a_fOffset);
}
inline bCVector & bCVector::operator-=(float a_fOffset)
{
    return InvTranslate(a_fOffset);
}
inline bCVector & bCVector::operator*=(float a_fFactor)
{
    return Scale(a_fFactor);
}
inline bCVector & bCVector::operator/=(float a_fDivisor)
{
    return InvScale(a_fDivisor);
}

inline float bCVector::GetDotProduct(bCVector const & a_vecOther) const
{
    return m_fCoordinates[0] * a_vecOther.m_fCoordinates[0] + m_fCoordinates[1] * a_vecOther.m_fCoordinates[1] +
           m_fCoordinates[2] * a_vecOther.m_fCoordinates[2];
}
inline bCVector bCVector::GetCrossProduct(bCVector const & a_vecOther) const
{
    return CrossProduct(*this, a_vecOther);
}
inline bCVector & bCVector::CrossProduct(bCVector const & a_vecOther)
{
    return *this = CrossProduct(*this, a_vecOther);
}
inline bCVector & bCVector::SetCrossProduct(bCVector const & a_vecA, bCVector const & a_vecB)
{
    return *this = CrossProduct(a_vecA, a_vecB);
}

inline float bCVector::GetSquareMagnitude() const
{
    return GetDotProduct(*this);
}
inline float bCVector::GetMagnitude() const
{
    return std::sqrt(GetSquareMagnitude());
}
inline float bCVector::GetMagnitudeNormalize()
{
    float const fMagnitude = GetMagnitude();
    for (float & fValue : m_fCoordinates)
        fValue /= fMagnitude;
    return fMagnitude;
}
inline bCVector & bCVector::Normalize()
{
    // A length that is not positive (zero or NaN) scales by 1 and so leaves the
    // vector as it is; the select instead of a branch lets loops vectorise.
    float const fMagnitude = GetMagnitude();
    return Scale(1.0f / (fMagnitude > 0.0f ? fMagnitude : 1.0f));
}
inline bCVector & bCVector::NormalizeApprox()
{
    float const fSquare = GetSquareMagnitude();
    if (fSquare != 0.0f)
        Scale(g_GetFastInvSqrt(fSquare));
    return *this;
}
inline bCVector bCVector::GetNormalized() const
{
    return bCVector(*this).Normalize();
}
inline bCVector bCVector::GetNormalizedSafe() const
{
    return bCVector(*this).NormalizeSafe();
}
inline bool bCVector::HasZeroMagnitude() const
{
    return GetSquareMagnitude() == 0.0f;
}
inline bool bCVector::HasZeroMagnitudeApprox() const
{
    return m_fCoordinates[0] == 0.0f && m_fCoordinates[1] == 0.0f && m_fCoordinates[2] == 0.0f;
}
inline bool bCVector::HasZeroMagnitude2D(bECoordinate a_eLeftOut) const
{
    return GetSquareMagnitude2D(a_eLeftOut) == 0.0f;
}
inline float bCVector::GetMagnitude2D(bECoordinate a_eLeftOut) const
{
    return std::sqrt(GetSquareMagnitude2D(a_eLeftOut));
}

inline bool bCVector::IsEqual(bCVector const & a_vecOther) const
{
    return m_fCoordinates[0] == a_vecOther.m_fCoordinates[0] && m_fCoordinates[1] == a_vecOther.m_fCoordinates[1] &&
           m_fCoordinates[2] == a_vecOther.m_fCoordinates[2];
}
inline bool bCVector::operator==(bCVector const & a_vecOther) const
{
    return IsEqual(a_vecOther);
}
inline bool bCVector::operator!=(bCVector const & a_vecOther) const
{
    return !IsEqual(a_vecOther);
}

inline float bCVector::GetAngleDeg(bCVector const & a_vecOther) const
{
    return GetAngleRad(a_vecOther) * g_fRadToDeg;
}
inline float bCVector::GetAngleUnitDeg(bCVector const & a_vecOther) const
{
    return GetAngleUnitRad(a_vecOther) * g_fRadToDeg;
}

inline bCVector & bCVector::SetLerp(bCVector const & a_vecA, bCVector const & a_vecB, float a_fT)
{
    return *this = a_vecA * (1.0f - a_fT) + a_vecB * a_fT;
}
inline bCVector bCVector::GetLerp(bCVector const & a_vecB, float a_fT) const
{
    return bCVector().SetLerp(*this, a_vecB, a_fT);
}
inline bCVector bCVector::GetSlerp(bCVector const & a_vecB, float a_fT) const
{
    return bCVector().SetSlerp(*this, a_vecB, a_fT);
}
inline bCVector bCVector::Reflect(bCVector const & a_vecNormal) const
{
    return a_vecNormal * (2.0f * GetDotProduct(a_vecNormal)) - *this;
}

inline bCVector bCVector::GetRemovedByDimension(bECoordinate a_eAxis) const
{
    return bCVector(*this).RemoveDimension(a_eAxis);
}
inline bCVector bCVector::GetRemovedByDimensionNormalize(bECoordinate a_eAxis) const
{
    return bCVector(*this).RemoveDimensionNormalize(a_eAxis);
}
inline bCVector bCVector::GetRemovedByDimensionKeepMagnitude(bECoordinate a_eAxis) const
{
    bCVector vecResult(*this);
    vecResult.RemoveDimensionKeepMagnitude(a_eAxis);
    return vecResult;
}

inline bool bCVector::IsValid(bCString const &) const
{
    return IsValid();
}

// Inline transforms by the matrices live with the matrices.
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_matrix3.h>

#endif
