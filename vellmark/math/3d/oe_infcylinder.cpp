#include <vellmark/math/3d/oe_infcylinder.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_mathconstants.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_stretch.h>

#include <cmath>

constinit thread_local float bCInfCylinder::m_fDummy = 0.0f;
constinit thread_local bool bCInfCylinder::m_bDummy = false;
thread_local bCVector bCInfCylinder::m_vecDummy(0.0f);

namespace
{
    bool NotAvailable(char const * a_pcTag)
    {
        OE_MESSAGEF_WARN("The method %s detected an improper usage! \nHint:%s ", a_pcTag, "Method not implemented !!!");
        return false;
    }

    float HorizontalSquare(bCVector const & a_vecOffset)
    {
        return a_vecOffset.GetX() * a_vecOffset.GetX() + a_vecOffset.GetZ() * a_vecOffset.GetZ();
    }
}

bCInfCylinder::bCInfCylinder()
{
    Invalidate();
}

bCInfCylinder::bCInfCylinder(float a_fRadius, bCVector const & a_vecPosition)
    : m_fRadius(a_fRadius), m_vecPosition(a_vecPosition)
{
}

void bCInfCylinder::SetInfCylinder(float a_fRadius, bCVector const & a_vecPosition)
{
    m_fRadius = a_fRadius;
    m_vecPosition = a_vecPosition;
}

float bCInfCylinder::GetSquareDistance(bCVector const & a_vecPoint) const
{
    return HorizontalSquare(a_vecPoint - m_vecPosition);
}

bool bCInfCylinder::Contains(bCVector const & a_vecPoint) const
{
    return m_fRadius * m_fRadius > GetSquareDistance(a_vecPoint);
}

bool bCInfCylinder::Contains(bCSphere const & a_Sphere) const
{
    float const fRoom = m_fRadius - a_Sphere.GetRadius();
    return fRoom >= 0.0f && fRoom * fRoom > GetSquareDistance(a_Sphere.GetPosition());
}

bool bCInfCylinder::Contains(bCInfCylinder const & a_Cylinder) const
{
    float const fRoom = m_fRadius - a_Cylinder.m_fRadius;
    return fRoom >= 0.0f && fRoom * fRoom >= GetSquareDistance(a_Cylinder.m_vecPosition);
}

bool bCInfCylinder::Cull(bCSphere const & a_Sphere) const
{
    float const fReach = m_fRadius + a_Sphere.GetRadius();
    return fReach * fReach > GetSquareDistance(a_Sphere.GetPosition());
}

bool bCInfCylinder::Cull(bCInfCylinder const & a_Cylinder) const
{
    float const fReach = m_fRadius + a_Cylinder.m_fRadius;
    return fReach * fReach > GetSquareDistance(a_Cylinder.m_vecPosition);
}

bool bCInfCylinder::Cull(bCBox const &) const
{
    return NotAvailable("bCInfCylinder::Cull -> bCBox");
}

bool bCInfCylinder::Cull(bCFrustum const &) const
{
    return NotAvailable("bCInfCylinder::Cull -> bCFrustum");
}

bool bCInfCylinder::Intersects(bCBox const &) const
{
    return NotAvailable("bCInfCylinder::Intersects -> bCBox");
}

bool bCInfCylinder::Intersects(bCFrustum const &) const
{
    return NotAvailable("bCInfCylinder::Intersects -> bCFrustum");
}

bool bCInfCylinder::Intersects(bCLine const &, float &) const
{
    return NotAvailable("bCInfCylinder::Intersects -> bCLine");
}

bool bCInfCylinder::Intersects(bCRay const &, float &) const
{
    return NotAvailable("bCInfCylinder::Intersects -> bCRay");
}

bool bCInfCylinder::Intersects(bCUnitedRay const &, float &) const
{
    return NotAvailable("bCInfCylinder::Intersects -> bCUnitedRay");
}

// The stretch's horizontal shadow against the disc: the smaller root of
// |o + t d|^2 = r^2 within [0, 1].
bool bCInfCylinder::Intersects(bCStretch const & a_Stretch, float & a_fT, bCVector & a_vecHit) const
{
    bCVector const vecOrigin = a_Stretch.GetStart() - m_vecPosition;
    bCVector const vecDirection = a_Stretch.GetEnd() - a_Stretch.GetStart();
    float const fC = HorizontalSquare(vecOrigin) - m_fRadius * m_fRadius;
    if (fC <= 0.0f)
    {
        a_fT = 0.0f;
        a_vecHit = a_Stretch.GetStart();
        return true;
    }
    float const fA = HorizontalSquare(vecDirection);
    float const fB = vecOrigin.GetX() * vecDirection.GetX() + vecOrigin.GetZ() * vecDirection.GetZ();
    float const fDiscriminant = fB * fB - fA * fC;
    if (fA == 0.0f || fDiscriminant < 0.0f)
        return false;
    float const fT = (-fB - std::sqrt(fDiscriminant)) / fA;
    if (fT < 0.0f || fT > 1.0f)
        return false;
    a_fT = fT;
    a_vecHit = a_Stretch.GetStart() + vecDirection * fT;
    return true;
}

