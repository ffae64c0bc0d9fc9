#ifndef OE_STRETCH_H_INCLUDED
#define OE_STRETCH_H_INCLUDED

// The segment from start to end. As a united ray its direction is end - start
// and t runs from 0 (start) to 1 (end), with no extension. Stream form: start
// and end as six raw floats.

#include <vellmark/math/3d/oe_triangle.h>
#include <vellmark/math/3d/oe_vector.h>

class bCBox;
class bCFrustum;
class bCIStream;
class bCMatrix;
class bCMatrix3;
class bCOStream;
class bCPlane;
class bCRay;
class bCSphere;

class OE_API bCStretch
{
public:
    bCStretch() = default; // uninitialised, like the vectors
    bCStretch(bCStretch const & a_Source) = default;
    bCStretch(bCVector const & a_vecStart, bCVector const & a_vecEnd);
    ~bCStretch() = default;
    bCStretch & operator=(bCStretch const & a_Source) = default;

public:
    void SetStretch(bCStretch const & a_Source);
    void SetStretch(bCVector const & a_vecStart, bCVector const & a_vecEnd);
    void CopyFrom(bCStretch const & a_Source);
    void CopyTo(bCStretch & a_Dest) const;
    void Clear();

    bCVector const & GetStart() const { return m_vecStart; }
    void GetStart(bCVector & a_vecStart) const { a_vecStart = m_vecStart; }
    bCVector & AccessStart() { return m_vecStart; }
    void SetStart(bCVector const & a_vecStart) { m_vecStart = a_vecStart; }
    bCVector const & GetEnd() const { return m_vecEnd; }
    void GetEnd(bCVector & a_vecEnd) const { a_vecEnd = m_vecEnd; }
    bCVector & AccessEnd() { return m_vecEnd; }
    void SetEnd(bCVector const & a_vecEnd) { m_vecEnd = a_vecEnd; }
    bCVector GetDirection() const { return m_vecEnd - m_vecStart; }
    float GetLength() const { return GetDirection().GetMagnitude(); }
    bCVector GetPoint(float a_fT) const { return m_vecStart + GetDirection() * a_fT; }

public:
    void Translate(bCVector const & a_vecOffset);
    void InvTranslate(bCVector const & a_vecOffset);
    void Transform(bCMatrix const & a_matTransform); // both ends as points
    void InvTransform(bCMatrix const & a_matTransform);
    void Transform(bCMatrix3 const & a_matTransform);
    void InvTransform(bCMatrix3 const & a_matTransform);
    bCStretch GetTranslated(bCVector const & a_vecOffset) const;
    bCStretch GetInvTranslated(bCVector const & a_vecOffset) const;
    bCStretch GetTransformed(bCMatrix const & a_matTransform) const;
    bCStretch GetInvTransformed(bCMatrix const & a_matTransform) const;
    bCStretch GetTransformed(bCMatrix3 const & a_matTransform) const;
    bCStretch GetInvTransformed(bCMatrix3 const & a_matTransform) const;
    bCStretch operator+(bCVector const & a_vecOffset) const { return GetTranslated(a_vecOffset); }
    bCStretch operator-(bCVector const & a_vecOffset) const { return GetInvTranslated(a_vecOffset); }
    bCStretch operator*(bCMatrix const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCStretch operator/(bCMatrix const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCStretch operator*(bCMatrix3 const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCStretch operator/(bCMatrix3 const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCStretch & operator+=(bCVector const & a_vecOffset)
    {
        Translate(a_vecOffset);
        return *this;
    }
    bCStretch & operator-=(bCVector const & a_vecOffset)
    {
        InvTranslate(a_vecOffset);
        return *this;
    }
    bCStretch & operator*=(bCMatrix const & a_matTransform)
    {
        Transform(a_matTransform);
        return *this;
    }
    bCStretch & operator/=(bCMatrix const & a_matTransform)
    {
        InvTransform(a_matTransform);
        return *this;
    }
    bCStretch & operator*=(bCMatrix3 const & a_matTransform)
    {
        Transform(a_matTransform);
        return *this;
    }
    bCStretch & operator/=(bCMatrix3 const & a_matTransform)
    {
        InvTransform(a_matTransform);
        return *this;
    }

    bool operator==(bCStretch const & a_Other) const; // exact
    bool operator!=(bCStretch const & a_Other) const { return !(*this == a_Other); }
    bool IsEqual(bCStretch const & a_Other) const { return *this == a_Other; }

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
    float GetIntersectionDistance(bCVector const & a_vecA, bCVector const & a_vecB, bCVector const & a_vecC) const;

    // Squared distance to another stretch or a ray; s is the parameter of the
    // closest point on this stretch, t on the other.
    float GetSquareDistance(bCStretch const & a_Stretch) const;
    float GetSquareDistance(bCStretch const & a_Stretch, float & a_fS, float & a_fT) const;
    float GetSquareDistance(bCRay const & a_Ray) const;
    float GetSquareDistance(bCRay const & a_Ray, float & a_fS, float & a_fT) const;

public:
    bCOStream & operator>>(bCOStream & a_Stream) const; // writes
    bCIStream & operator<<(bCIStream & a_Stream);       // reads

protected:
    static constinit thread_local float m_fDummy; // per thread: callers that ignore t never race

private:
    bCVector m_vecStart;
    bCVector m_vecEnd;
};

#endif
