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
    bERayExtension const eLine = bERayExtension_Both, eRay = bERayExtension_Forward, eStretch = bERayExtension_None;

    struct bSRayCase
    {
        char const * m_pcName;
        bERayExtension m_enuKind;
        bCVector m_vecOrigin, m_vecDirection;
        bool m_bHit;
        float m_fT; // expected t; kUnwritten when the test must leave it alone
    };

    // Runs a_funcTest(ray, t) for each case.
    template <typename TEST_FUNC, size_t N> void CheckCases(bSRayCase const (&a_arrCases)[N], TEST_FUNC a_funcTest)
    {
        for (bSRayCase const & Case : a_arrCases)
        {
            SCOPED_TRACE(Case.m_pcName);
            float fT = kUnwritten;
            EXPECT_EQ(a_funcTest(bCUnitedRay(Case.m_enuKind, Case.m_vecOrigin, Case.m_vecDirection), fT), Case.m_bHit);
            EXPECT_NEAR(fT, Case.m_fT, 1.0e-5f);
        }
    }
} // namespace

TEST(bCUnitedRay, ConvertsTheLineLikeKindsByTheirExtension)
{
    bCVector const vecA(1.0f, 2.0f, 3.0f), vecB(2.0f, 4.0f, 8.0f);
    EXPECT_EQ(bCUnitedRay(bCLine(vecA, vecB)), bCUnitedRay(eLine, vecA, vecB));
    EXPECT_EQ(bCUnitedRay(bCRay(vecA, vecB)), bCUnitedRay(eRay, vecA, vecB));
    EXPECT_EQ(bCUnitedRay(bCStretch(vecA, vecB)), bCUnitedRay(eStretch, vecA, bCVector(1, 2, 5)));
    EXPECT_EQ(bCUnitedRay::bERayExtension_Forward | bCUnitedRay::bERayExtension_Backward, eLine);
}

TEST(bCUnitedRay, TriangleSidesExtensionsAndBarycentricBounds)
{
    // The normal (C - A) x (B - A) points to +z; a ray along +z meets the back side.
    bCTriangle const Triangle(bCVector(-1, -1, 0), bCVector(-1, 1, 0), bCVector(1, -1, 0));
    bCVector const vecZ(0.0f, 0.0f, 1.0f), vecBelow(-0.5f, -0.5f, -5.0f);
    bSRayCase const arrBothSides[] = {
        {"ray, back side", eRay, vecBelow, vecZ, true, 5.0f},
        {"stretch ending short: t = 1.25 is written, no hit", eStretch, vecBelow, vecZ * 4.0f, false, 1.25f},
        {"stretch reaching it", eStretch, vecBelow, vecZ * 10.0f, true, 0.5f},
        {"ray pointing away: t = -5 is written, no hit", eRay, vecBelow, -vecZ, false, -5.0f},
        {"line behind its origin", eLine, vecBelow, -vecZ, true, -5.0f},
        {"parallel to the plane", eLine, vecBelow, bCVector(1, 0, 0), false, kUnwritten},
        {"u below 0", eLine, bCVector(-0.5f, -1.5f, -5), vecZ, false, kUnwritten},
        {"on the corner A", eLine, bCVector(-1, -1, -5), vecZ, true, 5.0f},
    };
    CheckCases(arrBothSides, [&](bCUnitedRay const & a_Ray, float & a_fT) { return a_Ray.Intersects(Triangle, a_fT); });
    bSRayCase const arrBackOnly[] = {
        {"ray, back side", eRay, vecBelow, vecZ, true, 5.0f},
        {"from above, front side", eRay, bCVector(-0.5f, -0.5f, 2), -vecZ, false, kUnwritten}};
    CheckCases(arrBackOnly, [&](bCUnitedRay const & a_Ray, float & a_fT) {
        return a_Ray.Intersects(Triangle, a_fT, bCTriangle::bESides_Back);
    });
    bSRayCase const arrFrontOnly[] = {{"ray, back side", eRay, vecBelow, vecZ, false, kUnwritten},
                                      {"from above, front side", eRay, bCVector(-0.5f, -0.5f, 2), -vecZ, true, 2.0f}};
    CheckCases(arrFrontOnly, [&](bCUnitedRay const & a_Ray, float & a_fT) {
        return a_Ray.Intersects(Triangle, a_fT, bCTriangle::bESides_Front);
    });
}

