#ifndef OE_SPHERICALROTATION_H_INCLUDED
#define OE_SPHERICALROTATION_H_INCLUDED

// bCSphericalRotation: latitude, longitude, azimuth. Converting to a
// quaternion reads the angles in radians and gives a non-unit result in
// general; converting from a quaternion gives the azimuth and the longitude in
// degrees and the latitude in radians. The two are not inverses.

#include <vellmark/math/3d/oe_mathconstants.h>

class bCQuaternion;
class bCIStream;
class bCOStream;

class OE_API bCSphericalRotation
{
public:
    bCSphericalRotation() = default; // uninitialised
    bCSphericalRotation(float a_fLatitude, float a_fLongitude, float a_fAzimuth);
    explicit bCSphericalRotation(bCQuaternion const & a_quatRotation);
    bCSphericalRotation(bCSphericalRotation const &) = default;
    bCSphericalRotation & operator=(bCSphericalRotation const &) = default;
    ~bCSphericalRotation() = default;

public:
    float GetLatitude() const;
    float GetLongitude() const;
    float GetAzimuth() const;
    void SetLatitude(float a_fLatitude);
    void SetLongitude(float a_fLongitude);
    void SetAzimuth(float a_fAzimuth);
    float & AccessLatitude();
    float & AccessLongitude();
    float & AccessAzimuth();
    void Clear();

    void SetSphericalRotation(float a_fLatitude, float a_fLongitude, float a_fAzimuth);
    void SetSphericalRotation(bCSphericalRotation const & a_srSource);
    void SetSphericalRotation(bCQuaternion const & a_quatRotation);
    bCQuaternion GetQuaternion() const;
    void GetQuaternion(bCQuaternion & a_quatRotation) const;

    bool IsEqual(bCSphericalRotation const & a_srOther) const; // exact
    bool operator==(bCSphericalRotation const & a_srOther) const;
    bool operator!=(bCSphericalRotation const & a_srOther) const;

    // Raw floats latitude, longitude, azimuth; no header.
    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    float m_fLatitude;
    float m_fLongitude;
    float m_fAzimuth;
};

static_assert(sizeof(bCSphericalRotation) == 12, "three floats");

// Types these operations return by value, complete for every caller (they include this header in turn).
#include <vellmark/math/3d/oe_quaternion.h>

#endif
