#include "math/oe_math3d_testsupport.h"

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_message.h>

#include <glm/gtx/euler_angles.hpp>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace
{
    struct bSSeenMessage
    {
        int iType, iLine, iPriority;
        std::string strText;
        bool bHasText2, bHasFile;
    };

    std::vector<bSSeenMessage> & SeenMessages()
    {
        static std::vector<bSSeenMessage> s_arrMessages;
        return s_arrMessages;
    }

    bool RecordMessage(bEMessageTypes a_eType, char const * a_pcText, char const * a_pcText2, unsigned long,
                       char const * a_pcFile, int a_iLine, int a_iPriority)
    {
        SeenMessages().push_back(
            {a_eType, a_iLine, a_iPriority, a_pcText ? a_pcText : "", a_pcText2 != nullptr, a_pcFile != nullptr});
        return true;
    }

} // namespace

TEST(bCQuaternion, ProductsAndMatricesAgreeWithGlm)
{
    bCRandomInputs Random(42);
    for (int i = 0; i < 500; ++i)
    {
        SCOPED_TRACE(i);
        bCQuaternion const quatA = Random.GetUnitQuaternion(), quatB = Random.GetUnitQuaternion();
        glm::quat const quatGlm = ToGlm(quatA) * ToGlm(quatB);
        bCQuaternion const quatProduct = quatA * quatB;
        EXPECT_NEAR(quatProduct.GetX(), quatGlm.x, 1.0e-6f);
        EXPECT_NEAR(quatProduct.GetY(), quatGlm.y, 1.0e-6f);
        EXPECT_NEAR(quatProduct.GetZ(), quatGlm.z, 1.0e-6f);
        EXPECT_NEAR(quatProduct.GetW(), quatGlm.w, 1.0e-6f);
        ExpectNear(quatA.GetMatrix(), FromGlm(glm::mat4_cast(ToGlm(quatA))), 1.0e-6f);
        // Both apply b first.
        ExpectNear(quatProduct.GetMatrix(), quatA.GetMatrix() * quatB.GetMatrix(), 1.0e-5f);
        EXPECT_EQ(quatA.GetProduct(quatB), quatProduct);
        EXPECT_EQ(quatB.GetReverseProduct(quatA), quatProduct);
        // Back from the matrix: the same rotation. The first branch serves down to
        // a trace t = 4 w w of 1e-5; t comes from a sum near 0, so its rounding
        // (about 1e-7) grows to 1e-7 / (w w) in the result.
        float const fW = quatA.GetW();
        float const fTolerance = std::max(1.0e-5f, 2.0e-7f / (fW * fW));
        ExpectSameRotation(bCQuaternion(quatA.GetMatrix()), quatA, fTolerance);
        ExpectSameRotation(bCQuaternion(quatA.GetMatrix3()), quatA, fTolerance);
        ExpectNear(quatA.GetTransformedVector(bCVector(1, 2, 3)), bCVector(1, 2, 3) * quatA.GetMatrix(), 1.0e-6f);
        bCQuaternion quatInverse(quatA * 3.0f);
        quatInverse.Invert();
        ExpectSameRotation(quatInverse * (quatA * 3.0f), bCQuaternion::GetIdentity(), 1.0e-6f);
    }
}

TEST(bCQuaternion, MatrixBranchesForHalfTurns)
{
    struct
    {
        void (bCMatrix::*pfuncSet)(float);
        bCQuaternion quatExpected;
    } const Cases[] = {
        {&bCMatrix::SetToRotationAxisX, bCQuaternion(1, 0, 0, 0)}, // trace 0: the x branch
        {&bCMatrix::SetToRotationAxisY, bCQuaternion(0, 1, 0, 0)}, // m11 largest: the y branch
        {&bCMatrix::SetToRotationAxisZ, bCQuaternion(0, 0, 1, 0)}, // m22 not below m11: the z branch
    };
    for (auto const & Case : Cases)
    {
        SCOPED_TRACE(Case.quatExpected.GetY() + 2 * Case.quatExpected.GetZ());
        bCMatrix matHalfTurn;
        (matHalfTurn.*Case.pfuncSet)(g_fPI);
        bCQuaternion const quatResult(matHalfTurn);
        ExpectSameRotation(quatResult, Case.quatExpected, 1.0e-6f);
        ExpectNear(quatResult.GetMatrix(), matHalfTurn, 1.0e-6f);
    }
    EXPECT_EQ(bCQuaternion(bCMatrix::GetIdentity()), bCQuaternion(0, 0, 0, 1));
    // Just short of half a turn the trace is below 1e-5 and w is small but not 0:
    // every branch must get the sense of the turn right.
    bCVector const vecAxes[] = {bCVector(1, 0, 0), bCVector(0, 1, 0), bCVector(0, 0, 1), bCVector(-0.6f, 0, 0.8f),
                                bCVector(0.36f, 0.48f, -0.8f)};
    for (bCVector const & vecAxis : vecAxes)
    {
        SCOPED_TRACE(vecAxis[0] + 2 * vecAxis[1] + 4 * vecAxis[2]);
        bCQuaternion const quatTurn(bCAxisAngle(vecAxis, 3.14f));
        bCMatrix const matTurn(quatTurn);
        ASSERT_LE(matTurn(0, 0) + matTurn(1, 1) + matTurn(2, 2) + 1.0f, 1.0e-5f);
        ExpectSameRotation(bCQuaternion(matTurn), quatTurn, 1.0e-5f);
    }
}

