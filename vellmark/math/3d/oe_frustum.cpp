#include <vellmark/math/3d/oe_frustum.h>

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_line.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_matrix3.h>
#include <vellmark/math/3d/oe_ray.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_stretch.h>
#include <vellmark/math/3d/oe_triangle.h>
#include <vellmark/math/3d/oe_unitedray.h>

#include <cmath>

constinit thread_local float bCFrustum::m_fDummy = 0.0f;

bCFrustum::bCFrustum(bCBox const & a_Box)
{
    SetFrustum(a_Box);
}

void bCFrustum::SetFrustum(bCFrustum const & a_Source)
{
    *this = a_Source;
}

void bCFrustum::SetFrustum(bCBox const & a_Box)
{
    bCVector const & vecMin = a_Box.GetMin();
    bCVector const & vecMax = a_Box.GetMax();
    m_arrPlanes[bEPlane_Near].SetPlane(0.0f, 0.0f, 1.0f, -vecMin.GetZ());
    m_arrPlanes[bEPlane_Far].SetPlane(0.0f, 0.0f, -1.0f, vecMax.GetZ());
    m_arrPlanes[bEPlane_Left].SetPlane(1.0f, 0.0f, 0.0f, -vecMin.GetX());
    m_arrPlanes[bEPlane_Right].SetPlane(-1.0f, 0.0f, 0.0f, vecMax.GetX());
    m_arrPlanes[bEPlane_Bottom].SetPlane(0.0f, 1.0f, 0.0f, -vecMin.GetY());
    m_arrPlanes[bEPlane_Top].SetPlane(0.0f, -1.0f, 0.0f, vecMax.GetY());
}

// Column i of the matrix, dotted with (x, y, z, 1), is clip coordinate i of a
// point; each plane is a sum or difference of two columns.
void bCFrustum::SetFrustum(bCMatrix const & a_matViewProjection)
{
    auto Column = [&a_matViewProjection](int a_iColumn, int a_iRow) {
        return a_matViewProjection.GetElement(a_iRow, a_iColumn);
    };
    auto SetFromColumns = [&](int a_iPlane, int a_iFirst, float a_fSign, int a_iSecond) {
        float arrValues[4];
        for (int r = 0; r < 4; ++r)
            arrValues[r] = a_iFirst < 0 ? Column(a_iSecond, r) : Column(a_iFirst, r) + a_fSign * Column(a_iSecond, r);
        m_arrPlanes[a_iPlane].SetPlane(arrValues[0], arrValues[1], arrValues[2], arrValues[3]);
    };
    SetFromColumns(bEPlane_Near, -1, 0.0f, 2);
    SetFromColumns(bEPlane_Far, 3, -1.0f, 2);
    SetFromColumns(bEPlane_Left, 3, 1.0f, 0);
    SetFromColumns(bEPlane_Right, 3, -1.0f, 0);
    SetFromColumns(bEPlane_Bottom, 3, 1.0f, 1);
    SetFromColumns(bEPlane_Top, 3, -1.0f, 1);
}

void bCFrustum::Clear()
{
    for (bCPlane & Plane : m_arrPlanes)
        Plane.SetPlane(0.0f, 0.0f, 0.0f, 0.0f);
}

void bCFrustum::CopyFrom(bCFrustum const & a_Source)
{
    *this = a_Source;
}

void bCFrustum::CopyTo(bCFrustum & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}

bool bCFrustum::Cull(bCVector const & a_vecPoint) const
{
    for (int i = bEPlane_Top; i >= bEPlane_Near; --i)
        if (Classify(i, a_vecPoint) < 0.0f)
            return false;
    return true;
}

bool bCFrustum::AllOutsideOnePlane(bCVector const * a_pPoints, int a_iCount) const
{
    for (int i = bEPlane_Top; i >= bEPlane_Near; --i)
    {
        bool bAllOutside = true;
        for (int p = 0; p < a_iCount && bAllOutside; ++p)
            bAllOutside = Classify(i, a_pPoints[p]) < 0.0f;
        if (bAllOutside)
            return true;
    }
    return false;
}

bool bCFrustum::Cull(bCVector const * a_pCorners) const
{
    return !AllOutsideOnePlane(a_pCorners, 3);
}

