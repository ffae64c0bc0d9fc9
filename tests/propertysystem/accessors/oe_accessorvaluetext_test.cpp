#include <vellmark/propertysystem/accessors/oe_accessorvaluetext.h>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <vector>

TEST(bCAccessorValueText, DetailTypeByValueTypeName)
{
    struct bSRow
    {
        char const * m_pcName;
        int m_iDetail;
    };
    std::vector<bSRow> const arrRows = {
        {"bCString", 1},
        {"BCSTRING", 1},
        {"bCUnicodeString", 2},
        {"bcguid", 3},
        {"bCVector", 4},
        {"bCVector4", 5},
        {"bCMatrix", 6},
        {"bCMatrix3", 7},
        {"bCBox", 8},
        {"bCSphere", 9},
        {"bCQuaternion", 10},
        {"bCObjectBase", 11},
        {"bTPropertyObject<class bCFoo,class bCObjectRefBase>", 12},
        {"xbTPropertyObject", 12},
        {"btpropertyobject<class bCFoo,class bCObjectRefBase>", 0},
        {"float", 13},
        {"Double", 14},
        {"bool", 15},
        {"char", 16},
        {"__int64", 17},
        {"long", 18},
        {"short", 19},
        {"INT", 20},
        {"bTPropertyContainer<enum bEFoo>", 21},
        {"BTPROPERTYCONTAINER<enum bEFoo>", 0},
        {"bCVector2", 0},
        {"bCStrin", 0},
        {"bCStrings", 0},
        {"unsigned int", 0},
        {"", 0},
        {"bCAnimationResourceString", 0},
    };
    for (bSRow const & Row : arrRows)
    {
        SCOPED_TRACE(Row.m_pcName);
        EXPECT_EQ(bCAccessorValueText::GetDetailType(Row.m_pcName), Row.m_iDetail);
    }
}

TEST(bCAccessorValueText, FloatsToText)
{
    float const arrValues[] = {1.0f, 2.0f, -3.5f};
    EXPECT_STREQ(bCAccessorValueText::FloatsToText(arrValues, 3).GetText(), "{ 1.000000, 2.000000, -3.500000 }");
    EXPECT_STREQ(bCAccessorValueText::FloatsToText(arrValues, 1).GetText(), "{ 1.000000 }");
    EXPECT_STREQ(bCAccessorValueText::FloatsToText(arrValues, 0).GetText(), "");
}

TEST(bCAccessorValueText, TextToFloatsByOperand)
{
    struct bSRow
    {
        char const * m_pcText;
        int m_iOperand;
        bool m_bAddSubtract;
        bool m_bResult;
        std::vector<float> m_arrExpected; // from the start values 10, 20, 30
    };
    std::vector<bSRow> const arrRows = {
        {"{ 1, 2, 3 }", 0, false, true, {1, 2, 3}},
        {"{ 1, 2, 3 }", 1, true, true, {11, 22, 33}},
        {"{ 1, 2, 3 }", 2, true, true, {9, 18, 27}},
        {"{ 1, 2, 3 }", 1, false, false, {10, 20, 30}},
        {"{ 1, 2, 3 }", 2, false, false, {10, 20, 30}},
        {"{ 1, 2, 3 }", 3, true, false, {10, 20, 30}},
        {"{ 1, 2, 3 }", 4, true, false, {10, 20, 30}},
        {"{ 1, 2, 3 }", 5, true, false, {10, 20, 30}},
        {"{ 1, 2, 3 }", -1, true, false, {10, 20, 30}},
        {"{ 5 }", 0, false, true, {5, 20, 30}},           // components beyond the parsed count stay
        {"{ 5, 6 }", 1, true, true, {15, 26, 30}},        //
        {"{ 1, 2, 3, 4, 5 }", 0, false, true, {1, 2, 3}}, // surplus floats are ignored
        {"{}", 0, false, true, {0, 20, 30}},              // one empty piece gives one 0
        {"{ x, 2 }", 0, false, true, {0, 2, 30}},         // no number gives 0
        {"1, 2, 3", 0, false, false, {10, 20, 30}},       // no braces
        {"{ 1, 2, 3", 0, false, false, {10, 20, 30}},     // no closing brace
        {"} 1, 2 {", 0, false, false, {10, 20, 30}},      // closing before opening
        {"", 0, false, false, {10, 20, 30}},
    };
    for (bSRow const & Row : arrRows)
    {
        SCOPED_TRACE(std::string(Row.m_pcText) + " operand " + std::to_string(Row.m_iOperand));
        float arrValues[3] = {10, 20, 30};
        EXPECT_EQ(bCAccessorValueText::TextToFloats(Row.m_pcText, arrValues, 3, Row.m_iOperand, Row.m_bAddSubtract),
                  Row.m_bResult);
        EXPECT_EQ(std::vector<float>(arrValues, arrValues + 3), Row.m_arrExpected);
    }
}

TEST(bCAccessorValueText, ValueOfFloatsRoundTrip)
{
    struct bSFour
    {
        float m_fA, m_fB, m_fC, m_fD;
    };
    bSFour Value = {0.5f, -1.0f, 2.25f, 100.0f};
    bCString const strText = bCAccessorValueText::ValueToText(Value);
    EXPECT_STREQ(strText.GetText(), "{ 0.500000, -1.000000, 2.250000, 100.000000 }");
    bSFour Read = {};
    EXPECT_TRUE(bCAccessorValueText::TextToValue(strText, Read, 0, false));
    EXPECT_EQ(Read.m_fA, 0.5f);
    EXPECT_EQ(Read.m_fB, -1.0f);
    EXPECT_EQ(Read.m_fC, 2.25f);
    EXPECT_EQ(Read.m_fD, 100.0f);
    EXPECT_FALSE(bCAccessorValueText::TextToValue(bCString("no list"), Read, 0, false));
    EXPECT_EQ(Read.m_fA, 0.5f);
}