TEST(bCQuaternion, RotationBetweenVectors)
{
    EXPECT_EQ(bCQuaternion(bCVector(0, 1, 0), bCVector(0, 1, 0)), bCQuaternion(0, 0, 0, 1));
    EXPECT_EQ(bCQuaternion(bCVector(1, 0, 0), bCVector(-1, 0, 0)), bCQuaternion(0, 0, 1, 0));
    EXPECT_EQ(bCQuaternion(bCVector(0, 0, 1), bCVector(0, 0, -1)), bCQuaternion(0, 1, 0, 0));
    bCRandomInputs Random(3);
    for (int i = 0; i < 200; ++i)
    {
        SCOPED_TRACE(i);
        bCVector const vecFrom = Random.GetVector().GetNormalized(), vecTo = Random.GetVector().GetNormalized();
        bCQuaternion const quatTurn(vecFrom, vecTo);
        EXPECT_NEAR(quatTurn.GetSquareMagnitude(), 1.0f, 1.0e-5f);
        ExpectNear(quatTurn.GetTransformedVector(vecFrom), vecTo, 1.0e-4f);
        bCQuaternion const quatBack(vecFrom, -vecFrom); // half a turn about some perpendicular axis
        ExpectNear(quatBack.GetTransformedVector(vecFrom), -vecFrom, 1.0e-5f);
    }
}

TEST(bCQuaternion, NormalizeAndItsZeroMessage)
{
    SeenMessages().clear();
    ASSERT_TRUE(bCMessageAdmin::GetInstance().RegisterCallback(&RecordMessage, bEMessageCallbackPriority_Normal, 0));
    bCQuaternion quatZero(0, 0, 0, 0);
    quatZero.Normalize();
    bCQuaternion quatSome(0, 3, 0, 4);
    quatSome.Normalize();
    bCMessageAdmin::GetInstance().UnregisterCallback(&RecordMessage);
    EXPECT_EQ(quatZero, bCQuaternion(0, 0, 0, 0));
    EXPECT_EQ(quatSome, bCQuaternion(0, 0.6f, 0, 0.8f));
    ASSERT_EQ(SeenMessages().size(), 1u);
    EXPECT_EQ(SeenMessages()[0].strText, "bCQuaternion::Normalize -> Division by zero!");
    EXPECT_EQ(SeenMessages()[0].iType, 3);
    EXPECT_EQ(SeenMessages()[0].iPriority, 5);

    EXPECT_TRUE(bCQuaternion(0, 0, 0, std::sqrt(1.09f)).IsNormalized());
    EXPECT_FALSE(bCQuaternion(0, 0, 0, std::sqrt(1.11f)).IsNormalized());
}

