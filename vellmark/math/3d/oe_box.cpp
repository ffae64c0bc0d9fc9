#include <vellmark/math/3d/oe_box.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_line.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_matrix3.h>
#include <vellmark/math/3d/oe_plane.h>
#include <vellmark/math/3d/oe_ray.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_stretch.h>
#include <vellmark/math/3d/oe_triangle.h>
#include <vellmark/math/3d/oe_unitedray.h>

#include <algorithm>
#include <cmath>

namespace
{
    float const kLargest = 3.4028235e38f; // the invalid box's bound, the largest finite float
    char const * const kObsolete = "The obsolete method %s was called! %s";

    bCVector ComponentMin(bCVector const & a_vecLeft, bCVector const & a_vecRight)
    {
        return bCVector(std::min(a_vecLeft.GetX(), a_vecRight.GetX()), std::min(a_vecLeft.GetY(), a_vecRight.GetY()),
                        std::min(a_vecLeft.GetZ(), a_vecRight.GetZ()));
    }

    bCVector ComponentMax(bCVector const & a_vecLeft, bCVector const & a_vecRight)
    {
        return bCVector(std::max(a_vecLeft.GetX(), a_vecRight.GetX()), std::max(a_vecLeft.GetY(), a_vecRight.GetY()),
                        std::max(a_vecLeft.GetZ(), a_vecRight.GetZ()));
    }

    float DistanceOrMiss(bool a_bHit, float a_fT)
    {
        return a_bHit ? a_fT : -1.0f;
    }
} // namespace

constinit thread_local float bCBox::m_fDummy = 0.0f;

bCBox::bCBox()
{
    Invalidate();
}

bCBox::bCBox(bCVector const & a_vecMin, bCVector const & a_vecMax) : m_vecMin(a_vecMin), m_vecMax(a_vecMax)
{
}

void bCBox::SetBox(bCBox const & a_Source)
{
    *this = a_Source;
}

void bCBox::SetBox(bCVector const & a_vecMin, bCVector const & a_vecMax)
{
    m_vecMin = a_vecMin;
    m_vecMax = a_vecMax;
}

void bCBox::CopyFrom(bCBox const & a_Source)
{
    *this = a_Source;
}

void bCBox::CopyTo(bCBox & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}

void bCBox::Clear()
{
    SetBox(bCVector(0.0f, 0.0f, 0.0f), bCVector(0.0f, 0.0f, 0.0f));
}

void bCBox::Invalidate()
{
    SetBox(bCVector(kLargest, kLargest, kLargest), bCVector(-kLargest, -kLargest, -kLargest));
}

bCVector bCBox::GetVertex(int a_iIndex) const
{
    return bCVector((a_iIndex & 1) ? m_vecMax.GetX() : m_vecMin.GetX(), (a_iIndex & 2) ? m_vecMax.GetY() : m_vecMin.GetY(),
                    (a_iIndex & 4) ? m_vecMax.GetZ() : m_vecMin.GetZ());
}

float bCBox::GetWidth() const
{
    return m_vecMax.GetX() - m_vecMin.GetX();
}

float bCBox::GetHeight() const
{
    return m_vecMax.GetY() - m_vecMin.GetY();
}

float bCBox::GetDepth() const
{
    return m_vecMax.GetZ() - m_vecMin.GetZ();
}

bCVector bCBox::GetMagnitude() const
{
    return m_vecMax - m_vecMin;
}

bCVector bCBox::GetCenter() const
{
    return (m_vecMin + m_vecMax) * 0.5f;
}

bCVector bCBox::GetCenterGround() const
{
    bCVector vecCenter = GetCenter();
    vecCenter.SetY(m_vecMin.GetY());
    return vecCenter;
}

float bCBox::GetVolume() const
{
    return GetWidth() * GetHeight() * GetDepth();
}

float bCBox::GetMinExtend() const
{
    return std::min({GetWidth(), GetHeight(), GetDepth()});
}

float bCBox::GetMaxExtend() const
{
    return std::max({GetWidth(), GetHeight(), GetDepth()});
}

void bCBox::SetCenter(bCVector const & a_vecCenter)
{
    bCVector const vecHalf = (m_vecMax - m_vecMin) * 0.5f;
    SetBox(a_vecCenter - vecHalf, a_vecCenter + vecHalf);
}

void bCBox::Widen(float a_fAmount)
{
    Widen(bCVector(a_fAmount, a_fAmount, a_fAmount));
}

void bCBox::Widen(bCVector const & a_vecAmount)
{
    m_vecMin -= a_vecAmount;
    m_vecMax += a_vecAmount;
}

