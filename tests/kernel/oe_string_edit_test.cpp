// bCString: extraction, conversion and modification.

#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_unicodestring.h>

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <cstring>
#include <string>

namespace
{
    char const * const kNull = nullptr;

    std::string Bytes(bCString const & a_strText)
    {
        return std::string(a_strText.GetText(), static_cast<size_t>(a_strText.GetLength()));
    }
} // namespace

TEST(bCString, LeftAndRight)
{
    bCString const strText("abc");
    EXPECT_STREQ(strText.Left(-1).GetText(), "abc");
    EXPECT_STREQ(strText.Left(0).GetText(), "");
    EXPECT_EQ(strText.Left(0).GetRefCount(), 0);
    EXPECT_STREQ(strText.Left(2).GetText(), "ab");
    EXPECT_EQ(strText.Left(3).GetText(), strText.GetText()); // shared
    EXPECT_EQ(strText.Left(9).GetText(), strText.GetText());
    EXPECT_STREQ(strText.Right(2).GetText(), "bc");
    EXPECT_STREQ(strText.Right(-1).GetText(), "abc");
    EXPECT_EQ(strText.Right(3).GetText(), strText.GetText());
    EXPECT_TRUE(strText.Right(0).IsEmpty());

    bCString const strZeros("ab\0cd", 5);
    EXPECT_EQ(strZeros.Left(-1).GetLength(), 2); // a copy of the zero-terminated text
    EXPECT_EQ(Bytes(strZeros.Left(4)), std::string("ab\0c", 4));
    EXPECT_EQ(Bytes(strZeros.Right(3)), std::string("\0cd", 3));
}

TEST(bCString, MidCutsAndSharesAsSpecified)
{
    bCString const strText("abc");
    EXPECT_STREQ(strText.Mid(5, 2).GetText(), "");
    EXPECT_STREQ(strText.Mid(-1, 2).GetText(), "abc");
    EXPECT_EQ(strText.Mid(-1, 2).GetText(), strText.GetText());
    EXPECT_STREQ(strText.Mid(1, 10).GetText(), "bc");
    EXPECT_STREQ(strText.Mid(1, 1).GetText(), "b");
    EXPECT_STREQ(strText.Mid(1, -1).GetText(), "abc");
    EXPECT_EQ(strText.Mid(0, 3).GetText(), strText.GetText());
    EXPECT_STREQ(strText.Mid(3, 1).GetText(), "");
    EXPECT_STREQ(strText.Mid(1).GetText(), "bc");
    EXPECT_EQ(strText.Mid(0).GetText(), strText.GetText());
    EXPECT_STREQ(strText.Mid(5).GetText(), "abc"); // Mid(5, -2): a negative count gives the whole string
    EXPECT_TRUE(bCString().Mid(1, 1).IsEmpty());
}

TEST(bCString, SpanIncludingAndExcluding)
{
    bCString const strText("123abc");
    EXPECT_STREQ(strText.SpanIncluding("0123456789").GetText(), "123");
    EXPECT_STREQ(strText.SpanExcluding("abc").GetText(), "123");
    EXPECT_STREQ(strText.SpanExcluding("xyz").GetText(), "123abc");
    EXPECT_STREQ(strText.SpanIncluding("x").GetText(), "");
    EXPECT_TRUE(bCString().SpanIncluding("a").IsEmpty());
    EXPECT_TRUE(bCString().SpanExcluding("a").IsEmpty());
}

TEST(bCString, ConcatenationBuildsOneExactBuffer)
{
    bCString const strLeft("ab");
    bCString const strRight("cd");
    bCString strSum = strLeft + strRight;
    EXPECT_STREQ(strSum.GetText(), "abcd");
    EXPECT_EQ(strSum.GetAllocLength(), 4);
    EXPECT_STREQ((strLeft + "x").GetText(), "abx");
    EXPECT_STREQ((strLeft + 'y').GetText(), "aby");
    EXPECT_STREQ(("<" + strLeft).GetText(), "<ab");
    EXPECT_STREQ(('>' + strLeft).GetText(), ">ab");
    EXPECT_STREQ((strLeft + kNull).GetText(), "ab");
    EXPECT_EQ((bCString() + bCString()).GetRefCount(), 0);
    EXPECT_EQ((bCString() + "").GetRefCount(), 0);
    EXPECT_EQ(Bytes(bCString("a\0", 2) + bCString("\0b", 2)), std::string("a\0\0b", 4));
}

