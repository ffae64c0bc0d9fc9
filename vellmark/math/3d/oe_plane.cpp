#include <vellmark/math/3d/oe_plane.h>

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_line.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_matrix3.h>
#include <vellmark/math/3d/oe_quaternion.h>
#include <vellmark/math/3d/oe_ray.h>
#include <vellmark/math/3d/oe_stretch.h>
#include <vellmark/math/3d/oe_triangle.h>
#include <vellmark/math/3d/oe_unitedray.h>

#include <cmath>

constinit thread_local float bCPlane::m_fDummy = 0.0f;

bCPlane::bCPlane(bCVector const & a_vecNormal, float a_fDistance) : m_vecNormal(a_vecNormal), m_fDistance(a_fDistance)
{
}

bCPlane::bCPlane(bCVector const & a_vecNormal, bCVector const & a_vecPoint)
{
    SetPlane(a_vecNormal, a_vecPoint);
}

bCPlane::bCPlane(bCVector const & a_vecA, bCVector const & a_vecB, bCVector const & a_vecC)
{
    SetPlane(a_vecA, a_vecB, a_vecC);
}

bCPlane::bCPlane(float a_fX, float a_fY, float a_fZ, float a_fDistance) :
    m_vecNormal(a_fX, a_fY, a_fZ), m_fDistance(a_fDistance)
{
}

void bCPlane::SetPlane(bCPlane const & a_Source)
{
    *this = a_Source;
}

void bCPlane::SetPlane(bCVector const & a_vecNormal, float a_fDistance)
{
    m_vecNormal = a_vecNormal;
    m_fDistance = a_fDistance;
}

void bCPlane::SetPlane(bCVector const & a_vecNormal, bCVector const & a_vecPoint)
{
    m_vecNormal = a_vecNormal;
    m_fDistance = -a_vecNormal.GetDotProduct(a_vecPoint);
}

void bCPlane::SetPlane(bCVector const & a_vecA, bCVector const & a_vecB, bCVector const & a_vecC)
{
    bCVector vecFirst = a_vecB - a_vecA;
    bCVector vecSecond = a_vecC - a_vecB;
    vecFirst.Normalize();
    vecSecond.Normalize();
    // The edges have unit length, the normal only when they are perpendicular; callers normalise.
    m_vecNormal = vecFirst.GetCrossProduct(vecSecond);
    m_fDistance = -m_vecNormal.GetDotProduct(a_vecA);
}

void bCPlane::SetPlane(float a_fX, float a_fY, float a_fZ, float a_fDistance)
{
    m_vecNormal = bCVector(a_fX, a_fY, a_fZ);
    m_fDistance = a_fDistance;
}

void bCPlane::CopyFrom(bCPlane const & a_Source)
{
    *this = a_Source;
}

void bCPlane::CopyTo(bCPlane & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}

void bCPlane::Clear()
{
    SetPlane(0.0f, 0.0f, 0.0f, 0.0f);
}

bCPlane & bCPlane::Normalize()
{
    float const fLength = m_vecNormal.GetMagnitude();
    if (fLength > 0.0f)
    {
        m_vecNormal = bCVector(m_vecNormal.GetX() / fLength, m_vecNormal.GetY() / fLength, m_vecNormal.GetZ() / fLength);
        m_fDistance /= fLength;
    }
    return *this;
}

bCPlane bCPlane::GetNormalized() const
{
    bCPlane Result(*this);
    return Result.Normalize();
}

bCPlane & bCPlane::Negate()
{
    m_vecNormal = -m_vecNormal;
    m_fDistance = -m_fDistance;
    return *this;
}

bCPlane bCPlane::GetNegated() const
{
    bCPlane Result(*this);
    return Result.Negate();
}

bCPlane & bCPlane::Invert()
{
    return Negate();
}

bCPlane bCPlane::GetInverted() const
{
    return GetNegated();
}

bCPlane bCPlane::operator-() const
{
    return GetNegated();
}

void bCPlane::Translate(bCVector const & a_vecOffset)
{
    m_fDistance -= m_vecNormal.GetDotProduct(a_vecOffset);
}

void bCPlane::InvTranslate(bCVector const & a_vecOffset)
{
    m_fDistance += m_vecNormal.GetDotProduct(a_vecOffset);
}

// The plane as a column (n, d) maps to m (n, d): every point p of the image of
// a plane by m^-1 lies on it, so Transform(m) is the inverse transform by m^-1.
void bCPlane::InvTransform(bCMatrix const & a_matTransform)
{
    float arrOld[4] = {m_vecNormal.GetX(), m_vecNormal.GetY(), m_vecNormal.GetZ(), m_fDistance};
    float arrNew[4];
    for (int r = 0; r < 4; ++r)
    {
        arrNew[r] = 0.0f;
        for (int c = 0; c < 4; ++c)
            arrNew[r] += a_matTransform.GetElement(r, c) * arrOld[c];
    }
    SetPlane(arrNew[0], arrNew[1], arrNew[2], arrNew[3]);
}

