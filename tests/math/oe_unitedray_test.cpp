// Line-like primitives against planes, spheres, boxes and triangles: the
// edge cases of the united ray's tests per partner, and sweeps against GLM's
// ray-triangle and ray-sphere tests.

#include <vellmark/math/3d/oe_line.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_ray.h>
#include <vellmark/math/3d/oe_stretch.h>
#include <vellmark/math/3d/oe_unitedray.h>

#include <gtest/gtest.h>

#define GLM_ENABLE_EXPERIMENTAL
#include <glm/glm.hpp>
#include <glm/gtx/intersect.hpp>

#include <cmath>
#include <random>

namespace
{
    float const kUnwritten = 123.0f; // t before the test; a test that must not write t leaves it

    bCUnitedRay MakeRay(bERayExtension a_enuKind, bCVector const & a_vecOrigin, bCVector const & a_vecDirection)
    {
        return bCUnitedRay(a_enuKind, a_vecOrigin, a_vecDirection);
    }

    struct bSRayCase
    {
        char const * m_pcName;
        bCUnitedRay m_Ray;
        bool m_bHit;
        float m_fT; // expected t; kUnwritten when the test must leave it alone
    };

    void CheckCase(bSRayCase const & a_Case, bool a_bHit, float a_fT)
    {
        SCOPED_TRACE(a_Case.m_pcName);
        EXPECT_EQ(a_bHit, a_Case.m_bHit);
        EXPECT_NEAR(a_fT, a_Case.m_fT, 1.0e-5f);
    }
} // namespace

TEST(bCUnitedRay, ConvertsTheLineLikeKindsByTheirExtension)
{
    bCVector const vecA(1.0f, 2.0f, 3.0f), vecB(2.0f, 4.0f, 8.0f);
    EXPECT_EQ(bCUnitedRay(bCLine(vecA, vecB)), MakeRay(bERayExtension_Both, vecA, vecB));
    EXPECT_EQ(bCUnitedRay(bCRay(vecA, vecB)), MakeRay(bERayExtension_Forward, vecA, vecB));
    EXPECT_EQ(bCUnitedRay(bCStretch(vecA, vecB)), MakeRay(bERayExtension_None, vecA, bCVector(1.0f, 2.0f, 5.0f)));
    EXPECT_EQ(bCUnitedRay::bERayExtension_Forward | bCUnitedRay::bERayExtension_Backward, bERayExtension_Both);
}

TEST(bCUnitedRay, TriangleSidesExtensionsAndBarycentricBounds)
{
    // The normal (C - A) x (B - A) points to +z; a ray along +z meets the back side.
    bCTriangle const Triangle(bCVector(-1.0f, -1.0f, 0.0f), bCVector(-1.0f, 1.0f, 0.0f), bCVector(1.0f, -1.0f, 0.0f));
    bCVector const vecAlongZ(0.0f, 0.0f, 1.0f);
    bCVector const vecBelow(-0.5f, -0.5f, -5.0f);
    struct
    {
        bSRayCase m_Case;
        bCTriangle::bESides m_enuSides;
    } const arrCases[] = {
        {{"ray, back side, both sides", MakeRay(bERayExtension_Forward, vecBelow, vecAlongZ), true, 5.0f},
         bCTriangle::bESides_Both},
        {{"ray, back side, back only", MakeRay(bERayExtension_Forward, vecBelow, vecAlongZ), true, 5.0f},
         bCTriangle::bESides_Back},
        {{"ray, back side, front only", MakeRay(bERayExtension_Forward, vecBelow, vecAlongZ), false, kUnwritten},
         bCTriangle::bESides_Front},
        {{"ray from above, front side, front only",
          MakeRay(bERayExtension_Forward, bCVector(-0.5f, -0.5f, 2.0f), -vecAlongZ), true, 2.0f},
         bCTriangle::bESides_Front},
        {{"stretch ending short: t = 1.25 is written, no hit",
          MakeRay(bERayExtension_None, vecBelow, bCVector(0.0f, 0.0f, 4.0f)), false, 1.25f},
         bCTriangle::bESides_Both},
        {{"stretch reaching it", MakeRay(bERayExtension_None, vecBelow, bCVector(0.0f, 0.0f, 10.0f)), true, 0.5f},
         bCTriangle::bESides_Both},
        {{"ray pointing away: t = -5 is written, no hit",
          MakeRay(bERayExtension_Forward, vecBelow, -vecAlongZ), false, -5.0f},
         bCTriangle::bESides_Both},
        {{"line behind its origin", MakeRay(bERayExtension_Both, vecBelow, -vecAlongZ), true, -5.0f},
         bCTriangle::bESides_Both},
        {{"parallel to the plane", MakeRay(bERayExtension_Both, vecBelow, bCVector(1.0f, 0.0f, 0.0f)), false,
          kUnwritten},
         bCTriangle::bESides_Both},
        {{"u beyond 1", MakeRay(bERayExtension_Both, bCVector(-0.5f, 1.5f, -5.0f), vecAlongZ), false, kUnwritten},
         bCTriangle::bESides_Both},
        {{"u below 0", MakeRay(bERayExtension_Both, bCVector(-0.5f, -1.5f, -5.0f), vecAlongZ), false, kUnwritten},
         bCTriangle::bESides_Both},
        {{"v below 0", MakeRay(bERayExtension_Both, bCVector(-1.5f, -0.5f, -5.0f), vecAlongZ), false, kUnwritten},
         bCTriangle::bESides_Both},
        {{"u + v beyond 1", MakeRay(bERayExtension_Both, bCVector(0.5f, 0.5f, -5.0f), vecAlongZ), false, kUnwritten},
         bCTriangle::bESides_Both},
        {{"on the corner A", MakeRay(bERayExtension_Both, bCVector(-1.0f, -1.0f, -5.0f), vecAlongZ), true, 5.0f},
         bCTriangle::bESides_Both},
    };
    for (auto const & Entry : arrCases)
    {
        float fT = kUnwritten;
        bool const bHit = Entry.m_Case.m_Ray.Intersects(Triangle, fT, Entry.m_enuSides);
        CheckCase(Entry.m_Case, bHit, fT);
    }
}