TEST(bCUnitedRay, SphereEntryClampsAndTheUnscaledEntryStep)
{
    bCSphere const Sphere(1.0f, bCVector(0, 0, 0));
    bCVector const vecZ(0.0f, 0.0f, 1.0f), vecFar(0.0f, 0.0f, -10.0f), vecAhead(0.0f, 0.0f, 5.0f);
    bSRayCase const arrCases[] = {
        {"ray from outside: the entry", eRay, vecFar, vecZ, true, 9.0f},
        // The subtracted half chord is not divided by the direction's length 2.
        {"ray with direction length 2", eRay, vecFar, vecZ * 2.0f, true, 4.0f},
        {"stretch starting inside", eStretch, bCVector(0, 0.5f, 0), vecZ * 5.0f, true, 0.0f},
        {"sphere behind a ray: t clamped to 0", eRay, vecAhead, vecZ, false, 0.0f},
        {"sphere behind a line", eLine, vecAhead, vecZ, true, -6.0f},
        {"stretch ending short: t clamped to 1", eStretch, vecFar, vecZ * 5.0f, false, 1.0f},
        {"grazing the surface", eLine, bCVector(0, 1, -10), vecZ, true, 10.0f},
    };
    CheckCases(arrCases, [&](bCUnitedRay const & a_Ray, float & a_fT) { return a_Ray.Intersects(Sphere, a_fT); });
}

TEST(bCUnitedRay, BoxSlabsInTheOrderZYX)
{
    bCBox const Box(bCVector(-1, -1, -1), bCVector(1, 1, 1));
    bCVector const vecZ(0.0f, 0.0f, 1.0f), vecZero(0.0f, 0.0f, 0.0f);
    bSRayCase const arrCases[] = {
        {"ray from outside", eRay, bCVector(0, 0, -5), vecZ, true, 4.0f},
        {"ray from inside", eRay, vecZero, vecZ, true, 0.0f},
        {"line from inside: the entry behind", eLine, vecZero, vecZ, true, -1.0f},
        {"box behind a ray", eRay, bCVector(0, 0, 5), vecZ, false, 0.0f},
        {"stretch ending short", eStretch, bCVector(0, 0, -5), vecZ * 3.0f, false, 4.0f / 3.0f},
        {"parallel slab, origin strictly inside", eRay, bCVector(0.999f, 0, -5), vecZ, true, 4.0f},
        {"parallel slab, origin on the face", eRay, bCVector(1, 0, -5), vecZ, false, 4.0f},
        {"diagonal past a corner", eRay, bCVector(-5, 0, 0), bCVector(1, 0, 1), false, 4.0f},
    };
    CheckCases(arrCases, [&](bCUnitedRay const & a_Ray, float & a_fT) { return a_Ray.Intersects(Box, a_fT); });
    bSRayCase const arrInvalid[] = {{"an invalid box is never hit", eLine, vecZero, vecZ, false, kUnwritten}};
    CheckCases(arrInvalid, [&](bCUnitedRay const & a_Ray, float & a_fT) { return a_Ray.Intersects(bCBox(), a_fT); });
}

