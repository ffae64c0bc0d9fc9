#ifndef OE_ORIENTEDBOX_H_INCLUDED
#define OE_ORIENTEDBOX_H_INCLUDED

// bCOrientedBox: a box with its own axes: centre, extent (half sizes along the
// box's axes) and orientation (a bCMatrix3 whose rows are the box's x, y and z
// axes in world space).
//
// - Vertex i lies at centre +/- extent along each axis: bit 0, 1, 2 of i pick
//   the positive side of x, y, z. Edges run between vertices that differ in one
//   bit; face planes (GetPlane) have outward normals: -x, +x, -y, +y, -z, +z.
// - The invalid box has the extent (-3.4028235e38, ...); merging into it copies.
// - Point fits use the principal axes of the points (bCEigenVector).
// - Stream form: centre, extent and orientation, each through its own stream form.

#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_matrix3.h>
#include <vellmark/math/3d/oe_plane.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_stretch.h>

class bCMatrix;

class OE_API bCOrientedBox
{
public:
    bCOrientedBox(); // the invalid box at the origin, axis-aligned
    bCOrientedBox(bCOrientedBox const & a_Source) = default;
    bCOrientedBox(bCBox const & a_Box, bCMatrix3 const & a_matOrientation);
    ~bCOrientedBox() = default;
    bCOrientedBox & operator=(bCOrientedBox const & a_Source) = default;

public:
    // The box is given in the oriented box's own frame.
    void Create(bCBox const & a_Box, bCMatrix3 const & a_matOrientation);
    void SetOrientedBox(bCVector const & a_vecCenter, bCVector const & a_vecExtent, bCMatrix3 const & a_matOrientation);
    void SetOuterBoxFromPoints(bCVector const * a_pPoints, int a_iCount); // encloses every point
    // Principal axes as in the outer fit, centred at the mean, each half size the
    // nearer of the two extreme projections: a box inside the points' spread.
    void SetInnerBoxFromPoints(bCVector const * a_pPoints, int a_iCount);
    void CopyFrom(bCOrientedBox const & a_Source) { *this = a_Source; }
    void CopyTo(bCOrientedBox & a_Dest) const { a_Dest.CopyFrom(*this); }

    bCVector const & GetCenter() const { return m_vecCenter; }
    bCVector & AccessCenter() { return m_vecCenter; }
    void SetCenter(bCVector const & a_vecCenter) { m_vecCenter = a_vecCenter; }
    bCVector const & GetExtent() const { return m_vecExtent; }
    bCVector & AccessExtent() { return m_vecExtent; }
    void SetExtent(bCVector const & a_vecExtent) { m_vecExtent = a_vecExtent; }
    bCMatrix3 const & GetOrientation() const { return m_matOrientation; }
    bCMatrix3 & AccessOrientation() { return m_matOrientation; }
    void SetOrientation(bCMatrix3 const & a_matOrientation) { m_matOrientation = a_matOrientation; }
    bCVector GetAxis(int a_iIndex) const { return m_matOrientation.GetRow(a_iIndex); }
    bCVector & AccessAxis(int a_iIndex) { return m_matOrientation.AccessRow(a_iIndex); }

    bCVector GetVertex(int a_iIndex) const;
    void GetVertices(bCVector * a_pVertices) const; // 8
    bCStretch GetEdge(int a_iIndex) const;          // 0-3 along x, 4-7 along y, 8-11 along z
    void GetEdges(bCStretch * a_pEdges) const;      // 12
    bCPlane GetPlane(int a_iIndex) const;
    void GetPlanes(bCPlane * a_pPlanes) const; // 6
    bCBox GetCircumAxisBox() const;
    bCSphere GetCircumSphere() const; // radius: length of the extent
    bCSphere GetInSphere() const;     // radius: the least extent

