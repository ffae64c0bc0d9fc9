#include <vellmark/math/3d/oe_sphericalrotation.h>

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_quaternion.h>

#include <cmath>

bCSphericalRotation::bCSphericalRotation(float a_fLatitude, float a_fLongitude, float a_fAzimuth) :
    m_fLatitude(a_fLatitude), m_fLongitude(a_fLongitude), m_fAzimuth(a_fAzimuth)
{
}
bCSphericalRotation::bCSphericalRotation(bCQuaternion const & a_quatRotation)
{
    SetSphericalRotation(a_quatRotation);
}

float bCSphericalRotation::GetLatitude() const
{
    return m_fLatitude;
}
float bCSphericalRotation::GetLongitude() const
{
    return m_fLongitude;
}
float bCSphericalRotation::GetAzimuth() const
{
    return m_fAzimuth;
}
void bCSphericalRotation::SetLatitude(float a_fLatitude)
{
    m_fLatitude = a_fLatitude;
}
void bCSphericalRotation::SetLongitude(float a_fLongitude)
{
    m_fLongitude = a_fLongitude;
}
void bCSphericalRotation::SetAzimuth(float a_fAzimuth)
{
    m_fAzimuth = a_fAzimuth;
}
float & bCSphericalRotation::AccessLatitude()
{
    return m_fLatitude;
}
float & bCSphericalRotation::AccessLongitude()
{
    return m_fLongitude;
}
float & bCSphericalRotation::AccessAzimuth()
{
    return m_fAzimuth;
}
void bCSphericalRotation::Clear()
{
    SetSphericalRotation(0.0f, 0.0f, 0.0f);
}

void bCSphericalRotation::SetSphericalRotation(float a_fLatitude, float a_fLongitude, float a_fAzimuth)
{
    m_fLatitude = a_fLatitude;
    m_fLongitude = a_fLongitude;
    m_fAzimuth = a_fAzimuth;
}

void bCSphericalRotation::SetSphericalRotation(bCSphericalRotation const & a_srSource)
{
    *this = a_srSource;
}

void bCSphericalRotation::SetSphericalRotation(bCQuaternion const & a_quatRotation)
{
    float const fW = a_quatRotation.GetW();
    m_fAzimuth = 2.0f * std::acos(fW) * 57.29578f;
    float fSine = std::sqrt(1.0f - fW * fW);
    if (std::fabs(fSine) < 1.0e-5f)
        fSine = 1.0f;
    float const fX = a_quatRotation.GetX() / fSine, fZ = a_quatRotation.GetZ() / fSine;
    m_fLatitude = -std::asin(a_quatRotation.GetY() / fSine);
    if (fX * fX + fZ * fZ < 1.0e-5f)
    {
        m_fLongitude = 0.0f;
        return;
    }
    m_fLongitude = std::atan2(fX, fZ) * 57.29578f;
    if (m_fLongitude < 0.0f)
        m_fLongitude += 360.0f;
}

bCQuaternion bCSphericalRotation::GetQuaternion() const
{
    return bCQuaternion(*this);
}
void bCSphericalRotation::GetQuaternion(bCQuaternion & a_quatRotation) const
{
    a_quatRotation.SetQuaternion(*this);
}

bool bCSphericalRotation::IsEqual(bCSphericalRotation const & a_srOther) const
{
    return m_fLatitude == a_srOther.m_fLatitude && m_fLongitude == a_srOther.m_fLongitude &&
           m_fAzimuth == a_srOther.m_fAzimuth;
}
bool bCSphericalRotation::operator==(bCSphericalRotation const & a_srOther) const
{
    return IsEqual(a_srOther);
}
bool bCSphericalRotation::operator!=(bCSphericalRotation const & a_srOther) const
{
    return !IsEqual(a_srOther);
}

bCOStream & bCSphericalRotation::operator>>(bCOStream & a_Stream) const
{
    float const fValues[3] = {m_fLatitude, m_fLongitude, m_fAzimuth};
    a_Stream.Write(fValues, sizeof(fValues));
    return a_Stream;
}

bCIStream & bCSphericalRotation::operator<<(bCIStream & a_Stream)
{
    float fValues[3] = {m_fLatitude, m_fLongitude, m_fAzimuth};
    a_Stream.Read(fValues, sizeof(fValues));
    SetSphericalRotation(fValues[0], fValues[1], fValues[2]);
    return a_Stream;
}
