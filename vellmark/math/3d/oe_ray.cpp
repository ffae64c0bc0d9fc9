#include <vellmark/math/3d/oe_ray.h>

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_unitedray.h>

namespace
{
    float DistanceOrMiss(bool a_bHit, float a_fT)
    {
        return a_bHit ? a_fT : -1.0f;
    }
} // namespace

constinit thread_local float bCRay::m_fDummy = 0.0f;

bCRay::bCRay(bCVector const & a_vecOrigin, bCVector const & a_vecDirection) :
    m_vecOrigin(a_vecOrigin), m_vecDirection(a_vecDirection)
{
}

void bCRay::SetRay(bCRay const & a_Source)
{
    *this = a_Source;
}

void bCRay::SetRay(bCVector const & a_vecOrigin, bCVector const & a_vecDirection)
{
    m_vecOrigin = a_vecOrigin;
    m_vecDirection = a_vecDirection;
}

void bCRay::CopyFrom(bCRay const & a_Source)
{
    *this = a_Source;
}

void bCRay::CopyTo(bCRay & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}

void bCRay::Clear()
{
    SetRay(bCVector(0.0f, 0.0f, 0.0f), bCVector(0.0f, 0.0f, 0.0f));
}

void bCRay::Translate(bCVector const & a_vecOffset)
{
    m_vecOrigin += a_vecOffset;
}

void bCRay::InvTranslate(bCVector const & a_vecOffset)
{
    m_vecOrigin -= a_vecOffset;
}

void bCRay::Transform(bCMatrix const & a_matTransform)
{
    m_vecOrigin.Transform(a_matTransform);
    m_vecDirection.TransformDirection(a_matTransform);
}

void bCRay::InvTransform(bCMatrix const & a_matTransform)
{
    m_vecOrigin.InvTransform(a_matTransform);
    m_vecDirection.InvTransformDirection(a_matTransform);
}

void bCRay::Transform(bCMatrix3 const & a_matTransform)
{
    m_vecOrigin.Transform(a_matTransform);
    m_vecDirection.Transform(a_matTransform);
}

void bCRay::InvTransform(bCMatrix3 const & a_matTransform)
{
    m_vecOrigin.InvTransform(a_matTransform);
    m_vecDirection.InvTransform(a_matTransform);
}

bCRay bCRay::GetTranslated(bCVector const & a_vecOffset) const
{
    bCRay Result(*this);
    Result.Translate(a_vecOffset);
    return Result;
}

bCRay bCRay::GetInvTranslated(bCVector const & a_vecOffset) const
{
    bCRay Result(*this);
    Result.InvTranslate(a_vecOffset);
    return Result;
}

bCRay bCRay::GetTransformed(bCMatrix const & a_matTransform) const
{
    bCRay Result(*this);
    Result.Transform(a_matTransform);
    return Result;
}

bCRay bCRay::GetInvTransformed(bCMatrix const & a_matTransform) const
{
    bCRay Result(*this);
    Result.InvTransform(a_matTransform);
    return Result;
}

bCRay bCRay::GetTransformed(bCMatrix3 const & a_matTransform) const
{
    bCRay Result(*this);
    Result.Transform(a_matTransform);
    return Result;
}

bCRay bCRay::GetInvTransformed(bCMatrix3 const & a_matTransform) const
{
    bCRay Result(*this);
    Result.InvTransform(a_matTransform);
    return Result;
}

bool bCRay::operator==(bCRay const & a_Other) const
{
    return m_vecOrigin == a_Other.m_vecOrigin && m_vecDirection == a_Other.m_vecDirection;
}

bool bCRay::Intersects(bCPlane const & a_Plane, float & a_fT) const
{
    return bCUnitedRay(*this).Intersects(a_Plane, a_fT);
}

bool bCRay::Intersects(bCSphere const & a_Sphere, float & a_fT) const
{
    return bCUnitedRay(*this).Intersects(a_Sphere, a_fT);
}

bool bCRay::Intersects(bCBox const & a_Box, float & a_fT) const
{
    return bCUnitedRay(*this).Intersects(a_Box, a_fT);
}

bool bCRay::Intersects(bCTriangle const & a_Triangle, float & a_fT, bCTriangle::bESides a_enuSides) const
{
    return bCUnitedRay(*this).Intersects(a_Triangle, a_fT, a_enuSides);
}

bool bCRay::Intersects(bCVector const * a_pCorners, float & a_fT, bCTriangle::bESides a_enuSides) const
{
    return bCUnitedRay(*this).Intersects(a_pCorners, a_fT, a_enuSides);
}

bool bCRay::Intersects(bCVector const & a_vecA, bCVector const & a_vecB, bCVector const & a_vecC, float & a_fT,
                        bCTriangle::bESides a_enuSides) const
{
    return bCUnitedRay(*this).Intersects(a_vecA, a_vecB, a_vecC, a_fT, a_enuSides);
}

float bCRay::GetIntersectionDistance(bCTriangle const & a_Triangle) const
{
    float fT = 0.0f;
    bool const bHit = Intersects(a_Triangle, fT); // t is read after the test
    return DistanceOrMiss(bHit, fT);
}

float bCRay::GetIntersectionDistance(bCSphere const & a_Sphere) const
{
    float fT = 0.0f;
    bool const bHit = Intersects(a_Sphere, fT); // t is read after the test
    return DistanceOrMiss(bHit, fT);
}

float bCRay::GetIntersectionDistance(bCPlane const & a_Plane) const
{
    float fT = 0.0f;
    bool const bHit = Intersects(a_Plane, fT); // t is read after the test
    return DistanceOrMiss(bHit, fT);
}

float bCRay::GetIntersectionDistance(bCBox const & a_Box) const
{
    float fT = 0.0f;
    bool const bHit = Intersects(a_Box, fT); // t is read after the test
    return DistanceOrMiss(bHit, fT);
}

bCOStream & bCRay::operator>>(bCOStream & a_Stream) const
{
    a_Stream.Write(&m_vecOrigin, sizeof(m_vecOrigin));
    a_Stream.Write(&m_vecDirection, sizeof(m_vecDirection));
    return a_Stream;
}

bCIStream & bCRay::operator<<(bCIStream & a_Stream)
{
    a_Stream.Read(&m_vecOrigin, sizeof(m_vecOrigin));
    a_Stream.Read(&m_vecDirection, sizeof(m_vecDirection));
    return a_Stream;
}
