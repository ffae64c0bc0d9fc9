// bCString: extraction, conversion and modification.

#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_unicodestring.h>

#include "support/oe_edittable.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>
#include <utility>

namespace
{
    char const * const kNull = nullptr;

    std::string Bytes(bCString const & a_strText)
    {
        return std::string(a_strText.GetText(), static_cast<size_t>(a_strText.GetLength()));
    }
} // namespace

TEST(bCString, ExtractionAndConcatenationCutAndShareAsSpecified)
{
    bCString const strText("abc");
    bCString const strZeros("ab\0cd", 5);
    bCString const strDigits("123abc");
    std::pair<bCString, std::string> const arrCases[] = {
        {strText.Left(-1), "abc"},      {strText.Right(2), "bc"},
        {strText.Mid(1, 10), "bc"},     {strText.Mid(1, -1), "abc"},
        {strText.Mid(3, 1), ""},
        {strText.Mid(5), "abc"}, // Mid(5, -2): a negative count gives the whole string
        {strZeros.Left(-1), "ab"}, // a copy of the zero-terminated text
        {strZeros.Right(3), std::string("\0cd", 3)},
        {strDigits.SpanIncluding("0123456789"), "123"},
        {strDigits.SpanExcluding("abc"), "123"},
        {'>' + strText, ">abc"},
        {bCString("a\0", 2) + bCString("\0b", 2), std::string("a\0\0b", 4)},
    };
    for (auto const & Case : arrCases)
        EXPECT_EQ(Bytes(Case.first), Case.second) << &Case - arrCases;

    for (bCString const & strWhole : {strText.Left(3), strText.Right(3), strText.Mid(0, 3)})
        EXPECT_EQ(strWhole.GetText(), strText.GetText()); // shared
    EXPECT_EQ(strText.Left(0).GetRefCount(), 0);
    EXPECT_EQ((strText + strText).GetAllocLength(), 6); // one exact buffer
}

TEST(bCString, NumberAndBoolConversionIgnoresTheLocale)
{
    EXPECT_EQ(bCString("  -42xyz").GetInteger(0, false), -42);
    EXPECT_EQ(bCString("id=305").GetInteger(3, false), 305);
    EXPECT_EQ(bCString("12").GetInteger(2, true), 0);
    EXPECT_EQ(bCString("12").GetInteger(-1, false), 0);
    EXPECT_EQ(bCString("\t\n 8").GetInteger(0, false), 8);
    EXPECT_EQ(bCString("-2147483648").GetInteger(0, false), INT_MIN);
    EXPECT_EQ(bCString("99999999999").GetInteger(0, false), INT_MAX);
    EXPECT_EQ(bCString("2147483646").GetInteger(0, false), INT_MAX - 1); // the last digit decides, no saturation
    EXPECT_EQ(bCString("x9223372036854775807").GetI64(1), LLONG_MAX);
    EXPECT_EQ(bCString("-99999999999999999999").GetI64(0), LLONG_MIN);
    EXPECT_EQ(bCString("5").GetI64(1), 0);
    EXPECT_TRUE(bCString("tRuE").GetBool());
    EXPECT_FALSE(bCString("1").GetBool() || bCString("true ").GetBool());

    EXPECT_DOUBLE_EQ(bCString("v=-0.125e3").GetDouble(2), -125.0);
    EXPECT_EQ(bCString("+.5").GetFloat(0), 0.5f);
    EXPECT_EQ(bCString("1.5").GetDouble(3), 0.0);
    // Beyond the range: infinity when too large, zero when too small, whatever the exponent's sign.
    std::string const strZeros(400, '0');
    struct
    {
        std::string m_strText;
        double m_dExpected;
    } const arrRange[] = {
        {"1e999", HUGE_VAL},
        {"-1e999", -HUGE_VAL},
        {"1e-999", 0.0},
        {"0." + strZeros + "1", 0.0},
        {"1" + strZeros + "e-10", HUGE_VAL},
        {"1" + strZeros, HUGE_VAL},
        {"0.000001e-320", 0.0},
        {"1e99999999999999999999", HUGE_VAL},
        {"1e-99999999999999999999", 0.0},
    };
    for (auto const & Case : arrRange)
    {
        SCOPED_TRACE(Case.m_strText.substr(0, 40));
        EXPECT_EQ(bCString(Case.m_strText.c_str()).GetDouble(0), Case.m_dExpected);
    }
    EXPECT_FALSE(std::signbit(bCString("- 1").GetDouble(0))); // a sign without a number gives plain 0
    EXPECT_TRUE(std::signbit(bCString("-0.0").GetDouble(0)));

    // Decimal text only: one sign at most, no words, no hexadecimal.
    for (char const * pcText : {"--1", "-+1", "inf", "Infinity", "nan", "0x10", ".e1", "-."})
    {
        SCOPED_TRACE(pcText);
        EXPECT_EQ(bCString(pcText).GetDouble(0), 0.0);
        EXPECT_EQ(bCUnicodeString(pcText).GetFloat(), 0.0f);
    }
}

