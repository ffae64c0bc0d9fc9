#include <vellmark/math/3d/oe_triangle.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_line.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_matrix3.h>
#include <vellmark/math/3d/oe_plane.h>
#include <vellmark/math/3d/oe_ray.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_stretch.h>
#include <vellmark/math/3d/oe_unitedray.h>

constinit thread_local float bCTriangle::m_fDummy = 0.0f;

bCTriangle::bCTriangle(bCVector const & a_vecA, bCVector const & a_vecB, bCVector const & a_vecC) :
    m_arrCorners{a_vecA, a_vecB, a_vecC}
{
}

bCTriangle::bCTriangle(bCVector const * a_pCorners) : m_arrCorners{a_pCorners[0], a_pCorners[1], a_pCorners[2]}
{
}

void bCTriangle::SetTriangle(bCTriangle const & a_Source)
{
    *this = a_Source;
}

void bCTriangle::SetTriangle(bCVector const & a_vecA, bCVector const & a_vecB, bCVector const & a_vecC)
{
    m_arrCorners[0] = a_vecA;
    m_arrCorners[1] = a_vecB;
    m_arrCorners[2] = a_vecC;
}

void bCTriangle::SetTriangle(bCVector const * a_pCorners)
{
    SetTriangle(a_pCorners[0], a_pCorners[1], a_pCorners[2]);
}

void bCTriangle::CopyFrom(bCTriangle const & a_Source)
{
    *this = a_Source;
}

void bCTriangle::CopyTo(bCTriangle & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}

void bCTriangle::Clear()
{
    bCVector const vecZero(0.0f, 0.0f, 0.0f);
    SetTriangle(vecZero, vecZero, vecZero);
}

bCVector bCTriangle::CalcNormal() const
{
    bCVector vecNormal = (GetC() - GetA()).GetCrossProduct(GetB() - GetA());
    vecNormal.NormalizeSafe();
    return vecNormal;
}

void bCTriangle::CalcNormal(bCVector & a_vecNormal) const
{
    a_vecNormal = CalcNormal();
}

bCVector bCTriangle::GetCenter() const
{
    bCVector const vecSum = GetA() + GetB() + GetC();
    return bCVector(vecSum.GetX() / 3.0f, vecSum.GetY() / 3.0f, vecSum.GetZ() / 3.0f);
}

bool bCTriangle::IsDegenerated() const
{
    return (GetC() - GetA()).GetCrossProduct(GetB() - GetA()).GetSquareMagnitude() < 1.0e-5f;
}

void bCTriangle::Translate(bCVector const & a_vecOffset)
{
    for (bCVector & vecCorner : m_arrCorners)
        vecCorner += a_vecOffset;
}

void bCTriangle::InvTranslate(bCVector const & a_vecOffset)
{
    for (bCVector & vecCorner : m_arrCorners)
        vecCorner -= a_vecOffset;
}

void bCTriangle::Transform(bCMatrix const & a_matTransform)
{
    for (bCVector & vecCorner : m_arrCorners)
        vecCorner.Transform(a_matTransform);
}

void bCTriangle::InvTransform(bCMatrix const & a_matTransform)
{
    Transform(a_matTransform.GetInverted()); // one inverse for the three corners
}

void bCTriangle::Transform(bCMatrix3 const & a_matTransform)
{
    for (bCVector & vecCorner : m_arrCorners)
        vecCorner.Transform(a_matTransform);
}

void bCTriangle::InvTransform(bCMatrix3 const & a_matTransform)
{
    for (bCVector & vecCorner : m_arrCorners)
        vecCorner.InvTransform(a_matTransform);
}

bCTriangle bCTriangle::GetTranslated(bCVector const & a_vecOffset) const
{
    bCTriangle Result(*this);
    Result.Translate(a_vecOffset);
    return Result;
}

bCTriangle bCTriangle::GetInvTranslated(bCVector const & a_vecOffset) const
{
    bCTriangle Result(*this);
    Result.InvTranslate(a_vecOffset);
    return Result;
}

bCTriangle bCTriangle::GetTransformed(bCMatrix const & a_matTransform) const
{
    bCTriangle Result(*this);
    Result.Transform(a_matTransform);
    return Result;
}

