// Every primitive turns by a 3x3 matrix through its operators as it does
// through Transform and InvTransform: a quarter turn about z moves x to y.

#include <vellmark/math/3d/oe_matrix3.h>
#include <vellmark/math/3d/oe_unitedray.h>

#include <gtest/gtest.h>

#include <functional>

namespace
{
    // One characteristic point of each primitive after op(primitive, m).
    struct bSMatrix3Case
    {
        char const * m_pcName;
        std::function<bCVector(bCMatrix3 const &, bool)> m_fnApply; // true: *, false: /
    };

    template <class PRIMITIVE>
    std::function<bCVector(bCMatrix3 const &, bool)> MakeCase(PRIMITIVE const & a_Primitive,
                                                              std::function<bCVector(PRIMITIVE const &)> a_fnPoint)
    {
        return [a_Primitive, a_fnPoint](bCMatrix3 const & a_matTurn, bool a_bForward) {
            PRIMITIVE Compound(a_Primitive);
            if (a_bForward)
                Compound *= a_matTurn;
            else
                Compound /= a_matTurn;
            bCVector const vecPoint = a_fnPoint(a_bForward ? a_Primitive * a_matTurn : a_Primitive / a_matTurn);
            EXPECT_EQ(a_fnPoint(Compound), vecPoint) << "compound form";
            return vecPoint;
        };
    }
} // namespace

TEST(bCPrimitives, OperatorsWithAThreeByThreeMatrix)
{
    bCVector const vecX(1.0f, 0.0f, 0.0f), vecZ(0.0f, 0.0f, 1.0f);
    bSMatrix3Case const arrCases[] = {
        {"line", MakeCase<bCLine>(bCLine(vecX, vecZ), [](bCLine const & a_P) { return a_P.GetOrigin(); })},
        {"ray", MakeCase<bCRay>(bCRay(vecX, vecZ), [](bCRay const & a_P) { return a_P.GetOrigin(); })},
        {"stretch", MakeCase<bCStretch>(bCStretch(vecX, vecZ), [](bCStretch const & a_P) { return a_P.GetStart(); })},
        {"united ray", MakeCase<bCUnitedRay>(bCUnitedRay(bCRay(vecX, vecZ)),
                                             [](bCUnitedRay const & a_P) { return a_P.GetOrigin(); })},
        {"plane", MakeCase<bCPlane>(bCPlane(vecX, 0.0f), [](bCPlane const & a_P) { return a_P.GetNormal(); })},
        {"triangle",
         MakeCase<bCTriangle>(bCTriangle(vecX, vecZ, vecZ), [](bCTriangle const & a_P) { return a_P.GetA(); })},
        {"box", MakeCase<bCBox>(bCBox(vecX, vecX), [](bCBox const & a_P) { return a_P.GetMin(); })},
        {"sphere", MakeCase<bCSphere>(bCSphere(1.0f, vecX), [](bCSphere const & a_P) { return a_P.GetPosition(); })},
    };
    bCMatrix3 matTurn;
    matTurn.SetToRotationAxisZ(g_fPIDiv2);
    for (bSMatrix3Case const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        bCVector const vecTurned = Case.m_fnApply(matTurn, true);
        bCVector const vecBack = Case.m_fnApply(matTurn, false);
        EXPECT_NEAR(vecTurned.GetX(), 0.0f, 1.0e-6f);
        EXPECT_NEAR(vecTurned.GetY(), 1.0f, 1.0e-6f);
        EXPECT_NEAR(vecBack.GetX(), 0.0f, 1.0e-6f);
        EXPECT_NEAR(vecBack.GetY(), -1.0f, 1.0e-6f);
    }
}
