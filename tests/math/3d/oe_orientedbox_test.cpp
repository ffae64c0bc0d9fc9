#include <vellmark/math/3d/oe_orientedbox.h>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace
{
    // Rows: a rotation by the angle about y, the box's axes in world space.
    bCMatrix3 TurnedAboutY(float a_fAngle)
    {
        float const c = std::cos(a_fAngle), s = std::sin(a_fAngle);
        return bCMatrix3(bCVector(c, 0.0f, -s), bCVector(0, 1, 0), bCVector(s, 0.0f, c));
    }

    bCMatrix3 RandomRotation(std::mt19937 & a_Random)
    {
        std::uniform_real_distribution<float> Angle(-3.0f, 3.0f);
        float const a = Angle(a_Random), b = Angle(a_Random);
        bCMatrix3 const matY = TurnedAboutY(a);
        bCMatrix3 const matX(bCVector(1, 0, 0), bCVector(0, std::cos(b), std::sin(b)),
                             bCVector(0, -std::sin(b), std::cos(b)));
        return bCMatrix3(matY.GetRow(0).GetTransformed(matX), matY.GetRow(1).GetTransformed(matX),
                         matY.GetRow(2).GetTransformed(matX));
    }
} // namespace

TEST(bCOrientedBox, CreatesFromABoxInItsOwnFrame)
{
    bCOrientedBox const Box(bCBox(bCVector(1, 0, 0), bCVector(3, 2, 4)), TurnedAboutY(1.5707964f));
    EXPECT_EQ(Box.GetExtent(), bCVector(1, 1, 2));
    // Centre (2, 1, 2) as a row vector times the rows.
    EXPECT_NEAR(Box.GetCenter()[0], 2.0f, 1e-5f);
    EXPECT_NEAR(Box.GetCenter()[2], -2.0f, 1e-5f);
    EXPECT_TRUE(Box.Contains(Box.GetCenter() + Box.GetAxis(2) * 1.99f));
    EXPECT_FALSE(Box.Contains(Box.GetCenter() + Box.GetAxis(0) * 1.01f));
    float fLow = 0, fHigh = 0;
    Box.GetProjectedExtent(bCVector(1, 0, 0), fLow, fHigh); // the box's z axis now runs along x
    EXPECT_NEAR(fLow, 0.0f, 1e-5f);
    EXPECT_NEAR(fHigh, 4.0f, 1e-5f);
    EXPECT_NEAR(Box.GetCircumSphere().GetRadius(), std::sqrt(6.0f), 1e-5f);
    EXPECT_EQ(Box.GetInSphere().GetRadius(), 1.0f);
    EXPECT_FLOAT_EQ(Box.GetVolume(), 16.0f);
    bCBox const Around = Box.GetCircumAxisBox();
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(Around.Contains(Box.GetVertex(i))) << i;
}

// The fit finds the axes of a rotated box from its corners (distinct extents)
// and encloses every point; without points only the extent changes.
TEST(bCOrientedBox, FitsPrincipalAxesToPoints)
{
    std::mt19937 Random(99);
    for (int iRound = 0; iRound < 20; ++iRound)
    {
        SCOPED_TRACE(iRound);
        bCOrientedBox Original;
        Original.SetOrientedBox(bCVector(3, -2, 7), bCVector(1, 2, 4), RandomRotation(Random));
        bCVector arrCorners[8];
        Original.GetVertices(arrCorners);
        bCOrientedBox Fitted;
        Fitted.SetOuterBoxFromPoints(arrCorners, 8);
        EXPECT_NEAR(Fitted.GetVolume(), Original.GetVolume(), 1e-2f);
        for (bCVector const & vecCorner : arrCorners)
            EXPECT_TRUE(Fitted.GetScaled(1.0001f).Contains(vecCorner));
        // The middle spread becomes x, the largest y, the least z.
        EXPECT_NEAR(Fitted.GetExtent()[0], 2.0f, 1e-3f);
        EXPECT_NEAR(Fitted.GetExtent()[1], 4.0f, 1e-3f);
        EXPECT_NEAR(Fitted.GetExtent()[2], 1.0f, 1e-3f);
        bCOrientedBox Inner;
        Inner.SetInnerBoxFromPoints(arrCorners, 8);
        EXPECT_TRUE(Fitted.GetScaled(1.0001f).Contains(Inner));
    }
    bCOrientedBox Empty;
    Empty.SetOrientedBox(bCVector(1, 1, 1), bCVector(1, 1, 1), bCMatrix3::GetIdentity());
    Empty.SetOuterBoxFromPoints(nullptr, 0);
    EXPECT_EQ(Empty.GetExtent(), bCVector(-3.4028235e38f));
    EXPECT_EQ(Empty.GetCenter(), bCVector(1, 1, 1));
    EXPECT_FALSE(Empty.IsValid());
}

