#ifndef OE_PLANE_H_INCLUDED
#define OE_PLANE_H_INCLUDED

// A plane: the points p with normal . p + distance = 0. ClassifyPoint is the
// signed distance when the normal has unit length, positive on the side the
// normal points to. Stream form: normal and distance as four raw floats.

#include <vellmark/math/3d/oe_vector.h>

class bCBox;
class bCFrustum;
class bCIStream;
class bCLine;
class bCMatrix;
class bCMatrix3;
class bCOStream;
class bCQuaternion;
class bCRay;
class bCSphere;
class bCStretch;
class bCTriangle;
class bCUnitedRay;

class OE_API bCPlane
{
public:
    bCPlane() = default; // uninitialised, like the vectors
    bCPlane(bCPlane const & a_Source) = default;
    bCPlane(bCVector const & a_vecNormal, float a_fDistance);
    bCPlane(bCVector const & a_vecNormal, bCVector const & a_vecPoint); // distance = -(normal . point)
    bCPlane(bCVector const & a_vecA, bCVector const & a_vecB, bCVector const & a_vecC);
    bCPlane(float a_fX, float a_fY, float a_fZ, float a_fDistance);
    ~bCPlane() = default;
    bCPlane & operator=(bCPlane const & a_Source) = default;

public:
    void SetPlane(bCPlane const & a_Source);
    void SetPlane(bCVector const & a_vecNormal, float a_fDistance);
    void SetPlane(bCVector const & a_vecNormal, bCVector const & a_vecPoint);
    // Normal (b - a) x (c - b) of the normalised edges, not normalised again.
    void SetPlane(bCVector const & a_vecA, bCVector const & a_vecB, bCVector const & a_vecC);
    void SetPlane(float a_fX, float a_fY, float a_fZ, float a_fDistance);
    void CopyFrom(bCPlane const & a_Source);
    void CopyTo(bCPlane & a_Dest) const;
    void Clear();

    bCVector const & GetNormal() const { return m_vecNormal; }
    void GetNormal(bCVector & a_vecNormal) const { a_vecNormal = m_vecNormal; }
    bCVector & AccessNormal() { return m_vecNormal; }
    void SetNormal(bCVector const & a_vecNormal) { m_vecNormal = a_vecNormal; }
    float GetDistance() const { return m_fDistance; }
    void GetDistance(float & a_fDistance) const { a_fDistance = m_fDistance; }
    float & AccessDistance() { return m_fDistance; }
    void SetDistance(float a_fDistance) { m_fDistance = a_fDistance; }

    float ClassifyPoint(bCVector const & a_vecPoint) const;   // normal . p + distance
    float ClassifyVector(bCVector const & a_vecVector) const; // normal . v

public:
    bCPlane & Normalize(); // divides normal and distance by the normal's length (a zero normal stays)
    bCPlane GetNormalized() const;
    bCPlane & Negate(); // the other side: normal and distance negated
    bCPlane GetNegated() const;
    bCPlane & Invert(); // same as Negate
    bCPlane GetInverted() const;
    bCPlane operator-() const;

    // Transforms map the plane so that the images of its points lie on the result.
    void Translate(bCVector const & a_vecOffset);
    void InvTranslate(bCVector const & a_vecOffset);
    void Transform(bCMatrix const & a_matTransform);
    void InvTransform(bCMatrix const & a_matTransform);
    void Transform(bCMatrix3 const & a_matTransform);
    void InvTransform(bCMatrix3 const & a_matTransform);
    void Rotate(bCQuaternion const & a_quatRotation);
    void InvRotate(bCQuaternion const & a_quatRotation);
    void Scale(float a_fScale); // scales space about the origin: the distance grows, the normal stays
    bCPlane GetTranslated(bCVector const & a_vecOffset) const;
    bCPlane GetInvTranslated(bCVector const & a_vecOffset) const;
    bCPlane GetTransformed(bCMatrix const & a_matTransform) const;
    bCPlane GetInvTransformed(bCMatrix const & a_matTransform) const;
    bCPlane GetTransformed(bCMatrix3 const & a_matTransform) const;
    bCPlane GetInvTransformed(bCMatrix3 const & a_matTransform) const;
    bCPlane GetRotated(bCQuaternion const & a_quatRotation) const;
    bCPlane GetInvRotated(bCQuaternion const & a_quatRotation) const;
    bCPlane operator+(bCVector const & a_vecOffset) const { return GetTranslated(a_vecOffset); }
    bCPlane operator-(bCVector const & a_vecOffset) const { return GetInvTranslated(a_vecOffset); }
    bCPlane operator*(bCMatrix const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCPlane operator/(bCMatrix const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCPlane operator*(bCMatrix3 const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCPlane operator/(bCMatrix3 const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCPlane & operator+=(bCVector const & a_vecOffset)
    {
        Translate(a_vecOffset);
        return *this;
    }
    bCPlane & operator-=(bCVector const & a_vecOffset)
    {
        InvTranslate(a_vecOffset);
        return *this;
    }
    bCPlane & operator*=(bCMatrix const & a_matTransform)
    {
        Transform(a_matTransform);
        return *this;
    }
    bCPlane & operator/=(bCMatrix const & a_matTransform)
    {
        InvTransform(a_matTransform);
        return *this;
    }
    bCPlane & operator*=(bCMatrix3 const & a_matTransform)
    {
        Transform(a_matTransform);
        return *this;
    }
    bCPlane & operator/=(bCMatrix3 const & a_matTransform)
    {
        InvTransform(a_matTransform);
        return *this;
    }

    bool operator==(bCPlane const & a_Other) const; // exact
    bool operator!=(bCPlane const & a_Other) const { return !(*this == a_Other); }
    bool IsEqual(bCPlane const & a_Other) const { return *this == a_Other; }

public:
    // Line-like primitives meet a plane they are not parallel to where their
    // parameter range allows; t is left alone when they are parallel.
    bool Intersects(bCUnitedRay const & a_Ray, float & a_fT = m_fDummy) const;
    bool Intersects(bCLine const & a_Line, float & a_fT = m_fDummy) const;
    bool Intersects(bCRay const & a_Ray, float & a_fT = m_fDummy) const;
    bool Intersects(bCStretch const & a_Stretch, float & a_fT = m_fDummy) const;
    bool Intersects(bCBox const & a_Box) const;
    bool Intersects(bCTriangle const & a_Triangle) const;
    bool Cull(bCBox const & a_Box) const;
    bool Cull(bCTriangle const & a_Triangle) const;
    // Against a frustum: the frustum's plane test (oe_frustum_solids.cpp).
    bool Cull(bCFrustum const & a_Frustum) const;
    bool Intersects(bCFrustum const & a_Frustum) const;

public:
    bCOStream & operator>>(bCOStream & a_Stream) const; // writes
    bCIStream & operator<<(bCIStream & a_Stream);       // reads

protected:
    static constinit thread_local float m_fDummy; // per thread: callers that ignore t never race

private:
    bCVector m_vecNormal;
    float m_fDistance;
};

inline float bCPlane::ClassifyPoint(bCVector const & a_vecPoint) const
{
    return m_vecNormal.GetDotProduct(a_vecPoint) + m_fDistance;
}

inline float bCPlane::ClassifyVector(bCVector const & a_vecVector) const
{
    return m_vecNormal.GetDotProduct(a_vecVector);
}

#endif
