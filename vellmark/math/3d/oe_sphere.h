#ifndef OE_SPHERE_H_INCLUDED
#define OE_SPHERE_H_INCLUDED

// A sphere: radius, then position (the centre). The invalid sphere has the
// radius -3.4028235e38 and the position (0, 0, 0). Stream form: radius and
// position as four raw floats.

#include <vellmark/math/3d/oe_vector.h>

class bCBox;
class bCFrustum;
class bCIStream;
class bCLine;
class bCMatrix;
class bCMatrix3;
class bCOStream;
class bCRay;
class bCStretch;
class bCTriangle;
class bCUnitedRay;

class OE_API bCSphere
{
public:
    bCSphere(); // the invalid sphere, ready for merging
    bCSphere(bCSphere const & a_Source) = default;
    bCSphere(float a_fRadius, bCVector const & a_vecPosition);
    bCSphere(bCVector const & a_vecPosition, float a_fRadius);
    ~bCSphere() = default;
    bCSphere & operator=(bCSphere const & a_Source) = default;

public:
    void SetSphere(bCSphere const & a_Source);
    void SetSphere(float a_fRadius, bCVector const & a_vecPosition);
    void SetSphere(bCVector const & a_vecPosition, float a_fRadius);
    void CopyFrom(bCSphere const & a_Source);
    void CopyTo(bCSphere & a_Dest) const;
    void Clear(); // radius 0 at the origin
    void Invalidate();
    bool IsValid() const;

    float GetRadius() const { return m_fRadius; }
    void GetRadius(float & a_fRadius) const { a_fRadius = m_fRadius; }
    float & AccessRadius() { return m_fRadius; }
    void SetRadius(float a_fRadius) { m_fRadius = a_fRadius; }
    bCVector const & GetPosition() const { return m_vecPosition; }
    void GetPosition(bCVector & a_vecPosition) const { a_vecPosition = m_vecPosition; }
    bCVector & AccessPosition() { return m_vecPosition; }
    void SetPosition(bCVector const & a_vecPosition) { m_vecPosition = a_vecPosition; }
    bCVector const & GetCenter() const { return m_vecPosition; }

public:
    // The smallest sphere around both; an invalid sphere adds nothing.
    void Merge(bCSphere const & a_Sphere);
    bCSphere GetMerged(bCSphere const & a_Sphere) const;
    bCSphere & operator|=(bCSphere const & a_Sphere)
    {
        Merge(a_Sphere);
        return *this;
    }
    bCSphere operator|(bCSphere const & a_Sphere) const { return GetMerged(a_Sphere); }

    void Translate(bCVector const & a_vecOffset);
    void InvTranslate(bCVector const & a_vecOffset);
    // The centre moves as a point; the radius grows by the longest axis.
    void Transform(bCMatrix const & a_matTransform);
    void InvTransform(bCMatrix const & a_matTransform);
    void Transform(bCMatrix3 const & a_matTransform);
    void InvTransform(bCMatrix3 const & a_matTransform);
    bCSphere GetTranslated(bCVector const & a_vecOffset) const;
    bCSphere GetInvTranslated(bCVector const & a_vecOffset) const;
    bCSphere GetTransformed(bCMatrix const & a_matTransform) const;
    bCSphere GetInvTransformed(bCMatrix const & a_matTransform) const;
    bCSphere GetTransformed(bCMatrix3 const & a_matTransform) const;
    bCSphere GetInvTransformed(bCMatrix3 const & a_matTransform) const;
    bCSphere operator+(bCVector const & a_vecOffset) const { return GetTranslated(a_vecOffset); }
    bCSphere operator-(bCVector const & a_vecOffset) const { return GetInvTranslated(a_vecOffset); }
    bCSphere operator*(bCMatrix const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCSphere operator/(bCMatrix const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCSphere operator*(bCMatrix3 const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCSphere operator/(bCMatrix3 const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCSphere & operator+=(bCVector const & a_vecOffset)
    {
        Translate(a_vecOffset);
        return *this;
    }
    bCSphere & operator-=(bCVector const & a_vecOffset)
    {
        InvTranslate(a_vecOffset);
        return *this;
    }
    bCSphere & operator*=(bCMatrix const & a_matTransform)
    {
        Transform(a_matTransform);
        return *this;
    }
    bCSphere & operator/=(bCMatrix const & a_matTransform)
    {
        InvTransform(a_matTransform);
        return *this;
    }
    bCSphere & operator*=(bCMatrix3 const & a_matTransform)
    {
        Transform(a_matTransform);
        return *this;
    }
    bCSphere & operator/=(bCMatrix3 const & a_matTransform)
    {
        InvTransform(a_matTransform);
        return *this;
    }

    bool operator==(bCSphere const & a_Other) const; // exact
    bool operator!=(bCSphere const & a_Other) const { return !(*this == a_Other); }
    bool IsEqual(bCSphere const & a_Other) const { return *this == a_Other; }

public:
    bool Intersects(bCSphere const & a_Sphere) const; // strict: touching spheres do not intersect
    bool Contains(bCVector const & a_vecPoint) const; // closed
    bool Intersects(bCVector const & a_vecPoint) const { return Contains(a_vecPoint); }
    bool Cull(bCBox const & a_Box) const; // the box against the sphere's bounding box
    bool Intersects(bCBox const & a_Box) const;
    // Three corners of a triangle, tested along the axis from the centre to their centroid.
    bool Cull(bCVector const * a_pCorners) const;
    bool Cull(bCTriangle const & a_Triangle) const;
    bool Intersects(bCTriangle const & a_Triangle) const;
    // Against a frustum: the frustum's sphere test (oe_frustum_solids.cpp).
    bool Cull(bCFrustum const & a_Frustum) const;
    bool Intersects(bCFrustum const & a_Frustum) const;
    // True when every point, or the whole box, lies on or beyond the sphere's
    // surface in the direction of the axis (a . (p - c) >= r |a|); no points at
    // all count as separated, a zero axis separates nothing.
    bool Separates(bCVector const * a_pPoints, int a_iCount, bCVector const & a_vecAxis) const;
    bool Separates(bCBox const & a_Box, bCVector const & a_vecAxis) const;

    bool Intersects(bCUnitedRay const & a_Ray, float & a_fT = m_fDummy) const;
    bool Intersects(bCLine const & a_Line, float & a_fT = m_fDummy) const;
    bool Intersects(bCRay const & a_Ray, float & a_fT = m_fDummy) const;
    bool Intersects(bCStretch const & a_Stretch, float & a_fT = m_fDummy) const;

public:
    bCOStream & operator>>(bCOStream & a_Stream) const; // writes
    bCIStream & operator<<(bCIStream & a_Stream);       // reads

protected:
    static constinit thread_local float m_fDummy; // per thread: callers that ignore t never race

private:
    float m_fRadius;
    bCVector m_vecPosition;
};

#endif