TEST(bCString, IntegerConversion)
{
    EXPECT_EQ(bCString("  -42xyz").GetInteger(0, false), -42);
    EXPECT_EQ(bCString("+17").GetInteger(0, false), 17);
    EXPECT_EQ(bCString("id=305").GetInteger(3, false), 305);
    EXPECT_EQ(bCString("12").GetInteger(2, false), 0);
    EXPECT_EQ(bCString("12").GetInteger(2, true), 0);
    EXPECT_EQ(bCString("12").GetInteger(9, true), 0);
    EXPECT_EQ(bCString("12").GetInteger(-1, false), 0);
    EXPECT_EQ(bCString().GetInteger(0, true), 0);
    EXPECT_EQ(bCString("abc").GetInteger(0, false), 0);
    EXPECT_EQ(bCString("\t\n 8").GetInteger(0, false), 8);
    EXPECT_EQ(bCString("2147483647").GetInteger(0, false), INT_MAX);
    EXPECT_EQ(bCString("-2147483648").GetInteger(0, false), INT_MIN);
    EXPECT_EQ(bCString("99999999999").GetInteger(0, false), INT_MAX);
    EXPECT_EQ(bCString("2147483646").GetInteger(0, false), INT_MAX - 1); // the last digit decides, no saturation
    EXPECT_EQ(bCString("-2147483647").GetInteger(0, false), INT_MIN + 1);

    EXPECT_EQ(bCString("-9000000000").GetI64(0), -9000000000LL);
    EXPECT_EQ(bCString("x9223372036854775807").GetI64(1), LLONG_MAX);
    EXPECT_EQ(bCString("-99999999999999999999").GetI64(0), LLONG_MIN);
    EXPECT_EQ(bCString("5").GetI64(1), 0);
}

TEST(bCString, FloatingPointConversionIgnoresTheLocale)
{
    EXPECT_DOUBLE_EQ(bCString(" 2.5e3").GetDouble(0), 2500.0);
    EXPECT_DOUBLE_EQ(bCString("v=-0.125").GetDouble(2), -0.125);
    EXPECT_FLOAT_EQ(bCString("1.5f").GetFloat(0), 1.5f);
    EXPECT_EQ(bCString("+.5").GetFloat(0), 0.5f);
    EXPECT_EQ(bCString("abc").GetDouble(0), 0.0);
    EXPECT_EQ(bCString("1.5").GetDouble(3), 0.0);
    EXPECT_EQ(bCString().GetFloat(0), 0.0f);
    EXPECT_TRUE(std::isinf(bCString("1e999").GetDouble(0)));
    EXPECT_EQ(bCString("1e-999").GetDouble(0), 0.0);
    EXPECT_FALSE(std::signbit(bCString("- 1").GetDouble(0))); // a sign without a number gives plain 0
    EXPECT_TRUE(std::signbit(bCString("-0.0").GetDouble(0)));

    // Decimal text only: one sign at most, no words, no hexadecimal.
    for (char const * pcText : {"--1", "+-1", "-+1", "--1.5e2", "inf", "-inf", "info", "Infinity", "nan", "NAN",
                                "nanometer", "0x10", ".e1", "-.", "+"})
    {
        SCOPED_TRACE(pcText);
        EXPECT_EQ(bCString(pcText).GetDouble(0), 0.0);
        EXPECT_EQ(bCUnicodeString(pcText).GetFloat(), 0.0f);
    }

    // A locale with a decimal comma (where installed) changes nothing.
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
    {
        EXPECT_DOUBLE_EQ(bCString("3.25").GetDouble(0), 3.25);
        EXPECT_EQ(bCString("42").GetInteger(0, false), 42);
        std::setlocale(LC_NUMERIC, "C");
    }
}