bool bCInfCylinder::Separates(bCVector const * a_pPoints, int a_iCount, bCVector const & a_vecAxis) const
{
    if (a_iCount <= 0)
        return true;
    if (a_vecAxis.GetY() != 0.0f)
        return false;
    float const fCenter = a_vecAxis.GetDotProduct(m_vecPosition);
    float const fReach = m_fRadius * std::sqrt(HorizontalSquare(a_vecAxis));
    float fLow = 1.0e18f, fHigh = -1.0e18f;
    for (int i = 0; i < a_iCount; ++i)
    {
        float const fProjection = a_vecAxis.GetDotProduct(a_pPoints[i]);
        fLow = fProjection < fLow ? fProjection : fLow;
        fHigh = fProjection > fHigh ? fProjection : fHigh;
    }
    return fLow > fCenter + fReach || fCenter - fReach > fHigh;
}

void bCInfCylinder::Merge(bCVector const & a_vecPoint)
{
    Merge(bCInfCylinder(0.0f, a_vecPoint));
}

void bCInfCylinder::Merge(bCInfCylinder const & a_Cylinder)
{
    if (!a_Cylinder.IsValid())
        return;
    if (!IsValid())
    {
        *this = a_Cylinder;
        return;
    }
    float const fSquareDistance = GetSquareDistance(a_Cylinder.m_vecPosition);
    float const fGrowth = a_Cylinder.m_fRadius - m_fRadius;
    if (fGrowth * fGrowth >= fSquareDistance)
    {
        if (a_Cylinder.m_fRadius > m_fRadius)
            *this = a_Cylinder;
        return;
    }
    float const fDistance = std::sqrt(fSquareDistance);
    float const fShare = (fGrowth / fDistance + 1.0f) / 2.0f;
    m_vecPosition += (a_Cylinder.m_vecPosition - m_vecPosition) * fShare;
    m_fRadius = (fDistance + m_fRadius + a_Cylinder.m_fRadius) / 2.0f;
}

// The overlap of two discs is a lens; it fits in the disc on its chord unless
// one centre lies beyond the chord, where that whole disc is the bound.
void bCInfCylinder::Intersect(bCInfCylinder const & a_Cylinder)
{
    if (!IsValid() || !a_Cylinder.IsValid() || !Cull(a_Cylinder))
        return Invalidate();
    float const fSquareDistance = GetSquareDistance(a_Cylinder.m_vecPosition);
    float const fDistance = std::sqrt(fSquareDistance);
    float const fOtherRadius = a_Cylinder.m_fRadius;
    if (fDistance == 0.0f)
    {
        m_fRadius = std::fmin(m_fRadius, fOtherRadius);
        return;
    }
    float const fToChord = (fSquareDistance + m_fRadius * m_fRadius - fOtherRadius * fOtherRadius) / (2.0f * fDistance);
    if (fToChord < 0.0f)
        return; // this disc lies mostly inside the other
    if (fToChord > fDistance)
    {
        *this = a_Cylinder;
        return;
    }
    float const fHalfChord = std::sqrt(std::fmax(m_fRadius * m_fRadius - fToChord * fToChord, 0.0f));
    m_vecPosition += (a_Cylinder.m_vecPosition - m_vecPosition) * (fToChord / fDistance);
    m_fRadius = fHalfChord;
}

void bCInfCylinder::Transform(bCMatrix const & a_matTransform)
{
    m_vecPosition.Transform(a_matTransform);
}

void bCInfCylinder::InvTransform(bCMatrix const & a_matTransform)
{
    m_vecPosition.InvTransform(a_matTransform);
}

float bCInfCylinder::GetVolume() const
{
    return g_fPI * m_fRadius * m_fRadius;
}

void bCInfCylinder::Invalidate()
{
    m_fRadius = -3.4028235e38f;
    m_vecPosition = bCVector(0.0f, 0.0f, 0.0f);
}

bool bCInfCylinder::IsEqual(bCInfCylinder const & a_Other) const
{
    return m_fRadius == a_Other.m_fRadius && m_vecPosition == a_Other.m_vecPosition;
}

bCOStream & bCInfCylinder::operator>>(bCOStream & a_Stream) const
{
    a_Stream << m_fRadius;
    return m_vecPosition >> a_Stream;
}

bCIStream & bCInfCylinder::operator<<(bCIStream & a_Stream)
{
    a_Stream >> m_fRadius;
    return m_vecPosition << a_Stream;
}
