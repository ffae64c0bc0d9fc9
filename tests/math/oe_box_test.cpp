// Axis-aligned boxes: overlaps, merging, planes, separating axes, sweeps,
// transforms (against GLM's corners) and the obsolete distance queries.

#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_line.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_plane.h>
#include <vellmark/math/3d/oe_ray.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_stretch.h>
#include <vellmark/math/3d/oe_triangle.h>

#include <support/oe_messagerecorder.h>

#include <gtest/gtest.h>

#include <glm/glm.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <random>

namespace
{
    bCBox MakeBox(float a_fMinX, float a_fMinY, float a_fMinZ, float a_fMaxX, float a_fMaxY, float a_fMaxZ)
    {
        return bCBox(bCVector(a_fMinX, a_fMinY, a_fMinZ), bCVector(a_fMaxX, a_fMaxY, a_fMaxZ));
    }

    bCBox const g_UnitBox = MakeBox(0, 0, 0, 1, 1, 1);
} // namespace

TEST(bCBox, OverlapIsClosedExclusiveOverlapIsOpen)
{
    struct
    {
        char const * m_pcName;
        bCBox m_Other;
        bool m_bIntersects;
        bool m_bExclusive;
    } const arrCases[] = {
        {"touching on every axis", MakeBox(1, 1, 1, 2, 2, 2), true, false},
        {"touching on x only", MakeBox(1, 0.5f, 0.5f, 2, 2, 2), true, false},
        {"overlapping", MakeBox(0.5f, 0.5f, 0.5f, 2, 2, 2), true, true},
        {"apart on z", MakeBox(0, 0, 1.5f, 1, 1, 2), false, false},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        EXPECT_EQ(g_UnitBox.Intersects(Case.m_Other), Case.m_bIntersects);
        EXPECT_EQ(Case.m_Other.Intersects(g_UnitBox), Case.m_bIntersects);
        EXPECT_EQ(g_UnitBox.Cull(Case.m_Other), Case.m_bIntersects);
        EXPECT_EQ(g_UnitBox.IntersectsExclusive(Case.m_Other), Case.m_bExclusive);
        EXPECT_EQ(Case.m_Other.IntersectsExclusive(g_UnitBox), Case.m_bExclusive);
    }
    EXPECT_TRUE(g_UnitBox.Contains(bCVector(1, 0, 1)));
    EXPECT_FALSE(g_UnitBox.Contains(bCVector(1, 0, 1.0001f)));
    EXPECT_FALSE(g_UnitBox.Contains(bCVector(-0.0001f, 0.5f, 0.5f)));
}

TEST(bCBox, InvalidBoxGrowsByMerging)
{
    bCBox Box;
    EXPECT_FALSE(Box.IsValid());
    Box.Merge(bCVector(1, 2, 3));
    EXPECT_TRUE(Box.IsValid());
    EXPECT_EQ(Box, MakeBox(1, 2, 3, 1, 2, 3));
    Box |= bCVector(-1, 5, 3);
    EXPECT_EQ(Box, MakeBox(-1, 2, 3, 1, 5, 3));
    Box |= MakeBox(0, 0, 0, 0.5f, 0.5f, 4);
    EXPECT_EQ(Box, MakeBox(-1, 0, 0, 1, 5, 4));
    Box &= MakeBox(0, 1, -5, 9, 9, 1);
    EXPECT_EQ(Box, MakeBox(0, 1, 0, 1, 5, 1));

    // One invalid component is enough.
    bCBox Half = MakeBox(0.0f, 0.0f, 0.0f, 1.0f, 1.0f, -3.4028235e38f);
    EXPECT_FALSE(Half.IsValid());

    bCBox Flipped = MakeBox(1, 0, 5, 0, 1, 2);
    EXPECT_FALSE(Flipped.IsNormalized());
    Flipped.Normalize();
    EXPECT_EQ(Flipped, MakeBox(0, 0, 2, 1, 1, 5));
    EXPECT_TRUE(Flipped.IsNormalized());
}

