#include "math/oe_math3d_testsupport.h"
#include "support/oe_messagerecorder.h"

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_string.h>

#include <glm/gtc/matrix_transform.hpp>
#include <glm/matrix.hpp>

#include <cstring>
#include <limits>
#include <string>
#include <thread>
#include <vector>

TEST(bCMatrix, ProductAppliesTheSecondFactorFirst)
{
    bCMatrix matTranslate, matTurn;
    matTranslate.SetToTranslation(bCVector(1, 0, 0));
    matTurn.SetToRotationAxisZ(g_fPIDiv2);
    ExpectNear(bCVector(1, 0, 0) * matTurn, bCVector(0, 1, 0), 1.0e-6f);
    bCMatrix matBoth;
    matBoth.SetToProduct(matTranslate, matTurn);
    ExpectNear(bCVector(1, 0, 0) * matBoth, bCVector(1, 1, 0), 1.0e-6f);
    EXPECT_EQ(matTranslate * matTurn, matBoth);
    EXPECT_EQ(matTurn.GetProductPrefix(matTranslate), matBoth);
    bCMatrix matMultiplied(matTranslate);
    matMultiplied.Multiply(matTurn); // turn first, then translate
    EXPECT_EQ(matMultiplied, matBoth);
    bCMatrix matReversed(matTurn);
    matReversed.ReverseMultiply(matTranslate); // turn first, then translate
    EXPECT_EQ(matReversed, matBoth);
    ExpectNear(bCVector(1, 0, 0) * (matTurn * matTranslate), bCVector(0, 2, 0), 1.0e-6f); // translated, then turned
}

TEST(bCMatrix, ProductsInversesAndDeterminantsAgreeWithGlm)
{
    bCRandomInputs Random(77);
    for (int i = 0; i < 500; ++i)
    {
        SCOPED_TRACE(i);
        bCMatrix const matA = Random.GetMatrix(), matB = Random.GetMatrix();
        ExpectNear(matA * matB, FromGlm(ToGlm(matA) * ToGlm(matB)), 1.0e-5f);
        bCMatrix matAliased(matA);
        matAliased.SetToProduct(matAliased, matAliased);
        EXPECT_EQ(matAliased, matA * matA);

        float const fDeterminant = matA.GetDeterminant();
        EXPECT_NEAR(fDeterminant, glm::determinant(ToGlm(matA)), 1.0e-3f * (1.0f + std::fabs(fDeterminant)));
        if (std::fabs(fDeterminant) < 0.5f)
            continue; // badly conditioned: the two formulations round differently
        ExpectNear(~matA, FromGlm(glm::inverse(ToGlm(matA))), 1.0e-3f);
        ExpectNear(matA * matA.GetInverted(), bCMatrix::GetIdentity(), 1.0e-3f);
    }
}

TEST(bCMatrix, SingularMatricesInvertToTheIdentity)
{
    EXPECT_TRUE(bCMatrix(0.0f).GetInverted().IsIdentity());
    bCMatrix matFlat = bCMatrix::GetIdentity();
    matFlat.SetRow(2, bCVector4(0, 0, 0, 0));
    EXPECT_TRUE(matFlat.GetInverted().IsIdentity());
    EXPECT_TRUE(bCMatrix3(0.0f).GetInverted().IsIdentity());

    bCMatrix3 matSmall(bCVector(2, 0, 0), bCVector(0, 4, 0), bCVector(1, 0, 8));
    matSmall.Invert();
    EXPECT_EQ(matSmall, bCMatrix3(bCVector(0.5f, 0, 0), bCVector(0, 0.25f, 0), bCVector(-0.0625f, 0, 0.125f)));
    EXPECT_EQ(bCMatrix2(2, 0, 1, 4).GetInverted(), bCMatrix2(0.5f, 0, -0.125f, 0.25f));
    EXPECT_EQ(bCMatrix2(1, 2, 3, 4) * bCMatrix2(0, 1, 1, 0), bCMatrix2(3, 4, 1, 2)); // the swap applies first
    EXPECT_EQ(bCMatrix3(bCVector(1, 2, 3), bCVector(4, 5, 6), bCVector(7, 8, 10)).GetDeterminant(), -3.0f);
}