// The separating-axis test agrees with point sampling: a corner of one box in
// the other means overlap; boxes shrunk apart along a separating axis do not.
TEST(bCOrientedBox, SeparatingAxesAgreeWithSampling)
{
    std::mt19937 Random(5);
    std::uniform_real_distribution<float> Offset(-4.0f, 4.0f);
    std::uniform_real_distribution<float> Extent(0.2f, 2.0f);
    int iOverlapping = 0, iSeparate = 0;
    for (int iRound = 0; iRound < 2000; ++iRound)
    {
        bCOrientedBox A, B;
        A.SetOrientedBox(bCVector(0.0f), bCVector(Extent(Random), Extent(Random), Extent(Random)),
                         RandomRotation(Random));
        B.SetOrientedBox(bCVector(Offset(Random), Offset(Random), Offset(Random)),
                         bCVector(Extent(Random), Extent(Random), Extent(Random)), RandomRotation(Random));
        bool bSampledOverlap = false;
        for (int i = 0; i < 8 && !bSampledOverlap; ++i)
            bSampledOverlap = A.Contains(B.GetVertex(i)) || B.Contains(A.GetVertex(i));
        bool const bIntersects = A.Intersects(B);
        ASSERT_EQ(bIntersects, B.Intersects(A)) << iRound;
        if (bSampledOverlap)
        {
            ASSERT_TRUE(bIntersects) << iRound;
        }
        bool bSeparated = false;
        for (int k = 0; k < 3 && !bSeparated; ++k)
        {
            float fLowA, fHighA, fLowB, fHighB;
            A.GetProjectedExtent(A.GetAxis(k), fLowA, fHighA);
            B.GetProjectedExtent(A.GetAxis(k), fLowB, fHighB);
            bSeparated = fHighB < fLowA || fHighA < fLowB;
        }
        if (bSeparated)
        {
            ASSERT_FALSE(bIntersects) << iRound;
        }
        iOverlapping += bSampledOverlap;
        iSeparate += bSeparated;
    }
    EXPECT_GT(iOverlapping, 100);
    EXPECT_GT(iSeparate, 100);
    // Edge against edge: a cube turned about z reaches x = sqrt(2) with an edge
    // along z, one turned about y reaches back with an edge along y; only the
    // cross product of those edges (the x axis) separates them beyond 2 sqrt(2).
    float const fHalf = 0.70710677f;
    bCMatrix3 const matAboutZ(bCVector(fHalf, fHalf, 0), bCVector(-fHalf, fHalf, 0), bCVector(0, 0, 1));
    bCOrientedBox A, B;
    A.SetOrientedBox(bCVector(0.0f), bCVector(1.0f), matAboutZ);
    B.SetOrientedBox(bCVector(2.9f, 0, 0), bCVector(1.0f), TurnedAboutY(0.7853982f));
    EXPECT_FALSE(A.Intersects(B));
    B.SetCenter(bCVector(2.75f, 0, 0));
    EXPECT_TRUE(A.Intersects(B));
}

TEST(bCOrientedBox, PlanesSpheresAndMerging)
{
    bCOrientedBox Box(bCBox(bCVector(-1.0f), bCVector(1.0f)), TurnedAboutY(0.7853982f));
    struct bSCase
    {
        char const * m_pcName;
        bool m_bResult, m_bExpected;
    };
    bSCase const arrCases[] = {
        {"plane through the corner reach", Box.Intersects(bCPlane(bCVector(1, 0, 0), -1.4f)), true},
        {"plane beyond the corner", Box.Intersects(bCPlane(bCVector(1, 0, 0), -1.5f)), false},
        {"sphere at a face", Box.Intersects(bCSphere(0.5f, bCVector(0, 1.4f, 0))), true},
        {"sphere beyond a face", Box.Intersects(bCSphere(0.5f, bCVector(0, 1.6f, 0))), false},
        {"sphere inside", Box.Contains(bCSphere(0.5f, bCVector(0.0f))), true},
        {"axis box overlapping", Box.Intersects(bCBox(bCVector(1.3f, -1, -0.1f), bCVector(2, 1, 0.1f))), true},
        {"axis box apart", Box.Intersects(bCBox(bCVector(1.5f, -1, -0.1f), bCVector(2, 1, 0.1f))), false},
    };
    for (bSCase const & Case : arrCases)
        EXPECT_EQ(Case.m_bResult, Case.m_bExpected) << Case.m_pcName;
    bCPlane arrPlanes[6];
    Box.GetPlanes(arrPlanes);
    for (bCPlane const & Plane : arrPlanes)
        EXPECT_NEAR(Plane.ClassifyPoint(Box.GetCenter()), -1.0f, 1e-5f);
    bCStretch arrEdges[12];
    Box.GetEdges(arrEdges);
    for (bCStretch const & Edge : arrEdges)
        EXPECT_NEAR((Edge.GetEnd() - Edge.GetStart()).GetMagnitude(), 2.0f, 1e-5f);

    bCOrientedBox Merged;
    Merged |= Box;
    EXPECT_EQ(Merged, Box);
    Merged |= Box + bCVector(0, 5, 0);
    EXPECT_NEAR(Merged.GetExtent()[1], 3.5f, 1e-5f);
    EXPECT_NEAR(Merged.GetCenter()[1], 2.5f, 1e-5f);
}
