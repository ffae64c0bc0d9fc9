#ifndef OE_BOX_H_INCLUDED
#define OE_BOX_H_INCLUDED

// An axis-aligned box given by its min and max corners (closed on every side).
// The invalid box has min = +3.4028235e38 and max = -3.4028235e38 on every axis,
// so merging points into it builds their bounding box. Stream form: min and max
// as six raw floats.

#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_vector.h>

#include <cmath>

class bCIStream;
class bCFrustum;
class bCLine;
class bCMatrix3;
class bCOStream;
class bCPlane;
class bCRay;
class bCSphere;
class bCStretch;
class bCTriangle;
class bCUnitedRay;

class OE_API bCBox
{
public:
    bCBox(); // the invalid box, ready for merging
    bCBox(bCBox const & a_Source) = default;
    bCBox(bCVector const & a_vecMin, bCVector const & a_vecMax);
    ~bCBox() = default;
    bCBox & operator=(bCBox const & a_Source) = default;

public:
    void SetBox(bCBox const & a_Source);
    void SetBox(bCVector const & a_vecMin, bCVector const & a_vecMax);
    void CopyFrom(bCBox const & a_Source);
    void CopyTo(bCBox & a_Dest) const;
    void Clear(); // min = max = (0, 0, 0)
    void Invalidate();
    bool IsValid() const; // false when any min is +3.4028235e38 or any max -3.4028235e38

    bCVector const & GetMin() const { return m_vecMin; }
    bCVector const & GetMax() const { return m_vecMax; }
    void GetMin(bCVector & a_vecMin) const { a_vecMin = m_vecMin; }
    void GetMax(bCVector & a_vecMax) const { a_vecMax = m_vecMax; }
    bCVector & AccessMin() { return m_vecMin; }
    bCVector & AccessMax() { return m_vecMax; }
    void SetMin(bCVector const & a_vecMin) { m_vecMin = a_vecMin; }
    void SetMax(bCVector const & a_vecMax) { m_vecMax = a_vecMax; }
    bCVector GetVertex(int a_iIndex) const; // bit 0, 1, 2 of the index pick max x, y, z

public:
    float GetWidth() const;        // extent along x
    float GetHeight() const;       // extent along y
    float GetDepth() const;        // extent along z
    bCVector GetMagnitude() const; // max - min
    bCVector GetCenter() const;
    bCVector GetCenterGround() const; // centre at the minimum y
    float GetVolume() const;
    float GetMinExtend() const;                   // the least of width, height and depth
    float GetMaxExtend() const;                   // the greatest of them
    void SetCenter(bCVector const & a_vecCenter); // moves the box, keeping its size
    void Widen(float a_fAmount);                  // every side moves out by the amount
    void Widen(bCVector const & a_vecAmount);
    void Shrink(float a_fAmount);
    void Shrink(bCVector const & a_vecAmount);
    void Scale(float a_fScale); // about the centre
    void Scale(bCVector const & a_vecScale);

public:
    void Merge(bCVector const & a_vecPoint);
    void Merge(bCBox const & a_Box);
    void Intersect(bCBox const & a_Box); // the overlap; may leave min > max where there is none
    bCBox GetMerged(bCBox const & a_Box) const;
    bCBox GetIntersected(bCBox const & a_Box) const;
    bCBox & operator|=(bCVector const & a_vecPoint)
    {
        Merge(a_vecPoint);
        return *this;
    }
    bCBox & operator|=(bCBox const & a_Box)
    {
        Merge(a_Box);
        return *this;
    }
    bCBox & operator&=(bCBox const & a_Box)
    {
        Intersect(a_Box);
        return *this;
    }
    bCBox operator|(bCBox const & a_Box) const { return GetMerged(a_Box); }
    bCBox operator&(bCBox const & a_Box) const { return GetIntersected(a_Box); }
    void Normalize(); // swaps min and max components where min > max
    bool IsNormalized() const;

