#include <vellmark/math/3d/oe_quaternion.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_axisangle.h>
#include <vellmark/math/3d/oe_eulerangles.h>
#include <vellmark/math/3d/oe_matrix3.h>
#include <vellmark/math/3d/oe_sphericalrotation.h>

#include <cmath>

namespace
{
    // The rotation of a 3x3 matrix (row vectors), m(r, c) given row by row.
    // Each branch divides by the largest of the four candidates, so the
    // result stays accurate for every rotation.
    bCQuaternion GetQuaternionOfRotation(float const (&m)[3][3])
    {
        float const fTrace = m[0][0] + m[1][1] + m[2][2] + 1.0f;
        if (fTrace > 1.0e-5f)
        {
            float const fS = 0.5f / std::sqrt(fTrace);
            return bCQuaternion((m[1][2] - m[2][1]) * fS, (m[2][0] - m[0][2]) * fS, (m[0][1] - m[1][0]) * fS,
                                0.25f / fS);
        }
        if (m[0][0] > m[1][1] && m[0][0] > m[2][2])
        {
            float const fS = 2.0f * std::sqrt(1.0f + m[0][0] - m[1][1] - m[2][2]);
            return bCQuaternion(fS / 4.0f, (m[1][0] + m[0][1]) / fS, (m[2][0] + m[0][2]) / fS,
                                (m[1][2] - m[2][1]) / fS);
        }
        if (!(m[1][1] > m[2][2]))
        {
            float const fS = 2.0f * std::sqrt(1.0f + m[2][2] - m[0][0] - m[1][1]);
            return bCQuaternion((m[2][0] + m[0][2]) / fS, (m[2][1] + m[1][2]) / fS, fS / 4.0f,
                                (m[0][1] - m[1][0]) / fS);
        }
        float const fS = 2.0f * std::sqrt(1.0f + m[1][1] - m[0][0] - m[2][2]);
        return bCQuaternion((m[1][0] + m[0][1]) / fS, fS / 4.0f, (m[2][1] + m[1][2]) / fS, (m[2][0] - m[0][2]) / fS);
    }

    bCQuaternion GetAxisQuaternion(int a_iAxis, float a_fAngle)
    {
        float fParts[3] = {0.0f, 0.0f, 0.0f};
        fParts[a_iAxis] = std::sin(a_fAngle / 2.0f);
        return bCQuaternion(fParts[0], fParts[1], fParts[2], std::cos(a_fAngle / 2.0f));
    }
} // namespace

bCQuaternion const & bCQuaternion::GetIdentity()
{
    static bCQuaternion const s_quatIdentity(0.0f, 0.0f, 0.0f, 1.0f);
    return s_quatIdentity;
}

bCQuaternion::bCQuaternion(bCMatrix const & a_matRotation)
{
    SetQuaternion(a_matRotation);
}
bCQuaternion::bCQuaternion(bCMatrix3 const & a_matRotation)
{
    SetQuaternion(a_matRotation);
}
bCQuaternion::bCQuaternion(bCEulerAngles const & a_angRotation)
{
    SetQuaternion(a_angRotation);
}
bCQuaternion::bCQuaternion(bCAxisAngle const & a_aaRotation)
{
    SetQuaternion(a_aaRotation);
}
bCQuaternion::bCQuaternion(bCSphericalRotation const & a_srRotation)
{
    SetQuaternion(a_srRotation);
}
bCQuaternion::bCQuaternion(bCVector const & a_vecFrom, bCVector const & a_vecTo)
{
    SetQuaternion(a_vecFrom, a_vecTo);
}

void bCQuaternion::SetQuaternion(bCMatrix const & a_matRotation)
{
    float const fElements[3][3] = {{a_matRotation(0, 0), a_matRotation(0, 1), a_matRotation(0, 2)},
                                   {a_matRotation(1, 0), a_matRotation(1, 1), a_matRotation(1, 2)},
                                   {a_matRotation(2, 0), a_matRotation(2, 1), a_matRotation(2, 2)}};
    *this = GetQuaternionOfRotation(fElements);
}