TEST(bCUnitedRay, SphereEntryClampsAndTheUnscaledEntryStep)
{
    bCSphere const Sphere(1.0f, bCVector(0.0f, 0.0f, 0.0f));
    bCVector const vecFar(0.0f, 0.0f, -10.0f);
    bSRayCase const arrCases[] = {
        {"ray from outside: the entry", MakeRay(bERayExtension_Forward, vecFar, bCVector(0.0f, 0.0f, 1.0f)), true,
         9.0f},
        // The subtracted half chord is not divided by the direction's length 2.
        {"ray with direction length 2", MakeRay(bERayExtension_Forward, vecFar, bCVector(0.0f, 0.0f, 2.0f)), true,
         4.0f},
        {"stretch starting inside", MakeRay(bERayExtension_None, bCVector(0.0f, 0.5f, 0.0f), bCVector(0.0f, 0.0f, 5.0f)),
         true, 0.0f},
        {"stretch through the centre from inside",
         MakeRay(bERayExtension_None, bCVector(0.0f, 0.0f, -0.5f), bCVector(0.0f, 0.0f, 1.0f)), true, 0.0f},
        {"sphere behind a ray: t clamped to 0", MakeRay(bERayExtension_Forward, bCVector(0.0f, 0.0f, 5.0f),
                                                         bCVector(0.0f, 0.0f, 1.0f)),
         false, 0.0f},
        {"sphere behind a line", MakeRay(bERayExtension_Both, bCVector(0.0f, 0.0f, 5.0f), bCVector(0.0f, 0.0f, 1.0f)),
         true, -6.0f},
        {"stretch ending short: t clamped to 1",
         MakeRay(bERayExtension_None, vecFar, bCVector(0.0f, 0.0f, 5.0f)), false, 1.0f},
        {"passing beside", MakeRay(bERayExtension_Both, bCVector(0.0f, 1.5f, -10.0f), bCVector(0.0f, 0.0f, 1.0f)),
         false, 10.0f},
        {"grazing the surface", MakeRay(bERayExtension_Both, bCVector(0.0f, 1.0f, -10.0f), bCVector(0.0f, 0.0f, 1.0f)),
         true, 10.0f},
    };
    for (bSRayCase const & Case : arrCases)
    {
        float fT = kUnwritten;
        bool const bHit = Case.m_Ray.Intersects(Sphere, fT);
        CheckCase(Case, bHit, fT);
    }
}

