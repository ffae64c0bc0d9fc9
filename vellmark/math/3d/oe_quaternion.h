#ifndef OE_QUATERNION_H_INCLUDED
#define OE_QUATERNION_H_INCLUDED

// bCQuaternion: x, y, z, w with w the scalar part; the rotation about the unit
// axis u by the angle a is (u sin(a/2), cos(a/2)). The product a b applies b
// first, like the matrices' SetToProduct(a, b); p * q is p.GetProduct(q).

#include <vellmark/math/3d/oe_vector.h>

class bCMatrix;
class bCMatrix3;
class bCEulerAngles;
class bCAxisAngle;
class bCSphericalRotation;
class bCIStream;
class bCOStream;

class OE_API bCQuaternion
{
public:
    static bCQuaternion const & GetIdentity(); // (0, 0, 0, 1)

public:
    bCQuaternion() = default; // uninitialised
    bCQuaternion(float a_fX, float a_fY, float a_fZ, float a_fW);
    explicit bCQuaternion(bCMatrix const & a_matRotation);
    explicit bCQuaternion(bCMatrix3 const & a_matRotation);
    explicit bCQuaternion(bCEulerAngles const & a_angRotation);
    explicit bCQuaternion(bCAxisAngle const & a_aaRotation);
    explicit bCQuaternion(bCSphericalRotation const & a_srRotation);
    bCQuaternion(bCVector const & a_vecFrom, bCVector const & a_vecTo); // turns from into to
    bCQuaternion(bCQuaternion const &) = default;
    bCQuaternion & operator=(bCQuaternion const &) = default;
    ~bCQuaternion() = default;

public:
    void SetQuaternion(float a_fX, float a_fY, float a_fZ, float a_fW);
    void SetQuaternion(bCMatrix const & a_matRotation);
    void SetQuaternion(bCMatrix3 const & a_matRotation);
    void SetQuaternion(bCEulerAngles const & a_angRotation);
    void SetQuaternion(bCAxisAngle const & a_aaRotation);
    void SetQuaternion(bCSphericalRotation const & a_srRotation);
    void SetQuaternion(bCQuaternion const & a_quatSource);
    void SetQuaternion(bCVector const & a_vecFrom, bCVector const & a_vecTo); // both of unit length
    bCQuaternion & operator=(bCMatrix const & a_matRotation);
    bCQuaternion & operator=(bCMatrix3 const & a_matRotation);
    bCQuaternion & operator=(bCEulerAngles const & a_angRotation);
    bCQuaternion & operator=(bCAxisAngle const & a_aaRotation);
    bCQuaternion & operator=(bCSphericalRotation const & a_srRotation);
    void SetIdentity();

    bCMatrix GetMatrix() const;
    void GetMatrix(bCMatrix & a_matRotation) const;
    bCMatrix3 GetMatrix3() const;
    void GetMatrix3(bCMatrix3 & a_matRotation) const;
    bCEulerAngles GetEulerAngles() const;
    void GetEulerAngles(bCEulerAngles & a_angRotation) const;
    bCAxisAngle GetAxisAngle() const;
    void GetAxisAngle(bCAxisAngle & a_aaRotation) const;
    bCSphericalRotation GetSphericalRotation() const; // azimuth and longitude in degrees
    void GetSphericalRotation(bCSphericalRotation & a_srRotation) const;

    float GetX() const;
    float GetY() const;
    float GetZ() const;
    float GetW() const;
    void SetX(float a_fX);
    void SetY(float a_fY);
    void SetZ(float a_fZ);
    void SetW(float a_fW);
    float & AccessX();
    float & AccessY();
    float & AccessZ();
    float & AccessW();
    void Clear(); // all four zero

