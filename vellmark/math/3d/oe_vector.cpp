#include <vellmark/math/3d/oe_vector.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/kernel/oe_string.h>

#include <algorithm>
#include <cmath>

namespace
{
    char const * const g_pcImproperUsage = "The method %s detected an improper usage! \nHint:%s ";

    bool IsAxis(bCVector::bECoordinate a_eAxis)
    {
        return a_eAxis == bCVector::bECoordinate_X || a_eAxis == bCVector::bECoordinate_Y ||
               a_eAxis == bCVector::bECoordinate_Z;
    }

    float ClampCosine(float a_fCosine)
    {
        return std::clamp(a_fCosine, -1.0f, 1.0f);
    }

    // Shared by the three azimuth/elevation forms; a_fY is the cosine of the
    // angle between the vector and the up axis.
    void ComputeAziElev(float a_fX, float a_fY, float a_fZ, float & a_fAzimuth, float & a_fElevation)
    {
        float const fPolar = std::acos(a_fY);
        a_fElevation = g_fDegToRad * 90.0f - fPolar;
        float const fSine = std::sin(fPolar);
        float const fReciprocal = fSine == 0.0f ? 1.0e-5f : 1.0f / fSine;
        a_fAzimuth = std::atan2(a_fX * fReciprocal, a_fZ * fReciprocal);
    }
} // namespace

bCVector const & bCVector::GetZero()
{
    static bCVector const s_vecZero(0.0f, 0.0f, 0.0f);
    return s_vecZero;
}

bCVector const & bCVector::GetUnit()
{
    static bCVector const s_vecUnit(1.0f, 1.0f, 1.0f);
    return s_vecUnit;
}

bCVector const & bCVector::GetUp()
{
    static bCVector const s_vecUp(0.0f, 1.0f, 0.0f);
    return s_vecUp;
}

bCVector const & bCVector::GetForward()
{
    static bCVector const s_vecForward(0.0f, 0.0f, 1.0f);
    return s_vecForward;
}

bCVector const & bCVector::GetRight()
{
    static bCVector const s_vecRight(1.0f, 0.0f, 0.0f);
    return s_vecRight;
}

float bCVector::GetMagnitudeApprox() const
{
    float fLargest = std::fabs(m_fCoordinates[0]), fSecond = std::fabs(m_fCoordinates[1]);
    float fThird = std::fabs(m_fCoordinates[2]);
    if (fSecond > fLargest)
        std::swap(fLargest, fSecond);
    if (fThird > fLargest)
        std::swap(fLargest, fThird);
    return fLargest - fLargest / 16.0f + (fSecond + fThird) * (0.25f + 0.125f);
}

bCVector & bCVector::NormalizeSafe()
{
    // The largest component divides the other two, so nothing overflows.
    // Ties keep the earlier axis.
    int iLargest = 0;
    if (std::fabs(m_fCoordinates[1]) > std::fabs(m_fCoordinates[0]))
        iLargest = 1;
    if (std::fabs(m_fCoordinates[2]) > std::max(std::fabs(m_fCoordinates[0]), std::fabs(m_fCoordinates[1])))
        iLargest = 2;
    float const fLargest = m_fCoordinates[iLargest];
    if (fLargest == 0.0f)
    {
        SetCoordinates(1.0f, 0.0f, 0.0f);
        return *this;
    }
    // Dividing by the magnitude, not the signed value, keeps every sign.
    float const fDivisor = std::fabs(fLargest);
    int const iFirst = iLargest == 0 ? 1 : 0, iSecond = iLargest == 2 ? 1 : 2; // the other two, in order
    float const fQ1 = m_fCoordinates[iFirst] / fDivisor, fQ2 = m_fCoordinates[iSecond] / fDivisor;
    float const fK = 1.0f / std::sqrt(1.0f + fQ1 * fQ1 + fQ2 * fQ2);
    m_fCoordinates[iFirst] = fK * fQ1;
    m_fCoordinates[iSecond] = fK * fQ2;
    m_fCoordinates[iLargest] = fLargest < 0.0f ? -fK : fK;
    return *this;
}

float bCVector::GetSquareMagnitude2D(bECoordinate a_eLeftOut) const
{
    if (!IsAxis(a_eLeftOut))
    {
        OE_MESSAGEF_WARN(g_pcImproperUsage, "bCVector::GetSquareMagnitude2D", "wrong parameter");
        return -1.0f;
    }
    int const iFirst = a_eLeftOut == bECoordinate_X ? 1 : 0, iSecond = a_eLeftOut == bECoordinate_Z ? 1 : 2;
    return m_fCoordinates[iFirst] * m_fCoordinates[iFirst] + m_fCoordinates[iSecond] * m_fCoordinates[iSecond];
}

