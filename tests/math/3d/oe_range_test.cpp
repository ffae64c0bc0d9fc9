#include <vellmark/math/3d/oe_range.h>
#include <vellmark/platform/oe_random.h>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <set>

// The runtime generator seeded with 1 starts 41, 18467, 6334, 26500.
TEST(bCRange, DrawsFromTheThreadsRuntimeGenerator)
{
    OESRand(1);
    EXPECT_EQ(bCRange1(0.0f, 32767.0f).GetRandom(), 41.0f);
    bCVector const vecDrawn = bCRange3(bCVector(0.0f), bCVector(32767, 0, 32767)).GetRandom();
    EXPECT_EQ(vecDrawn, bCVector(18467, 0, 26500)); // the fixed y still takes its draw
    OESRand(1);
    EXPECT_EQ(bCRange3(bCVector(2.0f), bCVector(2.0f)).GetRandom(), bCVector(2.0f));
    EXPECT_EQ(bCRange1(-1.5f, -1.5f).GetRandomInt(), -1);
    EXPECT_EQ(OERand(), 41); // equal bounds consumed nothing
    bCVector4 vecFour;
    bCRange4(bCVector4(0.0f), bCVector4(32767.0f)).GetRandom(vecFour);
    EXPECT_EQ(vecFour[0], 18467.0f);
    EXPECT_EQ(vecFour[3], 19169.0f);
}

TEST(bCRange, IntegerDrawsCoverTheWidenedBounds)
{
    // Every value from low to high turns up; the clamp bounds only on the
    // generator's extreme draws (0 or 32767).
    struct bSCase
    {
        float m_fMin, m_fMax;
        int m_iLow, m_iHigh, m_iClampLow, m_iClampHigh;
    };
    bSCase const arrCases[] = {
        {0.0f, 3.0f, 0, 3, 0, 4}, {-2.0f, 2.0f, -2, 2, -3, 3}, {3.0f, 0.0f, 0, 3, 0, 4}, {-0.5f, 0.5f, -1, 1, -1, 1}};
    OESRand(12345);
    for (bSCase const & Case : arrCases)
    {
        SCOPED_TRACE(testing::Message() << Case.m_fMin << " to " << Case.m_fMax);
        std::set<int> setSeen;
        for (int i = 0; i < 20000; ++i)
            setSeen.insert(bCRange1(Case.m_fMin, Case.m_fMax).GetRandomInt());
        for (int iValue = Case.m_iLow; iValue <= Case.m_iHigh; ++iValue)
            EXPECT_EQ(setSeen.count(iValue), 1u) << iValue;
        EXPECT_GE(*setSeen.begin(), Case.m_iClampLow);
        EXPECT_LE(*setSeen.rbegin(), Case.m_iClampHigh);
        EXPECT_LE(setSeen.size(), static_cast<std::size_t>(Case.m_iHigh - Case.m_iLow + 2));
    }
}

// Bounds beyond the int range (read from a stream, say) saturate.
TEST(bCRange, IntegerDrawsSaturate)
{
    EXPECT_EQ(bCRange1(3.0e9f, 3.0e9f).GetRandomInt(), INT_MAX);
    EXPECT_EQ(bCRange1(-3.0e9f, -3.0e9f).GetRandomInt(), INT_MIN);
    EXPECT_EQ(bCRange1(-1.0e30f, -1.0e30f).GetRandomInt(), INT_MIN);
    int const iWide = bCRange1(-1.0e30f, 1.0e30f).GetRandomInt();
    EXPECT_TRUE(iWide == INT_MIN || iWide == INT_MAX) << iWide;
    EXPECT_EQ(bCRange1(std::nanf(""), std::nanf("")).GetRandomInt(), 0);
}