void bCQuaternion::SetQuaternion(bCMatrix3 const & a_matRotation)
{
    float const fElements[3][3] = {{a_matRotation(0, 0), a_matRotation(0, 1), a_matRotation(0, 2)},
                                   {a_matRotation(1, 0), a_matRotation(1, 1), a_matRotation(1, 2)},
                                   {a_matRotation(2, 0), a_matRotation(2, 1), a_matRotation(2, 2)}};
    *this = GetQuaternionOfRotation(fElements);
}

void bCQuaternion::SetQuaternion(bCEulerAngles const & a_angRotation)
{
    // Roll is applied first, so it stands on the right.
    bCQuaternion const quatYaw = GetAxisQuaternion(1, a_angRotation.GetYaw());
    bCQuaternion const quatPitch = GetAxisQuaternion(0, a_angRotation.GetPitch());
    bCQuaternion const quatRoll = GetAxisQuaternion(2, a_angRotation.GetRoll());
    SetToProduct(quatYaw, quatPitch);
    Multiply(quatRoll);
}

void bCQuaternion::SetQuaternion(bCAxisAngle const & a_aaRotation)
{
    float const fHalf = a_aaRotation.GetAngle() / 2.0f;
    bCVector const vecPart = a_aaRotation.GetAxis() * std::sin(fHalf);
    SetQuaternion(vecPart[0], vecPart[1], vecPart[2], std::cos(fHalf));
}

void bCQuaternion::SetQuaternion(bCSphericalRotation const & a_srRotation)
{
    float const fHalf = a_srRotation.GetAzimuth() / 2.0f;
    float const fSinHalf = std::sin(fHalf);
    float const fLatitude = a_srRotation.GetLatitude(), fLongitude = a_srRotation.GetLongitude();
    float const fX = std::cos(fLatitude) * fSinHalf * std::sin(fLongitude);
    float const fY = std::sin(fLatitude) * fSinHalf;
    float const fZ = fY * std::cos(fLongitude);
    SetQuaternion(fX, fY, fZ, std::cos(fHalf));
}

void bCQuaternion::SetQuaternion(bCVector const & a_vecFrom, bCVector const & a_vecTo)
{
    float const fCosine = a_vecFrom.GetDotProduct(a_vecTo);
    if (fCosine > 0.99999f)
    {
        SetIdentity();
        return;
    }
    if (fCosine >= -0.99999f)
    {
        bCVector const vecAxis = a_vecFrom.GetCrossProduct(a_vecTo).GetNormalized();
        bCVector const vecPart = vecAxis * std::sqrt((1.0f - fCosine) / 2.0f);
        SetQuaternion(vecPart[0], vecPart[1], vecPart[2], std::sqrt((1.0f + fCosine) / 2.0f));
        return;
    }
    // Opposite vectors: half a turn about any axis perpendicular to from.
    bCVector vecAxis(0.0f, a_vecFrom[2], -a_vecFrom[1]); // from x (1, 0, 0)
    if (vecAxis.GetMagnitude() < 1.0e-5f)
        vecAxis.SetVector(-a_vecFrom[2], 0.0f, a_vecFrom[0]); // from x (0, 1, 0)
    vecAxis.Normalize();
    SetQuaternion(vecAxis[0], vecAxis[1], vecAxis[2], 0.0f);
}

bCQuaternion & bCQuaternion::operator=(bCMatrix const & a_matRotation)
{
    SetQuaternion(a_matRotation);
    return *this;
}
bCQuaternion & bCQuaternion::operator=(bCMatrix3 const & a_matRotation)
{
    SetQuaternion(a_matRotation);
    return *this;
}
bCQuaternion & bCQuaternion::operator=(bCEulerAngles const & a_angRotation)
{
    SetQuaternion(a_angRotation);
    return *this;
}
bCQuaternion & bCQuaternion::operator=(bCAxisAngle const & a_aaRotation)
{
    SetQuaternion(a_aaRotation);
    return *this;
}
bCQuaternion & bCQuaternion::operator=(bCSphericalRotation const & a_srRotation)
{
    SetQuaternion(a_srRotation);
    return *this;
}

