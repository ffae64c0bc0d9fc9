#ifndef OE_TRIANGLE_H_INCLUDED
#define OE_TRIANGLE_H_INCLUDED

// A triangle with corners A, B, C. Its normal is (C - A) x (B - A), normalised;
// the front side is the side the normal points to. Stream form: the corners as
// nine raw floats.

#include <vellmark/math/3d/oe_vector.h>

class bCBox;
class bCFrustum;
class bCIStream;
class bCLine;
class bCMatrix;
class bCMatrix3;
class bCOStream;
class bCPlane;
class bCRay;
class bCSphere;
class bCStretch;
class bCUnitedRay;

class OE_API bCTriangle
{
public:
    // Which faces a ray test accepts.
    enum bESides
    {
        bESides_Front = 1,
        bESides_Back = 2,
        bESides_Both = 3
    };

public:
    bCTriangle() = default; // uninitialised, like the vectors
    bCTriangle(bCTriangle const & a_Source) = default;
    bCTriangle(bCVector const & a_vecA, bCVector const & a_vecB, bCVector const & a_vecC);
    explicit bCTriangle(bCVector const * a_pCorners); // three corners
    ~bCTriangle() = default;
    bCTriangle & operator=(bCTriangle const & a_Source) = default;

public:
    void SetTriangle(bCTriangle const & a_Source);
    void SetTriangle(bCVector const & a_vecA, bCVector const & a_vecB, bCVector const & a_vecC);
    void SetTriangle(bCVector const * a_pCorners);
    void CopyFrom(bCTriangle const & a_Source);
    void CopyTo(bCTriangle & a_Dest) const;
    void Clear();

    bCVector const & GetA() const { return m_arrCorners[0]; }
    bCVector const & GetB() const { return m_arrCorners[1]; }
    bCVector const & GetC() const { return m_arrCorners[2]; }
    bCVector & AccessA() { return m_arrCorners[0]; }
    bCVector & AccessB() { return m_arrCorners[1]; }
    bCVector & AccessC() { return m_arrCorners[2]; }
    void SetA(bCVector const & a_vecA) { m_arrCorners[0] = a_vecA; }
    void SetB(bCVector const & a_vecB) { m_arrCorners[1] = a_vecB; }
    void SetC(bCVector const & a_vecC) { m_arrCorners[2] = a_vecC; }
    bCVector const & GetVector(int a_iIndex) const { return m_arrCorners[a_iIndex]; } // not range-tested
    bCVector & AccessVector(int a_iIndex) { return m_arrCorners[a_iIndex]; }
    void SetVector(int a_iIndex, bCVector const & a_vecCorner) { m_arrCorners[a_iIndex] = a_vecCorner; }
    bCVector const & operator[](int a_iIndex) const { return m_arrCorners[a_iIndex]; }
    bCVector & operator[](int a_iIndex) { return m_arrCorners[a_iIndex]; }
    bCVector const (&GetVectors() const)[3] { return m_arrCorners; }
    bCVector (&AccessVectors())[3] { return m_arrCorners; }

