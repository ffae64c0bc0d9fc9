#include <vellmark/math/noise/oe_ebertnoise.h>
#include <vellmark/math/noise/oe_zoneraster.h>

#include "math/noise/oe_noisetestsupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace
{
    // The lattice values in filling order after seed 1: the 48-bit generator's draws.
    std::vector<float> LatticeDraws(int a_iCount)
    {
        std::vector<float> arrDraws;
        uint64_t u64State = 0x10000330EULL;
        for (int i = 0; i < a_iCount; ++i)
        {
            u64State = (0x5DEECE66DULL * u64State + 11) & 0xFFFFFFFFFFFFULL;
            arrDraws.push_back(static_cast<float>(static_cast<double>(u64State) / 281474976710655.0));
        }
        return arrDraws;
    }

    float Lerp(float a_fT, float a_fA, float a_fB)
    {
        return a_fA + a_fT * (a_fB - a_fA);
    }
} // namespace

TEST(bCEbertNoise, LatticeFilledXOutermostZFastest)
{
    auto pNoise = std::make_unique<bSTestEbertNoise>();
    std::vector<float> const arrDraws = LatticeDraws(64 * 64 + 2);
    struct Case
    {
        float fX, fY, fZ;
        int iDraw;
    };
    Case const arrCases[] = {
        {0, 0, 0, 0},  {0, 0, 1, 1},  {0, 1, 0, 64}, {1, 0, 0, 4096},   {0, 1, 1, 65},    {1, 0, 1, 4097},
        {64, 0, 0, 0}, {0, 64, 0, 0}, {0, 0, 64, 0}, {128, 64, 192, 0}, {65, 0, 0, 4096}, {-64, 0, 0, 0},
    };
    for (Case const & c : arrCases)
    {
        SCOPED_TRACE(testing::Message() << c.fX << "," << c.fY << "," << c.fZ);
        EXPECT_EQ(pNoise->GetNoise(c.fX, c.fY, c.fZ), arrDraws[c.iDraw]);
    }
    EXPECT_EQ(pNoise->GetNoise(64.0f, 0.0f, 0.0f), pNoise->GetNoise(0.0f, 0.0f, 0.0f));
}

TEST(bCEbertNoise, InterpolatesAndExtrapolatesLinearly)
{
    auto pNoise = std::make_unique<bSTestEbertNoise>();
    float const fL0 = pNoise->GetNoise(0.0f, 0.0f, 0.0f);
    float const fL1 = pNoise->GetNoise(1.0f, 0.0f, 0.0f);
    float const fL63 = pNoise->GetNoise(63.0f, 0.0f, 0.0f);
    EXPECT_FLOAT_EQ(pNoise->GetNoise(0.25f, 0.0f, 0.0f), Lerp(0.25f, fL0, fL1));
    EXPECT_FLOAT_EQ(pNoise->GetNoise(63.5f, 0.0f, 0.0f), Lerp(0.5f, fL63, fL0)) << "the far face repeats index 0";
    // Negative coordinates truncate towards zero and extrapolate from that cell.
    EXPECT_FLOAT_EQ(pNoise->GetNoise(-0.5f, 0.0f, 0.0f), Lerp(-0.5f, fL0, fL1));
    EXPECT_FLOAT_EQ(pNoise->GetNoise(-1.5f, 0.0f, 0.0f), Lerp(-0.5f, fL63, fL0));

    // Trilinear: the centre of a cell is the mean of its eight corners.
    float fSum = 0.0f;
    for (int i = 0; i < 8; ++i)
        fSum +=
            pNoise->GetNoise(static_cast<float>(i & 1), static_cast<float>((i >> 1) & 1), static_cast<float>(i >> 2));
    EXPECT_NEAR(pNoise->GetNoise(0.5f, 0.5f, 0.5f), fSum / 8.0f, 1e-6f);
    EXPECT_EQ(pNoise->GetNoise(2.5f), pNoise->GetNoise(2.5f, 0.0f, 0.0f));
    EXPECT_EQ(pNoise->GetNoise(2.5f, 7.25f), pNoise->GetNoise(2.5f, 7.25f, 0.0f));
    for (int i = 0; i < 200; ++i)
    {
        float const fValue = pNoise->GetNoise(i * 0.731f, i * 0.377f, i * 1.113f);
        ASSERT_GE(fValue, 0.0f);
        ASSERT_LE(fValue, 1.0f);
    }
}

TEST(bCEbertNoise, SeedsDefaultInstanceAndCopies)
{
    auto pNoise = std::make_unique<bSTestEbertNoise>();
    bCEbertNoise & Default = bCEbertNoise::GetEbertNoise();
    EXPECT_EQ(Default.GetNoise(3.3f, 4.4f, 5.5f), pNoise->GetNoise(3.3f, 4.4f, 5.5f));
    pNoise->SetSeed(2);
    EXPECT_NE(Default.GetNoise(3.3f, 4.4f, 5.5f), pNoise->GetNoise(3.3f, 4.4f, 5.5f));
    auto pCopy = std::make_unique<bCEbertNoise>(*pNoise);
    EXPECT_EQ(pCopy->GetNoise(3.3f, 4.4f, 5.5f), pNoise->GetNoise(3.3f, 4.4f, 5.5f));
}