bCTriangle bCTriangle::GetInvTransformed(bCMatrix const & a_matTransform) const
{
    bCTriangle Result(*this);
    Result.InvTransform(a_matTransform);
    return Result;
}

bCTriangle bCTriangle::GetTransformed(bCMatrix3 const & a_matTransform) const
{
    bCTriangle Result(*this);
    Result.Transform(a_matTransform);
    return Result;
}

bCTriangle bCTriangle::GetInvTransformed(bCMatrix3 const & a_matTransform) const
{
    bCTriangle Result(*this);
    Result.InvTransform(a_matTransform);
    return Result;
}

bool bCTriangle::operator==(bCTriangle const & a_Other) const
{
    return GetA() == a_Other.GetA() && GetB() == a_Other.GetB() && GetC() == a_Other.GetC();
}

bool bCTriangle::Cull(bCBox const & a_Box) const
{
    return a_Box.Cull(m_arrCorners);
}

bool bCTriangle::Intersects(bCBox const & a_Box) const
{
    return a_Box.Cull(m_arrCorners);
}

bool bCTriangle::Cull(bCVector const * a_pCorners) const
{
    bCBox Bounds;
    Bounds.Merge(GetC());
    Bounds.Merge(GetB());
    Bounds.Merge(GetA());
    return Bounds.Cull(a_pCorners);
}

bool bCTriangle::Cull(bCTriangle const & a_Triangle) const
{
    return Cull(a_Triangle.m_arrCorners);
}

bool bCTriangle::Intersects(bCTriangle const & a_Triangle) const
{
    return Cull(a_Triangle.m_arrCorners);
}

bool bCTriangle::Intersects(bCVector const * a_pCorners) const
{
    return Cull(a_pCorners);
}

bool bCTriangle::Intersects(bCPlane const & a_Plane) const
{
    float const fA = a_Plane.ClassifyPoint(GetA());
    float const fB = a_Plane.ClassifyPoint(GetB());
    float const fC = a_Plane.ClassifyPoint(GetC());
    bool const bAllBelow = fA < 0.0f && fB < 0.0f && fC < 0.0f;
    bool const bAllAbove = fA >= 0.0f && fB >= 0.0f && fC >= 0.0f;
    return !bAllBelow && !bAllAbove;
}

bool bCTriangle::Cull(bCPlane const & a_Plane) const
{
    return Intersects(a_Plane);
}

bool bCTriangle::Cull(bCSphere const & a_Sphere) const
{
    return a_Sphere.Cull(m_arrCorners);
}

bool bCTriangle::Intersects(bCSphere const & a_Sphere) const
{
    return a_Sphere.Cull(m_arrCorners);
}

bool bCTriangle::Separates(bCVector const *, int, bCVector const &) const
{
    OE_MESSAGEF_WARN("The method  %s was called, but has not yet been implemented!", "bCTriangle::Separates");
    return false;
}

bool bCTriangle::Intersects(bCUnitedRay const & a_Ray, float & a_fT, bESides a_enuSides) const
{
    return a_Ray.Intersects(*this, a_fT, a_enuSides);
}

bool bCTriangle::Intersects(bCLine const & a_Line, float & a_fT, bESides a_enuSides) const
{
    return bCUnitedRay(a_Line).Intersects(*this, a_fT, a_enuSides);
}

bool bCTriangle::Intersects(bCRay const & a_Ray, float & a_fT, bESides a_enuSides) const
{
    return bCUnitedRay(a_Ray).Intersects(*this, a_fT, a_enuSides);
}

bool bCTriangle::Intersects(bCStretch const & a_Stretch, float & a_fT, bESides a_enuSides) const
{
    return bCUnitedRay(a_Stretch).Intersects(*this, a_fT, a_enuSides);
}

bCOStream & bCTriangle::operator>>(bCOStream & a_Stream) const
{
    a_Stream.Write(m_arrCorners, sizeof(m_arrCorners));
    return a_Stream;
}

bCIStream & bCTriangle::operator<<(bCIStream & a_Stream)
{
    a_Stream.Read(m_arrCorners, sizeof(m_arrCorners));
    return a_Stream;
}