TEST(bCString, GetBoolAcceptsOnlyTrue)
{
    EXPECT_TRUE(bCString("TRUE").GetBool());
    EXPECT_TRUE(bCString("tRuE").GetBool());
    EXPECT_FALSE(bCString("1").GetBool());
    EXPECT_FALSE(bCString("true ").GetBool());
    EXPECT_FALSE(bCString().GetBool());
}

TEST(bCString, AppendMovesIntoExactBuffers)
{
    bCString strText;
    strText += 'a';
    EXPECT_STREQ(strText.GetText(), "a");
    strText += "bc";
    strText += kNull;
    strText += "";
    bCString const strTail("de");
    strText += strTail;
    EXPECT_STREQ(strText.GetText(), "abcde");
    EXPECT_EQ(strText.GetAllocLength(), 5);
    strText += strText;
    EXPECT_STREQ(strText.GetText(), "abcdeabcde");
    strText += strText.GetText() + 8;
    EXPECT_STREQ(strText.GetText(), "abcdeabcdede");
    strText += bCString();
    EXPECT_EQ(strText.GetLength(), 12);

    // An empty string, with or without a zero-length buffer, appends into a fresh buffer too.
    bCString strEmpty;
    strEmpty += strTail;
    EXPECT_STREQ(strEmpty.GetText(), "de");
    EXPECT_NE(strEmpty.GetText(), strTail.GetText());
    EXPECT_EQ(strTail.GetRefCount(), 1);
    EXPECT_EQ(strEmpty.GetRefCount(), 1);
    strEmpty += '\0';
    EXPECT_EQ(strEmpty.GetLength(), 3);
    bCString strZeroLength("xyz");
    strZeroLength = "";
    strZeroLength += strTail;
    EXPECT_NE(strZeroLength.GetText(), strTail.GetText());
    EXPECT_STREQ(strZeroLength.GetText(), "de");
    EXPECT_EQ(strZeroLength.GetAllocLength(), 2);
}

TEST(bCString, InsertPrependsAppendsOrSplits)
{
    bCString strText("abc");
    EXPECT_EQ(strText.Insert(1, 'X'), 4);
    EXPECT_STREQ(strText.GetText(), "aXbc");
    EXPECT_EQ(strText.Insert(-5, "<<"), 6);
    EXPECT_STREQ(strText.GetText(), "<<aXbc");
    EXPECT_EQ(strText.Insert(0, ">"), 7);
    EXPECT_STREQ(strText.GetText(), "><<aXbc");
    EXPECT_EQ(strText.Insert(7, bCString("!")), 8);
    EXPECT_STREQ(strText.GetText(), "><<aXbc!");
    EXPECT_EQ(strText.Insert(100, "?"), 9);
    EXPECT_STREQ(strText.GetText(), "><<aXbc!?");
    EXPECT_EQ(strText.Insert(2, ""), 9);
    EXPECT_EQ(strText.Insert(2, kNull), 9);
    EXPECT_EQ(strText.Insert(2, strText), 18);
    EXPECT_STREQ(strText.GetText(), "><><<aXbc!?<aXbc!?");

    bCString strEmpty;
    EXPECT_EQ(strEmpty.Insert(5, "new"), 3);
    EXPECT_STREQ(strEmpty.GetText(), "new");
    bCString strOther;
    EXPECT_EQ(strOther.Insert(-1, 'c'), 1);
    EXPECT_STREQ(strOther.GetText(), "c");
}

TEST(bCString, DeleteCutsOrMovesTheTail)
{
    bCString strText("abcdef");
    EXPECT_EQ(strText.Delete(1, 2), 4);
    EXPECT_STREQ(strText.GetText(), "adef");
    EXPECT_EQ(strText.Delete(2, 0), 4);
    EXPECT_EQ(strText.Delete(4, 1), 4);
    EXPECT_EQ(strText.Delete(2, 50), 2);
    EXPECT_STREQ(strText.GetText(), "ad");
    EXPECT_EQ(strText.Delete(0, 2), 0);
    EXPECT_TRUE(strText.IsEmpty());
    EXPECT_EQ(bCString().Delete(0, 1), 0);
    EXPECT_EQ(bCString("ab").Delete(-1, 1), 2);
    EXPECT_EQ(bCString("ab").Delete(0, -1), 2);
}