TEST(bCBox, PlaneAndSphereTests)
{
    struct
    {
        char const * m_pcName;
        bCPlane m_Plane;
        bool m_bIntersects;
    } const arrPlanes[] = {
        {"through the middle", bCPlane(0.0f, 1.0f, 0.0f, -0.5f), true},
        {"touching the top face", bCPlane(0.0f, 1.0f, 0.0f, -1.0f), false},
        {"just inside the top face", bCPlane(0.0f, 1.0f, 0.0f, -0.999f), true},
        {"diagonal through a corner region", bCPlane(bCVector(1, 1, 1), bCVector(0.9f, 0.9f, 0.9f)), true},
        {"diagonal beyond the far corner", bCPlane(bCVector(1, 1, 1), bCVector(1.1f, 1.1f, 1.1f)), false},
    };
    for (auto const & Case : arrPlanes)
    {
        SCOPED_TRACE(Case.m_pcName);
        EXPECT_EQ(g_UnitBox.Intersects(Case.m_Plane), Case.m_bIntersects);
        EXPECT_EQ(Case.m_Plane.Intersects(g_UnitBox), Case.m_bIntersects);
    }
    struct
    {
        char const * m_pcName;
        bCSphere m_Sphere;
        bool m_bCull;
    } const arrSpheres[] = {
        {"touching the x face", bCSphere(1.0f, bCVector(2, 0.5f, 0.5f)), true},
        {"beyond the x face", bCSphere(0.99f, bCVector(2, 0.5f, 0.5f)), false},
        {"below the min", bCSphere(0.5f, bCVector(0.5f, -0.6f, 0.5f)), false},
        // Conservative: the sphere's bounding box reaches the corner, the sphere does not.
        {"near a corner", bCSphere(1.0f, bCVector(1.8f, 1.8f, 1.8f)), true},
    };
    for (auto const & Case : arrSpheres)
    {
        SCOPED_TRACE(Case.m_pcName);
        EXPECT_EQ(g_UnitBox.Cull(Case.m_Sphere), Case.m_bCull);
        EXPECT_EQ(Case.m_Sphere.Intersects(g_UnitBox), Case.m_bCull);
    }
}

TEST(bCBox, SeparatingAxesAndTriangles)
{
    bCVector const vecUp(0.0f, 1.0f, 0.0f);
    EXPECT_TRUE(g_UnitBox.Separates(nullptr, 0, vecUp)) << "no points are separated";
    struct
    {
        char const * m_pcName;
        bCTriangle m_Triangle;
        bool m_bCull;
        bool m_bContains;
    } const arrCases[] = {
        {"touching the top face", bCTriangle(bCVector(0, 1, 0), bCVector(1, 2.5f, 0), bCVector(0, 3, 1)), true, false},
        {"beside on x", bCTriangle(bCVector(1.5f, 0, 0), bCVector(2, 1, 0), bCVector(1.5f, 0, 1)), false, false},
        {"crossing", bCTriangle(bCVector(-1, 0.5f, 0.5f), bCVector(2, 0.5f, 0.5f), bCVector(0.5f, 0.5f, 3)), true,
         false},
        {"inside", bCTriangle(bCVector(0.1f, 0.1f, 0.1f), bCVector(0.9f, 0.1f, 0.1f), bCVector(0.5f, 1, 1)), true,
         true},
        // Exact only along the coordinate axes: beyond the box's edge diagonally, still culled in.
        {"beyond a box edge diagonally",
         bCTriangle(bCVector(2.1f, 0, 0.5f), bCVector(0, 2.1f, 0.5f), bCVector(2.1f, 2.1f, 0.5f)), true, false},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        EXPECT_EQ(g_UnitBox.Cull(Case.m_Triangle), Case.m_bCull);
        EXPECT_EQ(g_UnitBox.Intersects(Case.m_Triangle), Case.m_bCull);
        EXPECT_EQ(Case.m_Triangle.Intersects(g_UnitBox), Case.m_bCull);
        EXPECT_EQ(g_UnitBox.Contains(Case.m_Triangle), Case.m_bContains);
    }
    // A tilted axis: h = 0.5 (|1 * 1| + |1 * 1|) about the centre projection 1.
    bCVector const vecDiagonal(1.0f, 1.0f, 0.0f);
    bCVector const arrTouching[1] = {bCVector(2, 0, 0)};
    bCVector const arrBeyond[1] = {bCVector(2, 0.01f, 0)};
    EXPECT_FALSE(g_UnitBox.Separates(arrTouching, 1, vecDiagonal));
    EXPECT_TRUE(g_UnitBox.Separates(arrBeyond, 1, vecDiagonal));
}