TEST(bCUnitedRay, BoxSlabsInTheOrderZYX)
{
    bCBox const Box(bCVector(-1.0f, -1.0f, -1.0f), bCVector(1.0f, 1.0f, 1.0f));
    bCVector const vecAlongZ(0.0f, 0.0f, 1.0f);
    bSRayCase const arrCases[] = {
        {"ray from outside", MakeRay(bERayExtension_Forward, bCVector(0.0f, 0.0f, -5.0f), vecAlongZ), true, 4.0f},
        {"ray along -z", MakeRay(bERayExtension_Forward, bCVector(0.5f, 0.5f, 5.0f), -vecAlongZ), true, 4.0f},
        {"ray from inside", MakeRay(bERayExtension_Forward, bCVector(0.0f, 0.0f, 0.0f), vecAlongZ), true, 0.0f},
        {"line from inside: the entry behind", MakeRay(bERayExtension_Both, bCVector(0.0f, 0.0f, 0.0f), vecAlongZ),
         true, -1.0f},
        {"box behind a ray", MakeRay(bERayExtension_Forward, bCVector(0.0f, 0.0f, 5.0f), vecAlongZ), false, 0.0f},
        {"stretch ending short", MakeRay(bERayExtension_None, bCVector(0.0f, 0.0f, -5.0f), vecAlongZ * 3.0f), false,
         4.0f / 3.0f},
        {"parallel slab, origin strictly inside",
         MakeRay(bERayExtension_Forward, bCVector(0.999f, 0.0f, -5.0f), vecAlongZ), true, 4.0f},
        {"parallel slab, origin on the face", MakeRay(bERayExtension_Forward, bCVector(1.0f, 0.0f, -5.0f), vecAlongZ),
         false, 4.0f},
        {"parallel slab, origin outside", MakeRay(bERayExtension_Forward, bCVector(2.0f, 0.0f, -5.0f), vecAlongZ),
         false, 4.0f},
        {"diagonal past a corner", MakeRay(bERayExtension_Forward, bCVector(-5.0f, 0.0f, 0.0f),
                                           bCVector(1.0f, 0.0f, 1.0f)),
         false, 4.0f},
    };
    for (bSRayCase const & Case : arrCases)
    {
        float fT = kUnwritten;
        bool const bHit = Case.m_Ray.Intersects(Box, fT);
        CheckCase(Case, bHit, fT);
    }
    float fT = kUnwritten;
    EXPECT_FALSE(MakeRay(bERayExtension_Both, bCVector(0.0f, 0.0f, 0.0f), vecAlongZ).Intersects(bCBox(), fT));
    EXPECT_EQ(fT, kUnwritten) << "an invalid box is never hit";
}

TEST(bCUnitedRay, PlaneCrossingCountsWhereTheKindExtends)
{
    bCPlane const Plane(bCVector(0.0f, 1.0f, 0.0f), -1.0f); // y = 1
    bCVector const vecUp(0.0f, 1.0f, 0.0f);
    bSRayCase const arrCases[] = {
        {"stretch across", bCUnitedRay(bCStretch(bCVector(0.0f, 0.0f, 0.0f), bCVector(0.0f, 2.0f, 0.0f))), true, 0.5f},
        {"stretch above", bCUnitedRay(bCStretch(bCVector(0.0f, 2.0f, 0.0f), bCVector(0.0f, 3.0f, 0.0f))), false,
         -1.0f},
        {"line above", bCUnitedRay(bCLine(bCVector(0.0f, 2.0f, 0.0f), vecUp)), true, -1.0f},
        {"ray above", bCUnitedRay(bCRay(bCVector(0.0f, 2.0f, 0.0f), vecUp)), false, -1.0f},
        {"ray below, far", bCUnitedRay(bCRay(bCVector(0.0f, -9.0f, 0.0f), vecUp)), true, 10.0f},
        {"stretch below, short", bCUnitedRay(bCStretch(bCVector(0.0f, -9.0f, 0.0f), bCVector(0.0f, -8.0f, 0.0f))),
         false, 10.0f},
        {"line parallel", bCUnitedRay(bCLine(bCVector(0.0f, 2.0f, 0.0f), bCVector(1.0f, 0.0f, 0.0f))), false,
         kUnwritten},
        {"stretch parallel", bCUnitedRay(bCStretch(bCVector(0.0f, 2.0f, 0.0f), bCVector(1.0f, 2.0f, 0.0f))), false,
         kUnwritten},
    };
    for (bSRayCase const & Case : arrCases)
    {
        float fT = kUnwritten;
        bool const bHit = Case.m_Ray.Intersects(Plane, fT);
        CheckCase(Case, bHit, fT);
    }
}

