#ifndef OE_CAPSULE_H_INCLUDED
#define OE_CAPSULE_H_INCLUDED

// bCCapsule: the record of a capsule: radius, height, orientation (bCMatrix3)
// and centre. It carries no tests of its own.
// - Construction and Destroy set the orientation to the identity and the
//   centre to the origin and leave radius and height as they are.
// - Stream form: radius, height, orientation and centre, each through its own
//   stream form.

#include <vellmark/kernel/oe_result.h>
#include <vellmark/math/3d/oe_matrix3.h>
#include <vellmark/math/3d/oe_vector.h>

class OE_API bCCapsule
{
public:
    bCCapsule();
    bCCapsule(bCCapsule const & a_Source) = default;
    bCCapsule(float a_fRadius, float a_fHeight, bCMatrix3 const & a_matOrientation, bCVector const & a_vecCenter);
    ~bCCapsule() = default;
    bCCapsule & operator=(bCCapsule const & a_Source) = default;

public:
    bEResult Create(); // nothing to set up: bEResult_Ok
    void Destroy();
    void CopyFrom(bCCapsule const & a_Source) { *this = a_Source; }
    void CopyTo(bCCapsule & a_Dest) const { a_Dest.CopyFrom(*this); }

    void SetCapsule(float a_fRadius, float a_fHeight, bCMatrix3 const & a_matOrientation, bCVector const & a_vecCenter);
    void SetCapsule(bCCapsule const & a_Source) { *this = a_Source; }
    float GetRadius() const { return m_fRadius; }
    void SetRadius(float a_fRadius) { m_fRadius = a_fRadius; }
    float GetHeight() const { return m_fHeight; }
    void SetHeight(float a_fHeight) { m_fHeight = a_fHeight; }
    bCMatrix3 const & GetOrientation() const { return m_matOrientation; }
    void SetOrientation(bCMatrix3 const & a_matOrientation) { m_matOrientation = a_matOrientation; }
    bCVector const & GetCenter() const { return m_vecCenter; }
    void SetCenter(bCVector const & a_vecCenter) { m_vecCenter = a_vecCenter; }

    bool IsEqual(bCCapsule const & a_Other) const; // exact
    bool operator==(bCCapsule const & a_Other) const { return IsEqual(a_Other); }
    bool operator!=(bCCapsule const & a_Other) const { return !IsEqual(a_Other); }

    bCOStream & operator>>(bCOStream & a_Stream) const; // writes
    bCIStream & operator<<(bCIStream & a_Stream);       // reads

    void Invalidate(); // orientation identity, centre at the origin

private:
    float m_fRadius;
    float m_fHeight;
    bCMatrix3 m_matOrientation;
    bCVector m_vecCenter;
};

#endif
