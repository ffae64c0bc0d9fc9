#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/math/3d/oe_capsule.h>
#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_infcylinder.h>
#include <vellmark/math/3d/oe_infdoublecylinder.h>
#include <vellmark/math/3d/oe_line.h>
#include <vellmark/math/3d/oe_ray.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_stretch.h>

#include "support/oe_messagerecorder.h"

#include <gtest/gtest.h>

#include <cmath>

#include <functional>
#include <string>

TEST(bCInfCylinder, IgnoresHeightAndIsStrict)
{
    bCInfCylinder const Cylinder(1.0f, bCVector(0, 0, 0));
    EXPECT_TRUE(Cylinder.Contains(bCVector(0.5f, 100, 0.5f)));
    EXPECT_FALSE(Cylinder.Contains(bCVector(1, 0, 0)));
    EXPECT_TRUE(Cylinder.Cull(bCSphere(0.5f, bCVector(1.4f, -50, 0))));
    EXPECT_FALSE(Cylinder.Cull(bCSphere(0.5f, bCVector(1.5f, 0, 0))));
    EXPECT_TRUE(Cylinder.Contains(bCSphere(0.5f, bCVector(0.4f, 9, 0))));
    EXPECT_FALSE(Cylinder.Contains(bCSphere(0.5f, bCVector(0.5f, 9, 0))));
    float fT = -1.0f;
    EXPECT_TRUE(Cylinder.Intersects(bCStretch(bCVector(-3, 7, 0), bCVector(3, 7, 0)), fT));
    EXPECT_FLOAT_EQ(fT, 1.0f / 3.0f);
    EXPECT_FALSE(Cylinder.Intersects(bCStretch(bCVector(-3, 0, 2), bCVector(3, 0, 2))));

    bCInfCylinder Merged(1.0f, bCVector(0, 0, 0));
    Merged.Merge(bCInfCylinder(1.0f, bCVector(4, 0, 0)));
    EXPECT_EQ(Merged, bCInfCylinder(3.0f, bCVector(2, 0, 0)));
    bCInfCylinder Lens(2.0f, bCVector(0, 0, 0));
    Lens.Intersect(bCInfCylinder(2.0f, bCVector(2, 0, 0)));
    EXPECT_FLOAT_EQ(Lens.GetRadius(), std::sqrt(3.0f));
    EXPECT_EQ(Lens.GetPosition(), bCVector(1, 0, 0));
    bCInfCylinder Apart(1.0f, bCVector(0, 0, 0));
    Apart.Intersect(bCInfCylinder(1.0f, bCVector(5, 0, 0)));
    EXPECT_FALSE(Apart.IsValid());
    bCVector const arrPoints[2] = {bCVector(2, 5, 0), bCVector(3, -5, 1)};
    EXPECT_TRUE(Cylinder.Separates(arrPoints, 2, bCVector(1, 0, 0)));
    EXPECT_FALSE(Cylinder.Separates(arrPoints, 2, bCVector(0, 0, 1)));
    EXPECT_TRUE(Cylinder.Separates(arrPoints, 0, bCVector(0, 0, 1)));
}