TEST(bCString, EditsReturnTheNewLengthOrTheCountOverTheStoredLength)
{
    using S = bCString;
    using B = std::string;
    CheckStringEdits<bCString, char>({
        {"<<aXbc!", [](S & s) { return s.Insert(100, "?"); }, 8, "<<aXbc!?"},
        {"><a!", [](S & s) { return s.Insert(2, s); }, 8, "><><a!a!"},
        {"", [](S & s) { return s.Insert(5, "new"); }, 3, "new"},
        {"ab", [](S & s) { return (s += 'c').GetAllocLength(); }, 3, "abc"}, // into an exact buffer
        {"abcdef", [](S & s) { return s.Delete(1, 2); }, 4, "adef"},
        {"ab", [](S & s) { return s.Delete(-1, 1); }, 2, "ab"},
        {B("a\0a\0a", 5), [](S & s) { return s.Replace('a', 'b'); }, 3, B("b\0b\0b", 5)},
        {B("b\0b\0b", 5), [](S & s) { return s.Replace('\0', '-'); }, 2, "b-b-b"},
        {"abab", [](S & s) { return s.Replace("q", "r") + s.Replace("", "r") + s.Replace(kNull, "r"); }, 0, "abab"},
        // Each zero-terminated segment is searched; "z\0x" is never one occurrence.
        {B("ab\0ab\0b", 7), [](S & s) { return s.Replace("ab", "xyz"); }, 2, B("xyz\0xyz\0b", 9)},
        {B("xz\0xz\0b", 7), [](S & s) { return s.Remove("zx"); }, 0, B("xz\0xz\0b", 7)},
        {B("a\0b\0a", 5), [](S & s) { return s.Remove('\0'); }, 2, "aba"},
        {"abab", [](S & s) { return s.Remove(s); }, 1, ""},
        {"abcab", [](S & s) { return s.Replace(s.GetText() + 3, s.GetText() + 4); }, 2, "bcb"}, // own buffer
        {B("yy\0", 3), [](S & s) { return s.Replace("y", "") * 10 + s.GetText()[1]; }, 20, B("\0", 1)},
        // White space is below 128 only.
        {" \t\n\v\f\rtext \r\n", [](S & s) { return s.TrimLeft(), 0; }, 0, "text \r\n"},
        {"\xA0x\xA0 ", [](S & s) { return s.Trim(), 0; }, 0, "\xA0x\xA0"},
        {" s ", [](S & s) { return s.Trim(false, true), 0; }, 0, " s"},
        {"<[a]>", [](S & s) { return s.TrimLeft("<["), 0; }, 0, "a]>"},
        {"b", [](S & s) { return s.Trim(""), s.Trim(kNull), 0; }, 0, "b"},
        {"", [](S & s) { return s.Trim('a'), s.Trim(), s.ToUpper(), s.GetRefCount(); }, 0, ""},
        {B("\0a\0\0", 4), [](S & s) { return s.TrimRight('\0'), 0; }, 0, B("\0a", 2)},
        // Case mapping is ASCII over the stored length.
        {B("aB\0c\xE4", 5), [](S & s) { return s.ToUpper(), 0; }, 0, B("AB\0C\xE4", 5)},
        {B("a\0b", 3), [](S & s) { return s.MakeReverse(), 0; }, 0, B("b\0a", 3)},
        // A growing replacement moves to an exact buffer.
        {"x.y.z", [](S & s) { return s.Replace(".", "::") * 100 + s.GetAllocLength(); }, 207, "x::y::z"},
    });
}
