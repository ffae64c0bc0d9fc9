#ifndef OE_UNITEDRAY_H_INCLUDED
#define OE_UNITEDRAY_H_INCLUDED

// The common carrier of lines, rays and stretches: origin + t direction, where
// t runs from 0 to 1 and the extension flags let it run on beyond 1 (forward)
// and below 0 (backward). A stretch converts with no flag, a ray with forward,
// a line with both; every line-like test is written once, here.
//
// The tests write the parameter of the hit to t; t may have been written even
// when the result is false. Stream form: the flag word (4 bytes), then origin
// and direction as six raw floats.

#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_line.h>
#include <vellmark/math/3d/oe_plane.h>
#include <vellmark/math/3d/oe_ray.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_stretch.h>
#include <vellmark/math/3d/oe_triangle.h>

#include <cfloat>
#include <algorithm>
#include <bit>
#include <cmath>

class bCFrustum;
class bCIStream;
class bCMatrix;
class bCMatrix3;
class bCOStream;

enum bERayExtension : int
{
    bERayExtension_None = 0,
    bERayExtension_Forward = 1,  // t > 1 allowed
    bERayExtension_Backward = 2, // t < 0 allowed
    bERayExtension_Both = 3
};

inline bERayExtension operator|(bERayExtension a_enuLeft, bERayExtension a_enuRight)
{
    return static_cast<bERayExtension>(static_cast<int>(a_enuLeft) | static_cast<int>(a_enuRight));
}

class OE_API bCUnitedRay
{
public:
    using bERayExtension = ::bERayExtension;
    using enum ::bERayExtension; // so bCUnitedRay::bERayExtension_Forward names the same flag

public:
    bCUnitedRay() = default; // uninitialised, like the vectors
    bCUnitedRay(bCUnitedRay const & a_Source) = default;
    bCUnitedRay(bERayExtension a_enuExtension, bCVector const & a_vecOrigin, bCVector const & a_vecDirection);
    bCUnitedRay(bCLine const & a_Line);       // both extensions
    bCUnitedRay(bCRay const & a_Ray);         // forward
    bCUnitedRay(bCStretch const & a_Stretch); // none; direction = end - start
    ~bCUnitedRay() = default;
    bCUnitedRay & operator=(bCUnitedRay const & a_Source) = default;

public:
    void SetUnitedRay(bCUnitedRay const & a_Source);
    void SetUnitedRay(bERayExtension a_enuExtension, bCVector const & a_vecOrigin, bCVector const & a_vecDirection);
    void SetUnitedRay(bCLine const & a_Line);
    void SetUnitedRay(bCRay const & a_Ray);
    void SetUnitedRay(bCStretch const & a_Stretch);
    void CopyFrom(bCUnitedRay const & a_Source);
    void CopyTo(bCUnitedRay & a_Dest) const;
    void Clear(); // a stretch of length 0 at the origin

    bERayExtension GetExtensionFlags() const { return m_enuExtension; }
    bERayExtension & AccessExtensionFlags() { return m_enuExtension; }
    void SetExtensionFlags(bERayExtension a_enuExtension) { m_enuExtension = a_enuExtension; }
    bCVector const & GetOrigin() const { return m_vecOrigin; }
    void GetOrigin(bCVector & a_vecOrigin) const { a_vecOrigin = m_vecOrigin; }
    bCVector & AccessOrigin() { return m_vecOrigin; }
    void SetOrigin(bCVector const & a_vecOrigin) { m_vecOrigin = a_vecOrigin; }
    bCVector const & GetDirection() const { return m_vecDirection; }
    void GetDirection(bCVector & a_vecDirection) const { a_vecDirection = m_vecDirection; }
    bCVector & AccessDirection() { return m_vecDirection; }
    void SetDirection(bCVector const & a_vecDirection) { m_vecDirection = a_vecDirection; }
    bCVector GetPoint(float a_fT) const { return m_vecOrigin + m_vecDirection * a_fT; }