TEST(bCMatrix, ElementaryRotationsTurnInThePositiveSense)
{
    struct
    {
        void (bCMatrix::*pfuncSet)(float);
        bCVector vecFrom, vecTo;
        glm::vec3 vecGlmAxis;
    } const Cases[] = {
        {&bCMatrix::SetToRotationAxisX, bCVector(0, 1, 0), bCVector(0, 0, 1), glm::vec3(1, 0, 0)},
        {&bCMatrix::SetToRotationAxisY, bCVector(0, 0, 1), bCVector(1, 0, 0), glm::vec3(0, 1, 0)},
        {&bCMatrix::SetToRotationAxisZ, bCVector(1, 0, 0), bCVector(0, 1, 0), glm::vec3(0, 0, 1)},
    };
    for (auto const & Case : Cases)
    {
        SCOPED_TRACE(Case.vecFrom.GetX() + 2 * Case.vecFrom.GetY());
        bCMatrix matRotation;
        (matRotation.*Case.pfuncSet)(g_fPIDiv2);
        ExpectNear(Case.vecFrom * matRotation, Case.vecTo, 1.0e-6f);
        (matRotation.*Case.pfuncSet)(0.7f);
        ExpectNear(matRotation, FromGlm(glm::rotate(glm::mat4(1.0f), 0.7f, Case.vecGlmAxis)), 1.0e-6f);
    }
    bCMatrix matKept;
    matKept.SetToTranslation(bCVector(4, 5, 6));
    matKept(0, 3) = 2.0f;
    matKept.ModifyRotationAxisY(1.0f);
    EXPECT_EQ(matKept.GetTranslation(), bCVector(4, 5, 6));
    EXPECT_EQ(matKept(0, 3), 2.0f);

    // Rotate turns after the transform (the translation too), RotateLocal before it.
    bCMatrix matWorld;
    matWorld.SetToTranslation(bCVector(1, 0, 0));
    bCMatrix matLocal(matWorld);
    matWorld.RotateAxisZ(g_fPIDiv2);
    matLocal.RotateLocalAxisZ(g_fPIDiv2);
    ExpectNear(matWorld.GetTranslation(), bCVector(0, 1, 0), 1.0e-6f);
    EXPECT_EQ(matLocal.GetTranslation(), bCVector(1, 0, 0));
    ExpectNear(matLocal.GetXAxis(), bCVector(0, 1, 0), 1.0e-6f);
}

TEST(bCMatrix, AxisAngleMatrixTurnsOppositeToItsQuaternion)
{
    bCAxisAngle const aaTurn(bCVector(2, 0, 0), g_fPIDiv2); // the axis need not be unit
    ExpectNear(bCVector(0, 1, 0) * bCMatrix(aaTurn), bCVector(0, 0, -1), 1.0e-6f);
    ExpectNear(bCQuaternion(bCAxisAngle(bCVector(1, 0, 0), g_fPIDiv2)).GetTransformedVector(bCVector(0, 1, 0)),
               bCVector(0, 0, 1), 1.0e-6f);
    // The row lengths survive.
    bCMatrix matScaled;
    matScaled.SetToScaling(bCVector(2, 3, 4));
    matScaled.ModifyTranslation(bCVector(7, 8, 9));
    matScaled.ModifyRotation(bCAxisAngle(bCVector(1, 1, 1), 1.0f));
    ExpectNear(matScaled.GetPureScaling(), bCVector(2, 3, 4), 1.0e-5f);
    EXPECT_EQ(matScaled.GetTranslation(), bCVector(7, 8, 9));
    matScaled.ModifyRotation(bCAxisAngle(bCVector(1, 1, 1), 0.0f));
    ExpectNear(matScaled.GetRotation(),
               bCMatrix(bCVector(2, 0, 0), bCVector(0, 3, 0), bCVector(0, 0, 4), bCVector(0, 0, 0)), 1.0e-5f);
    // Angle 0: the diagonal of the old lengths, a zero row included.
    bCMatrix matFlat = bCMatrix::GetIdentity();
    matFlat.SetXAxis(bCVector(0, 0, 0));
    matFlat.ModifyRotation(bCAxisAngle(bCVector(1, 1, 1), 0.0f));
    EXPECT_EQ(matFlat.GetRotation3(), bCMatrix3(bCVector(0, 0, 0), bCVector(0, 1, 0), bCVector(0, 0, 1)));
    bCMatrix matZeroAxis = bCMatrix::GetIdentity();
    matZeroAxis.ModifyRotation(bCAxisAngle(bCVector(0, 0, 0), 1.0f));
    EXPECT_TRUE(matZeroAxis.IsIdentity());
}