void bCBox::Shrink(float a_fAmount)
{
    Shrink(bCVector(a_fAmount, a_fAmount, a_fAmount));
}

void bCBox::Shrink(bCVector const & a_vecAmount)
{
    m_vecMin += a_vecAmount;
    m_vecMax -= a_vecAmount;
}

void bCBox::Scale(float a_fScale)
{
    Scale(bCVector(a_fScale, a_fScale, a_fScale));
}

void bCBox::Scale(bCVector const & a_vecScale)
{
    bCVector const vecCenter = GetCenter();
    bCVector vecHalf = (m_vecMax - m_vecMin) * 0.5f;
    vecHalf.Scale(a_vecScale);
    SetBox(vecCenter - vecHalf, vecCenter + vecHalf);
}

void bCBox::Merge(bCVector const & a_vecPoint)
{
    m_vecMin = ComponentMin(m_vecMin, a_vecPoint);
    m_vecMax = ComponentMax(m_vecMax, a_vecPoint);
}

void bCBox::Merge(bCBox const & a_Box)
{
    m_vecMin = ComponentMin(m_vecMin, a_Box.m_vecMin);
    m_vecMax = ComponentMax(m_vecMax, a_Box.m_vecMax);
}

void bCBox::Intersect(bCBox const & a_Box)
{
    m_vecMin = ComponentMax(m_vecMin, a_Box.m_vecMin);
    m_vecMax = ComponentMin(m_vecMax, a_Box.m_vecMax);
}

bCBox bCBox::GetMerged(bCBox const & a_Box) const
{
    bCBox Result(*this);
    Result.Merge(a_Box);
    return Result;
}

bCBox bCBox::GetIntersected(bCBox const & a_Box) const
{
    bCBox Result(*this);
    Result.Intersect(a_Box);
    return Result;
}

void bCBox::Normalize()
{
    bCVector const vecMin = ComponentMin(m_vecMin, m_vecMax);
    m_vecMax = ComponentMax(m_vecMin, m_vecMax);
    m_vecMin = vecMin;
}

bool bCBox::IsNormalized() const
{
    return m_vecMin.GetX() <= m_vecMax.GetX() && m_vecMin.GetY() <= m_vecMax.GetY() &&
           m_vecMin.GetZ() <= m_vecMax.GetZ();
}

void bCBox::Translate(bCVector const & a_vecOffset)
{
    m_vecMin += a_vecOffset;
    m_vecMax += a_vecOffset;
}

void bCBox::InvTranslate(bCVector const & a_vecOffset)
{
    m_vecMin -= a_vecOffset;
    m_vecMax -= a_vecOffset;
}

void bCBox::TransformCorners(bCMatrix const & a_matTransform)
{
    bCBox const Old(*this);
    Invalidate();
    for (int i = 0; i < 8; ++i)
        Merge(Old.GetVertex(i).GetTransformed(a_matTransform));
}

void bCBox::InvTransform(bCMatrix const & a_matTransform)
{
    Transform(a_matTransform.GetInverted());
}

void bCBox::Transform(bCMatrix3 const & a_matTransform)
{
    bCVector const vecCenter = GetCenter().GetTransformed(a_matTransform);
    bCVector const vecHalf = (m_vecMax - m_vecMin) * 0.5f;
    bCVector vecNewHalf;
    for (int c = 0; c < 3; ++c)
        vecNewHalf[c] = vecHalf.GetX() * std::fabs(a_matTransform.GetElement(0, c)) +
                        vecHalf.GetY() * std::fabs(a_matTransform.GetElement(1, c)) +
                        vecHalf.GetZ() * std::fabs(a_matTransform.GetElement(2, c));
    SetBox(vecCenter - vecNewHalf, vecCenter + vecNewHalf);
}

void bCBox::InvTransform(bCMatrix3 const & a_matTransform)
{
    bCMatrix3 matInverse;
    matInverse.SetToInverse(a_matTransform);
    Transform(matInverse);
}

bCBox bCBox::GetTranslated(bCVector const & a_vecOffset) const
{
    bCBox Result(*this);
    Result.Translate(a_vecOffset);
    return Result;
}

bCBox bCBox::GetInvTranslated(bCVector const & a_vecOffset) const
{
    bCBox Result(*this);
    Result.InvTranslate(a_vecOffset);
    return Result;
}

bCBox bCBox::GetTransformed(bCMatrix const & a_matTransform) const
{
    bCBox Result(*this);
    Result.Transform(a_matTransform);
    return Result;
}

bCBox bCBox::GetInvTransformed(bCMatrix const & a_matTransform) const
{
    bCBox Result(*this);
    Result.InvTransform(a_matTransform);
    return Result;
}

