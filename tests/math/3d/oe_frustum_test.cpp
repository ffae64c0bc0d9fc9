#include <vellmark/math/3d/oe_frustum.h>
#include <vellmark/math/3d/oe_line.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_ray.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_stretch.h>
#include <vellmark/math/3d/oe_triangle.h>
#include <vellmark/math/3d/oe_unitedray.h>
#include <vellmark/math/3d/oe_volume.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

namespace
{
    bCFrustum const g_Cube(bCBox(bCVector(-1, -1, -1), bCVector(1, 1, 1)));

    // A left-handed perspective projection for row vectors (clip z from 0 at
    // the near plane to w at the far plane) after a camera at (0, 0, -5).
    bCMatrix MakeViewProjection()
    {
        float const fNear = 1.0f, fFar = 50.0f, fScale = 1.0f; // 90 degrees
        float const fRange = fFar / (fFar - fNear);
        float const arrElements[16] = {
            fScale, 0, 0, 0, 0, fScale, 0, 0, 0, 0, fRange, 1, 0, 0, 5.0f * fRange - fNear * fRange, 5.0f};
        return bCMatrix(arrElements);
    }

    // The clip-space test, in doubles, with its margin to the nearest face.
    double ClipMargin(bCMatrix const & a_matViewProjection, bCVector const & a_vecPoint)
    {
        double arrClip[4];
        for (int c = 0; c < 4; ++c)
            arrClip[c] = double(a_vecPoint[0]) * a_matViewProjection.GetElement(0, c) +
                         double(a_vecPoint[1]) * a_matViewProjection.GetElement(1, c) +
                         double(a_vecPoint[2]) * a_matViewProjection.GetElement(2, c) +
                         a_matViewProjection.GetElement(3, c);
        double const w = arrClip[3];
        return std::min({arrClip[2], w - arrClip[2], w - arrClip[0], w + arrClip[0], w - arrClip[1], w + arrClip[1]});
    }
} // namespace

TEST(bCFrustum, BoxFrustumPointsSpheresAndCorners)
{
    EXPECT_TRUE(g_Cube.Contains(bCVector(0, 0, 0)));
    EXPECT_FALSE(g_Cube.Cull(bCVector(2, 0, 0)));
    EXPECT_EQ(g_Cube.GetDistance(bCVector(2, 0, 0)), 1.0f);
    EXPECT_EQ(g_Cube.GetDistance(bCVector(0.5f, 0, 0)), -0.5f);
    bCSphere const Sphere(1.5f, bCVector(2, 0, 0));
    EXPECT_TRUE(g_Cube.Cull(Sphere));
    EXPECT_FALSE(g_Cube.Cull(bCSphere(0.9f, bCVector(2, 0, 0))));
    EXPECT_TRUE(g_Cube.Contains(bCSphere(0.5f, bCVector(0, 0.5f, 0))));
    struct bSCase
    {
        int m_iIndex;
        bCVector m_vecExpected;
    };
    bSCase const arrCorners[] = {{1, bCVector(1, 1, 1)}, {2, bCVector(-1, 1, -1)}, {4, bCVector(1, -1, -1)}};
    for (bSCase const & Case : arrCorners)
        EXPECT_EQ(g_Cube.GetVertex(Case.m_iIndex), Case.m_vecExpected) << Case.m_iIndex;
    bCVector vecCenter(9.0f);
    bTVolume<bCFrustum>(g_Cube).GetCenter(vecCenter);
    EXPECT_EQ(vecCenter, bCVector(0, 0, 0));
}

