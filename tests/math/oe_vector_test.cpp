#include "math/oe_math3d_testsupport.h"
#include "support/oe_messagerecorder.h"

#include <vellmark/kernel/oe_string.h>

#include <glm/geometric.hpp>

#include <algorithm>
#include <limits>
#include <vector>

TEST(bCVector, NormalizationForms)
{
    float const fHalfRoot = 0.70710677f;
    struct
    {
        bCVector vecInput;
        bCVector vecSafe;  // NormalizeSafe
        bCVector vecPlain; // Normalize
    } const Cases[] = {
        {bCVector(0, 0, 0), bCVector(1, 0, 0), bCVector(0, 0, 0)},
        {bCVector(0, -5, 0), bCVector(0, -1, 0), bCVector(0, -1, 0)},
        {bCVector(3, -4, 0), bCVector(0.6f, -0.8f, 0), bCVector(0.6f, -0.8f, 0)},
        {bCVector(0, 0, -2), bCVector(0, 0, -1), bCVector(0, 0, -1)},
        {bCVector(-2, 0, 2), bCVector(-fHalfRoot, 0, fHalfRoot), bCVector(-fHalfRoot, 0, fHalfRoot)},
    };
    for (auto const & Case : Cases)
    {
        SCOPED_TRACE(testing::Message() << Case.vecInput[0] << ", " << Case.vecInput[1] << ", " << Case.vecInput[2]);
        ExpectNear(Case.vecInput.GetNormalizedSafe(), Case.vecSafe, 1.0e-6f);
        ExpectNear(Case.vecInput.GetNormalized(), Case.vecPlain, 1.0e-6f);
        bCVector vecApprox(Case.vecInput);
        vecApprox.NormalizeApprox();
        ExpectNear(vecApprox, Case.vecPlain, 2.0e-3f);
    }
    // Squares of these overflow; the safe form divides by the largest component first.
    bCVector vecHuge(-1.0e30f, 1.0e30f, 0.0f);
    ExpectNear(vecHuge.GetNormalizedSafe(), bCVector(-fHalfRoot, fHalfRoot, 0), 1.0e-6f);
    EXPECT_TRUE(vecHuge.GetNormalized().HasZeroMagnitude()); // the plain form divides by an infinite length
    // GetMagnitudeNormalize has no zero test: it returns the length and divides by it.
    bCVector vecScaled(0, 3, 4);
    EXPECT_EQ(vecScaled.GetMagnitudeNormalize(), 5.0f);
    ExpectNear(vecScaled, bCVector(0, 0.6f, 0.8f), 1.0e-6f);
}

TEST(bCVector, MagnitudesAndZeroTests)
{
    EXPECT_EQ(bCVector(3, 4, 0).GetMagnitudeApprox(), 4.875f);
    EXPECT_EQ(bCVector(0, 0, -2).GetMagnitudeApprox(), 1.875f);

    bCVector const vecSample(1, 2, 3);
    EXPECT_EQ(vecSample.GetSquareMagnitude2D(bCVector::bECoordinate_X), 13.0f);
    EXPECT_EQ(vecSample.GetSquareMagnitude2D(bCVector::bECoordinate_Y), 10.0f);
    EXPECT_EQ(vecSample.GetSquareMagnitude2D(bCVector::bECoordinate_Z), 5.0f);
    EXPECT_EQ(bCVector(3, 7, 4).GetMagnitude2D(bCVector::bECoordinate_Y), 5.0f);

    bCVector const vecOnY(0, 2, 0);
    EXPECT_TRUE(vecOnY.HasZeroMagnitude2D(bCVector::bECoordinate_Y));
    EXPECT_FALSE(vecOnY.HasZeroMagnitude2D(bCVector::bECoordinate_X));
    EXPECT_TRUE(vecOnY.HasZeroMagnitude2DApprox(bCVector::bECoordinate_Y));
    EXPECT_FALSE(vecOnY.HasZeroMagnitude2DApprox(bCVector::bECoordinate_Z));
    EXPECT_FALSE(vecOnY.HasZeroMagnitude());
    EXPECT_TRUE(bCVector(0, 0, 0).HasZeroMagnitude());
    // 1e-30 squared underflows to 0: the exact test of the square says zero, the component test does not.
    EXPECT_TRUE(bCVector(1.0e-30f, 0, 0).HasZeroMagnitude());
    EXPECT_FALSE(bCVector(1.0e-30f, 0, 0).HasZeroMagnitudeApprox());
}

