#include <vellmark/math/3d/oe_sphere.h>

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_line.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_matrix3.h>
#include <vellmark/math/3d/oe_ray.h>
#include <vellmark/math/3d/oe_stretch.h>
#include <vellmark/math/3d/oe_triangle.h>
#include <vellmark/math/3d/oe_unitedray.h>

#include <algorithm>
#include <cmath>

namespace
{
    float const kInvalidRadius = -3.4028235e38f;

    // The longest of the three axis rows: how far a transform can stretch a radius.
    template <class MATRIX>
    float GetLongestAxis(MATRIX const & a_matTransform)
    {
        float fLongest = 0.0f;
        for (int r = 0; r < 3; ++r)
        {
            bCVector const vecAxis(a_matTransform.GetElement(r, 0), a_matTransform.GetElement(r, 1),
                                   a_matTransform.GetElement(r, 2));
            fLongest = std::max(fLongest, vecAxis.GetMagnitude());
        }
        return fLongest;
    }
} // namespace

constinit thread_local float bCSphere::m_fDummy = 0.0f;

bCSphere::bCSphere()
{
    Invalidate();
}

bCSphere::bCSphere(float a_fRadius, bCVector const & a_vecPosition) : m_fRadius(a_fRadius), m_vecPosition(a_vecPosition)
{
}

bCSphere::bCSphere(bCVector const & a_vecPosition, float a_fRadius) : m_fRadius(a_fRadius), m_vecPosition(a_vecPosition)
{
}

void bCSphere::SetSphere(bCSphere const & a_Source)
{
    *this = a_Source;
}

void bCSphere::SetSphere(float a_fRadius, bCVector const & a_vecPosition)
{
    m_fRadius = a_fRadius;
    m_vecPosition = a_vecPosition;
}

void bCSphere::SetSphere(bCVector const & a_vecPosition, float a_fRadius)
{
    SetSphere(a_fRadius, a_vecPosition);
}

void bCSphere::CopyFrom(bCSphere const & a_Source)
{
    *this = a_Source;
}

void bCSphere::CopyTo(bCSphere & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}

void bCSphere::Clear()
{
    SetSphere(0.0f, bCVector(0.0f, 0.0f, 0.0f));
}

void bCSphere::Invalidate()
{
    SetSphere(kInvalidRadius, bCVector(0.0f, 0.0f, 0.0f));
}

bool bCSphere::IsValid() const
{
    return m_fRadius != kInvalidRadius;
}

void bCSphere::Merge(bCSphere const & a_Sphere)
{
    if (!IsValid())
    {
        *this = a_Sphere;
        return;
    }
    if (!a_Sphere.IsValid())
        return;
    bCVector const vecOffset = a_Sphere.m_vecPosition - m_vecPosition;
    float const fSquareDistance = vecOffset.GetSquareMagnitude();
    float const fRadiusDifference = a_Sphere.m_fRadius - m_fRadius;
    if (fRadiusDifference * fRadiusDifference >= fSquareDistance)
    {
        if (a_Sphere.m_fRadius > m_fRadius) // one contains the other: keep the larger
            *this = a_Sphere;
        return;
    }
    float const fDistance = std::sqrt(fSquareDistance);
    float const fShare = (fRadiusDifference / fDistance + 1.0f) / 2.0f;
    m_vecPosition += vecOffset * fShare;
    m_fRadius = (fDistance + m_fRadius + a_Sphere.m_fRadius) / 2.0f;
}

bCSphere bCSphere::GetMerged(bCSphere const & a_Sphere) const
{
    bCSphere Result(*this);
    Result.Merge(a_Sphere);
    return Result;
}

void bCSphere::Translate(bCVector const & a_vecOffset)
{
    m_vecPosition += a_vecOffset;
}

void bCSphere::InvTranslate(bCVector const & a_vecOffset)
{
    m_vecPosition -= a_vecOffset;
}

void bCSphere::Transform(bCMatrix const & a_matTransform)
{
    m_vecPosition.Transform(a_matTransform);
    m_fRadius *= GetLongestAxis(a_matTransform);
}

void bCSphere::InvTransform(bCMatrix const & a_matTransform)
{
    Transform(a_matTransform.GetInverted());
}

void bCSphere::Transform(bCMatrix3 const & a_matTransform)
{
    m_vecPosition.Transform(a_matTransform);
    m_fRadius *= GetLongestAxis(a_matTransform);
}

void bCSphere::InvTransform(bCMatrix3 const & a_matTransform)
{
    bCMatrix3 matInverse;
    matInverse.SetToInverse(a_matTransform);
    Transform(matInverse);
}

bCSphere bCSphere::GetTranslated(bCVector const & a_vecOffset) const
{
    bCSphere Result(*this);
    Result.Translate(a_vecOffset);
    return Result;
}

