#include "demo_steps.h"

#include <vellmark/vellmark.h>

#include <cstdio>

// A crate placed in the world with a matrix built from Euler angles, and a
// pick ray from the camera tested against the crate's bounds and one of its faces.

namespace
{
    void PrintVector(char const * a_pcLabel, bCVector const & a_vecValue)
    {
        std::printf("%s(%.3f, %.3f, %.3f)\n", a_pcLabel, a_vecValue.GetX(), a_vecValue.GetY(), a_vecValue.GetZ());
    }
} // namespace

void DemoMath()
{
    std::printf("\n-- maths: placing a crate and picking it\n");
    // Turned a quarter round about the up axis and standing 10 units in front of the camera.
    bCMatrix const matWorld(bCEulerAngles(g_fPIDiv2, 0.0f, 0.0f), bCVector(0.0f, 0.0f, 10.0f));
    bCBox const LocalBounds(bCVector(-1.0f, 0.0f, -2.0f), bCVector(1.0f, 1.0f, 2.0f));
    bCBox const WorldBounds = LocalBounds.GetTransformed(matWorld);
    PrintVector("crate bounds in the world, min ", WorldBounds.GetMin());
    PrintVector("crate bounds in the world, max ", WorldBounds.GetMax());

    // One of the two triangles of the crate's top face (y = 1), its front side up, in the world.
    bCTriangle const TopFace =
        bCTriangle(bCVector(-1.0f, 1.0f, -2.0f), bCVector(1.0f, 1.0f, -2.0f), bCVector(-1.0f, 1.0f, 2.0f))
            .GetTransformed(matWorld);
    PrintVector("top face normal ", TopFace.CalcNormal());

    // A pick ray from the camera, looking forward and a little down.
    bCVector vecDirection(-0.05f, -0.1f, 1.0f);
    vecDirection.Normalize();
    bCRay const PickRay(bCVector(0.0f, 2.0f, 0.0f), vecDirection);

    float fT = 0.0f;
    if (PickRay.Intersects(WorldBounds, fT))
    {
        std::printf("the pick ray enters the crate's bounds at distance %.3f\n", fT);
        PrintVector("  at ", PickRay.GetPoint(fT));
    }
    else
        std::printf("the pick ray misses the crate's bounds\n");
    if (PickRay.Intersects(TopFace, fT, bCTriangle::bESides_Front))
    {
        std::printf("the pick ray hits the top face from above at distance %.3f\n", fT);
        PrintVector("  at ", PickRay.GetPoint(fT));
    }
    else
        std::printf("the pick ray misses the front of the top face\n");
    // The same face seen from below: only its back side faces the ray.
    bCRay const FromBelow(bCVector(-0.5f, -5.0f, 10.0f), bCVector(0.0f, 1.0f, 0.0f));
    std::printf("a ray from below: front side %s, back side %s\n",
                FromBelow.Intersects(TopFace, fT, bCTriangle::bESides_Front) ? "hit" : "missed",
                FromBelow.Intersects(TopFace, fT, bCTriangle::bESides_Back) ? "hit" : "missed");
}
