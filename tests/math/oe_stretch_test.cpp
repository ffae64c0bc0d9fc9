// Stretches: squared distances to stretches and rays, and the obsolete
// distance queries of lines and stretches.

#include <vellmark/math/3d/oe_line.h>
#include <vellmark/math/3d/oe_plane.h>
#include <vellmark/math/3d/oe_ray.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_stretch.h>

#include <support/oe_messagerecorder.h>

#include <gtest/gtest.h>

#include <cmath>

TEST(bCStretch, SquareDistanceWithClosestParameters)
{
    bCStretch const Along(bCVector(0, 0, 0), bCVector(2, 0, 0));
    struct
    {
        char const * m_pcName;
        bCStretch m_Other;
        float m_fSquareDistance, m_fS, m_fT;
    } const arrCases[] = {
        {"crossing above", bCStretch(bCVector(1, -1, 1), bCVector(1, 1, 1)), 1.0f, 0.5f, 0.5f},
        // Parallel: s starts at 0.5, t is clamped from -1 to 0, s is found again as 1.
        {"parallel, beyond the end", bCStretch(bCVector(3, 1, 0), bCVector(5, 1, 0)), 2.0f, 1.0f, 0.0f},
        {"crossing beyond the end", bCStretch(bCVector(4, -1, 0), bCVector(4, 1, 0)), 4.0f, 1.0f, 0.5f},
        // t is clamped to 1 at the other's end, then s is found for that end.
        {"ending short", bCStretch(bCVector(1.5f, 3, 0), bCVector(1.5f, 2, 0)), 4.0f, 0.75f, 1.0f},
        {"touching", bCStretch(bCVector(1, 0, 0), bCVector(1, 0, 5)), 0.0f, 0.5f, 0.0f},
        // A point: t = 0 needs no clamp, so s keeps the middle.
        {"a point", bCStretch(bCVector(0.5f, 2, 0), bCVector(0.5f, 2, 0)), 4.25f, 0.5f, 0.0f},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        float fS = -1.0f, fT = -1.0f;
        EXPECT_FLOAT_EQ(Along.GetSquareDistance(Case.m_Other, fS, fT), Case.m_fSquareDistance);
        EXPECT_FLOAT_EQ(fS, Case.m_fS);
        EXPECT_FLOAT_EQ(fT, Case.m_fT);
        EXPECT_FLOAT_EQ(Along.GetSquareDistance(Case.m_Other), Case.m_fSquareDistance);
    }
    // A ray is not clamped at t = 1.
    float fS = -1.0f, fT = -1.0f;
    bCRay const Ray(bCVector(1.5f, 3, 0), bCVector(0, -1, 0));
    EXPECT_FLOAT_EQ(Along.GetSquareDistance(Ray, fS, fT), 0.0f);
    EXPECT_FLOAT_EQ(fS, 0.75f);
    EXPECT_FLOAT_EQ(fT, 3.0f);
    EXPECT_FLOAT_EQ(Along.GetSquareDistance(bCRay(bCVector(1, 1, 0), bCVector(0, 1, 0))), 1.0f);
}

TEST(bCStretch, ObsoleteDistanceQueriesWarnWithTheirTags)
{
    bCVector const vecA(-1.0f, -1.0f, 0.0f), vecB(-1.0f, 1.0f, 0.0f), vecC(1.0f, -1.0f, 0.0f);
    bCTriangle const Triangle(vecA, vecB, vecC);
    bCLine const Line(bCVector(-0.5f, -0.5f, -5), bCVector(0, 0, 1));
    bCStretch const Stretch(bCVector(-0.5f, -0.5f, -5), bCVector(-0.5f, -0.5f, 5));
    bCMessageRecorder Recorder;
    EXPECT_EQ(Line.GetIntersectionDistance(Triangle), 5.0f);
    EXPECT_EQ(Line.GetIntersectionDistance(bCSphere(1.0f, bCVector(0, 0, 0))), 5.0f - std::sqrt(0.5f));
    EXPECT_EQ(Line.GetIntersectionDistance(bCPlane(0.0f, 1.0f, 0.0f, 0.0f)), -1.0f) << "parallel";
    EXPECT_EQ(Line.GetIntersectionDistance(bCBox(bCVector(0, 0, 0), bCVector(1, 1, 1))), -1.0f);
    EXPECT_EQ(Stretch.GetIntersectionDistance(Triangle), 0.5f);
    EXPECT_EQ(Stretch.GetIntersectionDistance(vecA, vecC, vecB), 0.5f);
    EXPECT_EQ(Recorder.GetAll(),
              "The obsolete method bCLine::GetIntersectionDistance [Triangle] was called! Use Intersects()\n"
              "The obsolete method bCLine::GetIntersectionDistance [Sphere] was called! Use Intersects()\n"
              "The obsolete method bCLine::GetIntersectionDistance [Plane] was called! Use Intersects()\n"
              "The obsolete method bCLine::GetIntersectionDistance [Box] was called! Use Intersects()\n"
              "The obsolete method bCStretch::GetIntersectionDistance [Triangle] was called! Use Intersects()\n"
              "The obsolete method bCStretch::GetIntersectionDistance was called! Use Intersects()\n");
}
