// Planes and triangles: construction, classification, transforms and the
// triangle's own tests.

#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_plane.h>
#include <vellmark/math/3d/oe_quaternion.h>
#include <vellmark/math/3d/oe_eulerangles.h>
#include <vellmark/math/3d/oe_triangle.h>

#include <support/oe_messagerecorder.h>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

TEST(bCPlane, ConstructionAndClassification)
{
    bCPlane const FromPoint(bCVector(0, 1, 0), bCVector(0, 5, 0));
    EXPECT_EQ(FromPoint.GetDistance(), -5.0f);
    EXPECT_EQ(FromPoint.ClassifyPoint(bCVector(0, 7, 0)), 2.0f);
    EXPECT_EQ(FromPoint.ClassifyVector(bCVector(3, 7, 0)), 7.0f);

    // Perpendicular edges give a unit normal along (b - a) x (c - a).
    bCPlane const Square(bCVector(0, 2, 0), bCVector(0, 2, 3), bCVector(4, 2, 3));
    EXPECT_EQ(Square, bCPlane(0.0f, 1.0f, 0.0f, -2.0f));
    // Edges at 45 degrees: the normal keeps the length sin 45 and is not normalised again.
    bCPlane const Slanted(bCVector(0, 0, 0), bCVector(1, 0, 0), bCVector(2, 0, -1));
    EXPECT_NEAR(Slanted.GetNormal().GetY(), std::sqrt(0.5f), 1.0e-6f);
    EXPECT_NEAR(Slanted.GetNormal().GetMagnitude(), std::sqrt(0.5f), 1.0e-6f);
    bCPlane Normalized = Slanted;
    Normalized.Normalize();
    EXPECT_NEAR(Normalized.GetNormal().GetY(), 1.0f, 1.0e-6f);

    bCPlane Scaled(0.0f, 2.0f, 0.0f, -4.0f);
    Scaled.Normalize();
    EXPECT_EQ(Scaled, bCPlane(0.0f, 1.0f, 0.0f, -2.0f));
    EXPECT_EQ(-Scaled, bCPlane(0.0f, -1.0f, 0.0f, 2.0f));
}

TEST(bCPlane, TransformsKeepTheImagesOfItsPointsOnIt)
{
    std::mt19937 Random(99);
    std::uniform_real_distribution<float> Value(-2.0f, 2.0f);
    for (int i = 0; i < 500; ++i)
    {
        bCEulerAngles const angTurn(Value(Random), Value(Random), Value(Random));
        bCMatrix matTransform(angTurn, bCVector(Value(Random), Value(Random), Value(Random)));
        matTransform.Scale(bCVector(1.5f, 0.5f, 2)); // and a non-uniform scaling
        bCVector const arrPoints[3] = {bCVector(Value(Random), Value(Random), Value(Random)),
                                       bCVector(Value(Random), Value(Random), Value(Random)),
                                       bCVector(Value(Random), Value(Random), Value(Random))};
        bCPlane Plane(arrPoints[0], arrPoints[1], arrPoints[2]);
        if (Plane.GetNormal().GetMagnitude() < 0.1f)
            continue;
        Plane.Normalize();
        bCPlane const Moved = Plane.GetTransformed(matTransform);
        bCPlane const Back = Moved.GetInvTransformed(matTransform);
        for (bCVector const & vecPoint : arrPoints)
        {
            EXPECT_NEAR(Moved.ClassifyPoint(vecPoint.GetTransformed(matTransform)), 0.0f, 1.0e-3f) << "case " << i;
            EXPECT_NEAR(Back.ClassifyPoint(vecPoint), 0.0f, 1.0e-3f) << "case " << i;
        }
        // A point off the plane stays on the same side.
        bCVector const vecAbove = arrPoints[0] + Plane.GetNormal();
        EXPECT_GT(Moved.ClassifyPoint(vecAbove.GetTransformed(matTransform)), 0.0f) << "case " << i;
        // Rotation by a quaternion turns the normal like the matrix of that quaternion.
        bCQuaternion const quatTurn(angTurn);
        bCPlane const Turned = Plane.GetRotated(quatTurn);
        for (bCVector const & vecPoint : arrPoints)
            EXPECT_NEAR(Turned.ClassifyPoint(quatTurn.GetTransformedVector(vecPoint)), 0.0f, 1.0e-3f);
        EXPECT_NEAR(Turned.GetInvRotated(quatTurn).ClassifyPoint(arrPoints[0]), 0.0f, 1.0e-3f);
    }
    bCPlane const Floor(0.0f, 1.0f, 0.0f, 0.0f);
    EXPECT_EQ(Floor.GetTranslated(bCVector(5, 3, 0)), bCPlane(0.0f, 1.0f, 0.0f, -3.0f));
}