bool bCFrustum::Cull(bCSphere const & a_Sphere) const
{
    for (int i = bEPlane_Top; i >= bEPlane_Near; --i)
        if (Classify(i, a_Sphere.GetPosition()) < -a_Sphere.GetRadius())
            return false;
    return true;
}

bool bCFrustum::Cull(bCBox const & a_Box) const
{
    float arrCenter[3], arrHalf[3];
    for (int k = 0; k < 3; ++k)
    {
        arrCenter[k] = (a_Box.GetMin()[k] + a_Box.GetMax()[k]) * 0.5f;
        arrHalf[k] = (a_Box.GetMax()[k] - a_Box.GetMin()[k]) * 0.5f;
    }
    for (int i = bEPlane_Top; i >= bEPlane_Near; --i)
    {
        bCVector const & vecNormal = m_arrPlanes[i].GetNormal();
        float const fCenter = vecNormal[0] * arrCenter[0] + vecNormal[1] * arrCenter[1] + vecNormal[2] * arrCenter[2] +
                              m_arrPlanes[i].GetDistance();
        float const fReach = std::fabs(vecNormal[0] * arrHalf[0]) + std::fabs(vecNormal[1] * arrHalf[1]) +
                             std::fabs(vecNormal[2] * arrHalf[2]);
        if (fCenter + fReach < 0.0f)
            return false;
    }
    return true;
}

bool bCFrustum::Cull(bCTriangle const & a_Triangle) const
{
    bCVector const arrCorners[3] = {a_Triangle.GetA(), a_Triangle.GetB(), a_Triangle.GetC()};
    return Cull(arrCorners);
}

bool bCFrustum::Cull(bCLine const & a_Line) const
{
    return bCUnitedRay(a_Line).Intersects(*this);
}

bool bCFrustum::Cull(bCRay const & a_Ray) const
{
    return bCUnitedRay(a_Ray).Intersects(*this);
}

bool bCFrustum::Cull(bCStretch const & a_Stretch) const
{
    return bCUnitedRay(a_Stretch).Intersects(*this);
}

bool bCFrustum::Cull(bCUnitedRay const & a_Ray) const
{
    return a_Ray.Intersects(*this);
}

bool bCFrustum::Cull(bCPlane const & a_Plane) const
{
    bool bBelow = false, bAbove = false;
    for (int i = 0; i < 8; ++i)
    {
        float const fSide = a_Plane.ClassifyPoint(GetVertex(i));
        bBelow = bBelow || fSide <= 0.0f;
        bAbove = bAbove || fSide >= 0.0f;
    }
    return bBelow && bAbove;
}

bool bCFrustum::Cull(bCFrustum const & a_Frustum) const
{
    bCVector arrMine[8], arrOther[8];
    for (int i = 0; i < 8; ++i)
    {
        arrMine[i] = GetVertex(i);
        arrOther[i] = a_Frustum.GetVertex(i);
    }
    return !AllOutsideOnePlane(arrOther, 8) && !a_Frustum.AllOutsideOnePlane(arrMine, 8);
}

bool bCFrustum::Contains(bCVector const * a_pCorners) const
{
    return Cull(a_pCorners[0]) && Cull(a_pCorners[1]) && Cull(a_pCorners[2]);
}

bool bCFrustum::Contains(bCSphere const & a_Sphere) const
{
    for (int i = bEPlane_Top; i >= bEPlane_Near; --i)
        if (Classify(i, a_Sphere.GetPosition()) < a_Sphere.GetRadius())
            return false;
    return true;
}

bool bCFrustum::Contains(bCBox const & a_Box) const
{
    for (int i = 0; i < 8; ++i)
        if (!Cull(a_Box.GetVertex(i)))
            return false;
    return true;
}

bool bCFrustum::Contains(bCStretch const & a_Stretch) const
{
    return Cull(a_Stretch.GetStart()) && Cull(a_Stretch.GetEnd());
}

bool bCFrustum::Contains(bCTriangle const & a_Triangle) const
{
    return Cull(a_Triangle.GetA()) && Cull(a_Triangle.GetB()) && Cull(a_Triangle.GetC());
}