TEST(bCVector, WrongAxisWarns)
{
    bCMessageRecorder Recorder;
    bCVector const vecSample(1, 2, 3);
    auto const eWrong = static_cast<bCVector::bECoordinate>(3);
    EXPECT_EQ(vecSample.GetSquareMagnitude2D(eWrong), -1.0f);
    EXPECT_FALSE(vecSample.HasZeroMagnitude2DApprox(eWrong));
    EXPECT_EQ(Recorder.GetAll(),
              "The method bCVector::GetSquareMagnitude2D detected an improper usage! \nHint:wrong parameter \n"
              "The method bCVector::HasZeroMagnitude2DApprox detected an improper usage! \nHint:wrong parameter \n");
}

TEST(bCVector, AnglesAndAzimuth)
{
    EXPECT_EQ(bCVector(1, 0, 0).GetAngleRad(bCVector(0, 0, 0)), 0.0f);
    EXPECT_NEAR(bCVector(5, 0, 0).GetAngleRad(bCVector(0, 2, 0)), g_fPIDiv2, 1.0e-6f);
    EXPECT_NEAR(bCVector(1, 0, 0).GetAngleDeg(bCVector(-1, 1, 0)), 135.0f, 1.0e-4f);
    // Rounding can push the dot product of unit vectors past 1: clamped, not NaN.
    EXPECT_EQ(bCVector(1.0000001f, 0, 0).GetAngleUnitRad(bCVector(1, 0, 0)), 0.0f);
    EXPECT_NEAR(bCVector(-1.0000001f, 0, 0).GetAngleUnitDeg(bCVector(1, 0, 0)), 180.0f, 1.0e-4f);

    struct
    {
        bCVector vecInput;
        float fAzimuth, fElevation;
    } const Cases[] = {
        {bCVector(0, 1, 0), 0.0f, g_fPIDiv2},
        {bCVector(1, 0, 0), g_fPIDiv2, 0.0f},
        {bCVector(0, 0, -1), g_fPI, 0.0f},
        {bCVector(-0.5f, 0.70710677f, 0.5f), -g_fPIDiv4, g_fPIDiv4},
    };
    for (auto const & Case : Cases)
    {
        SCOPED_TRACE(testing::Message() << Case.vecInput[0] << ", " << Case.vecInput[1] << ", " << Case.vecInput[2]);
        float fAzimuth = -9, fElevation = -9;
        Case.vecInput.GetAziElevUnit(fAzimuth, fElevation);
        EXPECT_NEAR(fAzimuth, Case.fAzimuth, 1.0e-5f);
        EXPECT_NEAR(fElevation, Case.fElevation, 1.0e-5f);
        (Case.vecInput * 7.0f).GetAziElev(fAzimuth, fElevation);
        EXPECT_NEAR(fAzimuth, Case.fAzimuth, 1.0e-5f);
        EXPECT_NEAR(fElevation, Case.fElevation, 1.0e-5f);
    }
    float fAzimuth = -9, fElevation = -9;
    bCVector(0, 0, 0).GetAziElev(fAzimuth, fElevation);
    EXPECT_EQ(fAzimuth, 0.0f);
    EXPECT_EQ(fElevation, 0.0f);
    bCVector(3, 0, 4).GetAziElevApprox(fAzimuth, fElevation);
    EXPECT_NEAR(fAzimuth, std::atan2(3.0f, 4.0f), 1.0e-6f);
    EXPECT_EQ(fElevation, 0.0f);
}

