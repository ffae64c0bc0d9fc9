#ifndef OE_LINE_H_INCLUDED
#define OE_LINE_H_INCLUDED

// The infinite line origin + t direction for every real t. Its tests run as a
// united ray with both extensions. Stream form: origin and direction as six
// raw floats.

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

class OE_API bCLine
{
public:
    bCLine() = default; // uninitialised, like the vectors
    bCLine(bCLine const & a_Source) = default;
    bCLine(bCVector const & a_vecOrigin, bCVector const & a_vecDirection);
    ~bCLine() = default;
    bCLine & operator=(bCLine const & a_Source) = default;

public:
    void SetLine(bCLine const & a_Source);
    void SetLine(bCVector const & a_vecOrigin, bCVector const & a_vecDirection);
    void CopyFrom(bCLine const & a_Source);
    void CopyTo(bCLine & a_Dest) const;
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
    bCLine GetTranslated(bCVector const & a_vecOffset) const;
    bCLine GetInvTranslated(bCVector const & a_vecOffset) const;
    bCLine GetTransformed(bCMatrix const & a_matTransform) const;
    bCLine GetInvTransformed(bCMatrix const & a_matTransform) const;
    bCLine GetTransformed(bCMatrix3 const & a_matTransform) const;
    bCLine GetInvTransformed(bCMatrix3 const & a_matTransform) const;
    bCLine operator+(bCVector const & a_vecOffset) const { return GetTranslated(a_vecOffset); }
    bCLine operator-(bCVector const & a_vecOffset) const { return GetInvTranslated(a_vecOffset); }
    bCLine operator*(bCMatrix const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCLine operator/(bCMatrix const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCLine operator*(bCMatrix3 const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCLine operator/(bCMatrix3 const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCLine & operator+=(bCVector const & a_vecOffset)
    {
        Translate(a_vecOffset);
        return *this;
    }
    bCLine & operator-=(bCVector const & a_vecOffset)
    {
        InvTranslate(a_vecOffset);
        return *this;
    }
    bCLine & operator*=(bCMatrix const & a_matTransform)
    {
        Transform(a_matTransform);
        return *this;
    }
    bCLine & operator/=(bCMatrix const & a_matTransform)
    {
        InvTransform(a_matTransform);
        return *this;
    }
    bCLine & operator*=(bCMatrix3 const & a_matTransform)
    {
        Transform(a_matTransform);
        return *this;
    }
    bCLine & operator/=(bCMatrix3 const & a_matTransform)
    {
        InvTransform(a_matTransform);
        return *this;
    }

    bool operator==(bCLine const & a_Other) const; // exact
    bool operator!=(bCLine const & a_Other) const { return !(*this == a_Other); }
    bool IsEqual(bCLine const & a_Other) const { return *this == a_Other; }

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
    // Obsolete: they warn, then return the parameter of the hit or -1 on a miss.
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
