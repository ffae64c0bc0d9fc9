#ifndef OE_MOTION_H_INCLUDED
#define OE_MOTION_H_INCLUDED

// bCMotion: a position followed by a rotation, seven floats. Sums and
// products with a float act on all seven (the rotation is not renormalised),
// which is what the spline interpolators need; bCMatrix::SetMatrix(bCMotion)
// turns a motion into a transform.

#include <vellmark/math/3d/oe_quaternion.h>
#include <vellmark/math/3d/oe_vector.h>

class bCIStream;
class bCOStream;

class OE_API bCMotion
{
public:
    bCMotion() = default; // uninitialised
    bCMotion(bCVector const & a_vecPosition, bCQuaternion const & a_quatRotation);
    bCMotion(bCMotion const &) = default;
    bCMotion & operator=(bCMotion const &) = default;
    ~bCMotion() = default;

public:
    bCVector const & GetPosition() const;
    bCQuaternion const & GetRotation() const;
    void SetPosition(bCVector const & a_vecPosition);
    void SetRotation(bCQuaternion const & a_quatRotation);
    bCVector & AccessPosition();
    bCQuaternion & AccessRotation();
    void SetMotion(bCVector const & a_vecPosition, bCQuaternion const & a_quatRotation);
    void Clear(); // all seven zero

    // All seven floats componentwise.
    bCMotion operator+(bCMotion const & a_Other) const;
    bCMotion operator-(bCMotion const & a_Other) const;
    bCMotion operator-() const;
    bCMotion operator*(float a_fFactor) const;
    bCMotion operator/(float a_fDivisor) const;
    bCMotion & operator+=(bCMotion const & a_Other);
    bCMotion & operator-=(bCMotion const & a_Other);
    bCMotion & operator*=(float a_fFactor);
    bCMotion & operator/=(float a_fDivisor);
    friend bCMotion operator*(float a_fFactor, bCMotion const & a_Motion) { return a_Motion * a_fFactor; }

    bool IsEqual(bCMotion const & a_Other) const; // exact
    bool operator==(bCMotion const & a_Other) const;
    bool operator!=(bCMotion const & a_Other) const;

    // 28 bytes: the position's three floats, then the rotation's four.
    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    bCVector m_vecPosition;
    bCQuaternion m_quatRotation;
};

static_assert(sizeof(bCMotion) == 28, "seven floats");

#endif