bCBox bCBox::GetTransformed(bCMatrix3 const & a_matTransform) const
{
    bCBox Result(*this);
    Result.Transform(a_matTransform);
    return Result;
}

bCBox bCBox::GetInvTransformed(bCMatrix3 const & a_matTransform) const
{
    bCBox Result(*this);
    Result.InvTransform(a_matTransform);
    return Result;
}

bool bCBox::operator==(bCBox const & a_Other) const
{
    return m_vecMin == a_Other.m_vecMin && m_vecMax == a_Other.m_vecMax;
}

bool bCBox::Intersects(bCBox const & a_Box) const
{
    for (int i = 0; i < 3; ++i)
        if (m_vecMin[i] > a_Box.m_vecMax[i] || a_Box.m_vecMin[i] > m_vecMax[i])
            return false;
    return true;
}

bool bCBox::IntersectsExclusive(bCBox const & a_Box) const
{
    for (int i = 0; i < 3; ++i)
        if (m_vecMin[i] >= a_Box.m_vecMax[i] || a_Box.m_vecMin[i] >= m_vecMax[i])
            return false;
    return true;
}

bool bCBox::Cull(bCBox const & a_Box) const
{
    return Intersects(a_Box);
}

bool bCBox::Contains(bCVector const & a_vecPoint) const
{
    for (int i = 0; i < 3; ++i)
        if (a_vecPoint[i] < m_vecMin[i] || a_vecPoint[i] > m_vecMax[i])
            return false;
    return true;
}

bool bCBox::Contains(bCBox const & a_Box) const
{
    return Contains(a_Box.m_vecMin) && Contains(a_Box.m_vecMax);
}

bool bCBox::Intersects(bCPlane const & a_Plane) const
{
    bCVector const & vecNormal = a_Plane.GetNormal();
    bCVector const vecExtent = m_vecMax - m_vecMin;
    float const fReach = std::fabs(vecNormal.GetX() * vecExtent.GetX()) +
                         std::fabs(vecNormal.GetY() * vecExtent.GetY()) +
                         std::fabs(vecNormal.GetZ() * vecExtent.GetZ());
    return 2.0f * std::fabs(a_Plane.ClassifyPoint(GetCenter())) - fReach < 0.0f;
}

bool bCBox::Cull(bCPlane const & a_Plane) const
{
    return Intersects(a_Plane);
}

bool bCBox::Cull(bCSphere const & a_Sphere) const
{
    float const fRadius = a_Sphere.GetRadius();
    bCVector const & vecCenter = a_Sphere.GetPosition();
    for (int i = 0; i < 3; ++i)
        if (m_vecMin[i] > vecCenter[i] + fRadius || vecCenter[i] - fRadius > m_vecMax[i])
            return false;
    return true;
}

bool bCBox::Intersects(bCSphere const & a_Sphere) const
{
    return Cull(a_Sphere);
}

bool bCBox::Cull(bCVector const * a_pCorners) const
{
    static bCVector const arrAxes[3] = {bCVector(0.0f, 0.0f, 1.0f), bCVector(0.0f, 1.0f, 0.0f),
                                        bCVector(1.0f, 0.0f, 0.0f)};
    for (bCVector const & vecAxis : arrAxes)
        if (Separates(a_pCorners, 3, vecAxis))
            return false;
    return true;
}

bool bCBox::Cull(bCTriangle const & a_Triangle) const
{
    return Cull(a_Triangle.GetVectors());
}

bool bCBox::Intersects(bCTriangle const & a_Triangle) const
{
    return Cull(a_Triangle.GetVectors());
}

bool bCBox::Contains(bCVector const * a_pCorners) const
{
    return Contains(a_pCorners[0]) && Contains(a_pCorners[1]) && Contains(a_pCorners[2]);
}

bool bCBox::Contains(bCTriangle const & a_Triangle) const
{
    return Contains(a_Triangle.GetVectors());
}

bool bCBox::Separates(bCVector const * a_pPoints, int a_iCount, bCVector const & a_vecAxis) const
{
    float const fHalf = 0.5f * (std::fabs((m_vecMax.GetX() - m_vecMin.GetX()) * a_vecAxis.GetX()) +
                                std::fabs((m_vecMax.GetY() - m_vecMin.GetY()) * a_vecAxis.GetY()) +
                                std::fabs((m_vecMax.GetZ() - m_vecMin.GetZ()) * a_vecAxis.GetZ()));
    float const fCenter = a_vecAxis.GetDotProduct((m_vecMin + m_vecMax) / 2.0f);
    float fLow = 1.0e18f; // no points at all lie beyond any box
    float fHigh = -1.0e18f;
    for (int i = 0; i < a_iCount; ++i)
    {
        float const fProjection = a_vecAxis.GetDotProduct(a_pPoints[i]);
        fLow = std::min(fLow, fProjection);
        fHigh = std::max(fHigh, fProjection);
    }
    return fLow > fCenter + fHalf || fCenter - fHalf > fHigh;
}