TEST(bCVector, InterpolationAndReflection)
{
    bCVector const vecA(1, 2, 3);
    for (float fT : {0.0f, 0.3f, 1.0f})
    {
        SCOPED_TRACE(fT);
        bCVector vecResult;
        vecResult.SetSlerp(vecA, -vecA, fT); // the first vector is flipped to -a
        ExpectNear(vecResult, -vecA, 1.0e-6f);
    }
    ExpectNear(bCVector(1, 0, 0).GetSlerp(bCVector(0, 1, 0), 0.5f), bCVector(0.70710677f, 0.70710677f, 0), 1.0e-6f);
    // Within 0.05 of parallel the weights are linear.
    ExpectNear(bCVector(1, 0, 0).GetSlerp(bCVector(0.99f, 0.1f, 0), 0.5f), bCVector(0.995f, 0.05f, 0), 1.0e-7f);
    EXPECT_EQ(bCVector(0, 0, 0).GetLerp(bCVector(2, 4, 8), 1.5f), bCVector(3, 6, 12)); // t is not clamped

    EXPECT_EQ(bCVector(1, 1, 0).Reflect(bCVector(0, 1, 0)), bCVector(-1, 1, 0));
    bCVector vecFirst, vecSecond;
    bCVector(3, 4, 0).Decompose(bCVector(0, 1, 0), vecFirst, vecSecond);
    ExpectNear(vecFirst, bCVector(0, 0.8f, 0), 1.0e-6f);
    ExpectNear(vecSecond, bCVector(-0.6f, 0, 0), 1.0e-6f);
}

TEST(bCVector, RemovingDimensions)
{
    bCVector vecKeep(3, 4, 0);
    EXPECT_TRUE(vecKeep.RemoveDimensionKeepMagnitude(bCVector::bECoordinate_Y));
    ExpectNear(vecKeep, bCVector(5, 0, 0), 1.0e-6f);
    bCVector vecVertical(0, 4, 0);
    EXPECT_FALSE(vecVertical.RemoveDimensionKeepMagnitude(bCVector::bECoordinate_Y));
    EXPECT_EQ(vecVertical, bCVector(0, 0, 0));
    bCVector vecZero(0, 0, 0);
    EXPECT_TRUE(vecZero.RemoveDimensionKeepMagnitude(bCVector::bECoordinate_X));
    EXPECT_EQ(bCVector(1, 2, 2).GetRemovedByDimension(bCVector::bECoordinate_Z), bCVector(1, 2, 0));
    ExpectNear(bCVector(3, 9, 4).GetRemovedByDimensionNormalize(bCVector::bECoordinate_Y), bCVector(0.6f, 0, 0.8f),
               1.0e-6f);
    ExpectNear(bCVector(3, 0, 4).GetRemovedByDimensionKeepMagnitude(bCVector::bECoordinate_X), bCVector(0, 0, 5),
               1.0e-6f);
}

TEST(bCVector, ValidityAndNamedVectors)
{
    float const fNaN = std::numeric_limits<float>::quiet_NaN(), fInf = std::numeric_limits<float>::infinity();
    EXPECT_TRUE(bCVector(1, -2, 3e38f).IsValid(bCString("label")));
    EXPECT_FALSE(bCVector(fNaN, 0, 0).IsValid());
    EXPECT_FALSE(bCVector(0, 0, -fInf).IsValid());

    // Left-handed with y up: up x forward = right.
    EXPECT_EQ(bCVector::CrossProduct(bCVector::GetUp(), bCVector::GetForward()), bCVector::GetRight());
}

TEST(bCVector, PrintDebugText)
{
    bCMessageRecorder Recorder;
    bCVector(1, -2.5f, 3).PrintDebug(bCString("pos"));
    EXPECT_EQ(Recorder.GetAll(), "pos X: 1.000000, Y: -2.500000, Z: 3.000000\n");
}

TEST(bCVector, TransformsAgreeWithGlm)
{
    bCRandomInputs Random(1234);
    for (int i = 0; i < 500; ++i)
    {
        SCOPED_TRACE(i);
        bCMatrix matTransform = Random.GetMatrix();
        matTransform(0, 3) = matTransform(1, 3) = matTransform(2, 3) = 0.0f;
        matTransform(3, 3) = 1.0f;
        bCVector const vecPoint = Random.GetVector();
        glm::vec4 const vecGlm = ToGlm(matTransform) * glm::vec4(ToGlm(vecPoint), 1.0f);
        ExpectNear(vecPoint * matTransform, bCVector(vecGlm.x, vecGlm.y, vecGlm.z), 1.0e-5f);
        glm::vec4 const vecDirection = ToGlm(matTransform) * glm::vec4(ToGlm(vecPoint), 0.0f);
        ExpectNear(vecPoint.GetTransformedDirection(matTransform),
                   bCVector(vecDirection.x, vecDirection.y, vecDirection.z), 1.0e-5f);
        glm::vec3 const vecUnit = glm::normalize(ToGlm(vecPoint));
        ExpectNear(vecPoint.GetNormalized(), bCVector(vecUnit.x, vecUnit.y, vecUnit.z), 1.0e-6f);
        bCVector const vecOther = Random.GetVector();
        glm::vec3 const vecCross = glm::cross(ToGlm(vecPoint), ToGlm(vecOther));
        ExpectNear(vecPoint.GetCrossProduct(vecOther), bCVector(vecCross.x, vecCross.y, vecCross.z), 1.0e-5f);
        // The inverse transform undoes the transform.
        if (std::fabs(matTransform.GetDeterminant()) > 0.5f)
            ExpectNear((vecPoint * matTransform) / matTransform, vecPoint, 1.0e-3f);
    }
}