TEST(bCString, ReplaceCharacterWalksTheStoredLength)
{
    bCString strText("a\0a\0a", 5);
    EXPECT_EQ(strText.Replace('a', 'b'), 3);
    EXPECT_EQ(Bytes(strText), std::string("b\0b\0b", 5));
    EXPECT_EQ(strText.Replace('\0', '-'), 2);
    EXPECT_STREQ(strText.GetText(), "b-b-b");
    EXPECT_EQ(strText.Replace('b', 'b'), 0);
    EXPECT_EQ(strText.Replace('x', 'y'), 0);
    EXPECT_EQ(bCString().Replace('a', 'b'), 0);
}

TEST(bCString, ReplaceTextLeftToRightWithoutOverlap)
{
    bCString strText("aaa");
    EXPECT_EQ(strText.Replace("aa", "b"), 1);
    EXPECT_STREQ(strText.GetText(), "ba");

    bCString strGrow("x.y.z");
    EXPECT_EQ(strGrow.Replace(".", "::"), 2);
    EXPECT_STREQ(strGrow.GetText(), "x::y::z");
    EXPECT_EQ(strGrow.GetAllocLength(), 7);
    EXPECT_EQ(strGrow.Replace("::", ""), 2);
    EXPECT_STREQ(strGrow.GetText(), "xyz");
    EXPECT_EQ(strGrow.Replace("xyz", ""), 1);
    EXPECT_TRUE(strGrow.IsEmpty());

    bCString strSame("abab");
    char const * pcBefore = strSame.GetText();
    EXPECT_EQ(strSame.Replace("q", "r"), 0);
    EXPECT_EQ(strSame.Replace("", "r"), 0);
    EXPECT_EQ(strSame.Replace(kNull, "r"), 0);
    EXPECT_EQ(strSame.GetText(), pcBefore);
    EXPECT_EQ(strSame.Replace("ab", "ba"), 2);
    EXPECT_STREQ(strSame.GetText(), "baba");
    EXPECT_EQ(bCString().Replace("a", "b"), 0);
}

TEST(bCString, ReplaceTextSearchesEachZeroTerminatedSegment)
{
    bCString strText("ab\0ab\0b", 7);
    EXPECT_EQ(strText.Replace("ab", "xyz"), 2);
    EXPECT_EQ(Bytes(strText), std::string("xyz\0xyz\0b", 9));
    EXPECT_EQ(strText.Replace("y", ""), 2);
    EXPECT_EQ(Bytes(strText), std::string("xz\0xz\0b", 7));
    // A zero byte ends a segment: "z\0x" is never one occurrence.
    EXPECT_EQ(strText.Remove("zx"), 0);
    EXPECT_EQ(strText.Remove(bCString("z")), 2);
    EXPECT_EQ(Bytes(strText), std::string("x\0x\0b", 5));
}

TEST(bCString, RemoveCharacterWalksTheStoredLength)
{
    bCString strText("a\0b\0a", 5);
    EXPECT_EQ(strText.Remove('\0'), 2);
    EXPECT_STREQ(strText.GetText(), "aba");
    EXPECT_EQ(strText.Remove('a'), 2);
    EXPECT_STREQ(strText.GetText(), "b");
    EXPECT_EQ(strText.Remove('x'), 0);
    bCString strSelf("abab");
    EXPECT_EQ(strSelf.Remove(strSelf), 1);
    EXPECT_TRUE(strSelf.IsEmpty());
}

TEST(bCString, TrimWhiteSpaceBelow128Only)
{
    bCString strText(" \t\n\v\f\rtext \r\n");
    strText.TrimLeft();
    EXPECT_STREQ(strText.GetText(), "text \r\n");
    strText.TrimRight();
    EXPECT_STREQ(strText.GetText(), "text");
    bCString strBoth("  both  ");
    strBoth.Trim();
    EXPECT_STREQ(strBoth.GetText(), "both");
    bCString strHigh("\xA0x\xA0 "); // 0xA0 is never white space
    strHigh.Trim();
    EXPECT_STREQ(strHigh.GetText(), "\xA0x\xA0");
    bCString strAll("   ");
    strAll.Trim();
    EXPECT_TRUE(strAll.IsEmpty());
    bCString strSides(" s ");
    strSides.Trim(false, true);
    EXPECT_STREQ(strSides.GetText(), " s");
    strSides.Trim(false, false);
    EXPECT_STREQ(strSides.GetText(), " s");
    strSides.Trim(true, false);
    EXPECT_STREQ(strSides.GetText(), "s");
}

