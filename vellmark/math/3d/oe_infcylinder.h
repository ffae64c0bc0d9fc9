#ifndef OE_INFCYLINDER_H_INCLUDED
#define OE_INFCYLINDER_H_INCLUDED

// bCInfCylinder: an infinite vertical cylinder (radius, then position); only
// the x and z components of positions take part in its tests, y is ignored.
//
// - Contains(point) is strict: radius squared > horizontal distance squared.
// - The tests against boxes, frusta, lines, rays and united rays are not
//   available: they warn and return false.
// - The invalid cylinder has the radius -3.4028235e38.
// - Stream form: radius and position as four raw floats.

#include <vellmark/math/3d/oe_vector.h>

class bCBox;
class bCFrustum;
class bCInfDoubleCylinder;
class bCLine;
class bCMatrix;
class bCRay;
class bCSphere;
class bCStretch;
class bCUnitedRay;

class OE_API bCInfCylinder
{
public:
    bCInfCylinder(); // the invalid cylinder
    bCInfCylinder(bCInfCylinder const & a_Source) = default;
    bCInfCylinder(float a_fRadius, bCVector const & a_vecPosition);
    ~bCInfCylinder() = default;
    bCInfCylinder & operator=(bCInfCylinder const & a_Source) = default;

public:
    void SetInfCylinder(float a_fRadius, bCVector const & a_vecPosition);
    void CopyFrom(bCInfCylinder const & a_Source) { *this = a_Source; }
    void CopyTo(bCInfCylinder & a_Dest) const { a_Dest.CopyFrom(*this); }
    float GetRadius() const { return m_fRadius; }
    float & AccessRadius() { return m_fRadius; }
    void SetRadius(float a_fRadius) { m_fRadius = a_fRadius; }
    bCVector const & GetPosition() const { return m_vecPosition; }
    bCVector & AccessPosition() { return m_vecPosition; }
    void SetPosition(bCVector const & a_vecPosition) { m_vecPosition = a_vecPosition; }

    // Squared distance from the axis, in the horizontal plane.
    float GetSquareDistance(bCVector const & a_vecPoint) const;

public:
    bool Contains(bCVector const & a_vecPoint) const;
    bool Contains(bCSphere const & a_Sphere) const;           // the sphere's horizontal disc lies inside
    bool Contains(bCInfCylinder const & a_Cylinder) const;    // the other's disc lies inside (closed)
    bool Cull(bCVector const & a_vecPoint) const { return Contains(a_vecPoint); }
    bool Cull(bCSphere const & a_Sphere) const;               // (radius + sphere radius)^2 > distance^2
    bool Cull(bCInfCylinder const & a_Cylinder) const;        // discs overlap (strict)
    bool Cull(bCInfDoubleCylinder const & a_Cylinder) const;  // the double cylinder's test, exchanged
    bool Cull(bCBox const & a_Box) const;                     // not available
    bool Cull(bCFrustum const & a_Frustum) const;             // not available
    bool Intersects(bCVector const & a_vecPoint) const { return Contains(a_vecPoint); }
    bool Intersects(bCSphere const & a_Sphere) const { return Cull(a_Sphere); }
    bool Intersects(bCInfCylinder const & a_Cylinder) const { return Cull(a_Cylinder); }
    bool Intersects(bCInfDoubleCylinder const & a_Cylinder) const { return Cull(a_Cylinder); }
    // Where the stretch enters the cylinder (0 when its start lies inside).
    bool Intersects(bCStretch const & a_Stretch, float & a_fT = m_fDummy, bCVector & a_vecHit = m_vecDummy) const;
    bool Intersects(bCBox const & a_Box) const;                                   // not available
    bool Intersects(bCFrustum const & a_Frustum) const;                           // not available
    bool Intersects(bCLine const & a_Line, float & a_fT = m_fDummy) const;        // not available
    bool Intersects(bCRay const & a_Ray, float & a_fT = m_fDummy) const;          // not available
    bool Intersects(bCUnitedRay const & a_Ray, float & a_fT = m_fDummy) const;    // not available
    // True when the points lie wholly beyond the cylinder along a horizontal
    // axis; an axis with a vertical part never separates. No points: true.
    bool Separates(bCVector const * a_pPoints, int a_iCount, bCVector const & a_vecAxis) const;

    void Merge(bCVector const & a_vecPoint);           // the least cylinder around both
    void Merge(bCInfCylinder const & a_Cylinder);
    void Intersect(bCInfCylinder const & a_Cylinder); // the least cylinder around the overlap; invalid without one
    void Widen(float a_fAmount) { m_fRadius += a_fAmount; }
    void Shrink(float a_fAmount) { m_fRadius -= a_fAmount; }
    void Scale(float a_fScale) { m_fRadius *= a_fScale; }
    void Translate(bCVector const & a_vecOffset) { m_vecPosition += a_vecOffset; }
    void InvTranslate(bCVector const & a_vecOffset) { m_vecPosition -= a_vecOffset; }
    void Transform(bCMatrix const & a_matTransform); // moves the position; the radius stays
    void InvTransform(bCMatrix const & a_matTransform);
    float GetVolume() const; // per unit of height: the disc's area

    bool IsValid() const { return m_fRadius >= 0.0f; }
    void Invalidate();
    bool IsEqual(bCInfCylinder const & a_Other) const;
    bool operator==(bCInfCylinder const & a_Other) const { return IsEqual(a_Other); }
    bool operator!=(bCInfCylinder const & a_Other) const { return !IsEqual(a_Other); }

    bCOStream & operator>>(bCOStream & a_Stream) const; // writes
    bCIStream & operator<<(bCIStream & a_Stream);       // reads

protected:
    static constinit thread_local float m_fDummy;
    static constinit thread_local bool m_bDummy;
    static thread_local bCVector m_vecDummy;

private:
    float m_fRadius;
    bCVector m_vecPosition;
};

#endif