    // Componentwise arithmetic.
    bCQuaternion & Add(bCQuaternion const & a_quatOther);
    bCQuaternion & Sub(bCQuaternion const & a_quatOther);
    bCQuaternion & Multiply(float a_fFactor);
    bCQuaternion & Negate();
    bCQuaternion GetSum(bCQuaternion const & a_quatOther) const;
    bCQuaternion GetDifference(bCQuaternion const & a_quatOther) const;
    bCQuaternion GetNegated() const;
    bCQuaternion operator+(bCQuaternion const & a_quatOther) const;
    bCQuaternion operator-(bCQuaternion const & a_quatOther) const;
    bCQuaternion operator-() const;
    bCQuaternion operator*(float a_fFactor) const;
    bCQuaternion operator/(float a_fDivisor) const;
    bCQuaternion & operator+=(bCQuaternion const & a_quatOther);
    bCQuaternion & operator-=(bCQuaternion const & a_quatOther);
    bCQuaternion & operator*=(float a_fFactor);
    bCQuaternion & operator/=(float a_fDivisor);
    friend bCQuaternion operator*(float a_fFactor, bCQuaternion const & a_quatQuaternion)
    {
        return a_quatQuaternion * a_fFactor;
    }

    // Hamilton products; aliasing with the object is allowed.
    bCQuaternion & SetToProduct(bCQuaternion const & a_quatA, bCQuaternion const & a_quatB); // a b
    bCQuaternion & Multiply(bCQuaternion const & a_quatOther);        // this := this other
    bCQuaternion & ReverseMultiply(bCQuaternion const & a_quatOther); // this := other this
    bCQuaternion GetProduct(bCQuaternion const & a_quatOther) const;        // this other
    bCQuaternion GetReverseProduct(bCQuaternion const & a_quatOther) const; // other this
    bCQuaternion operator*(bCQuaternion const & a_quatOther) const;         // this other
    bCQuaternion & operator*=(bCQuaternion const & a_quatOther);            // this := this other

    bCQuaternion & Invert(); // conjugate over the square magnitude; no zero test
    bCQuaternion GetInverted() const;
    bCQuaternion operator~() const;
    bCQuaternion & Normalize(); // zero stays, with a division-by-zero warning
    bCQuaternion GetNormalized() const;
    bool IsNormalized() const; // |s - 1| < 0.1

    float GetDotProduct(bCQuaternion const & a_quatOther) const;
    float GetMagnitude() const;
    float GetSquareMagnitude() const;

    // World forms turn after the current rotation (this := r this), local
    // forms before it (this := this r). Angles in radians.
    bCQuaternion & RotateAxisX(float a_fAngle);
    bCQuaternion & RotateAxisY(float a_fAngle);
    bCQuaternion & RotateAxisZ(float a_fAngle);
    bCQuaternion & RotateLocalAxisX(float a_fAngle);
    bCQuaternion & RotateLocalAxisY(float a_fAngle);
    bCQuaternion & RotateLocalAxisZ(float a_fAngle);
    bCQuaternion & RotateAxis(bCVector const & a_vecAxis, float a_fAngle);
    bCQuaternion GetRotatedAxisX(float a_fAngle) const;
    bCQuaternion GetRotatedAxisY(float a_fAngle) const;
    bCQuaternion GetRotatedAxisZ(float a_fAngle) const;
    bCQuaternion GetRotatedLocalAxisX(float a_fAngle) const;
    bCQuaternion GetRotatedLocalAxisY(float a_fAngle) const;
    bCQuaternion GetRotatedLocalAxisZ(float a_fAngle) const;
    bCQuaternion GetRotatedAxis(bCVector const & a_vecAxis, float a_fAngle) const;

    // Neither form renormalises; both take the shorter way round.
    bCQuaternion & SetLerp(bCQuaternion const & a_quatA, bCQuaternion const & a_quatB, float a_fT);
    bCQuaternion GetLerp(bCQuaternion const & a_quatB, float a_fT) const;
    bCQuaternion & SetSlerp(bCQuaternion a_quatA, bCQuaternion a_quatB, float a_fT);
    bCQuaternion GetSlerp(bCQuaternion const & a_quatB, float a_fT) const;

    bCVector GetTransformedVector(bCVector const & a_vecVector) const; // v times the rotation matrix

    bool IsEqual(bCQuaternion const & a_quatOther) const; // exact
    bool operator==(bCQuaternion const & a_quatOther) const;
    bool operator!=(bCQuaternion const & a_quatOther) const;

    // Raw floats x, y, z, w; no header.
    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    float m_fX;
    float m_fY;
    float m_fZ;
    float m_fW;
};

static_assert(sizeof(bCQuaternion) == 16, "four floats");

#endif