    bCVector CalcNormal() const;
    void CalcNormal(bCVector & a_vecNormal) const;
    bCVector GetCenter() const; // (A + B + C) / 3
    bool IsDegenerated() const; // |(C - A) x (B - A)| squared below 1.0e-5

public:
    void Translate(bCVector const & a_vecOffset);
    void InvTranslate(bCVector const & a_vecOffset);
    void Transform(bCMatrix const & a_matTransform); // every corner as a point
    void InvTransform(bCMatrix const & a_matTransform);
    void Transform(bCMatrix3 const & a_matTransform);
    void InvTransform(bCMatrix3 const & a_matTransform);
    bCTriangle GetTranslated(bCVector const & a_vecOffset) const;
    bCTriangle GetInvTranslated(bCVector const & a_vecOffset) const;
    bCTriangle GetTransformed(bCMatrix const & a_matTransform) const;
    bCTriangle GetInvTransformed(bCMatrix const & a_matTransform) const;
    bCTriangle GetTransformed(bCMatrix3 const & a_matTransform) const;
    bCTriangle GetInvTransformed(bCMatrix3 const & a_matTransform) const;
    bCTriangle operator+(bCVector const & a_vecOffset) const { return GetTranslated(a_vecOffset); }
    bCTriangle operator-(bCVector const & a_vecOffset) const { return GetInvTranslated(a_vecOffset); }
    bCTriangle operator*(bCMatrix const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCTriangle operator/(bCMatrix const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCTriangle operator*(bCMatrix3 const & a_matTransform) const { return GetTransformed(a_matTransform); }
    bCTriangle operator/(bCMatrix3 const & a_matTransform) const { return GetInvTransformed(a_matTransform); }
    bCTriangle & operator+=(bCVector const & a_vecOffset)
    {
        Translate(a_vecOffset);
        return *this;
    }
    bCTriangle & operator-=(bCVector const & a_vecOffset)
    {
        InvTranslate(a_vecOffset);
        return *this;
    }
    bCTriangle & operator*=(bCMatrix const & a_matTransform)
    {
        Transform(a_matTransform);
        return *this;
    }
    bCTriangle & operator/=(bCMatrix const & a_matTransform)
    {
        InvTransform(a_matTransform);
        return *this;
    }
    bCTriangle & operator*=(bCMatrix3 const & a_matTransform)
    {
        Transform(a_matTransform);
        return *this;
    }
    bCTriangle & operator/=(bCMatrix3 const & a_matTransform)
    {
        InvTransform(a_matTransform);
        return *this;
    }

    bool operator==(bCTriangle const & a_Other) const; // exact
    bool operator!=(bCTriangle const & a_Other) const { return !(*this == a_Other); }
    bool IsEqual(bCTriangle const & a_Other) const { return *this == a_Other; }

public:
    // Conservative tests through bounding boxes, exact only along the coordinate axes.
    bool Cull(bCBox const & a_Box) const;
    bool Intersects(bCBox const & a_Box) const;
    bool Cull(bCVector const * a_pCorners) const; // three corners of another triangle
    bool Cull(bCTriangle const & a_Triangle) const;
    bool Intersects(bCTriangle const & a_Triangle) const;
    bool Intersects(bCVector const * a_pCorners) const;
    // False when all corners lie on one side (all below 0, or all 0 or above).
    bool Intersects(bCPlane const & a_Plane) const;
    bool Cull(bCPlane const & a_Plane) const;
    bool Cull(bCSphere const & a_Sphere) const;
    bool Intersects(bCSphere const & a_Sphere) const;
    // Against a frustum: the frustum's corner test (oe_frustum_solids.cpp).
    bool Cull(bCFrustum const & a_Frustum) const;
    bool Intersects(bCFrustum const & a_Frustum) const;
    bool Separates(bCVector const * a_pPoints, int a_iCount, bCVector const & a_vecAxis) const; // not implemented

    bool Intersects(bCUnitedRay const & a_Ray, float & a_fT = m_fDummy, bESides a_enuSides = bESides_Both) const;
    bool Intersects(bCLine const & a_Line, float & a_fT = m_fDummy, bESides a_enuSides = bESides_Both) const;
    bool Intersects(bCRay const & a_Ray, float & a_fT = m_fDummy, bESides a_enuSides = bESides_Both) const;
    bool Intersects(bCStretch const & a_Stretch, float & a_fT = m_fDummy, bESides a_enuSides = bESides_Both) const;

public:
    bCOStream & operator>>(bCOStream & a_Stream) const; // writes
    bCIStream & operator<<(bCIStream & a_Stream);       // reads

protected:
    static constinit thread_local float m_fDummy; // per thread: callers that ignore t never race

private:
    bCVector m_arrCorners[3]; // A, B, C
};

#endif