TEST(bCAccessorValueText, NumbersToText)
{
    struct bSRow
    {
        bCString m_strText;
        char const * m_pcExpected;
    };
    std::vector<bSRow> const arrRows = {
        {bCAccessorValueText::NumberToText(2.5f), "2.500000"},
        {bCAccessorValueText::NumberToText(-0.125), "-0.125000"},
        {bCAccessorValueText::NumberToText(static_cast<char>(-56)), "-56"},
        {bCAccessorValueText::NumberToText(static_cast<signed char>(-1)), "-1"},
        {bCAccessorValueText::NumberToText(static_cast<unsigned char>(200)), "200"},
        {bCAccessorValueText::NumberToText(static_cast<short>(-32768)), "-32768"},
        {bCAccessorValueText::NumberToText(static_cast<unsigned short>(65535)), "65535"},
        {bCAccessorValueText::NumberToText(INT_MIN), "-2147483648"},
        {bCAccessorValueText::NumberToText(4294967295u), "-1"}, // "%d" of a 32-bit unsigned value
        {bCAccessorValueText::NumberToText(-7L), "-7"},
        {bCAccessorValueText::NumberToText(3000000000UL), "-1294967296"},
        {bCAccessorValueText::NumberToText(LLONG_MIN), "-9223372036854775808"},
        {bCAccessorValueText::NumberToText(ULLONG_MAX), "18446744073709551615"},
    };
    for (size_t i = 0; i < arrRows.size(); ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_STREQ(arrRows[i].m_strText.GetText(), arrRows[i].m_pcExpected);
    }
}

TEST(bCAccessorValueText, CombineIntegersByOperand)
{
    struct bSRow
    {
        long long m_i64Result; // the value after the operation, as a 64-bit number
        bool m_bChanged;
        long long m_i64Expected;
        bool m_bExpectedChanged;
    };
    auto Apply = [](auto a_Value, auto a_Number, int a_iOperand) {
        bool const bChanged = bCAccessorValueText::Combine(a_Value, a_Number, a_iOperand);
        return std::pair<long long, bool>(static_cast<long long>(a_Value), bChanged);
    };
    auto Row = [](std::pair<long long, bool> a_Result, long long a_i64Expected, bool a_bExpectedChanged) {
        return bSRow{a_Result.first, a_Result.second, a_i64Expected, a_bExpectedChanged};
    };
    std::vector<bSRow> const arrRows = {
        Row(Apply(7, 3, 0), 3, true),
        Row(Apply(7, 3, 1), 10, true),
        Row(Apply(7, 3, 2), 4, true),
        Row(Apply(7, 3, 3), 21, true),
        Row(Apply(7, 3, 4), 2, true),
        Row(Apply(-7, 2, 4), -3, true), // truncates toward zero
        Row(Apply(7, 0, 4), 7, false),  // division by zero keeps the value
        Row(Apply(7, 3, 5), 7, false),
        Row(Apply(7, 3, -1), 7, false),
        Row(Apply(INT_MAX, 1, 1), INT_MIN, true), // wraps
        Row(Apply(INT_MIN, -1, 4), INT_MIN, true),
        Row(Apply(INT_MIN, 1, 2), INT_MAX, true),
        Row(Apply(static_cast<unsigned char>(250), 10, 1), 4, true),
        Row(Apply(static_cast<unsigned char>(0), 300, 0), 44, true),
        Row(Apply(static_cast<char>(100), 100, 1), -56, true),
        Row(Apply(static_cast<unsigned short>(10), -2, 4), 65531, true), // promoted: 10 / -2 = -5
        Row(Apply(10u, -2, 4), 0, true),                                 // unsigned: 10 / 4294967294
        Row(Apply(static_cast<unsigned short>(65535), 65535, 3), 1, true),
        Row(Apply(LLONG_MAX, 1LL, 1), LLONG_MIN, true),
        Row(Apply(LLONG_MIN, -1LL, 4), LLONG_MIN, true),
        Row(Apply(5LL, 0LL, 4), 5, false),
        Row(Apply(-5L, 2, 3), -10, true),
    };
    for (size_t i = 0; i < arrRows.size(); ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(arrRows[i].m_i64Result, arrRows[i].m_i64Expected);
        EXPECT_EQ(arrRows[i].m_bChanged, arrRows[i].m_bExpectedChanged);
    }
}

TEST(bCAccessorValueText, CombineFloatsByOperand)
{
    struct bSRow
    {
        float m_fValue, m_fNumber;
        int m_iOperand;
        float m_fExpected;
        bool m_bChanged;
    };
    std::vector<bSRow> const arrRows = {
        {2, 3, 0, 3, true},    {2, 3, 1, 5, true},  {2, 3, 2, -1, true},       {2, 3, 3, 6, true},
        {3, 2, 4, 1.5f, true}, {2, 3, 5, 2, false}, {2, 0, 4, INFINITY, true}, {-2, 0, 4, -INFINITY, true},
    };
    for (bSRow const & Row : arrRows)
    {
        SCOPED_TRACE(Row.m_iOperand);
        float fValue = Row.m_fValue;
        EXPECT_EQ(bCAccessorValueText::Combine(fValue, Row.m_fNumber, Row.m_iOperand), Row.m_bChanged);
        EXPECT_EQ(fValue, Row.m_fExpected);
        double dValue = Row.m_fValue;
        EXPECT_EQ(bCAccessorValueText::Combine(dValue, static_cast<double>(Row.m_fNumber), Row.m_iOperand),
                  Row.m_bChanged);
        EXPECT_EQ(dValue, static_cast<double>(Row.m_fExpected));
    }
}