TEST(bCQuaternion, InterpolationAgreesWithGlm)
{
    bCRandomInputs Random(8);
    for (int i = 0; i < 300; ++i)
    {
        SCOPED_TRACE(i);
        bCQuaternion const quatA = Random.GetUnitQuaternion(), quatB = Random.GetUnitQuaternion();
        if (1.0f - std::fabs(quatA.GetDotProduct(quatB)) < 0.05f)
            continue; // our linear fallback starts earlier than GLM's
        float const fT = Random.Get(0, 1);
        // On the long way round GLM negates b where we negate a: the results are opposite.
        float const fSign = quatA.GetDotProduct(quatB) < 0.0f ? -1.0f : 1.0f;
        glm::quat const quatGlm = glm::slerp(ToGlm(quatA), ToGlm(quatB), fT) * fSign;
        bCQuaternion const quatResult = quatA.GetSlerp(quatB, fT);
        EXPECT_NEAR(quatResult.GetX(), quatGlm.x, 1.0e-5f);
        EXPECT_NEAR(quatResult.GetY(), quatGlm.y, 1.0e-5f);
        EXPECT_NEAR(quatResult.GetZ(), quatGlm.z, 1.0e-5f);
        EXPECT_NEAR(quatResult.GetW(), quatGlm.w, 1.0e-5f);
    }
    // Near parallel: linear weights, not renormalised.
    bCQuaternion const quatA(0, 0, 0, 1), quatB(0.1f, 0, 0, 0.99f);
    bCQuaternion const quatNear = quatA.GetSlerp(quatB, 0.5f);
    EXPECT_NEAR(quatNear.GetX(), 0.05f, 1.0e-7f);
    EXPECT_NEAR(quatNear.GetW(), 0.995f, 1.0e-7f);
    // The shorter way: a is flipped when the dot product is negative.
    ExpectSameRotation(bCQuaternion(0, 0, 0, -1).GetSlerp(quatB, 1.0f), quatB, 1.0e-7f);
    EXPECT_EQ(bCQuaternion(0, 0, 0, -1).GetLerp(bCQuaternion(0, 0, 0, 1), 0.25f), bCQuaternion(0, 0, 0, 1));
    EXPECT_EQ(bCQuaternion(0, 0, 0, 1).GetLerp(bCQuaternion(0, 1, 0, 0), 0.5f), bCQuaternion(0, 0.5f, 0, 0.5f));
}

TEST(bCQuaternion, WorldAndLocalTurnsMatchTheMatrices)
{
    bCRandomInputs Random(11);
    bCQuaternion const quatStart = Random.GetUnitQuaternion();
    bCMatrix const matStart(quatStart);
    ExpectNear(bCMatrix(quatStart.GetRotatedAxisX(0.4f)), matStart.GetRotatedByAxisX(0.4f), 1.0e-5f);
    ExpectNear(bCMatrix(quatStart.GetRotatedAxisY(0.4f)), matStart.GetRotatedByAxisY(0.4f), 1.0e-5f);
    ExpectNear(bCMatrix(quatStart.GetRotatedLocalAxisX(0.4f)), matStart.GetRotatedByLocalAxisX(0.4f), 1.0e-5f);
    ExpectNear(bCMatrix(quatStart.GetRotatedLocalAxisZ(0.4f)), matStart.GetRotatedByLocalAxisZ(0.4f), 1.0e-5f);
    ExpectNear(bCMatrix(quatStart.GetRotatedAxis(bCVector(0, 1, 0), 0.4f)), matStart.GetRotatedByAxisY(0.4f), 1.0e-5f);
    ExpectNear(matStart.GetRotated(quatStart), matStart * matStart, 1.0e-6f);
}

TEST(bCEulerAngles, ConversionsAroundTheCircle)
{
    bCRandomInputs Random(21);
    for (int i = 0; i < 500; ++i)
    {
        SCOPED_TRACE(i);
        bCEulerAngles const angInput(Random.Get(-3.1f, 3.1f), Random.Get(-1.5f, 1.5f), Random.Get(-3.1f, 3.1f));
        bCMatrix const matRotation(angInput);
        // GLM's Y-X-Z composition applies z (roll) first, then x (pitch), then y (yaw).
        ExpectNear(matRotation, FromGlm(glm::eulerAngleYXZ(angInput.GetYaw(), angInput.GetPitch(), angInput.GetRoll())),
                   1.0e-6f);
        ExpectNear(bCMatrix(angInput.GetQuaternion()), matRotation, 1.0e-5f);
        bCEulerAngles const angBack(matRotation);
        EXPECT_NEAR(angBack.GetYaw(), angInput.GetYaw(), 1.0e-3f);
        EXPECT_NEAR(angBack.GetPitch(), angInput.GetPitch(), 1.0e-3f);
        EXPECT_NEAR(angBack.GetRoll(), angInput.GetRoll(), 1.0e-3f);
        ExpectNear(bCMatrix(bCEulerAngles(angInput.GetQuaternion())), matRotation, 1.0e-4f);
        bCAxisAngle const aaTurn(angInput.GetQuaternion());
        ExpectSameRotation(bCQuaternion(aaTurn), angInput.GetQuaternion(), 1.0e-5f);
    }
}

