#ifndef OE_MATH3D_TESTSUPPORT_H_INCLUDED
#define OE_MATH3D_TESTSUPPORT_H_INCLUDED

// Helpers of the maths tests: seeded random inputs and explicit conversions to
// GLM, the reference for the differential tests.
//
// GLM multiplies column vectors from the left (v' = G v) and indexes g[column][row].
// Our matrices multiply row vectors (v' = v M), so G is the transpose of M:
// G(row r, column c) = M(c, r), that is g[c][r] = M(c, r). A product that
// applies B first is B A with our matrices and G_A G_B in GLM. Quaternions
// agree component by component (GLM stores w apart; its constructor takes w
// first), and so does the Hamilton product. GLM's right-handed naming does not
// change any number here: both libraries turn y towards z about +x, z towards
// x about +y and x towards y about +z.

#include <vellmark/math/3d/oe_math3d.h>

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

inline glm::mat4 ToGlm(bCMatrix const & a_matSource)
{
    glm::mat4 matResult;
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            matResult[c][r] = a_matSource(c, r);
    return matResult;
}

inline bCMatrix FromGlm(glm::mat4 const & a_matSource)
{
    bCMatrix matResult;
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            matResult(c, r) = a_matSource[c][r];
    return matResult;
}

inline glm::quat ToGlm(bCQuaternion const & a_quatSource)
{
    return glm::quat(a_quatSource.GetW(), a_quatSource.GetX(), a_quatSource.GetY(), a_quatSource.GetZ());
}

inline glm::vec3 ToGlm(bCVector const & a_vecSource)
{
    return glm::vec3(a_vecSource[0], a_vecSource[1], a_vecSource[2]);
}

// Seeded, so a failure repeats.
class bCRandomInputs
{
public:
    explicit bCRandomInputs(unsigned a_uSeed) : m_Engine(a_uSeed) {}
    float Get(float a_fLow, float a_fHigh) { return std::uniform_real_distribution<float>(a_fLow, a_fHigh)(m_Engine); }
    bCVector GetVector(float a_fRange = 10.0f)
    {
        return bCVector(Get(-a_fRange, a_fRange), Get(-a_fRange, a_fRange), Get(-a_fRange, a_fRange));
    }
    bCMatrix GetMatrix(float a_fRange = 4.0f)
    {
        bCMatrix matResult;
        for (int i = 0; i < 16; ++i)
            matResult[i] = Get(-a_fRange, a_fRange);
        return matResult;
    }
    bCQuaternion GetUnitQuaternion()
    {
        bCQuaternion quatResult(Get(-1, 1), Get(-1, 1), Get(-1, 1), Get(-1, 1));
        return quatResult.Normalize();
    }

private:
    std::mt19937 m_Engine;
};

// Differences relative to the size of the values, for sweeps over wide ranges.
inline void ExpectNear(bCMatrix const & a_matActual, bCMatrix const & a_matExpected, float a_fTolerance)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(a_matActual[i], a_matExpected[i], a_fTolerance * (1.0f + std::fabs(a_matExpected[i])))
            << "element " << i;
}

inline void ExpectNear(bCVector const & a_vecActual, bCVector const & a_vecExpected, float a_fTolerance)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(a_vecActual[i], a_vecExpected[i], a_fTolerance * (1.0f + std::fabs(a_vecExpected[i])))
            << "component " << i;
}

// Equal as rotations: q and -q turn alike.
inline void ExpectSameRotation(bCQuaternion const & a_quatActual, bCQuaternion const & a_quatExpected,
                               float a_fTolerance)
{
    float const fSign = a_quatActual.GetDotProduct(a_quatExpected) < 0.0f ? -1.0f : 1.0f;
    EXPECT_NEAR(a_quatActual.GetX() * fSign, a_quatExpected.GetX(), a_fTolerance);
    EXPECT_NEAR(a_quatActual.GetY() * fSign, a_quatExpected.GetY(), a_fTolerance);
    EXPECT_NEAR(a_quatActual.GetZ() * fSign, a_quatExpected.GetZ(), a_fTolerance);
    EXPECT_NEAR(a_quatActual.GetW() * fSign, a_quatExpected.GetW(), a_fTolerance);
}

#endif
