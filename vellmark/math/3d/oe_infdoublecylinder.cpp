#include <vellmark/math/3d/oe_infdoublecylinder.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_infcylinder.h>
#include <vellmark/math/3d/oe_mathconstants.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_vector2.h>

#include <cmath>

constinit thread_local float bCInfDoubleCylinder::m_fDummy = 0.0f;
constinit thread_local bool bCInfDoubleCylinder::m_bDummy = false;
thread_local bCVector bCInfDoubleCylinder::m_vecDummy(0.0f);

namespace
{
    // Radii shrink to this share when a caller asks for the shrunk region.
    float const g_fShrinkFactor = 0.93f;

    bool NotAvailable(char const * a_pcTag)
    {
        OE_MESSAGEF_WARN("The method %s detected an improper usage! \nHint:%s ", a_pcTag, "Method not implemented !!!");
        return false;
    }

    bCVector2 Horizontal(bCVector const & a_vecPoint)
    {
        return bCVector2(a_vecPoint.GetX(), a_vecPoint.GetZ());
    }
}

bCInfDoubleCylinder::bCInfDoubleCylinder()
{
    Invalidate();
}

bCInfDoubleCylinder::bCInfDoubleCylinder(float a_fRadiusA, bCVector const & a_vecPositionA, float a_fRadiusB,
                                         bCVector const & a_vecPositionB)
    : m_fRadiusA(a_fRadiusA), m_vecPositionA(a_vecPositionA), m_fRadiusB(a_fRadiusB), m_vecPositionB(a_vecPositionB)
{
}

void bCInfDoubleCylinder::SetInfDoubleCylinder(float a_fRadiusA, bCVector const & a_vecPositionA, float a_fRadiusB,
                                               bCVector const & a_vecPositionB)
{
    *this = bCInfDoubleCylinder(a_fRadiusA, a_vecPositionA, a_fRadiusB, a_vecPositionB);
}

// Radii become scale * radius + growth; the point is tested against the two
// discs and then against the tapered band between the positions.
bool bCInfDoubleCylinder::TestPoint(bCVector const & a_vecPoint, float a_fScale, float a_fGrowth) const
{
    float const fRadiusA = a_fScale * m_fRadiusA + a_fGrowth;
    float const fRadiusB = a_fScale * m_fRadiusB + a_fGrowth;
    bCVector2 const vecPoint = Horizontal(a_vecPoint);
    bCVector2 const vecA = Horizontal(m_vecPositionA);
    bCVector2 const vecB = Horizontal(m_vecPositionB);
    bCVector2 const vecToA = vecPoint - vecA;
    bCVector2 const vecToB = vecPoint - vecB;
    if (fRadiusA * fRadiusA > vecToA.GetDotProduct(vecToA) || fRadiusB * fRadiusB > vecToB.GetDotProduct(vecToB))
        return true;
    bCVector2 const vecAxis = vecB - vecA;
    bCVector2 vecNormal(-vecAxis[1], vecAxis[0]);
    vecNormal.Normalize();
    float const fSide = vecNormal.GetDotProduct(vecToA);
    bCVector2 const vecFoot = vecPoint - vecNormal * fSide;
    float const fT = vecAxis[0] != 0.0f ? (vecFoot[0] - vecA[0]) / vecAxis[0] : (vecFoot[1] - vecA[1]) / vecAxis[1];
    if (!(fT > 0.0f && fT < 1.0f))
        return false;
    // Interpolated between the unscaled radii, then scaled: the shrunk band rounds as k (a + t (b - a)).
    return a_fScale * (m_fRadiusA + fT * (m_fRadiusB - m_fRadiusA)) + a_fGrowth >= std::fabs(fSide);
}

bool bCInfDoubleCylinder::Cull(bCVector const & a_vecPoint, bool a_bShrink) const
{
    return TestPoint(a_vecPoint, a_bShrink ? g_fShrinkFactor : 1.0f, 0.0f);
}

