#ifndef OE_FRUSTUM_H_INCLUDED
#define OE_FRUSTUM_H_INCLUDED

// bCFrustum: the view volume as six planes whose normals point inwards, in the
// order near, far, left, right, bottom, top (bCFrustum::bEPlane). A point p is
// inside a plane when normal . p + distance >= 0, inside the frustum when it
// is inside all six.
//
// - Cull(x) is conservative (true when x may overlap the frustum); Contains(x)
//   is true when x lies wholly inside. The point, sphere and box tests stop at
//   the first plane that rejects.
// - Planes built from a view-projection matrix are not normalised; call
//   Normalize before asking for distances.
// - Line-like primitives test against a frustum through bCUnitedRay: t is the
//   lower end of the clipped parameter interval, written also on a miss.
// - Stream form: the six planes in order (24 raw floats).

#include <vellmark/math/3d/oe_plane.h>

class bCBox;
class bCLine;
class bCMatrix;
class bCMatrix3;
class bCQuaternion;
class bCRay;
class bCSphere;
class bCStretch;
class bCTriangle;
class bCUnitedRay;

class OE_API bCFrustum
{
public:
    enum bEPlane
    {
        bEPlane_Near = 0,
        bEPlane_Far = 1,
        bEPlane_Left = 2,
        bEPlane_Right = 3,
        bEPlane_Bottom = 4,
        bEPlane_Top = 5,
        bEPlane_Count = 6
    };

public:
    bCFrustum() = default; // planes uninitialised
    bCFrustum(bCFrustum const & a_Source) = default;
    explicit bCFrustum(bCBox const & a_Box);
    ~bCFrustum() = default;
    bCFrustum & operator=(bCFrustum const & a_Source) = default;

public:
    void SetFrustum(bCFrustum const & a_Source);
    void SetFrustum(bCBox const & a_Box);
    void SetFrustum(bCMatrix const & a_matViewProjection); // clip space 0 <= z <= w
    void Clear();                                          // every plane zero
    void CopyFrom(bCFrustum const & a_Source);
    void CopyTo(bCFrustum & a_Dest) const;

    bCPlane const & GetClippingPlane(int a_iIndex) const { return m_arrPlanes[a_iIndex]; }
    bCPlane & AccessClippingPlane(int a_iIndex) { return m_arrPlanes[a_iIndex]; }
    void SetClippingPlane(int a_iIndex, bCPlane const & a_Plane) { m_arrPlanes[a_iIndex] = a_Plane; }

public:
    bool Cull(bCVector const & a_vecPoint) const;
    bool Cull(bCVector const * a_pCorners) const; // three corners: false when all lie outside one plane
    bool Cull(bCSphere const & a_Sphere) const;
    bool Cull(bCBox const & a_Box) const;
    bool Cull(bCTriangle const & a_Triangle) const;
    bool Cull(bCLine const & a_Line) const;
    bool Cull(bCRay const & a_Ray) const;
    bool Cull(bCStretch const & a_Stretch) const;
    bool Cull(bCUnitedRay const & a_Ray) const;
    bool Cull(bCPlane const & a_Plane) const;     // the plane passes between the corners
    bool Cull(bCFrustum const & a_Frustum) const; // no plane of either has all corners of the other outside

    bool Contains(bCVector const & a_vecPoint) const { return Cull(a_vecPoint); }
    bool Contains(bCVector const * a_pCorners) const; // three corners
    bool Contains(bCSphere const & a_Sphere) const;
    bool Contains(bCBox const & a_Box) const;
    bool Contains(bCStretch const & a_Stretch) const;
    bool Contains(bCTriangle const & a_Triangle) const;
    bool Contains(bCUnitedRay const & a_Ray) const; // extensions must not leave the frustum
    bool Contains(bCFrustum const & a_Frustum) const;

    bool Intersects(bCVector const & a_vecPoint) const { return Cull(a_vecPoint); }
    bool Intersects(bCSphere const & a_Sphere) const { return Cull(a_Sphere); }
    bool Intersects(bCBox const & a_Box) const { return Cull(a_Box); }
    bool Intersects(bCVector const * a_pCorners) const { return Cull(a_pCorners); }
    bool Intersects(bCTriangle const & a_Triangle) const { return Cull(a_Triangle); }
    bool Intersects(bCPlane const & a_Plane) const { return Cull(a_Plane); }
    bool Intersects(bCFrustum const & a_Frustum) const { return Cull(a_Frustum); }
    bool Intersects(bCUnitedRay const & a_Ray, float & a_fT = m_fDummy) const;
    bool Intersects(bCLine const & a_Line, float & a_fT = m_fDummy) const;
    bool Intersects(bCRay const & a_Ray, float & a_fT = m_fDummy) const;
    bool Intersects(bCStretch const & a_Stretch, float & a_fT = m_fDummy) const;

