#include <vellmark/math/3d/oe_eulerangles.h>

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_axisangle.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_quaternion.h>

#include <cmath>

bCEulerAngles::bCEulerAngles(float a_fYaw, float a_fPitch, float a_fRoll) :
    m_fYaw(a_fYaw), m_fPitch(a_fPitch), m_fRoll(a_fRoll)
{
}
bCEulerAngles::bCEulerAngles(bCVector const & a_vecAngles) :
    m_fYaw(a_vecAngles.GetX()), m_fPitch(a_vecAngles.GetY()), m_fRoll(a_vecAngles.GetZ())
{
}
bCEulerAngles::bCEulerAngles(bCMatrix const & a_matRotation)
{
    SetEulerAngles(a_matRotation);
}
bCEulerAngles::bCEulerAngles(bCQuaternion const & a_quatRotation)
{
    SetEulerAngles(a_quatRotation);
}
bCEulerAngles::bCEulerAngles(bCAxisAngle const & a_aaRotation)
{
    SetEulerAngles(a_aaRotation);
}

float bCEulerAngles::GetYaw() const
{
    return m_fYaw;
}
float bCEulerAngles::GetPitch() const
{
    return m_fPitch;
}
float bCEulerAngles::GetRoll() const
{
    return m_fRoll;
}
void bCEulerAngles::GetYaw(float & a_fYaw) const
{
    a_fYaw = m_fYaw;
}
void bCEulerAngles::GetPitch(float & a_fPitch) const
{
    a_fPitch = m_fPitch;
}
void bCEulerAngles::GetRoll(float & a_fRoll) const
{
    a_fRoll = m_fRoll;
}
void bCEulerAngles::SetYaw(float a_fYaw)
{
    m_fYaw = a_fYaw;
}
void bCEulerAngles::SetPitch(float a_fPitch)
{
    m_fPitch = a_fPitch;
}
void bCEulerAngles::SetRoll(float a_fRoll)
{
    m_fRoll = a_fRoll;
}
float & bCEulerAngles::AccessYaw()
{
    return m_fYaw;
}
float & bCEulerAngles::AccessPitch()
{
    return m_fPitch;
}
float & bCEulerAngles::AccessRoll()
{
    return m_fRoll;
}

float & bCEulerAngles::operator[](int a_iIndex)
{
    return a_iIndex == 0 ? m_fYaw : a_iIndex == 1 ? m_fPitch : m_fRoll;
}

float bCEulerAngles::operator[](int a_iIndex) const
{
    return a_iIndex == 0 ? m_fYaw : a_iIndex == 1 ? m_fPitch : m_fRoll;
}

void bCEulerAngles::Clear()
{
    SetEulerAngles(0.0f, 0.0f, 0.0f);
}

void bCEulerAngles::SetEulerAngles(float a_fYaw, float a_fPitch, float a_fRoll)
{
    m_fYaw = a_fYaw;
    m_fPitch = a_fPitch;
    m_fRoll = a_fRoll;
}

void bCEulerAngles::SetEulerAngles(bCEulerAngles const & a_angSource)
{
    *this = a_angSource;
}

void bCEulerAngles::SetEulerAngles(bCMatrix const & a_matRotation)
{
    float const fM21 = a_matRotation(2, 1);
    m_fPitch = std::asin(-fM21);
    if (1.0f - std::fabs(fM21) > 1.0e-5f)
    {
        m_fYaw = std::atan2(a_matRotation(2, 0), a_matRotation(2, 2));
        m_fRoll = std::atan2(a_matRotation(0, 1), a_matRotation(1, 1));
        return;
    }
    // Pitch at plus or minus 90 degrees: yaw and roll turn about the same axis,
    // so roll takes it all.
    m_fYaw = 0.0f;
    m_fRoll = std::atan2(-fM21 * a_matRotation(0, 2), a_matRotation(0, 0));
}

void bCEulerAngles::SetEulerAngles(bCQuaternion const & a_quatRotation)
{
    SetEulerAngles(bCMatrix(a_quatRotation));
}

void bCEulerAngles::SetEulerAngles(bCAxisAngle const & a_aaRotation)
{
    SetEulerAngles(bCMatrix(a_aaRotation));
}

bCQuaternion bCEulerAngles::GetQuaternion() const
{
    return bCQuaternion(*this);
}
void bCEulerAngles::GetQuaternion(bCQuaternion & a_quatRotation) const
{
    a_quatRotation.SetQuaternion(*this);
}
bCAxisAngle bCEulerAngles::GetAxisAngle() const
{
    return bCAxisAngle(*this);
}
void bCEulerAngles::GetAxisAngle(bCAxisAngle & a_aaRotation) const
{
    a_aaRotation.SetAxisAngle(*this);
}

bCEulerAngles bCEulerAngles::operator+(bCEulerAngles const & a_angOther) const
{
    return bCEulerAngles(m_fYaw + a_angOther.m_fYaw, m_fPitch + a_angOther.m_fPitch, m_fRoll + a_angOther.m_fRoll);
}
bCEulerAngles bCEulerAngles::operator-(bCEulerAngles const & a_angOther) const
{
    return bCEulerAngles(m_fYaw - a_angOther.m_fYaw, m_fPitch - a_angOther.m_fPitch, m_fRoll - a_angOther.m_fRoll);
}
bCEulerAngles bCEulerAngles::operator*(float a_fFactor) const
{
    return bCEulerAngles(m_fYaw * a_fFactor, m_fPitch * a_fFactor, m_fRoll * a_fFactor);
}
bCEulerAngles bCEulerAngles::operator-() const
{
    return bCEulerAngles(-m_fYaw, -m_fPitch, -m_fRoll);
}
bCEulerAngles & bCEulerAngles::operator+=(bCEulerAngles const & a_angOther)
{
    return *this = *this + a_angOther;
}
bCEulerAngles & bCEulerAngles::operator-=(bCEulerAngles const & a_angOther)
{
    return *this = *this - a_angOther;
}
bCEulerAngles & bCEulerAngles::operator*=(float a_fFactor)
{
    return *this = *this * a_fFactor;
}

bool bCEulerAngles::IsEqual(bCEulerAngles const & a_angOther) const
{
    return m_fYaw == a_angOther.m_fYaw && m_fPitch == a_angOther.m_fPitch && m_fRoll == a_angOther.m_fRoll;
}
bool bCEulerAngles::operator==(bCEulerAngles const & a_angOther) const
{
    return IsEqual(a_angOther);
}
bool bCEulerAngles::operator!=(bCEulerAngles const & a_angOther) const
{
    return !IsEqual(a_angOther);
}

bCOStream & bCEulerAngles::operator>>(bCOStream & a_Stream) const
{
    float const fValues[3] = {m_fYaw, m_fPitch, m_fRoll};
    a_Stream.Write(fValues, sizeof(fValues));
    return a_Stream;
}

bCIStream & bCEulerAngles::operator<<(bCIStream & a_Stream)
{
    float fValues[3] = {m_fYaw, m_fPitch, m_fRoll};
    a_Stream.Read(fValues, sizeof(fValues));
    SetEulerAngles(fValues[0], fValues[1], fValues[2]);
    return a_Stream;
}
