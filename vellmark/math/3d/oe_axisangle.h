#ifndef OE_AXISANGLE_H_INCLUDED
#define OE_AXISANGLE_H_INCLUDED

// bCAxisAngle: an axis and an angle in radians. The quaternion of (u, a) is
// (u sin(a/2), cos(a/2)) with the axis as stored; a bCMatrix built from an
// axis-angle turns the other way round (see bCMatrix::ModifyRotation).

#include <vellmark/math/3d/oe_vector.h>

class bCQuaternion;
class bCEulerAngles;
class bCIStream;
class bCOStream;

class OE_API bCAxisAngle
{
public:
    bCAxisAngle() = default; // uninitialised
    bCAxisAngle(bCVector const & a_vecAxis, float a_fAngle);
    explicit bCAxisAngle(bCQuaternion const & a_quatRotation);
    explicit bCAxisAngle(bCEulerAngles const & a_angRotation);
    bCAxisAngle(bCAxisAngle const &) = default;
    bCAxisAngle & operator=(bCAxisAngle const &) = default;
    ~bCAxisAngle() = default;

public:
    bCVector const & GetAxis() const;
    void GetAxis(bCVector & a_vecAxis) const;
    void SetAxis(bCVector const & a_vecAxis);
    bCVector & AccessAxis();
    float GetAngle() const;
    void GetAngle(float & a_fAngle) const;
    void SetAngle(float a_fAngle);
    float & AccessAngle();
    void Clear();

    void SetAxisAngle(bCVector const & a_vecAxis, float a_fAngle);
    void SetAxisAngle(bCQuaternion const & a_quatRotation); // axis (1, 0, 0) when sin(angle/2) is 0
    void SetAxisAngle(bCEulerAngles const & a_angRotation);
    void SetAxisAngle(bCAxisAngle const & a_aaSource);

    bCQuaternion GetQuaternion() const;
    void GetQuaternion(bCQuaternion & a_quatRotation) const;
    bCEulerAngles GetEulerAngles() const;
    void GetEulerAngles(bCEulerAngles & a_angRotation) const;

    bool IsEqual(bCAxisAngle const & a_aaOther) const; // exact
    bool operator==(bCAxisAngle const & a_aaOther) const;
    bool operator!=(bCAxisAngle const & a_aaOther) const;

    // Raw floats: axis x, y, z, then the angle; no header.
    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    bCVector m_vecAxis;
    float m_fAngle;
};

static_assert(sizeof(bCAxisAngle) == 16, "an axis and an angle");

// Types these operations return by value, complete for every caller (they include this header in turn).
#include <vellmark/math/3d/oe_eulerangles.h>
#include <vellmark/math/3d/oe_quaternion.h>

#endif
