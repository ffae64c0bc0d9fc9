#include <vellmark/math/noise/oe_random.h>
#include <vellmark/platform/oe_random.h>

#include <gtest/gtest.h>

#include <algorithm>

#include <cstdint>
#include <vector>

namespace
{
    // The first draws of the original platform's runtime generator after seed 1.
    std::vector<int> const kRandAfterSeed1 = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};

    double Rand48Value(uint64_t a_u64State)
    {
        return static_cast<double>(a_u64State) / 281474976710655.0;
    }

    uint64_t Rand48Step(uint64_t a_u64State)
    {
        return (0x5DEECE66DULL * a_u64State + 11) & 0xFFFFFFFFFFFFULL;
    }
} // namespace

TEST(bCRandom, SeedReachesRuntimeGeneratorAndLow16BitsOf48BitState)
{
    bCRandom const & Random = bCRandom::GetRandom();
    Random.SetSeed(1);
    EXPECT_EQ(Random.GetSeed(), 1);
    uint64_t u64State = 0x10000330EULL;
    for (int i = 0; i < 4; ++i)
    {
        u64State = Rand48Step(u64State);
        EXPECT_EQ(Random.DRand48(), Rand48Value(u64State)) << "draw " << i;
    }
    EXPECT_EQ(Random.GetValue(), kRandAfterSeed1[0]);

    // 65537 shares the low 16 bits with 1: same 48-bit sequence, other runtime sequence.
    bCRandom Other;
    Other.SetSeed(65537);
    Random.SetSeed(1);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Other.DRand48(), Random.DRand48());
    Other.SetSeed(65537);
    int const iFrom65537 = Other.GetValue();
    EXPECT_NE(iFrom65537, kRandAfterSeed1[0]);

    // A negative seed keeps its low 16 bits only.
    Random.SetSeed(-1);
    EXPECT_EQ(Random.DRand48(), Rand48Value(Rand48Step(0xFFFF0000330EULL)));
}

TEST(bCRandom, FloatDrawsAndTheirRanges)
{
    bCRandom const & Random = bCRandom::GetRandom();
    Random.SetSeed(1);
    EXPECT_FLOAT_EQ(Random.GetValue(2.0f, 4.0f), 2.0f + 2.0f * 41.0f / 32767.0f);
    EXPECT_FLOAT_EQ(Random.GetValue(-1.0f, 1.0f), -1.0f + 2.0f * 18467.0f / 32767.0f);

    Random.SetSeed(7);
    double const dFirst = Random.DRand48();
    Random.SetSeed(7);
    EXPECT_EQ(Random.FRand48(), static_cast<float>(dFirst));
    Random.SetSeed(7);
    EXPECT_DOUBLE_EQ(Random.DRand48(10.0, 20.0), 10.0 + 10.0 * dFirst);
    Random.SetSeed(7);
    EXPECT_FLOAT_EQ(Random.FRand48(-2.0f, 2.0f), static_cast<float>(-2.0 + 4.0 * dFirst));

    for (int i = 0; i < 2000; ++i)
    {
        float const fValue = Random.GetValue(-3.0f, 5.0f);
        ASSERT_GE(fValue, -3.0f);
        ASSERT_LE(fValue, 5.0f);
        double const dValue = Random.DRand48();
        ASSERT_GE(dValue, 0.0);
        ASSERT_LE(dValue, 1.0);
    }
}

TEST(bCRandom, IntegerDrawsTakeTheIntegerPartAndStayInRange)
{
    struct Case
    {
        int iLow, iHigh;
    };
    Case const arrCases[] = {{3, 5}, {0, 1}, {-2, 2}, {-5, -3}, {7, 7}, {0, 10}, {0, 32767}};
    bCRandom const & Random = bCRandom::GetRandom();
    for (Case const & c : arrCases)
    {
        SCOPED_TRACE(testing::Message() << c.iLow << " to " << c.iHigh);
        int const iDraws = 3000;
        Random.SetSeed(3);
        std::vector<int> arrRaw;
        for (int i = 0; i < iDraws; ++i)
            arrRaw.push_back(Random.GetValue());
        Random.SetSeed(3);
        std::vector<int> arrCounts(static_cast<size_t>(c.iHigh - c.iLow + 1), 0);
        for (int iRaw : arrRaw)
        {
            // Half a step beyond each end, the integer part towards zero, kept in the range.
            float const fLow = static_cast<float>(c.iLow) - 0.5f, fHigh = static_cast<float>(c.iHigh) + 0.5f;
            int const iPart = static_cast<int>(fLow + (fHigh - fLow) * static_cast<float>(iRaw) / 32767.0);
            int const iValue = Random.GetValue(c.iLow, c.iHigh);
            ASSERT_EQ(iValue, std::clamp(iPart, c.iLow, c.iHigh)) << iRaw;
            ++arrCounts[static_cast<size_t>(iValue - c.iLow)];
        }
        if (arrCounts.size() <= 11) // every value of a small range comes up
        {
            for (int iCount : arrCounts)
                EXPECT_GT(iCount, 0);
        }
    }
    // After seed 1 the runtime generator gives 41 and 18467: 0, then 5 (not 6) between 0 and 10.
    Random.SetSeed(1);
    EXPECT_EQ(Random.GetValue(0, 10), 0);
    EXPECT_EQ(Random.GetValue(0, 10), 5);
    for (int i = 0; i < 1000; ++i) // bounds the wrong way round still bound the draw
    {
        int const iValue = Random.GetValue(9, 4);
        ASSERT_TRUE(iValue >= 4 && iValue <= 9) << iValue;
    }
    // The extremes of the runtime generator map onto the ends of the range, never beyond.
    Random.SetSeed(1);
    EXPECT_EQ(Random.GetValue(3, 5), 3); // 41 / 32767 of the way
    int iSeed = 0;
    for (OESRand(0); OERand() != 32767; OESRand(static_cast<unsigned int>(++iSeed)))
        ASSERT_LT(iSeed, 1 << 20);
    Random.SetSeed(iSeed);
    EXPECT_EQ(Random.GetValue(3, 5), 5);
    Random.SetSeed(iSeed);
    EXPECT_EQ(Random.GetValue(0, 32767), 32767);
    Random.SetSeed(iSeed);
    EXPECT_EQ(Random.GetValue(-7, -7), -7);
}
