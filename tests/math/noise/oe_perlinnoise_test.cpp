#include <vellmark/math/noise/oe_perlinnoise.h>
#include <vellmark/math/noise/oe_random.h>
#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/platform/oe_mmtime.h>

#include "math/noise/oe_noisetestsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace
{
    struct Point
    {
        float fX, fY, fZ;
    };

    Point const kPoints[] = {
        {0.5f, 0.5f, 0.5f},   {3.14f, 42.0f, 7.0f},  {-1.25f, 0.75f, 10.5f}, {100.3f, -20.7f, 0.1f},
        {0.01f, 0.99f, 0.5f}, {-0.5f, -0.5f, -0.5f}, {17.9f, 3.3f, -8.6f},
    };

    bool SameNoise(bCPerlinNoise const & a_A, bCPerlinNoise const & a_B)
    {
        for (Point const & p : kPoints)
        {
            if (a_A.Noise(p.fX, p.fY, p.fZ) != a_B.Noise(p.fX, p.fY, p.fZ) ||
                a_A.Noise(p.fX, p.fY) != a_B.Noise(p.fX, p.fY) || a_A.Noise(p.fX) != a_B.Noise(p.fX))
                return false;
        }
        return true;
    }
} // namespace

TEST(bCPerlinNoise, PublishedPermutationIsStoredTwice)
{
    std::set<int> setValues;
    for (int i = 0; i < 256; ++i)
    {
        setValues.insert(bCPerlinNoise::ms_piPermutations[i]);
        EXPECT_EQ(bCPerlinNoise::ms_piPermutations[i + 256], bCPerlinNoise::ms_piPermutations[i]) << i;
    }
    EXPECT_EQ(setValues.size(), 256u);
    EXPECT_EQ(*setValues.rbegin(), 255);
    EXPECT_EQ(bCPerlinNoise::ms_piPermutations[0], 151);
    EXPECT_EQ(bCPerlinNoise::ms_piPermutations[255], 180);
}

TEST(bCPerlinNoise, ImprovedNoiseAtChosenPoints)
{
    bSTestPerlinNoise Noise;
    EXPECT_EQ(Noise.GetAlgorithm(), bCPerlinNoise::bEAlgorithm_Improved);
    // The reference implementation, evaluated in double precision.
    EXPECT_NEAR(Noise.ImprovedNoise(3.14f, 42.0f, 7.0f), 0.136919958784, 2e-5);
    for (Point const & p : kPoints)
    {
        SCOPED_TRACE(testing::Message() << p.fX << "," << p.fY << "," << p.fZ);
        float const fValue = Noise.ImprovedNoise(p.fX, p.fY, p.fZ);
        EXPECT_LE(std::fabs(fValue), 1.05f);
        EXPECT_EQ(Noise.GetNoise(p.fX, p.fY, p.fZ), fValue);
        EXPECT_NEAR(Noise.ImprovedNoise(p.fX + 256.0f, p.fY, p.fZ), fValue, 1e-4f) << "period 256";
        EXPECT_EQ(Noise.GetNoise(p.fX, p.fY), Noise.ImprovedNoise(p.fX, p.fY, 0.0f));
        EXPECT_EQ(Noise.GetNoise(p.fX), Noise.ImprovedNoise(p.fX, 0.0f, 0.0f));
        EXPECT_EQ(Noise.GetNoise(MakeVector(p.fX, p.fY, p.fZ)), fValue);
    }
    // Zero on the lattice, negative cells included.
    for (int i = -3; i <= 3; ++i)
        EXPECT_EQ(Noise.ImprovedNoise(static_cast<float>(i), static_cast<float>(2 * i), static_cast<float>(-i)), 0.0f);
}

TEST(bCPerlinNoise, ClassicNoiseFollowsItsSeed)
{
    bSTestPerlinNoise A;
    bSTestPerlinNoise B;
    A.SetAlgorithm(bCPerlinNoise::bEAlgorithm_Classic);
    EXPECT_TRUE(SameNoise(A, B)) << "both start from seed 1";
    A.SetSeed(77);
    EXPECT_FALSE(SameNoise(A, B));
    B.SetSeed(77);
    EXPECT_TRUE(SameNoise(A, B));
    B.SetSeed(78);
    EXPECT_FALSE(SameNoise(A, B));
    EXPECT_EQ(bCRandom::GetRandom().GetSeed(), 78) << "seeding goes through the process-wide generator";

    for (Point const & p : kPoints)
    {
        SCOPED_TRACE(testing::Message() << p.fX << "," << p.fY << "," << p.fZ);
        EXPECT_EQ(A.GetNoise(p.fX, p.fY, p.fZ), A.Noise(p.fX, p.fY, p.fZ));
        EXPECT_EQ(A.GetNoise(p.fX, p.fY), A.Noise(p.fX, p.fY));
        EXPECT_EQ(A.GetNoise(p.fX), A.Noise(p.fX));
        EXPECT_LE(std::fabs(A.Noise(p.fX, p.fY, p.fZ)), 1.0f);
        EXPECT_LE(std::fabs(A.Noise(p.fX)), 0.5f);
    }
    for (int i = -2; i <= 2; ++i)
    {
        float const f = static_cast<float>(i);
        EXPECT_EQ(A.Noise(f), 0.0f);
        EXPECT_EQ(A.Noise(f, f + 1.0f), 0.0f);
        EXPECT_EQ(A.Noise(f, 3.0f, -f), 0.0f);
    }
    // The gradients differ between cells: the noise is not 0 between lattice points.
    int iNonZero = 0;
    for (int i = 0; i < 64; ++i)
        iNonZero += A.Noise(i * 0.37f + 0.1f, i * 0.11f + 0.2f, 0.3f) != 0.0f;
    EXPECT_GT(iNonZero, 60);
}

TEST(bCPerlinNoise, SeedsBelowOneUseTheClock)
{
    bSTestPerlinNoise A;
    bSTestPerlinNoise B;
    A.SetAlgorithm(bCPerlinNoise::bEAlgorithm_Classic);
    bool bCompared = false;
    for (int iTry = 0; iTry < 100 && !bCompared; ++iTry)
    {
        unsigned long const uBefore = OETimeGetTime();
        A.SetSeed(iTry % 2 == 0 ? 0 : -5);
        if (OETimeGetTime() != uBefore)
            continue; // the clock moved while seeding
        B.SetSeed(static_cast<int>(uBefore));
        EXPECT_TRUE(SameNoise(A, B));
        bCompared = true;
    }
    EXPECT_TRUE(bCompared);
}

TEST(bCPerlinNoise, DefaultInstanceCopiesAndUnknownAlgorithms)
{
    bCPerlinNoise & Default = bCPerlinNoise::GetPerlinNoise();
    EXPECT_EQ(Default.GetAlgorithm(), bCPerlinNoise::bEAlgorithm_Improved);
    bSTestPerlinNoise Seed1;
    EXPECT_TRUE(SameNoise(Default, Seed1));

    bCPerlinNoise Copy(Seed1);
    Seed1.SetSeed(9);
    EXPECT_FALSE(SameNoise(Copy, Seed1));
    Copy = Seed1;
    EXPECT_TRUE(SameNoise(Copy, Seed1));

    Copy.SetAlgorithm(static_cast<bCPerlinNoise::bEAlgorithm>(2));
    EXPECT_EQ(Copy.GetNoise(0.5f, 0.25f, 0.125f), 0.0f);
}