bool bCVector::HasZeroMagnitude2DApprox(bECoordinate a_eLeftOut) const
{
    if (!IsAxis(a_eLeftOut))
    {
        OE_MESSAGEF_WARN(g_pcImproperUsage, "bCVector::HasZeroMagnitude2DApprox", "wrong parameter");
        return false;
    }
    int const iFirst = a_eLeftOut == bECoordinate_X ? 1 : 0, iSecond = a_eLeftOut == bECoordinate_Z ? 1 : 2;
    return m_fCoordinates[iFirst] == 0.0f && m_fCoordinates[iSecond] == 0.0f;
}

float bCVector::GetAngleRad(bCVector const & a_vecOther) const
{
    return std::acos(ClampCosine(GetNormalizedSafe().GetDotProduct(a_vecOther.GetNormalizedSafe())));
}

float bCVector::GetAngleUnitRad(bCVector const & a_vecOther) const
{
    return std::acos(ClampCosine(GetDotProduct(a_vecOther)));
}

void bCVector::GetAziElevUnit(float & a_fAzimuth, float & a_fElevation) const
{
    ComputeAziElev(m_fCoordinates[0], m_fCoordinates[1], m_fCoordinates[2], a_fAzimuth, a_fElevation);
}

void bCVector::GetAziElev(float & a_fAzimuth, float & a_fElevation) const
{
    float const fMagnitude = GetMagnitude();
    if (fMagnitude == 0.0f)
    {
        a_fAzimuth = a_fElevation = 0.0f;
        return;
    }
    ComputeAziElev(m_fCoordinates[0], m_fCoordinates[1] / fMagnitude, m_fCoordinates[2], a_fAzimuth, a_fElevation);
}

void bCVector::GetAziElevApprox(float & a_fAzimuth, float & a_fElevation) const
{
    float const fMagnitude = GetMagnitudeApprox();
    if (fMagnitude == 0.0f)
    {
        a_fAzimuth = a_fElevation = 0.0f;
        return;
    }
    ComputeAziElev(m_fCoordinates[0], m_fCoordinates[1] / fMagnitude, m_fCoordinates[2], a_fAzimuth, a_fElevation);
}

bCVector & bCVector::SetSlerp(bCVector a_vecA, bCVector a_vecB, float a_fT)
{
    float fCosine = a_vecA.GetDotProduct(a_vecB);
    if (fCosine < 0.0f)
    {
        a_vecA.Invert();
        fCosine = -fCosine;
    }
    float fWeightA = 1.0f - a_fT, fWeightB = a_fT;
    // Close to parallel the sine below vanishes: interpolate linearly instead.
    if (!(1.0f - fCosine < 0.05f))
    {
        float const fTheta = std::acos(fCosine);
        float const fSine = std::sin(fTheta);
        fWeightA = std::sin((1.0f - a_fT) * fTheta) / fSine;
        fWeightB = std::sin(a_fT * fTheta) / fSine;
    }
    return *this = a_vecA * fWeightA + a_vecB * fWeightB;
}

void bCVector::Decompose(bCVector const & a_vecAxis, bCVector & a_vecFirst, bCVector & a_vecSecond) const
{
    bCVector vecReflected = Reflect(a_vecAxis);
    vecReflected.Normalize();
    bCVector const vecAxis(a_vecAxis); // the outputs may be the axis itself
    a_vecFirst = vecAxis * vecAxis.GetDotProduct(vecReflected);
    a_vecSecond = vecReflected - a_vecFirst;
}

bCVector & bCVector::RemoveDimension(bECoordinate a_eAxis)
{
    if (IsAxis(a_eAxis)) // a wrong axis would write outside the vector
        m_fCoordinates[a_eAxis] = 0.0f;
    return *this;
}

bCVector & bCVector::RemoveDimensionNormalize(bECoordinate a_eAxis)
{
    return RemoveDimension(a_eAxis).Normalize();
}

bool bCVector::RemoveDimensionKeepMagnitude(bECoordinate a_eAxis)
{
    float const fOldMagnitude = GetMagnitude();
    if (fOldMagnitude == 0.0f)
        return true;
    RemoveDimension(a_eAxis);
    float const fNewMagnitude = GetMagnitude();
    if (fNewMagnitude == 0.0f)
        return false;
    Scale(fOldMagnitude / fNewMagnitude);
    return true;
}

bool bCVector::IsValid() const
{
    return std::isfinite(m_fCoordinates[0]) && std::isfinite(m_fCoordinates[1]) && std::isfinite(m_fCoordinates[2]);
}

void bCVector::PrintDebug(bCString const & a_strLabel) const
{
    OE_MESSAGEF_WARN("%s X: %f, Y: %f, Z: %f", a_strLabel.GetText(), m_fCoordinates[0], m_fCoordinates[1],
                     m_fCoordinates[2]);
}

bCOStream & bCVector::operator>>(bCOStream & a_Stream) const
{
    a_Stream.Write(m_fCoordinates, sizeof(m_fCoordinates));
    return a_Stream;
}

bCIStream & bCVector::operator<<(bCIStream & a_Stream)
{
    a_Stream.Read(m_fCoordinates, sizeof(m_fCoordinates));
    return a_Stream;
}
