#include <vellmark/math/3d/oe_axisangle.h>

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_eulerangles.h>
#include <vellmark/math/3d/oe_quaternion.h>

#include <cmath>

bCAxisAngle::bCAxisAngle(bCVector const & a_vecAxis, float a_fAngle) : m_vecAxis(a_vecAxis), m_fAngle(a_fAngle) {}
bCAxisAngle::bCAxisAngle(bCQuaternion const & a_quatRotation)
{
    SetAxisAngle(a_quatRotation);
}
bCAxisAngle::bCAxisAngle(bCEulerAngles const & a_angRotation)
{
    SetAxisAngle(a_angRotation);
}

bCVector const & bCAxisAngle::GetAxis() const
{
    return m_vecAxis;
}
void bCAxisAngle::GetAxis(bCVector & a_vecAxis) const
{
    a_vecAxis = m_vecAxis;
}
void bCAxisAngle::SetAxis(bCVector const & a_vecAxis)
{
    m_vecAxis = a_vecAxis;
}
bCVector & bCAxisAngle::AccessAxis()
{
    return m_vecAxis;
}
float bCAxisAngle::GetAngle() const
{
    return m_fAngle;
}
void bCAxisAngle::GetAngle(float & a_fAngle) const
{
    a_fAngle = m_fAngle;
}
void bCAxisAngle::SetAngle(float a_fAngle)
{
    m_fAngle = a_fAngle;
}
float & bCAxisAngle::AccessAngle()
{
    return m_fAngle;
}

void bCAxisAngle::Clear()
{
    m_vecAxis.Clear();
    m_fAngle = 0.0f;
}

void bCAxisAngle::SetAxisAngle(bCVector const & a_vecAxis, float a_fAngle)
{
    m_vecAxis = a_vecAxis;
    m_fAngle = a_fAngle;
}

void bCAxisAngle::SetAxisAngle(bCQuaternion const & a_quatRotation)
{
    m_fAngle = 2.0f * std::acos(a_quatRotation.GetW());
    float const fSine = std::sin(m_fAngle / 2.0f);
    if (fSine == 0.0f)
        m_vecAxis.SetVector(1.0f, 0.0f, 0.0f);
    else
        m_vecAxis.SetVector(a_quatRotation.GetX() / fSine, a_quatRotation.GetY() / fSine,
                            a_quatRotation.GetZ() / fSine);
}

void bCAxisAngle::SetAxisAngle(bCEulerAngles const & a_angRotation)
{
    SetAxisAngle(bCQuaternion(a_angRotation));
}

void bCAxisAngle::SetAxisAngle(bCAxisAngle const & a_aaSource)
{
    *this = a_aaSource;
}

bCQuaternion bCAxisAngle::GetQuaternion() const
{
    return bCQuaternion(*this);
}
void bCAxisAngle::GetQuaternion(bCQuaternion & a_quatRotation) const
{
    a_quatRotation.SetQuaternion(*this);
}
bCEulerAngles bCAxisAngle::GetEulerAngles() const
{
    return bCEulerAngles(*this);
}
void bCAxisAngle::GetEulerAngles(bCEulerAngles & a_angRotation) const
{
    a_angRotation.SetEulerAngles(*this);
}

bool bCAxisAngle::IsEqual(bCAxisAngle const & a_aaOther) const
{
    return m_vecAxis == a_aaOther.m_vecAxis && m_fAngle == a_aaOther.m_fAngle;
}
bool bCAxisAngle::operator==(bCAxisAngle const & a_aaOther) const
{
    return IsEqual(a_aaOther);
}
bool bCAxisAngle::operator!=(bCAxisAngle const & a_aaOther) const
{
    return !IsEqual(a_aaOther);
}

bCOStream & bCAxisAngle::operator>>(bCOStream & a_Stream) const
{
    m_vecAxis >> a_Stream;
    a_Stream.Write(&m_fAngle, sizeof(m_fAngle));
    return a_Stream;
}

bCIStream & bCAxisAngle::operator<<(bCIStream & a_Stream)
{
    m_vecAxis << a_Stream;
    a_Stream.Read(&m_fAngle, sizeof(m_fAngle));
    return a_Stream;
}