TEST(bCInfDoubleCylinder, DiscsAndTaperedBand)
{
    // Radius 1 at x = 0 and radius 2 at x = 10: the band's half-width at x = 5 is 1.5.
    bCInfDoubleCylinder const Double(1.0f, bCVector(0, 0, 0), 2.0f, bCVector(10, 0, 0));
    struct bSCase
    {
        bCVector m_vecPoint;
        bool m_bShrink;
        bool m_bExpected;
    };
    bSCase const arrCases[] = {
        {bCVector(0.5f, 30, 0), false, true},  {bCVector(5, 0, 1.4f), false, true},
        {bCVector(5, 0, 1.6f), false, false},
        {bCVector(5, 0, 1.4f), true, false},   {bCVector(5, 0, 1.39f), true, true},
        {bCVector(-1.5f, 0, 0), false, false}, {bCVector(11.9f, 0, 0), false, true},
        {bCVector(11.9f, 0, 0), true, false},  {bCVector(0, 0, 1), false, false},
    };
    for (bSCase const & Case : arrCases)
    {
        SCOPED_TRACE(testing::Message() << Case.m_vecPoint[0] << " " << Case.m_vecPoint[2] << " shrink "
                                        << Case.m_bShrink);
        EXPECT_EQ(Double.Cull(Case.m_vecPoint, Case.m_bShrink), Case.m_bExpected);
    }
    // The shrunk band's half-width is k (radius A + t (radius B - radius A)),
    // rounded in that order: here it equals |h| exactly, one step more is out.
    bCInfDoubleCylinder const Tapered(1.0f, bCVector(0, 0, 0), 3.0f, bCVector(10, 0, 0));
    bSCase const arrEdges[] = {
        {bCVector(0.03f, 0, 0.935580075f), true, true},
        {bCVector(0.03f, 0, std::nextafter(0.935580075f, 2.0f)), true, false},
    };
    for (bSCase const & Case : arrEdges)
    {
        SCOPED_TRACE(testing::Message() << Case.m_vecPoint[2]);
        EXPECT_EQ(Tapered.Cull(Case.m_vecPoint, Case.m_bShrink), Case.m_bExpected);
    }
    // Positions that differ only in z use the z coordinate for t.
    bCInfDoubleCylinder const AlongZ(1.0f, bCVector(0, 0, 0), 1.0f, bCVector(0, 0, 10));
    EXPECT_TRUE(AlongZ.Contains(bCVector(0.9f, 0, 5)));
    EXPECT_FALSE(AlongZ.Contains(bCVector(1.1f, 0, 5)));
    bCVector const arrBeyond[2] = {bCVector(12.5f, 0, 0), bCVector(13, 9, 1)};
    EXPECT_TRUE(Double.Separates(arrBeyond, 2, bCVector(1, 0, 0)));
    EXPECT_FALSE(Double.Separates(arrBeyond, 2, bCVector(0, 0, 1)));
    EXPECT_FALSE(Double.Separates(arrBeyond, 2, bCVector(1, 1, 0)));
    bCInfDoubleCylinder Merged(Double);
    Merged.Merge(bCInfDoubleCylinder(1.0f, bCVector(4, 0, 0), 2.0f, bCVector(10, 0, 0)));
    EXPECT_EQ(Merged, bCInfDoubleCylinder(3.0f, bCVector(2, 0, 0), 2.0f, bCVector(10, 0, 0)));
    Merged.Intersect(bCInfDoubleCylinder(1.0f, bCVector(50, 0, 0), 2.0f, bCVector(10, 0, 0)));
    EXPECT_FALSE(Merged.IsValid()); // the A ends do not meet
    EXPECT_TRUE(Double.Cull(bCSphere(0.3f, bCVector(5, 0, 1.7f))));
    // A single cylinder meets the pair as the pair meets it, in both directions.
    struct bSPairCase
    {
        bCInfCylinder m_Cylinder;
        bool m_bExpected;
    };
    bSPairCase const arrPairs[] = {
        {bCInfCylinder(0.3f, bCVector(5, 7, 1.7f)), true},
        {bCInfCylinder(0.05f, bCVector(5, 0, 1.7f)), false},
        {bCInfCylinder(1.0f, bCVector(-1.5f, 0, 0)), true},
        {bCInfCylinder(0.4f, bCVector(-1.5f, 0, 0)), false},
    };
    for (bSPairCase const & Case : arrPairs)
    {
        SCOPED_TRACE(testing::Message() << Case.m_Cylinder.GetRadius() << " at " << Case.m_Cylinder.GetPosition()[0]);
        EXPECT_EQ(Case.m_Cylinder.Intersects(Double), Case.m_bExpected);
        EXPECT_EQ(Case.m_Cylinder.Cull(Double), Case.m_bExpected);
        EXPECT_EQ(Double.Intersects(Case.m_Cylinder), Case.m_bExpected);
    }
    EXPECT_FALSE(Double.Contains(bCSphere(0.3f, bCVector(5, 0, 1.3f))));
}

// The tests that are not available say so and answer false.
TEST(bCInfCylinder, UnavailableTestsWarn)
{
    bCInfCylinder const Cylinder(1.0f, bCVector(0.0f));
    bCInfDoubleCylinder const Double(1.0f, bCVector(0.0f), 1.0f, bCVector(1.0f));
    bCBox const Box(bCVector(-1.0f), bCVector(1.0f));
    bCRay const Ray(bCVector(0.0f), bCVector(1, 0, 0));
    struct bSCase
    {
        char const * m_pcTag;
        std::function<bool()> m_funcCall;
    };
    bSCase const arrCases[] = {
        {"bCInfCylinder::Intersects -> bCBox", [&] { return Cylinder.Intersects(Box); }},
        {"bCInfDoubleCylinder::Intersects -> bCRay", [&] { return Double.Intersects(Ray); }},
    };
    for (bSCase const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcTag);
        bCMessageRecorder Recorder;
        EXPECT_FALSE(Case.m_funcCall());
        EXPECT_EQ(Recorder.GetAll(), std::string("The method ") + Case.m_pcTag +
                                         " detected an improper usage! \nHint:Method not implemented !!! \n");
    }
}

TEST(bCCapsule, LifeCycleAndStream)
{
    bCCapsule Capsule;
    bCMatrix3 const matTurned(bCVector(0, 0, 1), bCVector(0, 1, 0), bCVector(-1, 0, 0));
    Capsule.SetCapsule(0.5f, 2.0f, matTurned, bCVector(1, 2, 3));
    EXPECT_EQ(Capsule.Create(), bEResult_Ok);
    EXPECT_EQ(Capsule.GetOrientation(), matTurned); // Create changes nothing
    Capsule.Destroy();
    EXPECT_EQ(Capsule.GetRadius(), 0.5f); // Destroy keeps the sizes, resets the placement
    EXPECT_EQ(Capsule.GetOrientation(), bCMatrix3::GetIdentity());
    EXPECT_EQ(Capsule.GetCenter(), bCVector(0, 0, 0));

    bCMemoryStream MatrixOnly;
    matTurned >> MatrixOnly;
    bCMemoryStream Stream;
    Capsule.SetCenter(bCVector(1, 2, 3));
    Capsule >> Stream;
    EXPECT_EQ(Stream.GetSize(), 8 + MatrixOnly.GetSize() + 12);
    Stream.Seek(0, bEStreamSeekMode_Begin);
    bCCapsule ReadBack(9.0f, 9.0f, bCMatrix3::GetIdentity(), bCVector(0.0f));
    ReadBack << Stream;
    EXPECT_EQ(ReadBack, Capsule);
}
