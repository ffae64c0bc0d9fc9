#include <vellmark/math/3d/oe_frustum.h>
#include <vellmark/math/3d/oe_line.h>
#include <vellmark/math/3d/oe_ray.h>
#include <vellmark/math/3d/oe_stretch.h>
#include <vellmark/math/3d/oe_unitedray.h>

// Line-like primitives against a frustum: the parameter interval is clipped by
// each plane (top first), where the inside is normal . p + distance >= 0.

bool bCUnitedRay::Intersects(bCFrustum const & a_Frustum, float & a_fT) const
{
    float fLow = (m_enuExtension & bERayExtension_Backward) ? -3.4028235e38f : 0.0f;
    float fHigh = (m_enuExtension & bERayExtension_Forward) ? 3.4028235e38f : 1.0f;
    bool bRejected = false;
    for (int i = bCFrustum::bEPlane_Top; i >= bCFrustum::bEPlane_Near; --i)
    {
        bCPlane const & Plane = a_Frustum.GetClippingPlane(i);
        float const fApproach = Plane.ClassifyVector(m_vecDirection);
        float const fSide = Plane.ClassifyPoint(m_vecOrigin);
        if (fApproach == 0.0f)
        {
            // Parallel: the whole primitive is on one side of this plane.
            bRejected = bRejected || fSide < 0.0f;
            continue;
        }
        float const fCrossing = -fSide / fApproach;
        if (fApproach > 0.0f)
        {
            if (fCrossing > fLow)
                fLow = fCrossing;
        }
        else if (fCrossing < fHigh)
            fHigh = fCrossing;
    }
    a_fT = fLow;
    return !bRejected && fHigh > fLow;
}

bool bCLine::Intersects(bCFrustum const & a_Frustum, float & a_fT) const
{
    return bCUnitedRay(*this).Intersects(a_Frustum, a_fT);
}

bool bCRay::Intersects(bCFrustum const & a_Frustum, float & a_fT) const
{
    return bCUnitedRay(*this).Intersects(a_Frustum, a_fT);
}

bool bCStretch::Intersects(bCFrustum const & a_Frustum, float & a_fT) const
{
    return bCUnitedRay(*this).Intersects(a_Frustum, a_fT);
}