    void Translate(bCVector const & a_vecOffset);
    void InvTranslate(bCVector const & a_vecOffset);
    // Affine matrices move the centre and grow the half extents by the absolute
    // rotation part; other matrices bound the eight projected corners.
    void Transform(bCMatrix const & a_matTransform);
    void InvTransform(bCMatrix const & a_matTransform);
    void Transform(bCMatrix3 const & a_matTransform);
    void InvTransform(bCMatrix3 const & a_matTransform);
    bCBox GetTranslated(bCVector const & a_vecOffset) const;
    bCBox GetInvTranslated(bCVector const & a_vecOffset) const;
    bCBox GetTransformed(bCMatrix const & a_matTransform) const;
    bCBox GetInvTransformed(bCMatrix const & a_matTransform) const;
    bCBox GetTransformed(bCMatrix3 const & a_matTransform) const;
    bCBox GetInvTransformed(bCMatrix3 const & a_matTransform) const;
    bCBox operator+(bCVector const & a_vecOffset) const { return GetTranslated(a_vecOffset); }
    bCBox operator-(bCVector const & a_vecOffset) const { return GetInvTranslated(a_vecOffset); }
    bCBox operator*(bCMatrix const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCBox operator/(bCMatrix const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCBox operator*(bCMatrix3 const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCBox operator/(bCMatrix3 const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCBox & operator+=(bCVector const & a_vecOffset)
    {
        Translate(a_vecOffset);
        return *this;
    }
    bCBox & operator-=(bCVector const & a_vecOffset)
    {
        InvTranslate(a_vecOffset);
        return *this;
    }
    bCBox & operator*=(bCMatrix const & a_matTransform)
    {
        Transform(a_matTransform);
        return *this;
    }
    bCBox & operator/=(bCMatrix const & a_matTransform)
    {
        InvTransform(a_matTransform);
        return *this;
    }
    bCBox & operator*=(bCMatrix3 const & a_matTransform)
    {
        Transform(a_matTransform);
        return *this;
    }
    bCBox & operator/=(bCMatrix3 const & a_matTransform)
    {
        InvTransform(a_matTransform);
        return *this;
    }

    bool operator==(bCBox const & a_Other) const; // exact
    bool operator!=(bCBox const & a_Other) const { return !(*this == a_Other); }
    bool IsEqual(bCBox const & a_Other) const { return *this == a_Other; }

public:
    bool Intersects(bCBox const & a_Box) const;          // closed: touching boxes intersect
    bool IntersectsExclusive(bCBox const & a_Box) const; // open: touching boxes do not
    bool Cull(bCBox const & a_Box) const;
    bool Contains(bCVector const & a_vecPoint) const;
    bool Contains(bCBox const & a_Box) const;
    bool Intersects(bCVector const & a_vecPoint) const { return Contains(a_vecPoint); }
    bool Intersects(bCPlane const & a_Plane) const;
    bool Cull(bCPlane const & a_Plane) const;
    bool Cull(bCSphere const & a_Sphere) const; // against the sphere's bounding box
    bool Intersects(bCSphere const & a_Sphere) const;
    // Three corners of a triangle; exact only along the coordinate axes.
    bool Cull(bCVector const * a_pCorners) const;
    bool Cull(bCTriangle const & a_Triangle) const;
    bool Intersects(bCTriangle const & a_Triangle) const;
    bool Contains(bCVector const * a_pCorners) const;
    bool Contains(bCTriangle const & a_Triangle) const;
    // Against a frustum: the frustum's conservative box test (oe_frustum_solids.cpp).
    bool Cull(bCFrustum const & a_Frustum) const;
    bool Intersects(bCFrustum const & a_Frustum) const;
    // True when the points lie wholly on one side of the box along the axis;
    // no points at all count as separated.
    bool Separates(bCVector const * a_pPoints, int a_iCount, bCVector const & a_vecAxis) const;

    bool Intersects(bCUnitedRay const & a_Ray, float & a_fT = m_fDummy) const;
    bool Intersects(bCLine const & a_Line, float & a_fT = m_fDummy) const;
    bool Intersects(bCRay const & a_Ray, float & a_fT = m_fDummy) const;
    bool Intersects(bCStretch const & a_Stretch, float & a_fT = m_fDummy) const;
    float GetIntersectionDistance(bCLine const & a_Line) const; // obsolete: -1 on a miss
    float GetIntersectionDistance(bCRay const & a_Ray) const;
    float GetIntersectionDistance(bCStretch const & a_Stretch) const; // obsolete

    // This box moves from t = 0 to t = 1, the other stands still or moves too;
    // t is the first contact (0 when they overlap at the start), 2 on a miss.
    bool IntersectsSweep(bCVector const & a_vecMotion, bCBox const & a_Box, float & a_fT = m_fDummy) const;
    bool IntersectsSweep(bCVector const & a_vecMotion, bCBox const & a_Box, bCVector const & a_vecBoxMotion,
                         float & a_fT = m_fDummy) const;
    bool IntersectsSweep(bCBox const & a_End, bCBox const & a_Box, float & a_fT = m_fDummy) const;
    bool IntersectsSweep(bCBox const & a_End, bCBox const & a_BoxStart, bCBox const & a_BoxEnd,
                         float & a_fT = m_fDummy) const;

public:
    bCOStream & operator>>(bCOStream & a_Stream) const; // writes
    bCIStream & operator<<(bCIStream & a_Stream);       // reads

protected:
    static constinit thread_local float m_fDummy; // per thread: callers that ignore t never race

private:
    void TransformCorners(bCMatrix const & a_matTransform); // a projective matrix bends the box

private:
    bCVector m_vecMin;
    bCVector m_vecMax;
};

// Inline: boxes of whole scenes are moved every frame.
inline void bCBox::Transform(bCMatrix const & a_matTransform)
{
    if (a_matTransform.IsExcentric())
    {
        TransformCorners(a_matTransform);
        return;
    }
    float arrCenter[3], arrHalf[3];
    for (int i = 0; i < 3; ++i)
    {
        arrCenter[i] = (m_vecMin[i] + m_vecMax[i]) * 0.5f;
        arrHalf[i] = (m_vecMax[i] - m_vecMin[i]) * 0.5f;
    }
    // The centre moves as a point; the half extents grow by the absolute rotation part.
    for (int c = 0; c < 3; ++c)
    {
        float const fCenter = arrCenter[0] * a_matTransform(0, c) + arrCenter[1] * a_matTransform(1, c) +
                              arrCenter[2] * a_matTransform(2, c) + a_matTransform(3, c);
        float const fHalf = arrHalf[0] * std::fabs(a_matTransform(0, c)) +
                            arrHalf[1] * std::fabs(a_matTransform(1, c)) + arrHalf[2] * std::fabs(a_matTransform(2, c));
        m_vecMin[c] = fCenter - fHalf;
        m_vecMax[c] = fCenter + fHalf;
    }
}

inline bool bCBox::IsValid() const
{
    for (int i = 0; i < 3; ++i)
        if (m_vecMin[i] == 3.4028235e38f || m_vecMax[i] == -3.4028235e38f)
            return false;
    return true;
}

#endif