    float GetWidth() const { return 2.0f * m_vecExtent.GetX(); }
    float GetHeight() const { return 2.0f * m_vecExtent.GetY(); }
    float GetDepth() const { return 2.0f * m_vecExtent.GetZ(); }
    bCVector GetMagnitude() const { return m_vecExtent * 2.0f; }
    float GetVolume() const { return 8.0f * m_vecExtent.GetX() * m_vecExtent.GetY() * m_vecExtent.GetZ(); }
    // The box's interval along an axis (distances for a unit axis).
    void GetProjectedExtent(bCVector const & a_vecAxis, float & a_fLow, float & a_fHigh) const;

public:
    bool Contains(bCVector const & a_vecPoint) const; // closed
    bool Contains(bCBox const & a_Box) const;
    bool Contains(bCOrientedBox const & a_Box) const;
    bool Contains(bCSphere const & a_Sphere) const;
    bool Intersects(bCOrientedBox const & a_Box) const; // separating axes: 3 + 3 + 9 cross products
    bool Intersects(bCBox const & a_Box) const;
    bool Intersects(bCPlane const & a_Plane) const;
    bool Intersects(bCSphere const & a_Sphere) const;

    void Merge(bCOrientedBox const & a_Box); // keeps this box's axes and grows it around the other
    bCOrientedBox & operator|=(bCOrientedBox const & a_Box);
    bCOrientedBox GetMerged(bCOrientedBox const & a_Box) const;

    void Translate(bCVector const & a_vecOffset) { m_vecCenter += a_vecOffset; }
    void InvTranslate(bCVector const & a_vecOffset) { m_vecCenter -= a_vecOffset; }
    void Scale(float a_fScale);            // about the centre
    void Scale(bCVector const & a_vecScale); // along the box's own axes
    // The centre moves as a point, each scaled axis as a direction; scaling
    // ends up in the extent, the axes stay of unit length.
    void Transform(bCMatrix const & a_matTransform);
    void InvTransform(bCMatrix const & a_matTransform);
    void Transform(bCMatrix3 const & a_matTransform);
    void InvTransform(bCMatrix3 const & a_matTransform);
    bCOrientedBox GetTranslated(bCVector const & a_vecOffset) const;
    bCOrientedBox GetInvTranslated(bCVector const & a_vecOffset) const;
    bCOrientedBox GetScaled(float a_fScale) const;
    bCOrientedBox GetTransformed(bCMatrix const & a_matTransform) const;
    bCOrientedBox GetInvTransformed(bCMatrix const & a_matTransform) const;
    bCOrientedBox GetTransformed(bCMatrix3 const & a_matTransform) const;
    bCOrientedBox GetInvTransformed(bCMatrix3 const & a_matTransform) const;
    bCOrientedBox operator+(bCVector const & a_vecOffset) const { return GetTranslated(a_vecOffset); }
    bCOrientedBox operator-(bCVector const & a_vecOffset) const { return GetInvTranslated(a_vecOffset); }
    bCOrientedBox operator*(bCMatrix const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCOrientedBox operator/(bCMatrix const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCOrientedBox & operator+=(bCVector const & a_vecOffset);
    bCOrientedBox & operator-=(bCVector const & a_vecOffset);
    bCOrientedBox & operator*=(bCMatrix const & a_matTransform);
    bCOrientedBox & operator/=(bCMatrix const & a_matTransform);

    bool IsValid() const; // no negative extent
    void Invalidate();
    bool IsEqual(bCOrientedBox const & a_Other) const; // exact
    bool operator==(bCOrientedBox const & a_Other) const { return IsEqual(a_Other); }
    bool operator!=(bCOrientedBox const & a_Other) const { return !IsEqual(a_Other); }

    bCOStream & operator>>(bCOStream & a_Stream) const; // writes
    bCIStream & operator<<(bCIStream & a_Stream);       // reads

private:
    bool FitPrincipalAxes(bCVector const * a_pPoints, int a_iCount, bCVector & a_vecMean, bCVector & a_vecLeast,
                          bCVector & a_vecGreatest);
    void TransformAxes(bCMatrix3 const & a_matLinear);

private:
    bCVector m_vecCenter;
    bCVector m_vecExtent;
    bCMatrix3 m_matOrientation;
};

#endif
