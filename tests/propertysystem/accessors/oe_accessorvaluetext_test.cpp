// The value texts below the accessors. Every value type's text and every operand are checked through
// the accessors (oe_accessorconversion_test.cpp, oe_accessormathtypes_test.cpp); here only what the
// accessors' start values cannot reach: the float-list parser's edges and the integer operations at
// their limits.

#include <vellmark/propertysystem/accessors/oe_accessorvaluetext.h>

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

TEST(bCAccessorValueText, FloatTextsAndIntegerLimits)
{
    struct bSFloatRow
    {
        char const * m_pcText;
        int m_iOperand;
        bool m_bAddSubtract;
        bool m_bResult;
        std::vector<float> m_arrExpected; // from the start values 10, 20, 30
    };
    std::vector<bSFloatRow> const arrFloatRows = {
        {"{ 1, 2, 3 }", 2, true, true, {9, 18, 27}},
        {"{ 1, 2, 3 }", 2, false, false, {10, 20, 30}},
        {"{ 1, 2, 3 }", -1, true, false, {10, 20, 30}},
        {"{ 5, 6 }", 1, true, true, {15, 26, 30}},    // components beyond the parsed count stay
        {"{}", 0, false, true, {0, 20, 30}},          // one empty piece gives one 0
        {"{x, 3 ,}", 0, false, true, {0, 3, 0}},      // no number gives 0
        {"} {1}", 0, false, false, {10, 20, 30}},
        {"{ 1, 2, 3", 0, false, false, {10, 20, 30}}, // no closing brace
    };
    for (bSFloatRow const & Row : arrFloatRows)
    {
        SCOPED_TRACE(std::string(Row.m_pcText) + " operand " + std::to_string(Row.m_iOperand));
        float arrValues[3] = {10, 20, 30};
        EXPECT_EQ(bCAccessorValueText::TextToFloats(Row.m_pcText, arrValues, 3, Row.m_iOperand, Row.m_bAddSubtract),
                  Row.m_bResult);
        EXPECT_EQ(std::vector<float>(arrValues, arrValues + 3), Row.m_arrExpected);
    }

    // Integers combined at their limits.
    auto Apply = [](auto a_Value, auto a_Number, int a_iOperand) {
        bool const bChanged = bCAccessorValueText::Combine(a_Value, a_Number, a_iOperand);
        return std::pair<long long, bool>(static_cast<long long>(a_Value), bChanged);
    };
    using bSCombined = std::pair<std::pair<long long, bool>, std::pair<long long, bool>>; // result, expected
    std::vector<bSCombined> const arrCombined = {
        {Apply(-7, 2, 4), {-3, true}}, // truncates toward zero
        {Apply(7, 0, 4), {7, false}},  // division by zero keeps the value
        {Apply(INT_MIN, -1, 4), {INT_MIN, true}}, // wraps instead of trapping
        {Apply(static_cast<unsigned short>(10), -2, 4), {65531, true}}, // promoted: 10 / -2 = -5
        {Apply(10u, -2, 4), {0, true}},                                 // unsigned: 10 / 4294967294
        {Apply(LLONG_MIN, -1LL, 4), {LLONG_MIN, true}},
        {Apply(5LL, 0LL, 4), {5, false}},
    };
    for (size_t i = 0; i < arrCombined.size(); ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(arrCombined[i].first, arrCombined[i].second);
    }
}


