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

inline bCMotion::bCMotion(bCVector const & a_vecPosition, bCQuaternion const & a_quatRotation) :
    m_vecPosition(a_vecPosition), m_quatRotation(a_quatRotation)
{
}

inline bCVector const & bCMotion::GetPosition() const
{
    return m_vecPosition;
}
inline bCQuaternion const & bCMotion::GetRotation() const
{
    return m_quatRotation;
}
inline void bCMotion::SetPosition(bCVector const & a_vecPosition)
{
    m_vecPosition = a_vecPosition;
}
inline void bCMotion::SetRotation(bCQuaternion const & a_quatRotation)
{
    m_quatRotation = a_quatRotation;
}
inline bCVector & bCMotion::AccessPosition()
{
    return m_vecPosition;
}
inline bCQuaternion & bCMotion::AccessRotation()
{
    return m_quatRotation;
}
inline void bCMotion::SetMotion(bCVector const & a_vecPosition, bCQuaternion const & a_quatRotation)
{
    m_vecPosition = a_vecPosition;
    m_quatRotation = a_quatRotation;
}
inline void bCMotion::Clear()
{
    m_vecPosition.Clear();
    m_quatRotation.Clear();
}

inline bCMotion bCMotion::operator+(bCMotion const & a_Other) const
{
    return bCMotion(m_vecPosition + a_Other.m_vecPosition, m_quatRotation + a_Other.m_quatRotation);
}
inline bCMotion bCMotion::operator-(bCMotion const & a_Other) const
{
    return bCMotion(m_vecPosition - a_Other.m_vecPosition, m_quatRotation - a_Other.m_quatRotation);
}
inline bCMotion bCMotion::operator-() const
{
    return bCMotion(-m_vecPosition, -m_quatRotation);
}
inline bCMotion bCMotion::operator*(float a_fFactor) const
{
    return bCMotion(m_vecPosition * a_fFactor, m_quatRotation * a_fFactor);
}
inline bCMotion bCMotion::operator/(float a_fDivisor) const
{
    // Division proper on all seven, not a product with the reciprocal.
    bCVector const vecPosition(m_vecPosition[0] / a_fDivisor, m_vecPosition[1] / a_fDivisor,
                               m_vecPosition[2] / a_fDivisor);
    return bCMotion(vecPosition, m_quatRotation / a_fDivisor);
}
inline bCMotion & bCMotion::operator+=(bCMotion const & a_Other)
{
    return *this = *this + a_Other;
}
inline bCMotion & bCMotion::operator-=(bCMotion const & a_Other)
{
    return *this = *this - a_Other;
}
inline bCMotion & bCMotion::operator*=(float a_fFactor)
{
    return *this = *this * a_fFactor;
}
inline bCMotion & bCMotion::operator/=(float a_fDivisor)
{
    return *this = *this / a_fDivisor;
}

inline bool bCMotion::IsEqual(bCMotion const & a_Other) const
{
    return m_vecPosition == a_Other.m_vecPosition && m_quatRotation == a_Other.m_quatRotation;
}
inline bool bCMotion::operator==(bCMotion const & a_Other) const
{
    return IsEqual(a_Other);
}
inline bool bCMotion::operator!=(bCMotion const & a_Other) const
{
    return !IsEqual(a_Other);
}

#endif