bool bCInfDoubleCylinder::Cull(bCSphere const & a_Sphere) const
{
    return TestPoint(a_Sphere.GetPosition(), 1.0f, a_Sphere.GetRadius());
}

bool bCInfDoubleCylinder::Contains(bCSphere const & a_Sphere) const
{
    return TestPoint(a_Sphere.GetPosition(), 1.0f, -a_Sphere.GetRadius());
}

bool bCInfDoubleCylinder::Cull(bCInfCylinder const & a_Cylinder) const
{
    return TestPoint(a_Cylinder.GetPosition(), 1.0f, a_Cylinder.GetRadius());
}

bool bCInfCylinder::Cull(bCInfDoubleCylinder const & a_Cylinder) const
{
    return a_Cylinder.Cull(*this);
}

bool bCInfDoubleCylinder::Contains(bCInfCylinder const & a_Cylinder) const
{
    return TestPoint(a_Cylinder.GetPosition(), 1.0f, -a_Cylinder.GetRadius());
}

bool bCInfDoubleCylinder::Cull(bCBox const &) const
{
    return NotAvailable("bCInfDoubleCylinder::Cull -> bCBox");
}

bool bCInfDoubleCylinder::Cull(bCFrustum const &) const
{
    return NotAvailable("bCInfDoubleCylinder::Cull -> bCFrustum");
}

bool bCInfDoubleCylinder::Intersects(bCBox const &) const
{
    return NotAvailable("bCInfDoubleCylinder::Intersects -> bCBox");
}

bool bCInfDoubleCylinder::Intersects(bCFrustum const &) const
{
    return NotAvailable("bCInfDoubleCylinder::Intersects -> bCFrustum");
}

bool bCInfDoubleCylinder::Intersects(bCLine const &, float &) const
{
    return NotAvailable("bCInfDoubleCylinder::Intersects -> bCLine");
}

bool bCInfDoubleCylinder::Intersects(bCRay const &, float &) const
{
    return NotAvailable("bCInfDoubleCylinder::Intersects -> bCRay");
}

bool bCInfDoubleCylinder::Intersects(bCUnitedRay const &, float &) const
{
    return NotAvailable("bCInfDoubleCylinder::Intersects -> bCUnitedRay");
}

bool bCInfDoubleCylinder::Separates(bCVector const * a_pPoints, int a_iCount, bCVector const & a_vecAxis) const
{
    if (a_iCount <= 0)
        return true;
    if (a_vecAxis.GetY() != 0.0f)
        return false;
    float const fLength = std::sqrt(a_vecAxis.GetX() * a_vecAxis.GetX() + a_vecAxis.GetZ() * a_vecAxis.GetZ());
    float const fCenterA = a_vecAxis.GetDotProduct(m_vecPositionA), fReachA = m_fRadiusA * fLength;
    float const fCenterB = a_vecAxis.GetDotProduct(m_vecPositionB), fReachB = m_fRadiusB * fLength;
    float const fRegionLow = std::fmin(fCenterA - fReachA, fCenterB - fReachB);
    float const fRegionHigh = std::fmax(fCenterA + fReachA, fCenterB + fReachB);
    float fLow = 1.0e18f, fHigh = -1.0e18f;
    for (int i = 0; i < a_iCount; ++i)
    {
        float const fProjection = a_vecAxis.GetDotProduct(a_pPoints[i]);
        fLow = std::fmin(fLow, fProjection);
        fHigh = std::fmax(fHigh, fProjection);
    }
    return fLow > fRegionHigh || fRegionLow > fHigh;
}

void bCInfDoubleCylinder::Merge(bCInfDoubleCylinder const & a_Other)
{
    bCInfCylinder EndA(m_fRadiusA, m_vecPositionA), EndB(m_fRadiusB, m_vecPositionB);
    EndA.Merge(bCInfCylinder(a_Other.m_fRadiusA, a_Other.m_vecPositionA));
    EndB.Merge(bCInfCylinder(a_Other.m_fRadiusB, a_Other.m_vecPositionB));
    SetInfDoubleCylinder(EndA.GetRadius(), EndA.GetPosition(), EndB.GetRadius(), EndB.GetPosition());
}

