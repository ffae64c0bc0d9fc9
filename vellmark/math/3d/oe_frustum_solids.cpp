#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_frustum.h>
#include <vellmark/math/3d/oe_plane.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_triangle.h>

// Solids against a frustum: each forwards to the frustum's own test with the
// arguments exchanged, so both directions give the same answer.

bool bCBox::Cull(bCFrustum const & a_Frustum) const
{
    return a_Frustum.Cull(*this);
}

bool bCBox::Intersects(bCFrustum const & a_Frustum) const
{
    return a_Frustum.Intersects(*this);
}

bool bCSphere::Cull(bCFrustum const & a_Frustum) const
{
    return a_Frustum.Cull(*this);
}

bool bCSphere::Intersects(bCFrustum const & a_Frustum) const
{
    return a_Frustum.Intersects(*this);
}

bool bCPlane::Cull(bCFrustum const & a_Frustum) const
{
    return a_Frustum.Cull(*this);
}

bool bCPlane::Intersects(bCFrustum const & a_Frustum) const
{
    return a_Frustum.Intersects(*this);
}

bool bCTriangle::Cull(bCFrustum const & a_Frustum) const
{
    return a_Frustum.Cull(*this);
}

bool bCTriangle::Intersects(bCFrustum const & a_Frustum) const
{
    return a_Frustum.Intersects(*this);
}