    float GetDistance(bCVector const & a_vecPoint) const; // positive outside, negative inside
    // Corner where three planes meet: bit 0 near/far, bit 1 right/left, bit 2 top/bottom.
    bCVector GetVertex(int a_iIndex) const;
    void GetVertex(int a_iIndex, bCVector & a_vecVertex) const { a_vecVertex = GetVertex(a_iIndex); }

public:
    // Each plane is transformed as a plane.
    void Translate(bCVector const & a_vecOffset);
    void InvTranslate(bCVector const & a_vecOffset);
    void Rotate(bCQuaternion const & a_quatRotation);
    void InvRotate(bCQuaternion const & a_quatRotation);
    void Scale(float a_fScale);
    void InvScale(float a_fScale);
    void Transform(bCMatrix const & a_matTransform);
    void InvTransform(bCMatrix const & a_matTransform);
    void Transform(bCMatrix3 const & a_matTransform);
    void InvTransform(bCMatrix3 const & a_matTransform);
    void Invert(); // every plane turned round
    void Negate();
    void Normalize(); // planes with a normal of length 0 stay

    bCFrustum GetTranslated(bCVector const & a_vecOffset) const;
    bCFrustum GetInvTranslated(bCVector const & a_vecOffset) const;
    bCFrustum GetRotated(bCQuaternion const & a_quatRotation) const;
    bCFrustum GetInvRotated(bCQuaternion const & a_quatRotation) const;
    bCFrustum GetScaled(float a_fScale) const;
    bCFrustum GetInvScaled(float a_fScale) const;
    bCFrustum GetTransformed(bCMatrix const & a_matTransform) const;
    bCFrustum GetInvTransformed(bCMatrix const & a_matTransform) const;
    bCFrustum GetTransformed(bCMatrix3 const & a_matTransform) const;
    bCFrustum GetInvTransformed(bCMatrix3 const & a_matTransform) const;
    bCFrustum GetInverted() const;
    bCFrustum GetNegated() const;
    bCFrustum GetNormalized() const;

    bCFrustum operator+(bCVector const & a_vecOffset) const { return GetTranslated(a_vecOffset); }
    bCFrustum operator-(bCVector const & a_vecOffset) const { return GetInvTranslated(a_vecOffset); }
    bCFrustum operator*(bCMatrix const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCFrustum operator/(bCMatrix const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCFrustum operator*(bCMatrix3 const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCFrustum operator/(bCMatrix3 const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCFrustum operator-() const { return GetNegated(); }
    bCFrustum & operator+=(bCVector const & a_vecOffset);
    bCFrustum & operator-=(bCVector const & a_vecOffset);
    bCFrustum & operator*=(bCMatrix const & a_matTransform);
    bCFrustum & operator/=(bCMatrix const & a_matTransform);
    bCFrustum & operator*=(bCMatrix3 const & a_matTransform);
    bCFrustum & operator/=(bCMatrix3 const & a_matTransform);

    bool operator==(bCFrustum const & a_Other) const; // exact
    bool operator!=(bCFrustum const & a_Other) const { return !(*this == a_Other); }

public:
    bCOStream & operator>>(bCOStream & a_Stream) const; // writes
    bCIStream & operator<<(bCIStream & a_Stream);       // reads

protected:
    static constinit thread_local float m_fDummy; // per thread: callers that ignore t never race

private:
    // The plane's ClassifyPoint, inline: it runs for every object every frame.
    float Classify(int a_iPlane, bCVector const & a_vecPoint) const
    {
        return m_arrPlanes[a_iPlane].GetNormal().GetDotProduct(a_vecPoint) + m_arrPlanes[a_iPlane].GetDistance();
    }
    bool AllOutsideOnePlane(bCVector const * a_pPoints, int a_iCount) const;

private:
    bCPlane m_arrPlanes[bEPlane_Count];
};

#endif