bool bCBox::Intersects(bCUnitedRay const & a_Ray, float & a_fT) const
{
    return a_Ray.Intersects(*this, a_fT);
}

bool bCBox::Intersects(bCLine const & a_Line, float & a_fT) const
{
    return bCUnitedRay(a_Line).Intersects(*this, a_fT);
}

bool bCBox::Intersects(bCRay const & a_Ray, float & a_fT) const
{
    return bCUnitedRay(a_Ray).Intersects(*this, a_fT);
}

bool bCBox::Intersects(bCStretch const & a_Stretch, float & a_fT) const
{
    return bCUnitedRay(a_Stretch).Intersects(*this, a_fT);
}

float bCBox::GetIntersectionDistance(bCLine const & a_Line) const
{
    OE_MESSAGEF_WARN(kObsolete, "bCBox::GetIntersectionDistance [Line]", "Use Intersects()");
    float fT = 0.0f;
    bool const bHit = Intersects(a_Line, fT); // t is read after the test
    return DistanceOrMiss(bHit, fT);
}

float bCBox::GetIntersectionDistance(bCRay const & a_Ray) const
{
    float fT = 0.0f;
    bool const bHit = Intersects(a_Ray, fT); // t is read after the test
    return DistanceOrMiss(bHit, fT);
}

float bCBox::GetIntersectionDistance(bCStretch const & a_Stretch) const
{
    OE_MESSAGEF_WARN(kObsolete, "bCBox::GetIntersectionDistance [Stretch]", "Use Intersects()");
    float fT = 0.0f;
    bool const bHit = Intersects(a_Stretch, fT); // t is read after the test
    return DistanceOrMiss(bHit, fT);
}

bool bCBox::IntersectsSweep(bCVector const & a_vecMotion, bCBox const & a_Box, float & a_fT) const
{
    a_fT = 2.0f;
    float fEntry = -1.0f;
    float fExit = 2.0f;
    for (int i = 2; i >= 0; --i)
    {
        float fLow = -1.0f;
        float fHigh = 2.0f;
        if (a_vecMotion[i] == 0.0f)
        {
            if (a_Box.m_vecMin[i] > m_vecMax[i] || m_vecMin[i] > a_Box.m_vecMax[i])
                return false; // apart on an axis along which nothing moves
        }
        else
        {
            float const fT1 = (a_Box.m_vecMin[i] - m_vecMax[i]) / a_vecMotion[i];
            float const fT2 = (a_Box.m_vecMax[i] - m_vecMin[i]) / a_vecMotion[i];
            fLow = std::min(fT1, fT2);
            fHigh = std::max(fT1, fT2);
        }
        fEntry = std::max(fEntry, fLow);
        fExit = std::min(fExit, fHigh);
    }
    if (!(fExit > fEntry) || fExit < 0.0f || fEntry > 1.0f)
        return false;
    a_fT = fEntry < 0.0f ? 0.0f : fEntry;
    return true;
}

bool bCBox::IntersectsSweep(bCVector const & a_vecMotion, bCBox const & a_Box, bCVector const & a_vecBoxMotion,
                            float & a_fT) const
{
    return IntersectsSweep(a_vecMotion - a_vecBoxMotion, a_Box, a_fT);
}

bool bCBox::IntersectsSweep(bCBox const & a_End, bCBox const & a_Box, float & a_fT) const
{
    return IntersectsSweep(a_End.m_vecMin - m_vecMin, a_Box, a_fT);
}

bool bCBox::IntersectsSweep(bCBox const & a_End, bCBox const & a_BoxStart, bCBox const & a_BoxEnd, float & a_fT) const
{
    bCVector const vecMotion = (a_End.m_vecMin - m_vecMin) - (a_BoxEnd.m_vecMin - a_BoxStart.m_vecMin);
    return IntersectsSweep(vecMotion, a_BoxStart, a_fT);
}

bCOStream & bCBox::operator>>(bCOStream & a_Stream) const
{
    a_Stream.Write(&m_vecMin, sizeof(m_vecMin));
    a_Stream.Write(&m_vecMax, sizeof(m_vecMax));
    return a_Stream;
}

bCIStream & bCBox::operator<<(bCIStream & a_Stream)
{
    a_Stream.Read(&m_vecMin, sizeof(m_vecMin));
    a_Stream.Read(&m_vecMax, sizeof(m_vecMax));
    return a_Stream;
}