bCSphere bCSphere::GetInvTranslated(bCVector const & a_vecOffset) const
{
    bCSphere Result(*this);
    Result.InvTranslate(a_vecOffset);
    return Result;
}

bCSphere bCSphere::GetTransformed(bCMatrix const & a_matTransform) const
{
    bCSphere Result(*this);
    Result.Transform(a_matTransform);
    return Result;
}

bCSphere bCSphere::GetInvTransformed(bCMatrix const & a_matTransform) const
{
    bCSphere Result(*this);
    Result.InvTransform(a_matTransform);
    return Result;
}

bCSphere bCSphere::GetTransformed(bCMatrix3 const & a_matTransform) const
{
    bCSphere Result(*this);
    Result.Transform(a_matTransform);
    return Result;
}

bCSphere bCSphere::GetInvTransformed(bCMatrix3 const & a_matTransform) const
{
    bCSphere Result(*this);
    Result.InvTransform(a_matTransform);
    return Result;
}

bool bCSphere::operator==(bCSphere const & a_Other) const
{
    return m_fRadius == a_Other.m_fRadius && m_vecPosition == a_Other.m_vecPosition;
}

bool bCSphere::Intersects(bCSphere const & a_Sphere) const
{
    float const fRadii = m_fRadius + a_Sphere.m_fRadius;
    return fRadii * fRadii > (a_Sphere.m_vecPosition - m_vecPosition).GetSquareMagnitude();
}

bool bCSphere::Contains(bCVector const & a_vecPoint) const
{
    return (a_vecPoint - m_vecPosition).GetSquareMagnitude() <= m_fRadius * m_fRadius;
}

bool bCSphere::Cull(bCBox const & a_Box) const
{
    return a_Box.Cull(*this);
}

bool bCSphere::Intersects(bCBox const & a_Box) const
{
    return a_Box.Cull(*this);
}

bool bCSphere::Cull(bCVector const * a_pCorners) const
{
    bCVector const vecCentroid = (a_pCorners[0] + a_pCorners[1] + a_pCorners[2]) * 0.33333f;
    return !Separates(a_pCorners, 3, vecCentroid - m_vecPosition);
}

bool bCSphere::Cull(bCTriangle const & a_Triangle) const
{
    return Cull(a_Triangle.GetVectors());
}

bool bCSphere::Intersects(bCTriangle const & a_Triangle) const
{
    return Cull(a_Triangle.GetVectors());
}

bool bCSphere::Separates(bCVector const * a_pPoints, int a_iCount, bCVector const & a_vecAxis) const
{
    if (a_iCount <= 0)
        return true;
    float const fAxisLength = a_vecAxis.GetMagnitude();
    if (fAxisLength == 0.0f)
        return false; // no direction, no side to lie beyond
    float const fSurface = m_fRadius * fAxisLength;
    for (int i = 0; i < a_iCount; ++i)
        if (a_vecAxis.GetDotProduct(a_pPoints[i] - m_vecPosition) < fSurface)
            return false;
    return true;
}

bool bCSphere::Separates(bCBox const & a_Box, bCVector const & a_vecAxis) const
{
    float const fAxisLength = a_vecAxis.GetMagnitude();
    if (fAxisLength == 0.0f)
        return false;
    bCVector const vecExtent = a_Box.GetMax() - a_Box.GetMin();
    float const fHalf = 0.5f * (std::fabs(vecExtent.GetX() * a_vecAxis.GetX()) +
                                std::fabs(vecExtent.GetY() * a_vecAxis.GetY()) +
                                std::fabs(vecExtent.GetZ() * a_vecAxis.GetZ()));
    return a_vecAxis.GetDotProduct(a_Box.GetCenter() - m_vecPosition) - fHalf >= m_fRadius * fAxisLength;
}

bool bCSphere::Intersects(bCUnitedRay const & a_Ray, float & a_fT) const
{
    return a_Ray.Intersects(*this, a_fT);
}

bool bCSphere::Intersects(bCLine const & a_Line, float & a_fT) const
{
    return bCUnitedRay(a_Line).Intersects(*this, a_fT);
}

bool bCSphere::Intersects(bCRay const & a_Ray, float & a_fT) const
{
    return bCUnitedRay(a_Ray).Intersects(*this, a_fT);
}

bool bCSphere::Intersects(bCStretch const & a_Stretch, float & a_fT) const
{
    return bCUnitedRay(a_Stretch).Intersects(*this, a_fT);
}

bCOStream & bCSphere::operator>>(bCOStream & a_Stream) const
{
    a_Stream.Write(&m_fRadius, sizeof(m_fRadius));
    a_Stream.Write(&m_vecPosition, sizeof(m_vecPosition));
    return a_Stream;
}

bCIStream & bCSphere::operator<<(bCIStream & a_Stream)
{
    a_Stream.Read(&m_fRadius, sizeof(m_fRadius));
    a_Stream.Read(&m_vecPosition, sizeof(m_vecPosition));
    return a_Stream;
}
