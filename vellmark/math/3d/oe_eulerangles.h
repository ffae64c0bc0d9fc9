#ifndef OE_EULERANGLES_H_INCLUDED
#define OE_EULERANGLES_H_INCLUDED

// bCEulerAngles: yaw (about y), pitch (about x), roll (about z) in radians,
// stored in this order and applied roll first, then pitch, then yaw.

#include <vellmark/math/3d/oe_vector.h>

class bCMatrix;
class bCQuaternion;
class bCAxisAngle;
class bCIStream;
class bCOStream;

class OE_API bCEulerAngles
{
public:
    bCEulerAngles() = default; // uninitialised
    bCEulerAngles(float a_fYaw, float a_fPitch, float a_fRoll);
    explicit bCEulerAngles(bCVector const & a_vecAngles); // x, y, z into yaw, pitch, roll
    explicit bCEulerAngles(bCMatrix const & a_matRotation);
    explicit bCEulerAngles(bCQuaternion const & a_quatRotation);
    explicit bCEulerAngles(bCAxisAngle const & a_aaRotation);
    bCEulerAngles(bCEulerAngles const &) = default;
    bCEulerAngles & operator=(bCEulerAngles const &) = default;
    ~bCEulerAngles() = default;

public:
    float GetYaw() const;
    float GetPitch() const;
    float GetRoll() const;
    void GetYaw(float & a_fYaw) const;
    void GetPitch(float & a_fPitch) const;
    void GetRoll(float & a_fRoll) const;
    void SetYaw(float a_fYaw);
    void SetPitch(float a_fPitch);
    void SetRoll(float a_fRoll);
    float & AccessYaw();
    float & AccessPitch();
    float & AccessRoll();
    float & operator[](int a_iIndex); // 0 yaw, 1 pitch, 2 roll
    float operator[](int a_iIndex) const;
    void Clear();

    void SetEulerAngles(float a_fYaw, float a_fPitch, float a_fRoll);
    void SetEulerAngles(bCEulerAngles const & a_angSource);
    void SetEulerAngles(bCMatrix const & a_matRotation); // pitch = asin(-m21); gimbal lock puts it all in roll
    void SetEulerAngles(bCQuaternion const & a_quatRotation);
    void SetEulerAngles(bCAxisAngle const & a_aaRotation);

    bCQuaternion GetQuaternion() const;
    void GetQuaternion(bCQuaternion & a_quatRotation) const;
    bCAxisAngle GetAxisAngle() const;
    void GetAxisAngle(bCAxisAngle & a_aaRotation) const;

    // Componentwise.
    bCEulerAngles operator+(bCEulerAngles const & a_angOther) const;
    bCEulerAngles operator-(bCEulerAngles const & a_angOther) const;
    bCEulerAngles operator*(float a_fFactor) const;
    bCEulerAngles operator-() const;
    bCEulerAngles & operator+=(bCEulerAngles const & a_angOther);
    bCEulerAngles & operator-=(bCEulerAngles const & a_angOther);
    bCEulerAngles & operator*=(float a_fFactor);

    bool IsEqual(bCEulerAngles const & a_angOther) const; // exact
    bool operator==(bCEulerAngles const & a_angOther) const;
    bool operator!=(bCEulerAngles const & a_angOther) const;

    // Raw floats yaw, pitch, roll; no header.
    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    float m_fYaw;
    float m_fPitch;
    float m_fRoll;
};

static_assert(sizeof(bCEulerAngles) == 12, "three floats");

// Types these operations return by value, complete for every caller (they include this header in turn).
#include <vellmark/math/3d/oe_axisangle.h>
#include <vellmark/math/3d/oe_quaternion.h>

#endif
