// The 3x3 and 2x2 matrices share the element arithmetic of the 4x4 one,
// operators with a float included.

#include <vellmark/math/3d/oe_matrix2.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_matrix3.h>

#include <gtest/gtest.h>

#include <functional>

TEST(bCMatrix3, ElementArithmeticWithAFloat)
{
    struct bSCase
    {
        char const * m_pcName;
        std::function<bCMatrix3(bCMatrix3 const &)> m_fnApply;
        float m_fExpectedFirst; // element (0, 0) of the result; the source has 1, 2, 3, ...
    };
    bSCase const arrCases[] = {
        {"+", [](bCMatrix3 const & a_mat) { return a_mat + 0.5f; }, 1.5f},
        {"-", [](bCMatrix3 const & a_mat) { return a_mat - 0.5f; }, 0.5f},
        {"+=", [](bCMatrix3 const & a_mat) { return bCMatrix3(a_mat) += 2.0f; }, 3.0f},
        {"-=", [](bCMatrix3 const & a_mat) { return bCMatrix3(a_mat) -= 2.0f; }, -1.0f},
    };
    float const fElements[9] = {1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f, 8.0f, 9.0f};
    bCMatrix3 const matSource(fElements);
    for (bSCase const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        bCMatrix3 const matResult = Case.m_fnApply(matSource);
        float const fOffset = Case.m_fExpectedFirst - 1.0f;
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(matResult[i], fElements[i] + fOffset) << "element " << i;
    }
}

TEST(bCMatrix2, ElementArithmeticWithAFloat)
{
    struct bSCase
    {
        char const * m_pcName;
        std::function<bCMatrix2(bCMatrix2 const &)> m_fnApply;
        float m_fOffset;
    };
    bSCase const arrCases[] = {
        {"+", [](bCMatrix2 const & a_mat) { return a_mat + 0.5f; }, 0.5f},
        {"-", [](bCMatrix2 const & a_mat) { return a_mat - 0.5f; }, -0.5f},
        {"+=", [](bCMatrix2 const & a_mat) { return bCMatrix2(a_mat) += 2.0f; }, 2.0f},
        {"-=", [](bCMatrix2 const & a_mat) { return bCMatrix2(a_mat) -= 2.0f; }, -2.0f},
    };
    bCMatrix2 const matSource(1.0f, 2.0f, 3.0f, 4.0f);
    for (bSCase const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        bCMatrix2 const matResult = Case.m_fnApply(matSource);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(matResult[i], matSource[i] + Case.m_fOffset) << "element " << i;
    }
}

// The 3x3 matrix builds frames exactly as the upper 3x3 of the 4x4 one.
TEST(bCMatrix3, FrameConstructionMatchesTheFourByFour)
{
    float const arrRows[][9] = {
        {1.0f, 0.2f, 0.0f, 0.1f, 2.0f, 0.3f, 0.0f, 0.4f, 3.0f}, // skewed
        {1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, // rows too short fall back to the axes
        {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 2.0f, 0.0f, 0.0f, 5.0f}, // up along the direction
    };
    for (auto const & fRows : arrRows)
    {
        bCMatrix3 const mat3(fRows);
        bCMatrix mat4;
        mat4.SetIdentity();
        for (int i = 0; i < 3; ++i)
            mat4.SetRow(i, mat3.GetRow(i));
        auto const ExpectSame = [](bCMatrix3 const & a_mat3, bCMatrix const & a_mat4) {
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(a_mat3.GetRow(i), a_mat4.GetRow(i)) << "row " << i;
        };
        ExpectSame(mat3.GetOrthonormalized(), mat4.GetOrthonormalized());
        ExpectSame(mat3.GetOrthogonalized(), mat4.GetOrthogonalized());
        bCMatrix3 matLook3(mat3);
        bCMatrix matLook4(mat4);
        matLook3.LookAt(bCVector(0, 0, 2), bCVector(0, 1, 0));
        matLook4.LookAt(bCVector(0, 0, 2), bCVector(0, 1, 0));
        ExpectSame(matLook3, matLook4);
    }
    bCMatrix3 matOrtho(arrRows[0]);
    matOrtho.Orthonormalize();
    EXPECT_NEAR(matOrtho.GetRow(0).GetDotProduct(matOrtho.GetRow(1)), 0.0f, 1e-6f);
    EXPECT_NEAR(matOrtho.GetRow(1).GetDotProduct(matOrtho.GetRow(2)), 0.0f, 1e-6f);
    EXPECT_NEAR(matOrtho.GetRow(2).GetMagnitude(), 1.0f, 1e-6f);
    bCMatrix3 matCross;
    matCross.SetToCrossProduct(bCVector(1, 2, 3));
    EXPECT_EQ(bCVector(4, 5, 6) * matCross, bCVector(1, 2, 3).GetCrossProduct(bCVector(4, 5, 6)));
}