TEST(bCVector, ProjectiveTransforms)
{
    bCMatrix matProjective = bCMatrix::GetIdentity();
    matProjective(3, 3) = 2.0f;
    EXPECT_EQ(bCVector(2, 4, 6) * matProjective, bCVector(1, 2, 3));
    matProjective(3, 3) = 0.0f; // column 3 all zero: w is 0
    EXPECT_EQ(bCVector(2, 4, 6) * matProjective, bCVector(0, 0, 0));
    matProjective(0, 3) = 1.0f; // w = x
    EXPECT_EQ(bCVector(2, 4, 6) * matProjective, bCVector(1, 2, 3));
    EXPECT_EQ(bCVector(5.0e-6f, 4, 6) * matProjective, bCVector(0, 0, 0));

    // Source and destination may be the same vector.
    bCMatrix matRows = bCMatrix::GetIdentity();
    matRows.SetRow(0, bCVector(0, 1, 0));
    matRows.SetRow(1, bCVector(1, 0, 0));
    bCVector vecSelf(1, 2, 3);
    vecSelf.SetTransformed(vecSelf, matRows);
    EXPECT_EQ(vecSelf, bCVector(2, 1, 3));

    bCMatrix3 const matSmall(bCVector(1, 2, 0), bCVector(0, 1, 0), bCVector(0, 0, 1));
    EXPECT_EQ(bCVector(1, 1, 1) * matSmall, bCVector(1, 3, 1));
    EXPECT_EQ(bCVector(1, 1, 1).GetTransposedTransformed(matSmall), bCVector(3, 1, 1));
    ExpectNear((bCVector(1, 1, 1) * matSmall) / matSmall, bCVector(1, 1, 1), 1.0e-6f);
}

TEST(bCVector2, FormsAndUnimplementedCross)
{
    EXPECT_EQ(bCVector2(0, 0).GetNormalized(), bCVector2(0, 0));
    EXPECT_EQ(bCVector2(3, 4).GetNormalized(), bCVector2(0.6f, 0.8f));
    EXPECT_NEAR(bCVector2(3, 4).GetMagnitudeApprox(), 5.0f, 0.01f);
    EXPECT_NE(bCVector2(3, 4).GetMagnitudeApprox(), 5.0f); // an estimate, not the root

    bCMatrix2 const matTurn(0, 1, -1, 0); // x towards y
    EXPECT_EQ(bCVector2(1, 0) * matTurn, bCVector2(0, 1));

    bCMessageRecorder Recorder;
    bCVector2 vecCross(1, 2);
    vecCross.CrossProduct(bCVector2(3, 4));
    EXPECT_EQ(vecCross, bCVector2(1, 2));
    EXPECT_EQ(Recorder.GetAll(),
              "The method  bCVector2::SetCrossProduct was called, but has not yet been implemented!\n");
}

TEST(bCVector4, MagnitudeEstimateSortsEveryOrder)
{
    // 4 + (25 * 3 + 19 * 2 + 16 * 1) / 60 whatever the order and the signs.
    float const fValues[4] = {1, -2, 3, -4};
    int iOrder[4] = {0, 1, 2, 3};
    do
    {
        bCVector4 const vecInput(fValues[iOrder[0]], fValues[iOrder[1]], fValues[iOrder[2]], fValues[iOrder[3]]);
        EXPECT_FLOAT_EQ(vecInput.GetMagnitudeApprox(), 6.15f) << iOrder[0] << iOrder[1] << iOrder[2] << iOrder[3];
    } while (std::next_permutation(iOrder, iOrder + 4));
    EXPECT_EQ(bCVector4(0, 0, 3, 4).GetNormalized(), bCVector4(0, 0, 0.6f, 0.8f));
}
