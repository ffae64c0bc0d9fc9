#include <vellmark/math/3d/oe_line.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_unitedray.h>

namespace
{
    char const * const kObsolete = "The obsolete method %s was called! %s";

    float DistanceOrMiss(bool a_bHit, float a_fT)
    {
        return a_bHit ? a_fT : -1.0f;
    }
} // namespace

constinit thread_local float bCLine::m_fDummy = 0.0f;

bCLine::bCLine(bCVector const & a_vecOrigin, bCVector const & a_vecDirection) :
    m_vecOrigin(a_vecOrigin), m_vecDirection(a_vecDirection)
{
}

void bCLine::SetLine(bCLine const & a_Source)
{
    *this = a_Source;
}

void bCLine::SetLine(bCVector const & a_vecOrigin, bCVector const & a_vecDirection)
{
    m_vecOrigin = a_vecOrigin;
    m_vecDirection = a_vecDirection;
}

void bCLine::CopyFrom(bCLine const & a_Source)
{
    *this = a_Source;
}

void bCLine::CopyTo(bCLine & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}

void bCLine::Clear()
{
    SetLine(bCVector(0.0f, 0.0f, 0.0f), bCVector(0.0f, 0.0f, 0.0f));
}

void bCLine::Translate(bCVector const & a_vecOffset)
{
    m_vecOrigin += a_vecOffset;
}

void bCLine::InvTranslate(bCVector const & a_vecOffset)
{
    m_vecOrigin -= a_vecOffset;
}

void bCLine::Transform(bCMatrix const & a_matTransform)
{
    m_vecOrigin.Transform(a_matTransform);
    m_vecDirection.TransformDirection(a_matTransform);
}

void bCLine::InvTransform(bCMatrix const & a_matTransform)
{
    m_vecOrigin.InvTransform(a_matTransform);
    m_vecDirection.InvTransformDirection(a_matTransform);
}

void bCLine::Transform(bCMatrix3 const & a_matTransform)
{
    m_vecOrigin.Transform(a_matTransform);
    m_vecDirection.Transform(a_matTransform);
}

void bCLine::InvTransform(bCMatrix3 const & a_matTransform)
{
    m_vecOrigin.InvTransform(a_matTransform);
    m_vecDirection.InvTransform(a_matTransform);
}

bCLine bCLine::GetTranslated(bCVector const & a_vecOffset) const
{
    bCLine Result(*this);
    Result.Translate(a_vecOffset);
    return Result;
}

bCLine bCLine::GetInvTranslated(bCVector const & a_vecOffset) const
{
    bCLine Result(*this);
    Result.InvTranslate(a_vecOffset);
    return Result;
}

bCLine bCLine::GetTransformed(bCMatrix const & a_matTransform) const
{
    bCLine Result(*this);
    Result.Transform(a_matTransform);
    return Result;
}

bCLine bCLine::GetInvTransformed(bCMatrix const & a_matTransform) const
{
    bCLine Result(*this);
    Result.InvTransform(a_matTransform);
    return Result;
}

bCLine bCLine::GetTransformed(bCMatrix3 const & a_matTransform) const
{
    bCLine Result(*this);
    Result.Transform(a_matTransform);
    return Result;
}

bCLine bCLine::GetInvTransformed(bCMatrix3 const & a_matTransform) const
{
    bCLine Result(*this);
    Result.InvTransform(a_matTransform);
    return Result;
}

bool bCLine::operator==(bCLine const & a_Other) const
{
    return m_vecOrigin == a_Other.m_vecOrigin && m_vecDirection == a_Other.m_vecDirection;
}

bool bCLine::Intersects(bCPlane const & a_Plane, float & a_fT) const
{
    return bCUnitedRay(*this).Intersects(a_Plane, a_fT);
}

bool bCLine::Intersects(bCSphere const & a_Sphere, float & a_fT) const
{
    return bCUnitedRay(*this).Intersects(a_Sphere, a_fT);
}

bool bCLine::Intersects(bCBox const & a_Box, float & a_fT) const
{
    return bCUnitedRay(*this).Intersects(a_Box, a_fT);
}

bool bCLine::Intersects(bCTriangle const & a_Triangle, float & a_fT, bCTriangle::bESides a_enuSides) const
{
    return bCUnitedRay(*this).Intersects(a_Triangle, a_fT, a_enuSides);
}

bool bCLine::Intersects(bCVector const * a_pCorners, float & a_fT, bCTriangle::bESides a_enuSides) const
{
    return bCUnitedRay(*this).Intersects(a_pCorners, a_fT, a_enuSides);
}

bool bCLine::Intersects(bCVector const & a_vecA, bCVector const & a_vecB, bCVector const & a_vecC, float & a_fT,
                        bCTriangle::bESides a_enuSides) const
{
    return bCUnitedRay(*this).Intersects(a_vecA, a_vecB, a_vecC, a_fT, a_enuSides);
}

float bCLine::GetIntersectionDistance(bCTriangle const & a_Triangle) const
{
    OE_MESSAGEF_WARN(kObsolete, "bCLine::GetIntersectionDistance [Triangle]", "Use Intersects()");
    float fT = 0.0f;
    bool const bHit = Intersects(a_Triangle, fT); // t is read after the test
    return DistanceOrMiss(bHit, fT);
}

float bCLine::GetIntersectionDistance(bCSphere const & a_Sphere) const
{
    OE_MESSAGEF_WARN(kObsolete, "bCLine::GetIntersectionDistance [Sphere]", "Use Intersects()");
    float fT = 0.0f;
    bool const bHit = Intersects(a_Sphere, fT); // t is read after the test
    return DistanceOrMiss(bHit, fT);
}

float bCLine::GetIntersectionDistance(bCPlane const & a_Plane) const
{
    OE_MESSAGEF_WARN(kObsolete, "bCLine::GetIntersectionDistance [Plane]", "Use Intersects()");
    float fT = 0.0f;
    bool const bHit = Intersects(a_Plane, fT); // t is read after the test
    return DistanceOrMiss(bHit, fT);
}

float bCLine::GetIntersectionDistance(bCBox const & a_Box) const
{
    OE_MESSAGEF_WARN(kObsolete, "bCLine::GetIntersectionDistance [Box]", "Use Intersects()");
    float fT = 0.0f;
    bool const bHit = Intersects(a_Box, fT); // t is read after the test
    return DistanceOrMiss(bHit, fT);
}

bCOStream & bCLine::operator>>(bCOStream & a_Stream) const
{
    a_Stream.Write(&m_vecOrigin, sizeof(m_vecOrigin));
    a_Stream.Write(&m_vecDirection, sizeof(m_vecDirection));
    return a_Stream;
}

bCIStream & bCLine::operator<<(bCIStream & a_Stream)
{
    a_Stream.Read(&m_vecOrigin, sizeof(m_vecOrigin));
    a_Stream.Read(&m_vecDirection, sizeof(m_vecDirection));
    return a_Stream;
}