TEST(bCEulerAngles, GimbalLockPutsEverythingInRoll)
{
    bCEulerAngles const angStraightUp(bCMatrix(bCEulerAngles(0, g_fPIDiv2, 0)));
    EXPECT_EQ(angStraightUp.GetYaw(), 0.0f);
    EXPECT_NEAR(angStraightUp.GetPitch(), g_fPIDiv2, 1.0e-6f);
    EXPECT_NEAR(angStraightUp.GetRoll(), 0.0f, 1.0e-6f);

    bCEulerAngles const angInput(0.3f, g_fPIDiv2, 0.5f);
    bCEulerAngles const angLocked((bCMatrix(angInput)));
    EXPECT_EQ(angLocked.GetYaw(), 0.0f);
    EXPECT_NEAR(angLocked.GetRoll(), 0.2f, 1.0e-3f);
    ExpectNear(bCMatrix(angLocked), bCMatrix(angInput), 1.0e-3f);
    bCEulerAngles const angDown(bCMatrix(bCEulerAngles(0.3f, -g_fPIDiv2, 0.5f)));
    EXPECT_NEAR(angDown.GetRoll(), 0.8f, 1.0e-3f);
    EXPECT_NEAR(angDown.GetPitch(), -g_fPIDiv2, 1.0e-6f);

    // Through an axis-angle the matrix form, which turns the other way, decides.
    EXPECT_NEAR(bCEulerAngles(bCAxisAngle(bCVector(0, 1, 0), 0.5f)).GetYaw(), -0.5f, 1.0e-6f);
    EXPECT_NEAR(bCEulerAngles(bCQuaternion(bCAxisAngle(bCVector(0, 1, 0), 0.5f))).GetYaw(), 0.5f, 1.0e-6f);
}

TEST(bCAxisAngle, FromQuaternion)
{
    bCAxisAngle const aaNone(bCQuaternion(0, 0, 0, 1));
    EXPECT_EQ(aaNone, bCAxisAngle(bCVector(1, 0, 0), 0.0f));
    bCAxisAngle const aaTurn(bCQuaternion(0, 0.70710677f, 0, 0.70710677f));
    EXPECT_NEAR(aaTurn.GetAngle(), g_fPIDiv2, 1.0e-6f);
    ExpectNear(aaTurn.GetAxis(), bCVector(0, 1, 0), 1.0e-6f);
    // The axis is used as given: a long axis gives a long quaternion.
    EXPECT_EQ(bCQuaternion(bCAxisAngle(bCVector(0, 0, 2), g_fPI)).GetZ(), 2.0f);
}

TEST(bCSphericalRotation, ConvertsAsWritten)
{
    // To a quaternion the angles are radians; z repeats y's latitude term.
    bCQuaternion const quatLiteral(bCSphericalRotation(g_fPIDiv2, 0, g_fPI));
    EXPECT_NEAR(quatLiteral.GetX(), 0.0f, 1.0e-6f);
    EXPECT_NEAR(quatLiteral.GetY(), 1.0f, 1.0e-6f);
    EXPECT_NEAR(quatLiteral.GetZ(), 1.0f, 1.0e-6f);
    EXPECT_NEAR(quatLiteral.GetW(), 0.0f, 1.0e-6f);

    struct
    {
        bCQuaternion quatInput;
        float fLatitude, fLongitude, fAzimuth;
    } const Cases[] = {
        {bCQuaternion(0, 0, 0, 1), 0.0f, 0.0f, 0.0f},
        {bCQuaternion(0.6f, 0, 0.8f, 0), 0.0f, 36.869896f, 180.0f},
        {bCQuaternion(-0.6f, 0, 0.8f, 0), 0.0f, 323.1301f, 180.0f},
        {bCQuaternion(0, 0.5f, 0, 0.8660254f), -g_fPIDiv2, 0.0f, 60.0f},
    };
    for (auto const & Case : Cases)
    {
        SCOPED_TRACE(Case.fLongitude);
        bCSphericalRotation const srResult(Case.quatInput);
        EXPECT_NEAR(srResult.GetLatitude(), Case.fLatitude, 1.0e-3f);
        EXPECT_NEAR(srResult.GetLongitude(), Case.fLongitude, 1.0e-3f);
        EXPECT_NEAR(srResult.GetAzimuth(), Case.fAzimuth, 1.0e-3f);
    }
}