bool bCFrustum::Contains(bCUnitedRay const & a_Ray) const
{
    if (!Cull(a_Ray.GetPoint(0.0f)) || !Cull(a_Ray.GetPoint(1.0f)))
        return false;
    bool const bForward = (a_Ray.GetExtensionFlags() & bERayExtension_Forward) != 0;
    bool const bBackward = (a_Ray.GetExtensionFlags() & bERayExtension_Backward) != 0;
    for (bCPlane const & Plane : m_arrPlanes)
    {
        float const fApproach = Plane.ClassifyVector(a_Ray.GetDirection());
        if ((bForward && fApproach < 0.0f) || (bBackward && fApproach > 0.0f))
            return false;
    }
    return true;
}

bool bCFrustum::Contains(bCFrustum const & a_Frustum) const
{
    for (int i = 0; i < 8; ++i)
        if (!Cull(a_Frustum.GetVertex(i)))
            return false;
    return true;
}

bool bCFrustum::Intersects(bCUnitedRay const & a_Ray, float & a_fT) const
{
    return a_Ray.Intersects(*this, a_fT);
}

bool bCFrustum::Intersects(bCLine const & a_Line, float & a_fT) const
{
    return bCUnitedRay(a_Line).Intersects(*this, a_fT);
}

bool bCFrustum::Intersects(bCRay const & a_Ray, float & a_fT) const
{
    return bCUnitedRay(a_Ray).Intersects(*this, a_fT);
}

bool bCFrustum::Intersects(bCStretch const & a_Stretch, float & a_fT) const
{
    return bCUnitedRay(a_Stretch).Intersects(*this, a_fT);
}

float bCFrustum::GetDistance(bCVector const & a_vecPoint) const
{
    float fDistance = -Classify(0, a_vecPoint);
    for (int i = 1; i < bEPlane_Count; ++i)
    {
        float const fPlane = -Classify(i, a_vecPoint);
        if (fPlane > fDistance)
            fDistance = fPlane;
    }
    return fDistance;
}

// With the three normals as the rows of N, the corner p solves N p = -d.
bCVector bCFrustum::GetVertex(int a_iIndex) const
{
    bCPlane const & Depth = m_arrPlanes[(a_iIndex & 1) ? bEPlane_Far : bEPlane_Near];
    bCPlane const & Side = m_arrPlanes[(a_iIndex & 2) ? bEPlane_Left : bEPlane_Right];
    bCPlane const & Height = m_arrPlanes[(a_iIndex & 4) ? bEPlane_Bottom : bEPlane_Top];
    bCMatrix3 const matNormals(Depth.GetNormal(), Side.GetNormal(), Height.GetNormal());
    bCVector const vecDistances(-Depth.GetDistance(), -Side.GetDistance(), -Height.GetDistance());
    return vecDistances.GetTransposedTransformed(matNormals.GetInverted());
}

void bCFrustum::Translate(bCVector const & a_vecOffset)
{
    for (bCPlane & Plane : m_arrPlanes)
        Plane.Translate(a_vecOffset);
}

void bCFrustum::InvTranslate(bCVector const & a_vecOffset)
{
    for (bCPlane & Plane : m_arrPlanes)
        Plane.InvTranslate(a_vecOffset);
}

void bCFrustum::Rotate(bCQuaternion const & a_quatRotation)
{
    for (bCPlane & Plane : m_arrPlanes)
        Plane.Rotate(a_quatRotation);
}

void bCFrustum::InvRotate(bCQuaternion const & a_quatRotation)
{
    for (bCPlane & Plane : m_arrPlanes)
        Plane.InvRotate(a_quatRotation);
}

void bCFrustum::Scale(float a_fScale)
{
    for (bCPlane & Plane : m_arrPlanes)
        Plane.Scale(a_fScale);
}

void bCFrustum::InvScale(float a_fScale)
{
    Scale(1.0f / a_fScale);
}

void bCFrustum::Transform(bCMatrix const & a_matTransform)
{
    for (bCPlane & Plane : m_arrPlanes)
        Plane.Transform(a_matTransform);
}

void bCFrustum::InvTransform(bCMatrix const & a_matTransform)
{
    for (bCPlane & Plane : m_arrPlanes)
        Plane.InvTransform(a_matTransform);
}