    void Translate(bCVector const & a_vecOffset);
    void InvTranslate(bCVector const & a_vecOffset);
    void Transform(bCMatrix const & a_matTransform); // origin as a point, direction as a direction
    void InvTransform(bCMatrix const & a_matTransform);
    void Transform(bCMatrix3 const & a_matTransform);
    void InvTransform(bCMatrix3 const & a_matTransform);
    bCUnitedRay GetTranslated(bCVector const & a_vecOffset) const;
    bCUnitedRay GetInvTranslated(bCVector const & a_vecOffset) const;
    bCUnitedRay GetTransformed(bCMatrix const & a_matTransform) const;
    bCUnitedRay GetInvTransformed(bCMatrix const & a_matTransform) const;
    bCUnitedRay GetTransformed(bCMatrix3 const & a_matTransform) const;
    bCUnitedRay GetInvTransformed(bCMatrix3 const & a_matTransform) const;
    bCUnitedRay operator+(bCVector const & a_vecOffset) const { return GetTranslated(a_vecOffset); }
    bCUnitedRay operator-(bCVector const & a_vecOffset) const { return GetInvTranslated(a_vecOffset); }
    bCUnitedRay operator*(bCMatrix const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCUnitedRay operator/(bCMatrix const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCUnitedRay operator*(bCMatrix3 const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCUnitedRay operator/(bCMatrix3 const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCUnitedRay & operator+=(bCVector const & a_vecOffset)
    {
        Translate(a_vecOffset);
        return *this;
    }
    bCUnitedRay & operator-=(bCVector const & a_vecOffset)
    {
        InvTranslate(a_vecOffset);
        return *this;
    }
    bCUnitedRay & operator*=(bCMatrix const & a_matTransform)
    {
        Transform(a_matTransform);
        return *this;
    }
    bCUnitedRay & operator/=(bCMatrix const & a_matTransform)
    {
        InvTransform(a_matTransform);
        return *this;
    }
    bCUnitedRay & operator*=(bCMatrix3 const & a_matTransform)
    {
        Transform(a_matTransform);
        return *this;
    }
    bCUnitedRay & operator/=(bCMatrix3 const & a_matTransform)
    {
        InvTransform(a_matTransform);
        return *this;
    }

    bool operator==(bCUnitedRay const & a_Other) const; // exact
    bool operator!=(bCUnitedRay const & a_Other) const { return !(*this == a_Other); }

public:
    // Whether the parameter lies where this kind of ray extends.
    bool AcceptsParameter(float a_fT) const;

    bool Intersects(bCPlane const & a_Plane, float & a_fT = m_fDummy) const;
    bool Intersects(bCSphere const & a_Sphere, float & a_fT = m_fDummy) const;
    bool Intersects(bCBox const & a_Box, float & a_fT = m_fDummy) const;
    bool Intersects(bCFrustum const & a_Frustum, float & a_fT = m_fDummy) const; // oe_frustum_lines.cpp
    bool Intersects(bCTriangle const & a_Triangle, float & a_fT = m_fDummy,
                    bCTriangle::bESides a_enuSides = bCTriangle::bESides_Both) const;
    bool Intersects(bCVector const * a_pCorners, float & a_fT = m_fDummy,
                    bCTriangle::bESides a_enuSides = bCTriangle::bESides_Both) const;
    bool Intersects(bCVector const & a_vecA, bCVector const & a_vecB, bCVector const & a_vecC, float & a_fT = m_fDummy,
                    bCTriangle::bESides a_enuSides = bCTriangle::bESides_Both) const;

public:
    bCOStream & operator>>(bCOStream & a_Stream) const; // writes
    bCIStream & operator<<(bCIStream & a_Stream);       // reads

protected:
    static constinit thread_local float m_fDummy; // per thread: callers that ignore t never race

private:
    bERayExtension m_enuExtension;
    bCVector m_vecOrigin;
    bCVector m_vecDirection;
};

// The conversions and tests are inline: they run in the inner loops of picking and collision.

inline bCUnitedRay::bCUnitedRay(bERayExtension a_enuExtension, bCVector const & a_vecOrigin,
                                bCVector const & a_vecDirection) :
    m_enuExtension(a_enuExtension),
    m_vecOrigin(a_vecOrigin), m_vecDirection(a_vecDirection)
{
}

inline bCUnitedRay::bCUnitedRay(bCLine const & a_Line) :
    bCUnitedRay(bERayExtension_Both, a_Line.GetOrigin(), a_Line.GetDirection())
{
}

inline bCUnitedRay::bCUnitedRay(bCRay const & a_Ray) :
    bCUnitedRay(bERayExtension_Forward, a_Ray.GetOrigin(), a_Ray.GetDirection())
{
}

inline bCUnitedRay::bCUnitedRay(bCStretch const & a_Stretch) :
    bCUnitedRay(bERayExtension_None, a_Stretch.GetStart(), a_Stretch.GetEnd() - a_Stretch.GetStart())
{
}

inline bool bCUnitedRay::AcceptsParameter(float a_fT) const
{
    if (a_fT < 0.0f)
        return (m_enuExtension & bERayExtension_Backward) != 0;
    if (a_fT > 1.0f)
        return (m_enuExtension & bERayExtension_Forward) != 0;
    return true;
}

inline bool bCUnitedRay::Intersects(bCPlane const & a_Plane, float & a_fT) const
{
    float const fDenominator = a_Plane.ClassifyVector(m_vecDirection);
    if (fDenominator == 0.0f)
        return false;
    a_fT = -a_Plane.ClassifyPoint(m_vecOrigin) / fDenominator;
    return AcceptsParameter(a_fT);
}

inline bool bCUnitedRay::Intersects(bCSphere const & a_Sphere, float & a_fT) const
{
    bool const bBackward = (m_enuExtension & bERayExtension_Backward) != 0;
    bCVector const vecFromCenter = m_vecOrigin - a_Sphere.GetPosition();
    float const fSquareLength = m_vecDirection.GetDotProduct(m_vecDirection);
    // The point nearest to the centre; a direction of length 0 leaves only the origin.
    float fT = -vecFromCenter.GetDotProduct(m_vecDirection) / (fSquareLength != 0.0f ? fSquareLength : 1.0f);
    if (!bBackward)
        fT = std::max(fT, 0.0f);
    if (!(m_enuExtension & bERayExtension_Forward))
        fT = std::min(fT, 1.0f);
    a_fT = fT;
    float const fSquareRadius = a_Sphere.GetRadius() * a_Sphere.GetRadius();
    float const fSquareDistance = (vecFromCenter + m_vecDirection * fT).GetSquareMagnitude();
    if (fSquareDistance > fSquareRadius)
        return false;
    // The entry point for a unit direction (longer directions are not divided out);
    // an origin inside, or an entry behind it, gives 0 unless the ray extends backwards.
    float const fEntry = fT - std::sqrt(fSquareRadius - fSquareDistance);
    a_fT = bBackward ? fEntry : std::max(fEntry, 0.0f);
    return true;
}

inline bool bCUnitedRay::Intersects(bCBox const & a_Box, float & a_fT) const
{
    float const fLargest = 3.4028235e38f;
    float fEntry = (m_enuExtension & bERayExtension_Backward) ? -fLargest : 0.0f;
    float fExit = (m_enuExtension & bERayExtension_Forward) ? fLargest : 1.0f;
    bool bMissed = false;
    bool bInvalid = false; // found on the way, from the bounds the slabs load anyway
    for (int i = 2; i >= 0; --i)
    {
        float const fLow = a_Box.GetMin()[i]; // the slab: centre -/+ half extent
        float const fHigh = a_Box.GetMax()[i];
        // (Bit patterns: no other float equals these two, and integers compare cheaper.)
        bInvalid |= std::bit_cast<unsigned int>(fLow) == 0x7F7FFFFFu;
        bInvalid |= std::bit_cast<unsigned int>(fHigh) == 0xFF7FFFFFu;
        float const fOrigin = m_vecOrigin[i];
        float const fDirection = m_vecDirection[i];
        if (fDirection == 0.0f)
        {
            if (!(fOrigin > fLow && fOrigin < fHigh))
                bMissed = true;
            continue;
        }
        float const fToLow = (fLow - fOrigin) / fDirection;
        float const fToHigh = (fHigh - fOrigin) / fDirection;
        // Entry and exit in the order of the direction's sign. The signs vary from
        // ray to ray, a reversed slab (min > max) hardly ever: branch on the latter.
        float const fSmaller = std::min(fToLow, fToHigh);
        float const fLarger = std::max(fToLow, fToHigh);
        bool const bReversed = fLow > fHigh;
        float const fNear = bReversed ? fLarger : fSmaller;
        float const fFar = bReversed ? fSmaller : fLarger;
        fEntry = fNear > fEntry ? fNear : fEntry;
        fExit = fFar < fExit ? fFar : fExit;
    }
    if (bInvalid)
        return false; // an invalid box is never hit
    a_fT = fEntry;
    return !bMissed && fExit >= fEntry;
}

inline bool bCUnitedRay::Intersects(bCVector const & a_vecA, bCVector const & a_vecB, bCVector const & a_vecC,
                                    float & a_fT, bCTriangle::bESides a_enuSides) const
{
    bCVector const vecEdge1 = a_vecB - a_vecA;
    bCVector const vecEdge2 = a_vecC - a_vecA;
    bCVector const vecP = m_vecDirection.GetCrossProduct(vecEdge2);
    float const fDeterminant = vecEdge1.GetDotProduct(vecP);
    if (fDeterminant > -FLT_EPSILON && fDeterminant < FLT_EPSILON)
        return false;
    // A negative determinant means the ray meets the front side.
    int const iSide = fDeterminant < 0.0f ? bCTriangle::bESides_Front : bCTriangle::bESides_Back;
    if (!(a_enuSides & iSide))
        return false;
    bCVector const vecS = m_vecOrigin - a_vecA;
    float const fU = vecS.GetDotProduct(vecP) / fDeterminant;
    if (fU < 0.0f || fU > 1.0f)
        return false;
    bCVector const vecQ = vecS.GetCrossProduct(vecEdge1);
    float const fV = m_vecDirection.GetDotProduct(vecQ) / fDeterminant;
    if (fV < 0.0f || fU + fV > 1.0f)
        return false;
    a_fT = vecEdge2.GetDotProduct(vecQ) / fDeterminant;
    return AcceptsParameter(a_fT);
}

inline bool bCUnitedRay::Intersects(bCVector const * a_pCorners, float & a_fT, bCTriangle::bESides a_enuSides) const
{
    return Intersects(a_pCorners[0], a_pCorners[1], a_pCorners[2], a_fT, a_enuSides);
}

inline bool bCUnitedRay::Intersects(bCTriangle const & a_Triangle, float & a_fT, bCTriangle::bESides a_enuSides) const
{
    return Intersects(a_Triangle.GetA(), a_Triangle.GetB(), a_Triangle.GetC(), a_fT, a_enuSides);
}

#endif