TEST(bCString, TrimCharacterAndSet)
{
    bCString strText("xxaxx");
    strText.TrimLeft('x');
    EXPECT_STREQ(strText.GetText(), "axx");
    strText.TrimRight('x');
    EXPECT_STREQ(strText.GetText(), "a");
    bCString strBoth("--a--");
    strBoth.Trim('-');
    EXPECT_STREQ(strBoth.GetText(), "a");

    bCString strSet("<[a]>");
    strSet.TrimLeft("<[");
    EXPECT_STREQ(strSet.GetText(), "a]>");
    strSet.TrimRight("]>");
    EXPECT_STREQ(strSet.GetText(), "a");
    bCString strAround("{(b)}");
    strAround.Trim("{}()");
    EXPECT_STREQ(strAround.GetText(), "b");
    strAround.Trim("");
    strAround.Trim(kNull);
    EXPECT_STREQ(strAround.GetText(), "b");
    bCString strNone;
    strNone.Trim('a');
    strNone.Trim();
    EXPECT_EQ(strNone.GetRefCount(), 0);
}

TEST(bCString, CaseMappingIsAsciiOverTheStoredLength)
{
    bCString strText("aB\0c\xE4", 5);
    strText.ToUpper();
    EXPECT_EQ(Bytes(strText), std::string("AB\0C\xE4", 5));
    strText.ToLower();
    EXPECT_EQ(Bytes(strText), std::string("ab\0c\xE4", 5));
    EXPECT_STREQ(bCString("Mixed").MakeUpper().GetText(), "MIXED");
    EXPECT_STREQ(bCString("Mixed").MakeLower().GetText(), "mixed");
    bCString strNone;
    strNone.ToUpper();
    EXPECT_EQ(strNone.GetRefCount(), 0);
}

TEST(bCString, MakeReverseReversesAllStoredCharacters)
{
    EXPECT_STREQ(bCString("abcd").MakeReverse().GetText(), "dcba");
    EXPECT_STREQ(bCString("abc").MakeReverse().GetText(), "cba");
    EXPECT_EQ(Bytes(bCString("a\0b", 3).MakeReverse()), std::string("b\0a", 3));
    EXPECT_TRUE(bCString().MakeReverse().IsEmpty());
}

TEST(bCString, IndexOperatorsAndSetAt)
{
    bCString strText("abc");
    bCString const & rConst = strText;
    EXPECT_EQ(rConst[1], 'b');
    EXPECT_EQ(rConst.GetAt(2, true), 'c');
    EXPECT_EQ(rConst.GetAt(3, false), '\0');
    strText[0] = 'x';
    strText.SetAt(2, 'z');
    EXPECT_STREQ(strText.GetText(), "xbz");
}

TEST(bCString, ReplaceInPlaceTerminatesATextEndingInAZeroByte)
{
    bCString strText("yy\0", 3);
    EXPECT_EQ(strText.Replace("y", ""), 2);
    EXPECT_EQ(Bytes(strText), std::string("\0", 1));
    EXPECT_EQ(strText.GetText()[1], '\0');
}

TEST(bCString, TrimCharacterTrimsZeroBytesToo)
{
    bCString strText("\0a\0\0", 4);
    strText.TrimRight('\0');
    EXPECT_EQ(Bytes(strText), std::string("\0a", 2));
    strText.TrimLeft('\0');
    EXPECT_STREQ(strText.GetText(), "a");
}

TEST(bCString, ReplaceTakesTextsFromItsOwnBuffer)
{
    bCString strText("abcab");
    EXPECT_EQ(strText.Replace(strText.GetText() + 3, strText.GetText() + 4), 2); // "ab" by "b"
    EXPECT_STREQ(strText.GetText(), "bcb");
    EXPECT_EQ(strText.Replace("b", strText.GetText() + 1), 2); // "b" by "cb"
    EXPECT_STREQ(strText.GetText(), "cbccb");
}