TEST(bCUnitedRay, PlaneCrossingCountsWhereTheKindExtends)
{
    bCPlane const Plane(bCVector(0, 1, 0), -1.0f); // y = 1
    bCVector const vecUp(0.0f, 1.0f, 0.0f), vecX(1.0f, 0.0f, 0.0f), vecAbove(0.0f, 2.0f, 0.0f);
    bSRayCase const arrCases[] = {
        {"stretch across", eStretch, bCVector(0, 0, 0), vecUp * 2.0f, true, 0.5f},
        {"stretch above", eStretch, vecAbove, vecUp, false, -1.0f},
        {"line above", eLine, vecAbove, vecUp, true, -1.0f},
        {"ray above", eRay, vecAbove, vecUp, false, -1.0f},
        {"ray below, far", eRay, bCVector(0, -9, 0), vecUp, true, 10.0f},
        {"stretch below, short", eStretch, bCVector(0, -9, 0), vecUp, false, 10.0f},
        {"line parallel", eLine, vecAbove, vecX, false, kUnwritten},
    };
    CheckCases(arrCases, [&](bCUnitedRay const & a_Ray, float & a_fT) { return a_Ray.Intersects(Plane, a_fT); });
}

TEST(bCUnitedRay, LineKindsForwardToTheSameTests)
{
    bCTriangle const Triangle(bCVector(-1, -1, 0), bCVector(-1, 1, 0), bCVector(1, -1, 0));
    bCRay const Ray(bCVector(-0.5f, -0.5f, -5), bCVector(0, 0, 1));
    float fFromRay = 0.0f, fFromTriangle = 0.0f, fFromCorners = 0.0f;
    EXPECT_TRUE(Ray.Intersects(Triangle, fFromRay));
    EXPECT_TRUE(Triangle.Intersects(Ray, fFromTriangle));
    EXPECT_TRUE(Ray.Intersects(Triangle.GetVectors(), fFromCorners));
    EXPECT_FALSE(Triangle.Intersects(Ray, fFromTriangle, bCTriangle::bESides_Front));
    EXPECT_EQ(fFromRay, 5.0f);
    EXPECT_EQ(fFromTriangle, 5.0f);
    EXPECT_EQ(fFromCorners, 5.0f);
    EXPECT_EQ(Ray.GetIntersectionDistance(Triangle), 5.0f);
    EXPECT_EQ(Ray.GetIntersectionDistance(bCSphere(1.0f, bCVector(5, 5, 9))), -1.0f);
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
    matTransform.ModifyTranslation(bCVector(10, 0, 0));
    bCVector const vecOrigin(1.0f, 0.0f, 0.0f), vecDirection(0.0f, 0.0f, 2.0f);
    auto const ExpectNear = [](bCVector const & a_vecActual, bCVector const & a_vecExpected) {
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(a_vecActual[i], a_vecExpected[i], 1.0e-5f) << "component " << i;
    };
    bCLine const Line = bCLine(vecOrigin, bCVector(1, 0, 0)) * matTransform;
    ExpectNear(Line.GetOrigin(), bCVector(10, 1, 0));
    ExpectNear(Line.GetDirection(), bCVector(0, 1, 0));
    bCRay const Ray = bCRay(vecOrigin, vecDirection).GetTransformed(matTransform);
    ExpectNear(Ray.GetDirection(), vecDirection);
    bCStretch const Stretch = bCStretch(vecOrigin, vecOrigin + vecDirection) * matTransform;
    ExpectNear(Stretch.GetEnd(), bCVector(10, 1, 2));
    bCUnitedRay const United = bCUnitedRay(Stretch) / matTransform;
    ExpectNear(United.GetOrigin(), vecOrigin);
    ExpectNear(United.GetDirection(), vecDirection);
    ExpectNear((Line / matTransform).GetOrigin(), vecOrigin);
    ExpectNear((Stretch / matTransform).GetEnd(), vecOrigin + vecDirection);
    EXPECT_EQ((Ray + bCVector(1, 2, 3)).GetDirection(), Ray.GetDirection());
    EXPECT_EQ((Stretch + bCVector(1, 2, 3)).GetDirection(), Stretch.GetDirection());
}