void bCPlane::Transform(bCMatrix const & a_matTransform)
{
    InvTransform(a_matTransform.GetInverted());
}

void bCPlane::InvTransform(bCMatrix3 const & a_matTransform)
{
    m_vecNormal.TransposedTransform(a_matTransform);
}

void bCPlane::Transform(bCMatrix3 const & a_matTransform)
{
    bCMatrix3 matInverse;
    matInverse.SetToInverse(a_matTransform);
    InvTransform(matInverse);
}

void bCPlane::Rotate(bCQuaternion const & a_quatRotation)
{
    m_vecNormal = a_quatRotation.GetTransformedVector(m_vecNormal);
}

void bCPlane::InvRotate(bCQuaternion const & a_quatRotation)
{
    m_vecNormal = a_quatRotation.GetInverted().GetTransformedVector(m_vecNormal);
}

void bCPlane::Scale(float a_fScale)
{
    m_fDistance *= a_fScale;
}

bCPlane bCPlane::GetTranslated(bCVector const & a_vecOffset) const
{
    bCPlane Result(*this);
    Result.Translate(a_vecOffset);
    return Result;
}

bCPlane bCPlane::GetInvTranslated(bCVector const & a_vecOffset) const
{
    bCPlane Result(*this);
    Result.InvTranslate(a_vecOffset);
    return Result;
}

bCPlane bCPlane::GetTransformed(bCMatrix const & a_matTransform) const
{
    bCPlane Result(*this);
    Result.Transform(a_matTransform);
    return Result;
}

bCPlane bCPlane::GetInvTransformed(bCMatrix const & a_matTransform) const
{
    bCPlane Result(*this);
    Result.InvTransform(a_matTransform);
    return Result;
}

bCPlane bCPlane::GetTransformed(bCMatrix3 const & a_matTransform) const
{
    bCPlane Result(*this);
    Result.Transform(a_matTransform);
    return Result;
}

bCPlane bCPlane::GetInvTransformed(bCMatrix3 const & a_matTransform) const
{
    bCPlane Result(*this);
    Result.InvTransform(a_matTransform);
    return Result;
}

bCPlane bCPlane::GetRotated(bCQuaternion const & a_quatRotation) const
{
    bCPlane Result(*this);
    Result.Rotate(a_quatRotation);
    return Result;
}

bCPlane bCPlane::GetInvRotated(bCQuaternion const & a_quatRotation) const
{
    bCPlane Result(*this);
    Result.InvRotate(a_quatRotation);
    return Result;
}

bool bCPlane::operator==(bCPlane const & a_Other) const
{
    return m_vecNormal == a_Other.m_vecNormal && m_fDistance == a_Other.m_fDistance;
}

bool bCPlane::Intersects(bCUnitedRay const & a_Ray, float & a_fT) const
{
    return a_Ray.Intersects(*this, a_fT);
}

bool bCPlane::Intersects(bCLine const & a_Line, float & a_fT) const
{
    return bCUnitedRay(a_Line).Intersects(*this, a_fT);
}

bool bCPlane::Intersects(bCRay const & a_Ray, float & a_fT) const
{
    return bCUnitedRay(a_Ray).Intersects(*this, a_fT);
}

bool bCPlane::Intersects(bCStretch const & a_Stretch, float & a_fT) const
{
    return bCUnitedRay(a_Stretch).Intersects(*this, a_fT);
}

bool bCPlane::Intersects(bCBox const & a_Box) const
{
    return a_Box.Intersects(*this);
}

bool bCPlane::Intersects(bCTriangle const & a_Triangle) const
{
    return a_Triangle.Intersects(*this);
}

bool bCPlane::Cull(bCBox const & a_Box) const
{
    return a_Box.Intersects(*this);
}

bool bCPlane::Cull(bCTriangle const & a_Triangle) const
{
    return a_Triangle.Intersects(*this);
}

bCOStream & bCPlane::operator>>(bCOStream & a_Stream) const
{
    a_Stream.Write(&m_vecNormal, sizeof(m_vecNormal));
    a_Stream.Write(&m_fDistance, sizeof(m_fDistance));
    return a_Stream;
}

bCIStream & bCPlane::operator<<(bCIStream & a_Stream)
{
    a_Stream.Read(&m_vecNormal, sizeof(m_vecNormal));
    a_Stream.Read(&m_fDistance, sizeof(m_fDistance));
    return a_Stream;
}