TEST(bCUnitedRay, LineKindsForwardToTheSameTests)
{
    bCTriangle const Triangle(bCVector(-1.0f, -1.0f, 0.0f), bCVector(-1.0f, 1.0f, 0.0f), bCVector(1.0f, -1.0f, 0.0f));
    bCRay const Ray(bCVector(-0.5f, -0.5f, -5.0f), bCVector(0.0f, 0.0f, 1.0f));
    float fFromRay = 0.0f, fFromTriangle = 0.0f, fFromCorners = 0.0f;
    EXPECT_TRUE(Ray.Intersects(Triangle, fFromRay));
    EXPECT_TRUE(Triangle.Intersects(Ray, fFromTriangle));
    EXPECT_TRUE(Ray.Intersects(Triangle.GetVectors(), fFromCorners));
    EXPECT_FALSE(Triangle.Intersects(Ray, fFromTriangle, bCTriangle::bESides_Front));
    EXPECT_EQ(fFromRay, 5.0f);
    EXPECT_EQ(fFromTriangle, 5.0f);
    EXPECT_EQ(fFromCorners, 5.0f);
    EXPECT_EQ(Ray.GetIntersectionDistance(Triangle), 5.0f);
    EXPECT_EQ(Ray.GetIntersectionDistance(bCSphere(1.0f, bCVector(5.0f, 5.0f, 9.0f))), -1.0f);
}

// GLM's ray-triangle test accepts both sides and every t, as a line does.
TEST(bCUnitedRay, LineTriangleAgreesWithGlm)
{
    std::mt19937 Random(1313);
    std::uniform_real_distribution<float> Coordinate(-4.0f, 4.0f);
    auto const RandomVector = [&] { return bCVector(Coordinate(Random), Coordinate(Random), Coordinate(Random)); };
    auto const ToGlm = [](bCVector const & a_vec) { return glm::vec3(a_vec.GetX(), a_vec.GetY(), a_vec.GetZ()); };
    int iHits = 0, iCompared = 0;
    for (int i = 0; i < 20000; ++i)
    {
        bCVector const vecA = RandomVector(), vecB = RandomVector(), vecC = RandomVector();
        bCLine const Line(RandomVector(), RandomVector());
        glm::vec2 vecBary;
        float fGlmT = 0.0f, fT = 0.0f;
        bool const bGlm = glm::intersectRayTriangle(ToGlm(Line.GetOrigin()), ToGlm(Line.GetDirection()), ToGlm(vecA),
                                                    ToGlm(vecB), ToGlm(vecC), vecBary, fGlmT);
        // Skip rays that pass within rounding of an edge: the two tests may round apart there.
        if (bGlm && (vecBary.x < 1.0e-3f || vecBary.y < 1.0e-3f || vecBary.x + vecBary.y > 0.999f))
            continue;
        bool const bOurs = Line.Intersects(vecA, vecB, vecC, fT);
        if (!bGlm && bOurs)
        {
            // Near an edge from the outside: recheck with the corners moved inwards a little.
            bCVector const vecCenter = (vecA + vecB + vecC) / 3.0f;
            bCVector const arrShrunk[3] = {vecA + (vecCenter - vecA) * 1.0e-3f, vecB + (vecCenter - vecB) * 1.0e-3f,
                                           vecC + (vecCenter - vecC) * 1.0e-3f};
            if (Line.Intersects(arrShrunk))
                ADD_FAILURE() << "GLM misses, we hit well inside, case " << i;
            continue;
        }
        ++iCompared;
        ASSERT_EQ(bOurs, bGlm) << "case " << i;
        if (bOurs)
        {
            ++iHits;
            EXPECT_NEAR(fT, fGlmT, 1.0e-3f * (1.0f + std::fabs(fGlmT))) << "case " << i;
        }
    }
    EXPECT_GT(iHits, 1000);
    EXPECT_GT(iCompared, 19000);
}

