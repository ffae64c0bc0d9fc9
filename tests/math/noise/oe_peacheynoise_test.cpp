#include <vellmark/math/noise/oe_peacheynoise.h>

#include "math/noise/oe_noisetestsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace
{
    struct Point
    {
        float fX, fY, fZ;
    };

    Point const kPoints[] = {
        {0.5f, 0.5f, 0.5f}, {3.14f, 42.0f, 7.0f}, {-1.25f, 0.75f, 10.5f}, {100.3f, -20.7f, 0.1f}, {-0.01f, 0.99f, 0.5f},
    };

    // The runtime generator's first draws after seed 1, as the tables see them.
    float Draw(int a_iRand)
    {
        return static_cast<float>(0.0f + (1.0f * static_cast<float>(a_iRand)) / 32767.0);
    }
} // namespace

TEST(bCPeacheyNoise, PublishedPermutationIsAPermutation)
{
    std::set<int> setValues(bCPeacheyNoise::ms_pu8Permutations, bCPeacheyNoise::ms_pu8Permutations + 256);
    EXPECT_EQ(setValues.size(), 256u);
    EXPECT_EQ(bCPeacheyNoise::ms_pu8Permutations[0], 225);
    EXPECT_EQ(bCPeacheyNoise::ms_pu8Permutations[255], 52);
}

TEST(bCPeacheyNoise, TablesFromTheSeed)
{
    bSTestPeacheyNoise Noise;
    EXPECT_EQ(Noise.GetAlgorithm(), bCPeacheyNoise::bEAlgorithm_Value);
    // Along x the hash visits every table entry once, so these are the whole value table.
    std::vector<float> arrValues;
    for (int i = 0; i < 256; ++i)
    {
        arrValues.push_back(Noise.VLattice(i, 0, 0));
        float const fX = Noise.GLattice(i, 3, -7, 1.0f, 0.0f, 0.0f);
        float const fY = Noise.GLattice(i, 3, -7, 0.0f, 1.0f, 0.0f);
        float const fZ = Noise.GLattice(i, 3, -7, 0.0f, 0.0f, 1.0f);
        EXPECT_NEAR(fX * fX + fY * fY + fZ * fZ, 1.0f, 1e-5f) << "unit gradient " << i;
        EXPECT_EQ(fZ, Noise.VLattice(i, 3, -7)) << "a value is its gradient's z " << i;
        EXPECT_EQ(Noise.VLattice(i + 256, 3, -7), Noise.VLattice(i, 3, -7));
    }
    // Draws 41, 18467 make entry 0, draws 6334, 26500 entry 1.
    float const fFirst = static_cast<float>(1.0 - 2.0 * Draw(41));
    float const fSecond = static_cast<float>(1.0 - 2.0 * Draw(6334));
    EXPECT_NE(std::find(arrValues.begin(), arrValues.end(), fFirst), arrValues.end());
    EXPECT_NE(std::find(arrValues.begin(), arrValues.end(), fSecond), arrValues.end());
    for (float fValue : arrValues)
        EXPECT_TRUE(fValue >= -1.0f && fValue <= 1.0f) << fValue;

    bSTestPeacheyNoise Other;
    Other.SetSeed(2);
    EXPECT_NE(Other.VLattice(0, 0, 0), Noise.VLattice(0, 0, 0));
    Other.SetSeed(1);
    EXPECT_EQ(Other.VLattice(0, 0, 0), Noise.VLattice(0, 0, 0));
}