TEST(bCBox, SweepsInAllFourForms)
{
    struct
    {
        char const * m_pcName;
        bCVector m_vecMotion;
        bCBox m_Other;
        bool m_bHit;
        float m_fT;
    } const arrCases[] = {
        {"meeting half way", bCVector(4, 0, 0), MakeBox(3, 0, 0, 4, 1, 1), true, 0.5f},
        {"overlapping at the start", bCVector(1, 0, 0), MakeBox(0.5f, 0, 0, 1.5f, 1, 1), true, 0.0f},
        {"apart on the still y axis", bCVector(4, 0, 0), MakeBox(3, 2, 0, 4, 3, 1), false, 2.0f},
        {"touching at the end", bCVector(2, 0, 0), MakeBox(3, 0, 0, 4, 1, 1), true, 1.0f},
        {"moving away", bCVector(-4, 0, 0), MakeBox(3, 0, 0, 4, 1, 1), false, 2.0f},
        {"diagonal, late on y", bCVector(4, 4, 0), MakeBox(2, 3, 0, 3, 4, 1), true, 0.5f},
        {"diagonal, through a gap", bCVector(4, 1, 0), MakeBox(2, 3, 0, 3, 4, 1), false, 2.0f},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        float fT = -7.0f;
        EXPECT_EQ(g_UnitBox.IntersectsSweep(Case.m_vecMotion, Case.m_Other, fT), Case.m_bHit);
        EXPECT_FLOAT_EQ(fT, Case.m_fT);
        // The other forms reduce to the relative motion.
        bCVector const vecOtherMotion(0.0f, 0.0f, 2.0f);
        fT = -7.0f;
        EXPECT_EQ(g_UnitBox.IntersectsSweep(Case.m_vecMotion + vecOtherMotion, Case.m_Other, vecOtherMotion, fT),
                  Case.m_bHit);
        EXPECT_FLOAT_EQ(fT, Case.m_fT);
        fT = -7.0f;
        EXPECT_EQ(g_UnitBox.IntersectsSweep(g_UnitBox + Case.m_vecMotion, Case.m_Other, fT), Case.m_bHit);
        EXPECT_FLOAT_EQ(fT, Case.m_fT);
        fT = -7.0f;
        EXPECT_EQ(g_UnitBox.IntersectsSweep(g_UnitBox + Case.m_vecMotion + vecOtherMotion, Case.m_Other,
                                            Case.m_Other + vecOtherMotion, fT),
                  Case.m_bHit);
        EXPECT_FLOAT_EQ(fT, Case.m_fT);
    }
}

TEST(bCBox, AffineTransformBoundsTheTransformedCorners)
{
    // Against the bounds of the eight corners moved by GLM (column vectors: our rows are its columns).
    std::mt19937 Random(1717);
    std::uniform_real_distribution<float> Value(-3.0f, 3.0f);
    for (int i = 0; i < 2000; ++i)
    {
        float arrElements[16];
        for (float & fElement : arrElements)
            fElement = Value(Random);
        arrElements[3] = arrElements[7] = arrElements[11] = 0.0f;
        arrElements[15] = 1.0f;
        bCMatrix const matTransform(arrElements);
        glm::mat4 const glmTransform = glm::make_mat4(arrElements);
        bCBox const Box = MakeBox(Value(Random), Value(Random), Value(Random), 3.5f, 3.5f, 3.5f);
        glm::vec3 glmMin(3.4e38f), glmMax(-3.4e38f);
        for (int iCorner = 0; iCorner < 8; ++iCorner)
        {
            bCVector const vecCorner = Box.GetVertex(iCorner);
            glm::vec4 const glmCorner =
                glmTransform * glm::vec4(vecCorner.GetX(), vecCorner.GetY(), vecCorner.GetZ(), 1.0f);
            glmMin = glm::min(glmMin, glm::vec3(glmCorner));
            glmMax = glm::max(glmMax, glm::vec3(glmCorner));
        }
        bCBox const Moved = Box.GetTransformed(matTransform);
        for (int a = 0; a < 3; ++a)
        {
            EXPECT_NEAR(Moved.GetMin()[a], glmMin[a], 1.0e-4f * (1.0f + std::fabs(glmMin[a]))) << "case " << i;
            EXPECT_NEAR(Moved.GetMax()[a], glmMax[a], 1.0e-4f * (1.0f + std::fabs(glmMax[a]))) << "case " << i;
        }
    }
}

TEST(bCBox, ProjectiveTransformMergesTheDividedCorners)
{
    bCMatrix matProject;
    matProject.SetIdentity();
    matProject.SetElement(2, 3, 1.0f); // w = z + 1
    bCBox const Box = MakeBox(-1, -1, 1, 1, 1, 3);
    bCBox const Projected = Box.GetTransformed(matProject);
    // The near face (z = 1, w = 2) is the larger one; z / w runs from 0.5 to 0.75.
    EXPECT_EQ(Projected, MakeBox(-0.5f, -0.5f, 0.5f, 0.5f, 0.5f, 0.75f));
}

TEST(bCBox, ObsoleteDistanceQueriesWarnAndReturnMinusOneOnAMiss)
{
    bCBox const Box = MakeBox(-1, -1, -1, 1, 1, 1);
    bCVector const vecFar(0.0f, 0.0f, -5.0f), vecAlongZ(0.0f, 0.0f, 1.0f);
    bCMessageRecorder Recorder;
    EXPECT_EQ(Box.GetIntersectionDistance(bCLine(vecFar, vecAlongZ)), 4.0f);
    EXPECT_EQ(Box.GetIntersectionDistance(bCStretch(vecFar, vecFar + vecAlongZ)), -1.0f);
    EXPECT_EQ(Recorder.GetAll(),
              "The obsolete method bCBox::GetIntersectionDistance [Line] was called! Use Intersects()\n"
              "The obsolete method bCBox::GetIntersectionDistance [Stretch] was called! Use Intersects()\n");
}