void bCFrustum::Transform(bCMatrix3 const & a_matTransform)
{
    for (bCPlane & Plane : m_arrPlanes)
        Plane.Transform(a_matTransform);
}

void bCFrustum::InvTransform(bCMatrix3 const & a_matTransform)
{
    for (bCPlane & Plane : m_arrPlanes)
        Plane.InvTransform(a_matTransform);
}

void bCFrustum::Invert()
{
    for (bCPlane & Plane : m_arrPlanes)
        Plane.Invert();
}

void bCFrustum::Negate()
{
    for (bCPlane & Plane : m_arrPlanes)
        Plane.Negate();
}

void bCFrustum::Normalize()
{
    for (bCPlane & Plane : m_arrPlanes)
        Plane.Normalize();
}

#define OE_FRUSTUM_GET_FORM(NAME, OPERATION, ARGUMENT)                                                                 \
    bCFrustum bCFrustum::NAME(ARGUMENT a_Argument) const                                                               \
    {                                                                                                                  \
        bCFrustum Result(*this);                                                                                       \
        Result.OPERATION(a_Argument);                                                                                  \
        return Result;                                                                                                 \
    }

OE_FRUSTUM_GET_FORM(GetTranslated, Translate, bCVector const &)
OE_FRUSTUM_GET_FORM(GetInvTranslated, InvTranslate, bCVector const &)
OE_FRUSTUM_GET_FORM(GetRotated, Rotate, bCQuaternion const &)
OE_FRUSTUM_GET_FORM(GetInvRotated, InvRotate, bCQuaternion const &)
OE_FRUSTUM_GET_FORM(GetScaled, Scale, float)
OE_FRUSTUM_GET_FORM(GetInvScaled, InvScale, float)
OE_FRUSTUM_GET_FORM(GetTransformed, Transform, bCMatrix const &)
OE_FRUSTUM_GET_FORM(GetInvTransformed, InvTransform, bCMatrix const &)
OE_FRUSTUM_GET_FORM(GetTransformed, Transform, bCMatrix3 const &)
OE_FRUSTUM_GET_FORM(GetInvTransformed, InvTransform, bCMatrix3 const &)

bCFrustum bCFrustum::GetInverted() const
{
    bCFrustum Result(*this);
    Result.Invert();
    return Result;
}

bCFrustum bCFrustum::GetNegated() const
{
    bCFrustum Result(*this);
    Result.Negate();
    return Result;
}

bCFrustum bCFrustum::GetNormalized() const
{
    bCFrustum Result(*this);
    Result.Normalize();
    return Result;
}

bCFrustum & bCFrustum::operator+=(bCVector const & a_vecOffset)
{
    Translate(a_vecOffset);
    return *this;
}

bCFrustum & bCFrustum::operator-=(bCVector const & a_vecOffset)
{
    InvTranslate(a_vecOffset);
    return *this;
}

bCFrustum & bCFrustum::operator*=(bCMatrix const & a_matTransform)
{
    Transform(a_matTransform);
    return *this;
}

bCFrustum & bCFrustum::operator/=(bCMatrix const & a_matTransform)
{
    InvTransform(a_matTransform);
    return *this;
}

bCFrustum & bCFrustum::operator*=(bCMatrix3 const & a_matTransform)
{
    Transform(a_matTransform);
    return *this;
}

bCFrustum & bCFrustum::operator/=(bCMatrix3 const & a_matTransform)
{
    InvTransform(a_matTransform);
    return *this;
}

bool bCFrustum::operator==(bCFrustum const & a_Other) const
{
    for (int i = 0; i < bEPlane_Count; ++i)
        if (m_arrPlanes[i] != a_Other.m_arrPlanes[i])
            return false;
    return true;
}

bCOStream & bCFrustum::operator>>(bCOStream & a_Stream) const
{
    for (bCPlane const & Plane : m_arrPlanes)
        Plane >> a_Stream;
    return a_Stream;
}

bCIStream & bCFrustum::operator<<(bCIStream & a_Stream)
{
    for (bCPlane & Plane : m_arrPlanes)
        Plane << a_Stream;
    return a_Stream;
}