TEST(bCPeacheyNoise, SplineAndRadialFilter)
{
    float const arrLine[5] = {0.0f, 1.0f, 2.0f, 3.0f, 4.0f};
    struct SplineCase
    {
        float fX;
        int iKnots;
        float fExpected;
    };
    SplineCase const arrSplines[] = {
        {0.0f, 4, 1.0f}, {1.0f, 4, 2.0f}, {-1.0f, 4, 1.0f}, {2.0f, 4, 2.0f},
        {1.0f, 5, 3.0f}, {0.5f, 3, 0.0f}, {0.5f, 0, 0.0f},
    };
    for (SplineCase const & c : arrSplines)
        EXPECT_FLOAT_EQ(bCPeacheyNoise::Spline(c.fX, c.iKnots, arrLine), c.fExpected) << c.fX << " " << c.iKnots;
    float const arrBump[4] = {0.0f, 1.0f, 0.0f, 0.0f};
    EXPECT_FLOAT_EQ(bCPeacheyNoise::Spline(0.5f, 4, arrBump), 0.5625f);

    bSTestPeacheyNoise Noise;
    struct FilterCase
    {
        float fSquareDistance, fExpected;
    };
    FilterCase const arrFilter[] = {
        {0.004f, 1.0f}, {0.006f, 0.9765f}, {0.5f, 0.2803301f}, {1.0f, 0.0f},
        {2.25f, -0.0625f}, {4.0f, 0.0f}, {-0.004f, 1.0f},
    };
    for (FilterCase const & c : arrFilter)
        EXPECT_NEAR(Noise.CatRom2(c.fSquareDistance), c.fExpected, 1e-6f) << c.fSquareDistance;
}

TEST(bCPeacheyNoise, NoisesAndAlgorithms)
{
    bSTestPeacheyNoise Noise;
    for (int i = -2; i <= 2; ++i)
    {
        float const f = static_cast<float>(i);
        EXPECT_EQ(Noise.GNoise(f, 2.0f * f, -f), 0.0f);
        EXPECT_FLOAT_EQ(Noise.VNoise(f, 2.0f * f, -f), Noise.VLattice(i, 2 * i, -i)) << "the spline meets its knots";
    }
    struct AlgorithmCase
    {
        int iAlgorithm;
        float (*funcExpected)(bCPeacheyNoise const &, Point const &);
    };
    AlgorithmCase const arrAlgorithms[] = {
        {0, [](bCPeacheyNoise const & n, Point const & p) { return n.GNoise(p.fX, p.fY, p.fZ); }},
        {1, [](bCPeacheyNoise const & n, Point const & p) { return n.GVNoise(p.fX, p.fY, p.fZ, 0.7f); }},
        {2, [](bCPeacheyNoise const & n, Point const & p) { return n.SCNoise(p.fX, p.fY, p.fZ); }},
        {3, [](bCPeacheyNoise const & n, Point const & p) { return n.VCNoise(p.fX, p.fY, p.fZ); }},
        {4, [](bCPeacheyNoise const & n, Point const & p) { return n.VNoise(p.fX, p.fY, p.fZ); }},
        {5, [](bCPeacheyNoise const &, Point const &) { return 0.0f; }},
    };
    for (AlgorithmCase const & c : arrAlgorithms)
    {
        Noise.SetAlgorithm(static_cast<bCPeacheyNoise::bEAlgorithm>(c.iAlgorithm));
        for (Point const & p : kPoints)
        {
            SCOPED_TRACE(testing::Message()
                         << "algorithm " << c.iAlgorithm << " at " << p.fX << "," << p.fY << "," << p.fZ);
            float const fValue = Noise.GetNoise(p.fX, p.fY, p.fZ);
            EXPECT_EQ(fValue, c.funcExpected(Noise, p));
            EXPECT_LE(std::fabs(fValue), 2.0f);
            EXPECT_EQ(Noise.GetNoise(p.fX, p.fY), Noise.GetNoise(p.fX, p.fY, 0.0f));
            EXPECT_EQ(Noise.GetNoise(p.fX), Noise.GetNoise(p.fX, 0.0f, 0.0f));
        }
    }
    Point const p = kPoints[2];
    EXPECT_FLOAT_EQ(Noise.GVNoise(p.fX, p.fY, p.fZ, 0.25f),
                    0.25f * Noise.GNoise(p.fX, p.fY, p.fZ) + 0.75f * Noise.VNoise(p.fX, p.fY, p.fZ));

    bCPeacheyNoise Copy(bCPeacheyNoise::GetPeacheyNoise());
    EXPECT_EQ(Copy.GetAlgorithm(), bCPeacheyNoise::bEAlgorithm_Value);
    EXPECT_EQ(Copy.SCNoise(p.fX, p.fY, p.fZ), Noise.SCNoise(p.fX, p.fY, p.fZ));
}