TEST(bCTriangle, NormalDegenerationAndPlaneSides)
{
    bCTriangle const Triangle(bCVector(-1, -1, 0), bCVector(-1, 1, 0), bCVector(1, -1, 0));
    EXPECT_EQ(Triangle.CalcNormal(), bCVector(0, 0, 1));
    EXPECT_FALSE(Triangle.IsDegenerated());
    EXPECT_TRUE(bCTriangle(bCVector(0, 0, 0), bCVector(1, 1, 1), bCVector(2, 2, 2)).IsDegenerated());
    // |cross|^2 = 4.0e-6 is below 1.0e-5; 1.6e-5 is not.
    EXPECT_TRUE(bCTriangle(bCVector(0, 0, 0), bCVector(0.002f, 0, 0), bCVector(0, 1, 0)).IsDegenerated());
    EXPECT_FALSE(bCTriangle(bCVector(0, 0, 0), bCVector(0.004f, 0, 0), bCVector(0, 1, 0)).IsDegenerated());
    EXPECT_EQ(Triangle.GetCenter(), bCVector(-1.0f / 3.0f, -1.0f / 3.0f, 0.0f));

    struct
    {
        char const * m_pcName;
        float m_fDistance; // the plane z = -distance
        bool m_bIntersects;
    } const arrCases[] = {
        {"through its plane: all corners 0 count as one side", 0.0f, false},
        {"above it", -1.0f, false},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        bCPlane const Plane(0.0f, 0.0f, 1.0f, Case.m_fDistance);
        EXPECT_EQ(Triangle.Intersects(Plane), Case.m_bIntersects);
        EXPECT_EQ(Plane.Intersects(Triangle), Case.m_bIntersects);
    }
    bCPlane const Across(1.0f, 0.0f, 0.0f, 0.0f); // x = 0 splits A, B from C
    EXPECT_TRUE(Triangle.Intersects(Across));
    EXPECT_TRUE(Triangle.Cull(Across));
    EXPECT_FALSE(Triangle.Intersects(bCPlane(1.0f, 0.0f, 0.0f, 1.0f))) << "A and B on it (0), C above";
    EXPECT_TRUE(Triangle.Intersects(bCPlane(-1.0f, 0.0f, 0.0f, -1.0f))) << "A and B on it (0), C below";
}

TEST(bCTriangle, TriangleAgainstTriangleThroughBounds)
{
    bCTriangle const Triangle(bCVector(0, 0, 0), bCVector(1, 0, 0), bCVector(0, 1, 0));
    bCTriangle const Above(bCVector(0, 0, 1), bCVector(1, 0, 1), bCVector(0, 1, 1.5f));
    bCTriangle const Piercing(bCVector(0.2f, 0.2f, -1), bCVector(0.3f, 0.2f, 1), bCVector(0.2f, 0.3f, 1));
    // Beyond the hypotenuse, but inside the bounding box: culled in.
    bCTriangle const Beyond(bCVector(0.9f, 0.9f, -1), bCVector(1, 0.9f, 1), bCVector(0.9f, 1, 1));
    EXPECT_FALSE(Triangle.Intersects(Above));
    EXPECT_TRUE(Triangle.Intersects(Piercing));
    EXPECT_TRUE(Triangle.Cull(Beyond));
    EXPECT_TRUE(Triangle.Intersects(Piercing.GetVectors()));
}

TEST(bCTriangle, SeparatesIsNotImplemented)
{
    bCTriangle const Triangle(bCVector(0, 0, 0), bCVector(1, 0, 0), bCVector(0, 1, 0));
    bCVector const arrFar[1] = {bCVector(0, 0, 9)};
    bCMessageRecorder Recorder;
    EXPECT_FALSE(Triangle.Separates(arrFar, 1, bCVector(0, 0, 1)));
    EXPECT_EQ(Recorder.GetAll(), "The method  bCTriangle::Separates was called, but has not yet been implemented!\n");
}