TEST(bCMatrix, ScalingAndComposition)
{
    bCRandomInputs Random(5);
    bCQuaternion const quatTurn = Random.GetUnitQuaternion();
    bCMatrix matComposed;
    matComposed.SetMatrix(bCVector(5, 6, 7), quatTurn, bCVector(2, 3, 4));
    bCMatrix const matRotation(quatTurn);
    for (int r = 0; r < 3; ++r)
        ExpectNear(matComposed.GetRow(r), matRotation.GetRow(r) * static_cast<float>(r + 2), 1.0e-6f);
    EXPECT_EQ(matComposed.GetTranslation(), bCVector(5, 6, 7));
    EXPECT_FALSE(matComposed.IsExcentric());
    ExpectNear(matComposed.GetPureScaling(), bCVector(2, 3, 4), 1.0e-5f);
    EXPECT_TRUE(matComposed.GetPureRotation().IsOrthonormal());

    bCMatrix matScaled(matRotation);
    matScaled.ModifyTranslation(bCVector(1, 2, 3));
    bCMatrix matScaling;
    matScaling.SetToScaling(bCVector(2, 3, 4));
    bCMatrix const matExpected = matScaled * matScaling; // scaling first
    matScaled.Scale(bCVector(2, 3, 4));
    ExpectNear(matScaled, matExpected, 1.0e-6f);
    EXPECT_EQ(matScaled.GetTranslation(), bCVector(1, 2, 3));
    matScaled.ModifyScaling(0.5f);
    ExpectNear(matScaled.GetPureScaling(), bCVector(0.5f, 0.5f, 0.5f), 1.0e-6f);

    bCMotion const Motion(bCVector(1, 2, 3), quatTurn);
    bCMatrix const matMotion(Motion);
    ExpectNear(matMotion.GetRotation(), matRotation, 0.0f);
    EXPECT_EQ(matMotion.GetTranslation(), bCVector(1, 2, 3));
}

TEST(bCMatrix, FramesAndFrameTests)
{
    bCRandomInputs Random(9);
    for (int i = 0; i < 100; ++i)
    {
        SCOPED_TRACE(i);
        bCVector const vecA = Random.GetVector(), vecB = Random.GetVector();
        bCMatrix matCross;
        matCross.SetToCrossProduct(vecA);
        ExpectNear(vecB.GetTransformedDirection(matCross), vecA.GetCrossProduct(vecB), 1.0e-5f);
        bCMatrix matFrame = Random.GetMatrix();
        matFrame.Orthonormalize();
        EXPECT_TRUE(matFrame.IsOrthonormal());
        EXPECT_GT(matFrame.GetDeterminantRotation(), 0.0f); // row 0 = row 1 x row 2 keeps the frame left-handed
    }
    struct
    {
        bCVector vecDirection, vecUp, vecRow1;
    } const LookCases[] = {
        {bCVector(0, 0, 5), bCVector(0, 1, 0), bCVector(0, 1, 0)},
        {bCVector(0, 1, 0), bCVector(0, 1, 0), bCVector(0, 0, 1)}, // up along the direction: forward instead
        {bCVector(0, 0, 1), bCVector(0, 0, 1), bCVector(0, 1, 0)}, // forward along it too: up
        {bCVector(0, 0, 1), bCVector(0, 0, 0), bCVector(0, 1, 0)}, // no up given: row 1 as it was
        {bCVector(1, 0, 0), bCVector(1, 1, 0), bCVector(0, 1, 0)},
    };
    for (auto const & Case : LookCases)
    {
        SCOPED_TRACE(Case.vecRow1.GetZ());
        bCMatrix matLook = bCMatrix::GetIdentity();
        matLook.LookAt(Case.vecDirection, Case.vecUp);
        EXPECT_EQ(matLook.GetZAxis(), Case.vecDirection); // not normalised
        ExpectNear(matLook.GetYAxis(), Case.vecRow1, 1.0e-6f);
        ExpectNear(matLook.GetXAxis(), Case.vecRow1.GetCrossProduct(Case.vecDirection), 1.0e-6f);
    }

    bCMatrix matGram(bCVector(2, 2, 0), bCVector(0, 2, 0), bCVector(0, 0, 3), bCVector(0, 0, 0));
    matGram.Orthogonalize();
    EXPECT_EQ(matGram.GetXAxis(), bCVector(2, 0, 0));
    EXPECT_EQ(matGram.GetZAxis(), bCVector(0, 0, 3));
    bCMatrix matZero(0.0f);
    matZero.Orthonormalize();
    EXPECT_EQ(matZero.GetRotation(), bCMatrix::GetIdentity().GetRotation());

    struct
    {
        float fLength, fCross;
        bool bOrthogonal, bOrthonormal;
    } const TestCases[] = {
        {1.0f, 0.0f, true, true},     {1.009f, 0.0f, true, true},    {1.02f, 0.0f, true, false},
        {0.98f, 0.0f, true, false},   {1.0f, 0.01f, true, true},
        {1.0f, 0.011f, false, false}, {1.0f, -0.011f, false, false},
    };
    for (auto const & Case : TestCases)
    {
        SCOPED_TRACE(testing::Message() << Case.fLength << " " << Case.fCross);
        bCMatrix matTest = bCMatrix::GetIdentity();
        matTest.SetXAxis(bCVector(Case.fLength, 0, 0));
        matTest(1, 0) = Case.fCross / Case.fLength; // x . y = cross
        EXPECT_EQ(matTest.IsOrthogonal(), Case.bOrthogonal);
        EXPECT_EQ(matTest.IsOrthonormal(), Case.bOrthonormal);
        EXPECT_EQ(matTest.IsValid(), Case.bOrthogonal);
    }
    bCMatrix matBroken = bCMatrix::GetIdentity();
    matBroken(3, 2) = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(matBroken.IsValid());
    EXPECT_TRUE(matBroken.IsOrthonormal());
}