bCMatrix3 bCQuaternion::GetMatrix3() const
{
    return bCMatrix3(*this);
}
void bCQuaternion::GetMatrix3(bCMatrix3 & a_matRotation) const
{
    a_matRotation.SetToRotation(*this);
}
bCEulerAngles bCQuaternion::GetEulerAngles() const
{
    return bCEulerAngles(*this);
}
void bCQuaternion::GetEulerAngles(bCEulerAngles & a_angRotation) const
{
    a_angRotation.SetEulerAngles(*this);
}
bCAxisAngle bCQuaternion::GetAxisAngle() const
{
    return bCAxisAngle(*this);
}
void bCQuaternion::GetAxisAngle(bCAxisAngle & a_aaRotation) const
{
    a_aaRotation.SetAxisAngle(*this);
}
bCSphericalRotation bCQuaternion::GetSphericalRotation() const
{
    return bCSphericalRotation(*this);
}
void bCQuaternion::GetSphericalRotation(bCSphericalRotation & a_srRotation) const
{
    a_srRotation.SetSphericalRotation(*this);
}

bCQuaternion & bCQuaternion::Normalize()
{
    float const fSquare = GetSquareMagnitude();
    if (fSquare == 0.0f)
    {
        bCMessageAdmin::GetInstance().OnMessage(bEMessageTypes_Warn, "bCQuaternion::Normalize -> Division by zero!",
                                                nullptr, nullptr, -1, 5);
        return *this;
    }
    return Multiply(1.0f / std::sqrt(fSquare));
}

bCQuaternion & bCQuaternion::RotateAxisX(float a_fAngle)
{
    return ReverseMultiply(GetAxisQuaternion(0, a_fAngle));
}
bCQuaternion & bCQuaternion::RotateAxisY(float a_fAngle)
{
    return ReverseMultiply(GetAxisQuaternion(1, a_fAngle));
}
bCQuaternion & bCQuaternion::RotateAxisZ(float a_fAngle)
{
    return ReverseMultiply(GetAxisQuaternion(2, a_fAngle));
}
bCQuaternion & bCQuaternion::RotateLocalAxisX(float a_fAngle)
{
    return Multiply(GetAxisQuaternion(0, a_fAngle));
}
bCQuaternion & bCQuaternion::RotateLocalAxisY(float a_fAngle)
{
    return Multiply(GetAxisQuaternion(1, a_fAngle));
}
bCQuaternion & bCQuaternion::RotateLocalAxisZ(float a_fAngle)
{
    return Multiply(GetAxisQuaternion(2, a_fAngle));
}

bCQuaternion & bCQuaternion::RotateAxis(bCVector const & a_vecAxis, float a_fAngle)
{
    return ReverseMultiply(bCQuaternion(bCAxisAngle(a_vecAxis, a_fAngle)));
}

bCQuaternion & bCQuaternion::SetLerp(bCQuaternion const & a_quatA, bCQuaternion const & a_quatB, float a_fT)
{
    bCQuaternion quatA(a_quatA);
    if (quatA.GetDotProduct(a_quatB) < 0.0f)
        quatA.Negate();
    return *this = quatA * (1.0f - a_fT) + a_quatB * a_fT;
}

bCOStream & bCQuaternion::operator>>(bCOStream & a_Stream) const
{
    float const fValues[4] = {m_fX, m_fY, m_fZ, m_fW};
    a_Stream.Write(fValues, sizeof(fValues));
    return a_Stream;
}

bCIStream & bCQuaternion::operator<<(bCIStream & a_Stream)
{
    float fValues[4] = {m_fX, m_fY, m_fZ, m_fW};
    a_Stream.Read(fValues, sizeof(fValues));
    SetQuaternion(fValues[0], fValues[1], fValues[2], fValues[3]);
    return a_Stream;
}