TEST(bCFrustum, BoxesTrianglesAndFrusta)
{
    struct bSCase
    {
        char const * m_pcName;
        bCBox m_Box;
        bool m_bCull, m_bContains;
    };
    bSCase const arrBoxes[] = {
        {"inside", bCBox(bCVector(-0.5f), bCVector(0.5f)), true, true},
        {"touching the right plane", bCBox(bCVector(1, 0, 0), bCVector(2, 0.5f, 0.5f)), true, false},
        {"beyond the right plane", bCBox(bCVector(1.01f, 0, 0), bCVector(2, 0.5f, 0.5f)), false, false},
        {"around", bCBox(bCVector(-3.0f), bCVector(3.0f)), true, false},
        {"beyond the far plane", bCBox(bCVector(-1, -1, 1.5f), bCVector(1, 1, 2)), false, false},
    };
    for (bSCase const & Case : arrBoxes)
    {
        SCOPED_TRACE(Case.m_pcName);
        EXPECT_EQ(g_Cube.Cull(Case.m_Box), Case.m_bCull);
        EXPECT_EQ(g_Cube.Intersects(Case.m_Box), Case.m_bCull);
        EXPECT_EQ(Case.m_Box.Intersects(g_Cube), Case.m_bCull);
        EXPECT_EQ(Case.m_Box.Cull(g_Cube), Case.m_bCull);
        EXPECT_EQ(g_Cube.Contains(Case.m_Box), Case.m_bContains);
    }
    // Corners outside different planes: not culled by any one plane.
    bCVector const arrAcross[3] = {bCVector(-2, 0, 0), bCVector(2, 0, 0), bCVector(0, 2, 0)};
    bCVector const arrBeyond[3] = {bCVector(2, 0, 0), bCVector(3, 1, 0), bCVector(2, -1, 0.5f)};
    EXPECT_TRUE(g_Cube.Cull(arrAcross));
    EXPECT_FALSE(g_Cube.Contains(arrAcross));
    EXPECT_FALSE(g_Cube.Cull(arrBeyond));
    EXPECT_TRUE(g_Cube.Cull(bCPlane(bCVector(0, 1, 0), 0.0f)));
    EXPECT_FALSE(g_Cube.Cull(bCPlane(bCVector(0, 1, 0), -1.5f)));
    bCFrustum const Small(bCBox(bCVector(-0.5f), bCVector(0.5f)));
    bCFrustum const Far(bCBox(bCVector(5.0f), bCVector(6.0f)));
    EXPECT_TRUE(g_Cube.Contains(Small));
    EXPECT_FALSE(Small.Contains(g_Cube));
    EXPECT_TRUE(Small.Cull(g_Cube));
    EXPECT_FALSE(g_Cube.Cull(Far));
}

// Line-like primitives clip their parameter interval against the planes.
// Every solid answers the same against the frustum as the frustum against it.
TEST(bCFrustum, SolidsAgainstTheFrustumBothWays)
{
    // solid.Intersects, solid.Cull, frustum.Intersects, frustum.Cull
    auto Both = [](auto const & a_Solid) {
        return std::array<bool, 4>{a_Solid.Intersects(g_Cube), a_Solid.Cull(g_Cube), g_Cube.Intersects(a_Solid),
                                   g_Cube.Cull(a_Solid)};
    };
    struct bSRow
    {
        char const * m_pcName;
        bool m_bExpected;
        std::array<bool, 4> m_arrResults;
    };
    bSRow const arrCases[] = {
        {"sphere reaching in", true, Both(bCSphere(1.5f, bCVector(2, 0, 0)))},
        {"sphere outside", false, Both(bCSphere(0.9f, bCVector(2, 0, 0)))},
        {"triangle across", true, Both(bCTriangle(bCVector(-3, 0, 0), bCVector(3, 0, 0), bCVector(0, 3, 0)))},
        {"triangle beyond the top plane", false,
         Both(bCTriangle(bCVector(0, 2, 0), bCVector(1, 3, 0), bCVector(0, 3, 1)))},
        {"plane through the centre", true, Both(bCPlane(1.0f, 0.0f, 0.0f, 0.0f))},
        {"plane beside the frustum", false, Both(bCPlane(1.0f, 0.0f, 0.0f, -5.0f))},
    };
    for (bSRow const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        for (bool bResult : Case.m_arrResults)
            EXPECT_EQ(bResult, Case.m_bExpected);
    }
    bCFrustum const Far(bCBox(bCVector(5.0f), bCVector(6.0f)));
    EXPECT_FALSE(g_Cube.Intersects(Far));
    EXPECT_TRUE(g_Cube.Intersects(bCFrustum(bCBox(bCVector(0.5f), bCVector(2.0f)))));
}