// GLM's ray-sphere test wants a unit direction and answers the exit from inside:
// compare rays that start outside the sphere.
TEST(bCUnitedRay, RaySphereAgreesWithGlmFromOutside)
{
    std::mt19937 Random(4711);
    std::uniform_real_distribution<float> Coordinate(-6.0f, 6.0f);
    std::uniform_real_distribution<float> Radius(0.1f, 3.0f);
    int iHits = 0;
    for (int i = 0; i < 20000; ++i)
    {
        bCVector const vecCenter(Coordinate(Random), Coordinate(Random), Coordinate(Random));
        bCVector const vecOrigin(Coordinate(Random), Coordinate(Random), Coordinate(Random));
        bCVector vecDirection(Coordinate(Random), Coordinate(Random), Coordinate(Random));
        vecDirection.Normalize();
        float const fRadius = Radius(Random);
        if ((vecOrigin - vecCenter).GetMagnitude() < fRadius * 1.01f)
            continue;
        glm::vec3 const glmOrigin(vecOrigin.GetX(), vecOrigin.GetY(), vecOrigin.GetZ());
        glm::vec3 const glmDirection(vecDirection.GetX(), vecDirection.GetY(), vecDirection.GetZ());
        glm::vec3 const glmCenter(vecCenter.GetX(), vecCenter.GetY(), vecCenter.GetZ());
        float fGlmT = 0.0f, fT = 0.0f;
        bool const bGlm = glm::intersectRaySphere(glmOrigin, glmDirection, glmCenter, fRadius * fRadius, fGlmT);
        // Grazing rays may round either way.
        float const fMiss = glm::length(glm::cross(glmCenter - glmOrigin, glmDirection)) - fRadius;
        if (std::fabs(fMiss) < 1.0e-3f)
            continue;
        bool const bOurs = bCRay(vecOrigin, vecDirection).Intersects(bCSphere(fRadius, vecCenter), fT);
        ASSERT_EQ(bOurs, bGlm) << "case " << i;
        if (bOurs)
        {
            ++iHits;
            EXPECT_NEAR(fT, fGlmT, 1.0e-3f * (1.0f + fGlmT)) << "case " << i;
        }
    }
    EXPECT_GT(iHits, 300);
}

// Lines and rays move their origin as a point and turn their direction without
// the translation; stretches move both ends; the inverse forms undo them.
TEST(bCUnitedRay, TransformsOfTheLineLikeKinds)
{
    bCMatrix matTransform;
    matTransform.SetToRotationAxisZ(g_fPIDiv2); // x turns towards y
    matTransform.ModifyTranslation(bCVector(10.0f, 0.0f, 0.0f));
    bCVector const vecOrigin(1.0f, 0.0f, 0.0f), vecDirection(0.0f, 0.0f, 2.0f);
    auto const ExpectNear = [](bCVector const & a_vecActual, bCVector const & a_vecExpected) {
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(a_vecActual[i], a_vecExpected[i], 1.0e-5f) << "component " << i;
    };
    bCLine const Line = bCLine(vecOrigin, bCVector(1.0f, 0.0f, 0.0f)) * matTransform;
    ExpectNear(Line.GetOrigin(), bCVector(10.0f, 1.0f, 0.0f));
    ExpectNear(Line.GetDirection(), bCVector(0.0f, 1.0f, 0.0f));
    bCRay const Ray = bCRay(vecOrigin, vecDirection).GetTransformed(matTransform);
    ExpectNear(Ray.GetDirection(), vecDirection);
    bCStretch const Stretch = bCStretch(vecOrigin, vecOrigin + vecDirection) * matTransform;
    ExpectNear(Stretch.GetEnd(), bCVector(10.0f, 1.0f, 2.0f));
    bCUnitedRay const United = bCUnitedRay(Stretch) / matTransform;
    ExpectNear(United.GetOrigin(), vecOrigin);
    ExpectNear(United.GetDirection(), vecDirection);
    ExpectNear((Line / matTransform).GetOrigin(), vecOrigin);
    ExpectNear((Stretch / matTransform).GetEnd(), vecOrigin + vecDirection);
    EXPECT_EQ((Ray + bCVector(1.0f, 2.0f, 3.0f)).GetDirection(), Ray.GetDirection());
    EXPECT_EQ((Stretch + bCVector(1.0f, 2.0f, 3.0f)).GetDirection(), Stretch.GetDirection());
}