TEST(bCMatrix, PrintDebugSendsItsReportInOrder)
{
    bCMessageRecorder Recorder;
    bCMatrix matSample = bCMatrix::GetIdentity();
    matSample(0, 0) = 2.0f;
    matSample.PrintDebug(bCString("label"));
    std::string strExpected = "------------------------------------------------\nlabel\nmatrix is orthogonal\n"
                              "matrix is not orthonormal\nmatrix is valid\nscaling is:\n"
                              " X: 2.000000, Y: 1.000000, Z: 1.000000\nlength of x axis is: 2.000000\n"
                              "length of y axis is: 1.000000\nlength of z axis is: 1.000000\n----- contents:\n";
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            strExpected += " row: " + std::to_string(r) + ", column: " + std::to_string(c) + " is " +
                           (r == c ? (r == 0 ? "2.000000" : "1.000000") : "0.000000") + "\n";
    strExpected += "------------------------------------------------\n";
    EXPECT_EQ(Recorder.GetAll(), strExpected);
}

TEST(bCMatrix, InPlaceProductsFromManyThreads)
{
    // Each thread multiplies and inverts its own matrices in place; a shared
    // temporary would mix the threads' results.
    std::vector<std::thread> arrThreads;
    std::vector<int> arrFailures(4, 0);
    for (int iThread = 0; iThread < 4; ++iThread)
        arrThreads.emplace_back([iThread, &arrFailures] {
            bCRandomInputs Random(100 + static_cast<unsigned>(iThread));
            for (int i = 0; i < 2000; ++i)
            {
                bCMatrix const matA = Random.GetMatrix();
                bCMatrix matInPlace(matA);
                matInPlace.SetToProduct(matInPlace, matA);
                bCMatrix3 matSmall(matA.GetRow(0), matA.GetRow(1), matA.GetRow(2));
                bCMatrix3 const matSmallInverse = matSmall.GetInverted();
                matSmall.SetToInverse(matSmall);
                if (matInPlace != matA.GetProduct(matA) || matSmall != matSmallInverse)
                    ++arrFailures[static_cast<size_t>(iThread)];
            }
        });
    for (std::thread & Thread : arrThreads)
        Thread.join();
    EXPECT_EQ(arrFailures, std::vector<int>(4, 0));
}