void bCInfDoubleCylinder::Intersect(bCInfDoubleCylinder const & a_Other)
{
    bCInfCylinder EndA(m_fRadiusA, m_vecPositionA), EndB(m_fRadiusB, m_vecPositionB);
    EndA.Intersect(bCInfCylinder(a_Other.m_fRadiusA, a_Other.m_vecPositionA));
    EndB.Intersect(bCInfCylinder(a_Other.m_fRadiusB, a_Other.m_vecPositionB));
    SetInfDoubleCylinder(EndA.GetRadius(), EndA.GetPosition(), EndB.GetRadius(), EndB.GetPosition());
}

void bCInfDoubleCylinder::Widen(float a_fAmount)
{
    m_fRadiusA += a_fAmount;
    m_fRadiusB += a_fAmount;
}

void bCInfDoubleCylinder::Shrink(float a_fAmount)
{
    m_fRadiusA -= a_fAmount;
    m_fRadiusB -= a_fAmount;
}

void bCInfDoubleCylinder::Scale(float a_fScale)
{
    m_fRadiusA *= a_fScale;
    m_fRadiusB *= a_fScale;
}

void bCInfDoubleCylinder::Translate(bCVector const & a_vecOffset)
{
    m_vecPositionA += a_vecOffset;
    m_vecPositionB += a_vecOffset;
}

void bCInfDoubleCylinder::InvTranslate(bCVector const & a_vecOffset)
{
    m_vecPositionA -= a_vecOffset;
    m_vecPositionB -= a_vecOffset;
}

void bCInfDoubleCylinder::Transform(bCMatrix const & a_matTransform)
{
    m_vecPositionA.Transform(a_matTransform);
    m_vecPositionB.Transform(a_matTransform);
}

void bCInfDoubleCylinder::InvTransform(bCMatrix const & a_matTransform)
{
    m_vecPositionA.InvTransform(a_matTransform);
    m_vecPositionB.InvTransform(a_matTransform);
}

float bCInfDoubleCylinder::GetVolume() const
{
    bCVector2 const vecAxis = Horizontal(m_vecPositionB) - Horizontal(m_vecPositionA);
    float const fLength = std::sqrt(vecAxis.GetDotProduct(vecAxis));
    return 0.5f * g_fPI * (m_fRadiusA * m_fRadiusA + m_fRadiusB * m_fRadiusB) + fLength * (m_fRadiusA + m_fRadiusB);
}

void bCInfDoubleCylinder::Invalidate()
{
    m_fRadiusA = m_fRadiusB = -3.4028235e38f;
    m_vecPositionA = m_vecPositionB = bCVector(0.0f, 0.0f, 0.0f);
}

bool bCInfDoubleCylinder::IsEqual(bCInfDoubleCylinder const & a_Other) const
{
    return m_fRadiusA == a_Other.m_fRadiusA && m_vecPositionA == a_Other.m_vecPositionA &&
           m_fRadiusB == a_Other.m_fRadiusB && m_vecPositionB == a_Other.m_vecPositionB;
}

bCOStream & bCInfDoubleCylinder::operator>>(bCOStream & a_Stream) const
{
    a_Stream << m_fRadiusA;
    m_vecPositionA >> a_Stream;
    a_Stream << m_fRadiusB;
    return m_vecPositionB >> a_Stream;
}

bCIStream & bCInfDoubleCylinder::operator<<(bCIStream & a_Stream)
{
    a_Stream >> m_fRadiusA;
    m_vecPositionA << a_Stream;
    a_Stream >> m_fRadiusB;
    return m_vecPositionB << a_Stream;
}
