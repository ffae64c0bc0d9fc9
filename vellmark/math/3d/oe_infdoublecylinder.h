#ifndef OE_INFDOUBLECYLINDER_H_INCLUDED
#define OE_INFDOUBLECYLINDER_H_INCLUDED

// bCInfDoubleCylinder: two infinite vertical cylinders A and B (radius, then
// position, each) and the band between them, whose half-width runs linearly
// from radius A to radius B: in the horizontal x/z plane the union of two
// discs and a tapered band. y is ignored.
//
// - Cull(point, shrink) tests the region with every radius multiplied by 0.93
//   when shrink is set; Contains(point) is Cull(point, false).
// - The tests against boxes, frusta, lines, rays and united rays are not
//   available: they warn and return false.
// - Stream form: radius A, position A, radius B, position B as raw floats.

#include <vellmark/math/3d/oe_vector.h>

class bCBox;
class bCFrustum;
class bCInfCylinder;
class bCLine;
class bCMatrix;
class bCRay;
class bCSphere;
class bCUnitedRay;

class OE_API bCInfDoubleCylinder
{
public:
    bCInfDoubleCylinder(); // invalid: both radii -3.4028235e38
    bCInfDoubleCylinder(bCInfDoubleCylinder const & a_Source) = default;
    bCInfDoubleCylinder(float a_fRadiusA, bCVector const & a_vecPositionA, float a_fRadiusB,
                        bCVector const & a_vecPositionB);
    ~bCInfDoubleCylinder() = default;
    bCInfDoubleCylinder & operator=(bCInfDoubleCylinder const & a_Source) = default;

public:
    void SetInfDoubleCylinder(float a_fRadiusA, bCVector const & a_vecPositionA, float a_fRadiusB,
                              bCVector const & a_vecPositionB);
    void CopyFrom(bCInfDoubleCylinder const & a_Source) { *this = a_Source; }
    void CopyTo(bCInfDoubleCylinder & a_Dest) const { a_Dest.CopyFrom(*this); }
    float GetRadiusA() const { return m_fRadiusA; }
    float & AccessRadiusA() { return m_fRadiusA; }
    void SetRadiusA(float a_fRadius) { m_fRadiusA = a_fRadius; }
    bCVector const & GetPositionA() const { return m_vecPositionA; }
    bCVector & AccessPositionA() { return m_vecPositionA; }
    void SetPositionA(bCVector const & a_vecPosition) { m_vecPositionA = a_vecPosition; }
    float GetRadiusB() const { return m_fRadiusB; }
    float & AccessRadiusB() { return m_fRadiusB; }
    void SetRadiusB(float a_fRadius) { m_fRadiusB = a_fRadius; }
    bCVector const & GetPositionB() const { return m_vecPositionB; }
    bCVector & AccessPositionB() { return m_vecPositionB; }
    void SetPositionB(bCVector const & a_vecPosition) { m_vecPositionB = a_vecPosition; }

public:
    bool Cull(bCVector const & a_vecPoint, bool a_bShrink = false) const;
    bool Contains(bCVector const & a_vecPoint) const { return Cull(a_vecPoint, false); }
    bool Intersects(bCVector const & a_vecPoint) const { return Contains(a_vecPoint); }
    // A sphere (or a cylinder) as its horizontal disc: the region grown by its
    // radius holds its centre (Cull), or shrunk by it (Contains).
    bool Cull(bCSphere const & a_Sphere) const;
    bool Contains(bCSphere const & a_Sphere) const;
    bool Intersects(bCSphere const & a_Sphere) const { return Cull(a_Sphere); }
    bool Cull(bCInfCylinder const & a_Cylinder) const;
    bool Contains(bCInfCylinder const & a_Cylinder) const;
    bool Intersects(bCInfCylinder const & a_Cylinder) const { return Cull(a_Cylinder); }
    bool Cull(bCBox const & a_Box) const;                                      // not available
    bool Cull(bCFrustum const & a_Frustum) const;                              // not available
    bool Intersects(bCBox const & a_Box) const;                                // not available
    bool Intersects(bCFrustum const & a_Frustum) const;                        // not available
    bool Intersects(bCLine const & a_Line, float & a_fT = m_fDummy) const;     // not available
    bool Intersects(bCRay const & a_Ray, float & a_fT = m_fDummy) const;       // not available
    bool Intersects(bCUnitedRay const & a_Ray, float & a_fT = m_fDummy) const; // not available

    // True when the points lie wholly beyond the region along a horizontal axis
    // (measured against the hull of the two discs); an axis with a vertical part
    // never separates. No points: true.
    bool Separates(bCVector const * a_pPoints, int a_iCount, bCVector const & a_vecAxis) const;

    // End by end: disc A with the other's disc A, disc B with its disc B, as
    // bCInfCylinder merges and intersects them.
    void Merge(bCInfDoubleCylinder const & a_Other);
    void Intersect(bCInfDoubleCylinder const & a_Other);

    void Widen(float a_fAmount);  // both radii
    void Shrink(float a_fAmount); // both radii
    void Scale(float a_fScale);   // both radii
    void Translate(bCVector const & a_vecOffset);
    void InvTranslate(bCVector const & a_vecOffset);
    void Transform(bCMatrix const & a_matTransform); // moves the positions; the radii stay
    void InvTransform(bCMatrix const & a_matTransform);
    float GetVolume() const; // per unit of height: half of each disc plus the band

    bool IsValid() const { return m_fRadiusA >= 0.0f && m_fRadiusB >= 0.0f; }
    void Invalidate();
    bool IsEqual(bCInfDoubleCylinder const & a_Other) const;
    bool operator==(bCInfDoubleCylinder const & a_Other) const { return IsEqual(a_Other); }
    bool operator!=(bCInfDoubleCylinder const & a_Other) const { return !IsEqual(a_Other); }

    bCOStream & operator>>(bCOStream & a_Stream) const; // writes
    bCIStream & operator<<(bCIStream & a_Stream);       // reads

protected:
    static constinit thread_local float m_fDummy;
    static constinit thread_local bool m_bDummy;
    static thread_local bCVector m_vecDummy;

private:
    bool TestPoint(bCVector const & a_vecPoint, float a_fScale, float a_fGrowth) const;

private:
    float m_fRadiusA;
    bCVector m_vecPositionA;
    float m_fRadiusB;
    bCVector m_vecPositionB;
};

#endif
