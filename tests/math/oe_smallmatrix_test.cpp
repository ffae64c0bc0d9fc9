// The 3x3 and 2x2 matrices share the element arithmetic of the 4x4 one,
// operators with a float included.

#include <vellmark/math/3d/oe_matrix2.h>
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
