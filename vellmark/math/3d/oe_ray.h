#ifndef OE_RAY_H_INCLUDED
#define OE_RAY_H_INCLUDED

// The ray origin + t direction for t >= 0, t in units of the direction (a unit
// direction makes t a distance). Its tests run as a united ray with the forward
// extension. Stream form: origin and direction as six raw floats.

#include <vellmark/math/3d/oe_triangle.h>
#include <vellmark/math/3d/oe_vector.h>

class bCBox;
class bCFrustum;
class bCIStream;
class bCMatrix;
class bCMatrix3;
class bCOStream;
class bCPlane;
class bCSphere;

class OE_API bCRay
{
public:
    bCRay() = default; // uninitialised, like the vectors
    bCRay(bCRay const & a_Source) = default;
    bCRay(bCVector const & a_vecOrigin, bCVector const & a_vecDirection);
    ~bCRay() = default;
    bCRay & operator=(bCRay const & a_Source) = default;

public:
    void SetRay(bCRay const & a_Source);
    void SetRay(bCVector const & a_vecOrigin, bCVector const & a_vecDirection);
    void CopyFrom(bCRay const & a_Source);
    void CopyTo(bCRay & a_Dest) const;
    void Clear();

    bCVector const & GetOrigin() const { return m_vecOrigin; }
    void GetOrigin(bCVector & a_vecOrigin) const { a_vecOrigin = m_vecOrigin; }
    bCVector & AccessOrigin() { return m_vecOrigin; }
    void SetOrigin(bCVector const & a_vecOrigin) { m_vecOrigin = a_vecOrigin; }
    bCVector const & GetDirection() const { return m_vecDirection; }
    void GetDirection(bCVector & a_vecDirection) const { a_vecDirection = m_vecDirection; }
    bCVector & AccessDirection() { return m_vecDirection; }
    void SetDirection(bCVector const & a_vecDirection) { m_vecDirection = a_vecDirection; }
    bCVector GetPoint(float a_fT) const { return m_vecOrigin + m_vecDirection * a_fT; }

public:
    void Translate(bCVector const & a_vecOffset);
    void InvTranslate(bCVector const & a_vecOffset);
    void Transform(bCMatrix const & a_matTransform); // origin as a point, direction as a direction
    void InvTransform(bCMatrix const & a_matTransform);
    void Transform(bCMatrix3 const & a_matTransform);
    void InvTransform(bCMatrix3 const & a_matTransform);
    bCRay GetTranslated(bCVector const & a_vecOffset) const;
    bCRay GetInvTranslated(bCVector const & a_vecOffset) const;
    bCRay GetTransformed(bCMatrix const & a_matTransform) const;
    bCRay GetInvTransformed(bCMatrix const & a_matTransform) const;
    bCRay GetTransformed(bCMatrix3 const & a_matTransform) const;
    bCRay GetInvTransformed(bCMatrix3 const & a_matTransform) const;
    bCRay operator+(bCVector const & a_vecOffset) const { return GetTranslated(a_vecOffset); }
    bCRay operator-(bCVector const & a_vecOffset) const { return GetInvTranslated(a_vecOffset); }
    bCRay operator*(bCMatrix const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCRay operator/(bCMatrix const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCRay operator*(bCMatrix3 const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCRay operator/(bCMatrix3 const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCRay & operator+=(bCVector const & a_vecOffset)
    {
        Translate(a_vecOffset);
        return *this;
    }
    bCRay & operator-=(bCVector const & a_vecOffset)
    {
        InvTranslate(a_vecOffset);
        return *this;
    }
    bCRay & operator*=(bCMatrix const & a_matTransform)
    {
        Transform(a_matTransform);
        return *this;
    }
    bCRay & operator/=(bCMatrix const & a_matTransform)
    {
        InvTransform(a_matTransform);
        return *this;
    }
    bCRay & operator*=(bCMatrix3 const & a_matTransform)
    {
        Transform(a_matTransform);
        return *this;
    }
    bCRay & operator/=(bCMatrix3 const & a_matTransform)
    {
        InvTransform(a_matTransform);
        return *this;
    }

    bool operator==(bCRay const & a_Other) const; // exact
    bool operator!=(bCRay const & a_Other) const { return !(*this == a_Other); }
    bool IsEqual(bCRay const & a_Other) const { return *this == a_Other; }

public:
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
    // The parameter of the hit, or -1 on a miss.
    float GetIntersectionDistance(bCTriangle const & a_Triangle) const;
    float GetIntersectionDistance(bCSphere const & a_Sphere) const;
    float GetIntersectionDistance(bCPlane const & a_Plane) const;
    float GetIntersectionDistance(bCBox const & a_Box) const;

public:
    bCOStream & operator>>(bCOStream & a_Stream) const; // writes
    bCIStream & operator<<(bCIStream & a_Stream);       // reads

protected:
    static constinit thread_local float m_fDummy; // per thread: callers that ignore t never race

private:
    bCVector m_vecOrigin;
    bCVector m_vecDirection;
};

#endif