TEST(bCFrustum, LineLikePrimitivesClipAgainstThePlanes)
{
    struct bSCase
    {
        char const * m_pcName;
        bCUnitedRay m_Ray;
        bool m_bHit;
        float m_fT;
    };
    bCVector const vecX(1.0f, 0.0f, 0.0f);
    bSCase const arrCases[] = {
        {"stretch through", bCUnitedRay(bCStretch(bCVector(-5, 0, 0), bCVector(5, 0, 0))), true, 0.4f},
        {"stretch ending inside", bCUnitedRay(bCStretch(bCVector(-3, 0, 0), bCVector(0, 0, 0))), true, 2.0f / 3.0f},
        {"ray from inside", bCUnitedRay(bCRay(bCVector(0, 0, 0), vecX)), true, 0.0f},
        {"ray pointing away", bCUnitedRay(bCRay(bCVector(2, 0, 0), vecX)), false, 0.0f},
        {"line behind its origin", bCUnitedRay(bCLine(bCVector(2, 0, 0), vecX)), true, -3.0f},
        {"parallel line outside", bCUnitedRay(bCLine(bCVector(0, 2, 0), vecX)), false, -1.0f},
        {"parallel line on the face", bCUnitedRay(bCLine(bCVector(0, 1, 0), vecX)), true, -1.0f},
        {"point inside", bCUnitedRay(bCStretch(bCVector(0.5f, 0, 0), bCVector(0.5f, 0, 0))), true, 0.0f},
    };
    for (bSCase const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        float fT = 99.0f;
        EXPECT_EQ(Case.m_Ray.Intersects(g_Cube, fT), Case.m_bHit);
        EXPECT_FLOAT_EQ(fT, Case.m_fT);
        EXPECT_EQ(g_Cube.Cull(Case.m_Ray), Case.m_bHit);
    }
    EXPECT_TRUE(g_Cube.Contains(bCStretch(bCVector(-1, 0, 0), bCVector(1, 0.5f, 0))));
    EXPECT_FALSE(g_Cube.Contains(bCUnitedRay(bCRay(bCVector(0, 0, 0), vecX))));
    EXPECT_TRUE(g_Cube.Contains(bCUnitedRay(bCRay(bCVector(0, 0, 0), bCVector(0, 0, 0)))));
}

// Planes from a view-projection matrix agree with the clip-space test.
TEST(bCFrustum, ViewProjectionPlanesMatchClipSpace)
{
    bCMatrix const matViewProjection = MakeViewProjection();
    bCFrustum Frustum;
    Frustum.SetFrustum(matViewProjection);
    bCFrustum Normalized = Frustum.GetNormalized();
    EXPECT_NEAR(Normalized.GetClippingPlane(bCFrustum::bEPlane_Left).GetNormal().GetMagnitude(), 1.0f, 1e-6f);
    std::mt19937 Random(7);
    std::uniform_real_distribution<float> Coordinate(-60.0f, 60.0f);
    int iInside = 0;
    for (int i = 0; i < 20000; ++i)
    {
        bCVector const vecPoint(Coordinate(Random), Coordinate(Random), Coordinate(Random));
        double const dMargin = ClipMargin(matViewProjection, vecPoint);
        if (std::fabs(dMargin) < 1e-3)
            continue;
        SCOPED_TRACE(testing::Message() << vecPoint[0] << " " << vecPoint[1] << " " << vecPoint[2]);
        ASSERT_EQ(Frustum.Cull(vecPoint), dMargin > 0.0);
        ASSERT_EQ(Normalized.Cull(vecPoint), dMargin > 0.0);
        iInside += dMargin > 0.0;
    }
    EXPECT_GT(iInside, 100);
    // The near corners lie at z = 1 in front of the camera: (+-1, +-1) for 90 degrees.
    EXPECT_NEAR(Frustum.GetVertex(0)[0], 1.0f, 1e-4f);
    EXPECT_NEAR(Frustum.GetVertex(0)[2], -4.0f, 1e-4f);
    EXPECT_NEAR(Frustum.GetVertex(7)[1], -50.0f, 1e-2f);
}

TEST(bCFrustum, TransformsMoveEveryPlane)
{
    bCVector const vecOffset(10.0f, 0.0f, 0.0f);
    bCFrustum const Moved = g_Cube + vecOffset;
    EXPECT_TRUE(Moved.Contains(bCVector(10, 0, 0)));
    EXPECT_FALSE(Moved.Contains(bCVector(0, 0, 0)));
    EXPECT_EQ(Moved - vecOffset, g_Cube);
    bCFrustum Turned = g_Cube;
    Turned.Negate();
    EXPECT_FALSE(Turned.Cull(bCVector(0, 0, 0)));
    EXPECT_EQ(-Turned, g_Cube);
}
