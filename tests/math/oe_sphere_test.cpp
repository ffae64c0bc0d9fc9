// Spheres: overlap, merging and the separating-axis rule behind the triangle cull.

#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_triangle.h>

#include <gtest/gtest.h>

#include <cmath>

TEST(bCSphere, TouchingSpheresDoNotIntersect)
{
    bCSphere const Unit(1.0f, bCVector(0, 0, 0));
    struct
    {
        char const * m_pcName;
        bCSphere m_Other;
        bool m_bIntersects;
    } const arrCases[] = {
        {"touching", bCSphere(1.0f, bCVector(2, 0, 0)), false},
        {"overlapping a little", bCSphere(1.0f, bCVector(1.999f, 0, 0)), true},
        {"inside", bCSphere(0.1f, bCVector(0, 0.2f, 0)), true},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        EXPECT_EQ(Unit.Intersects(Case.m_Other), Case.m_bIntersects);
        EXPECT_EQ(Case.m_Other.Intersects(Unit), Case.m_bIntersects);
    }
    EXPECT_TRUE(Unit.Contains(bCVector(0, 1, 0)));
    EXPECT_FALSE(Unit.Contains(bCVector(0, 1.001f, 0)));
}

TEST(bCSphere, MergeKeepsTheLargerOrSpansBoth)
{
    bCSphere const Unit(1.0f, bCVector(0, 0, 0));
    struct
    {
        char const * m_pcName;
        bCSphere m_First;
        bCSphere m_Second;
        bCSphere m_Expected;
    } const arrCases[] = {
        {"invalid takes the other", bCSphere(), Unit, Unit},
        {"smaller inside", Unit, bCSphere(0.5f, bCVector(0.25f, 0, 0)), Unit},
        {"larger around", bCSphere(0.5f, bCVector(0.25f, 0, 0)), Unit, Unit},
        {"touching from inside", Unit, bCSphere(0.5f, bCVector(0.5f, 0, 0)), Unit},
        {"equal spheres apart", Unit, bCSphere(1.0f, bCVector(4, 0, 0)), bCSphere(3.0f, bCVector(2, 0, 0))},
        // D = 4, dr = 1: k = (1/4 + 1) / 2 = 0.625, radius (4 + 1 + 2) / 2.
        {"unequal spheres apart", Unit, bCSphere(2.0f, bCVector(0, 4, 0)), bCSphere(3.5f, bCVector(0, 2.5f, 0))},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        bCSphere Merged = Case.m_First;
        Merged |= Case.m_Second;
        EXPECT_EQ(Merged, Case.m_Expected);
    }
    bCSphere Invalid;
    Invalid.Merge(bCSphere());
    EXPECT_FALSE(Invalid.IsValid());
}

TEST(bCSphere, SeparationMeansBeyondTheSurface)
{
    bCSphere const Sphere(2.0f, bCVector(1, 1, 1));
    bCVector const vecAxis(0.0f, 0.25f, 0.0f); // r |a| = 0.5, while r^2 (a . a) would be 0.25
    bCVector const arrOnSurface[2] = {bCVector(1, 3, 1), bCVector(9, 4, 0)};
    bCVector const arrOneInside[2] = {bCVector(1, 2.99f, 1), bCVector(9, 4, 0)};
    EXPECT_TRUE(Sphere.Separates(nullptr, 0, vecAxis));
    EXPECT_TRUE(Sphere.Separates(arrOnSurface, 2, vecAxis));
    EXPECT_FALSE(Sphere.Separates(arrOneInside, 2, vecAxis));
    EXPECT_FALSE(Sphere.Separates(arrOnSurface, 2, -vecAxis)) << "only the side the axis points to";
    EXPECT_FALSE(Sphere.Separates(arrOnSurface, 2, bCVector(0, 0, 0)));

    // The box's half extent along the axis counts: its bottom face at y = 3 touches the surface.
    bCBox const Touching(bCVector(0, 3, 0), bCVector(2, 5, 2));
    bCBox const Reaching(bCVector(0, 2.9f, 0), bCVector(2, 5, 2));
    EXPECT_TRUE(Sphere.Separates(Touching, vecAxis));
    EXPECT_FALSE(Sphere.Separates(Reaching, vecAxis));
    EXPECT_FALSE(Sphere.Separates(Touching, -vecAxis));
}

TEST(bCSphere, TriangleCullAlongTheAxisToTheCentroid)
{
    bCSphere const Sphere(0.5f, bCVector(0, 0, 0));
    struct
    {
        char const * m_pcName;
        bCTriangle m_Triangle;
        bool m_bCull;
    } const arrCases[] = {
        // The centroid lies 0.4 from the centre, inside the radius: the triangle cuts the sphere.
        {"cutting close to the centre",
         bCTriangle(bCVector(-1, 0.4f, -1), bCVector(2, 0.4f, -1), bCVector(-1, 0.4f, 2)), true},
        {"far above", bCTriangle(bCVector(-1, 3, -1), bCVector(2, 3, -1), bCVector(-1, 3, 2)), false},
        {"tilted, one corner reaching in", bCTriangle(bCVector(0, 0.3f, 0), bCVector(3, 3, 0), bCVector(0, 3, 3)),
         true},
        {"around the centre", bCTriangle(bCVector(-1, 0, -1), bCVector(2, 0, -1), bCVector(-1, 0, 2)), true},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        EXPECT_EQ(Sphere.Cull(Case.m_Triangle), Case.m_bCull);
        EXPECT_EQ(Sphere.Intersects(Case.m_Triangle), Case.m_bCull);
        EXPECT_EQ(Case.m_Triangle.Cull(Sphere), Case.m_bCull);
    }
}
