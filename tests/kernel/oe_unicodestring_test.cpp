#include <vellmark/kernel/oe_unicodestring.h>
#include <vellmark/kernel/oe_string.h>

#include "support/oe_edittable.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
    std::u16string Units(bCUnicodeString const & a_strText)
    {
        return std::u16string(a_strText.GetText(), static_cast<size_t>(a_strText.GetLength()));
    }

    bCUnicodeString Formatted(char16_t const * a_pcFormat, ...)
    {
        bCUnicodeString strResult;
        va_list Args;
        va_start(Args, a_pcFormat);
        strResult.FormatV(a_pcFormat, Args);
        va_end(Args);
        return strResult;
    }

    using SEdit = TStringEdit<bCUnicodeString, char16_t>;

    void CheckEdits(std::initializer_list<SEdit> a_Edits)
    {
        CheckStringEdits<bCUnicodeString, char16_t>(a_Edits);
    }
} // namespace

TEST(bCUnicodeString, ConstructsFromTextUnitsAndNumbers)
{
    bCUnicodeString strImplicit = 4294967295UL;
    struct
    {
        bCUnicodeString m_strText;
        char16_t const * m_pcExpected;
    } const Cases[] = {
        {bCUnicodeString(u"abc", 2), u"ab"},
        {bCUnicodeString(u"a\0bc", 4), u"a"}, // stops at a zero unit
        {bCUnicodeString(u"abc", 10), u"abc"},
        {bCUnicodeString(u"abc", 0), u""},
        {bCUnicodeString(u'x', 3), u"xxx"},
        {bCUnicodeString(u'x', 0), u""},
        {bCUnicodeString(2.5f, 1), u"2.5"},
        {bCUnicodeString(1.5f, 2), u"1.50"},
        {strImplicit, u"-1"},
        {bCUnicodeString(2147483648UL), u"-2147483648"},
        {bCUnicodeString(-42L), u"-42"},
        {bCUnicodeString(17), u"17"},
        {bCUnicodeString("ab\xE4"), u"ab\u00E4"},
        {bCUnicodeString("abcdef", 3), u"abc"},
    };
    for (auto const & Case : Cases)
    {
        SCOPED_TRACE(&Case - Cases);
        EXPECT_EQ(Units(Case.m_strText), Case.m_pcExpected);
    }
}

TEST(bCUnicodeString, CopySharesBufferUntilWriteButNeverALockedOne)
{
    bCUnicodeString strFirst(u"abc");
    bCUnicodeString strSecond(strFirst);
    int32_t const * pHeader = reinterpret_cast<int32_t const *>(strFirst.GetText()) - 3;
    EXPECT_EQ(std::u16string(u"\u0002\u0000\u0003\u0000\u0003\u0000abc\u0000", 10),
              std::u16string(reinterpret_cast<char16_t const *>(pHeader), 10)); // count, length, capacity
    EXPECT_EQ(strFirst.GetText(), strSecond.GetText());
    strSecond.SetAt(0, u'x');
    bCUnicodeString strThird;
    strThird = strFirst;
    strThird[1] = u'y';
    EXPECT_EQ(Units(strFirst) + Units(strSecond) + Units(strThird), u"abcxbcayc");

    char16_t * pcLocked = strFirst.LockBuffer();
    bCUnicodeString strCopy(strFirst);
    bCUnicodeString strAssigned;
    strAssigned = strFirst;
    pcLocked[0] = u'z';
    EXPECT_EQ(Units(strCopy) + Units(strAssigned) + Units(strFirst), u"abcabczbc");
    strFirst.UnlockBuffer();
    EXPECT_EQ(bCUnicodeString(strFirst).GetText(), strFirst.GetText());
    EXPECT_EQ(bCUnicodeString().LockBuffer(), nullptr);
}

TEST(bCUnicodeString, AppendWritesInPlaceWhenPrivateAndLargeEnough)
{
    bCUnicodeString strText(u"ab");
    char16_t * pcBuffer = strText.GetBuffer(10);
    strText += u'x';
    strText += u"1234567";
    EXPECT_EQ(strText.GetText(), pcBuffer);
    strText += u"!"; // no longer fits: exact new buffer
    EXPECT_EQ(strText.GetAllocLength(), 11);
    EXPECT_EQ(Units(strText), u"abx1234567!");

    bCUnicodeString strShared(u"ab");
    strShared.GetBuffer(10);
    bCUnicodeString strSecond(strShared);
    strSecond += u"cd";
    EXPECT_EQ(strSecond.GetAllocLength(), 4);
    strSecond += strSecond;
    EXPECT_EQ(Units(strShared) + Units(strSecond), u"ababcdabcd");
}

TEST(bCUnicodeString, BufferAccessAndCapacity)
{
    bCUnicodeString strText;
    EXPECT_EQ(strText.GetBuffer(0), nullptr);
    char16_t * pcFresh = strText.GetBuffer(4);
    EXPECT_EQ(strText.GetLength(), 4);
    pcFresh[0] = u'h';
    pcFresh[1] = 0;
    strText.ReleaseBuffer();
    EXPECT_EQ(Units(strText), u"h");
    strText.ReleaseBuffer(0);
    EXPECT_EQ(strText.GetAllocLength(), 4);

    strText = u"abc";
    char16_t * pcSet = strText.GetBufferSetLength(6);
    EXPECT_EQ(strText.GetLength(), 6);
    EXPECT_EQ(pcSet[6], 0);
    strText.SetText(u"abc");
    strText.FreeExtra();
    EXPECT_EQ(strText.GetAllocLength(), 3);
    EXPECT_EQ(Units(strText), u"abc");
}

TEST(bCUnicodeString, EmptyingKeepsPrivateBufferAndReleasesShared)
{
    bCUnicodeString strText(u"abc");
    char16_t const * pcBuffer = strText.GetText();
    strText = u"";
    EXPECT_EQ(strText.GetText(), pcBuffer); // zero-length buffer kept
    EXPECT_TRUE(strText == bCUnicodeString());

    bCUnicodeString strShared(u"xyz");
    bCUnicodeString strCopy(strShared);
    strCopy = u"";
    EXPECT_EQ(strCopy.GetAllocLength(), 0);
    EXPECT_EQ(Units(strShared), u"xyz");
    strShared.Clear();
    EXPECT_EQ(strShared.GetAllocLength(), 0);

    bCUnicodeString strCut(u"abcdef");
    pcBuffer = strCut.GetText();
    strCut.SetText(strCut, 3); // shrinks a private buffer in place
    EXPECT_EQ(strCut.GetText(), pcBuffer);
    EXPECT_EQ(Units(strCut), u"abc");
    CheckEdits({
        {u"", [](bCUnicodeString & s) { return s.SetText(u"xyzw", 2), 0; }, 0, u"xy"},
        {u"", [](bCUnicodeString & s) { return s.SetText(u'q', 2), 0; }, 0, u"qq"},
        {u"ab", [](bCUnicodeString & s) { return s = u'p', 0; }, 0, u"p"},
    });
}

TEST(bCUnicodeString, ComparesUnitsUnsignedWithAllEmptyFormsEqual)
{
    bCUnicodeString strZeroLength(u"x");
    strZeroLength = u"";
    EXPECT_EQ(bCUnicodeString().Compare(strZeroLength), 0);
    EXPECT_EQ(bCUnicodeString().Compare(static_cast<char16_t const *>(nullptr)), 0);
    EXPECT_EQ(bCUnicodeString(u"a").Compare(static_cast<char16_t const *>(nullptr)), 1);
    struct
    {
        char16_t const * m_pcLeft;
        char16_t const * m_pcRight;
        int m_iCompare;
    } const Cases[] = {{u"", u"a", -1}, {u"\u00E4", u"z", 1}, {u"\uFFFF", u"\u0100", 1}, {u"ab", u"abc", -1}};
    for (auto const & Case : Cases)
        EXPECT_EQ(bCUnicodeString(Case.m_pcLeft).Compare(Case.m_pcRight), Case.m_iCompare) << &Case - Cases;
    EXPECT_EQ(bCUnicodeString(u"ABC").CompareNoCase(u"abc"), 0);
    EXPECT_NE(bCUnicodeString(u"\u00C4").CompareNoCase(u"\u00E4"), 0); // only A-Z fold
    EXPECT_TRUE(bCUnicodeString(u"b") >= u"b");
    EXPECT_TRUE(u"a" < bCUnicodeString(u"b"));
    EXPECT_TRUE(u"abc" != bCUnicodeString(u"abd"));
    EXPECT_TRUE(u"a" >= bCUnicodeString(u""));
}

TEST(bCUnicodeString, FindsUnitsTextsAndWords)
{
    bCUnicodeString const strText(u"abca");
    bCUnicodeString const strPairs(u"abab");
    bCUnicodeString const strDelimiters(u",");
    bCUnicodeString strWord;
    int const arrFound[][2] = {
        {strText.Find(u'a', 1), 3},         {strText.Find(u'a', 4), -1},
        {bCUnicodeString().Find(u'a'), -1}, {strText.Find(u"ca"), 2},
        {strText.Find(u"", 4), 4},          {strText.Find(u"", 5), -1}, // start may equal the length
        {strText.Find(u"a", 4), -1},        {strText.FindOneOf(u"cb", 0), 1},
        {strText.FindOneOf(u"cb", 4), -1},  {strText.ReverseFindOneOf(u"ab"), 3},
        {strText.ReverseFindOneOf(u"b", 2), 1}, {strText.ReverseFindOneOf(u"b", 4), -1},
        {strText.Contains(u'b', 2), 0},     {strText.Contains(u"bc") && strText.ContainsOneOf(u"xc"), 1},
        // The reverse search looks at or after its start.
        {strText.ReverseFind(u'a', 1), 3},  {strText.ReverseFind(u'b', 2), -1},
        {strText.ReverseFind(u'b', 0), 1},  {strText.ReverseFind(u'a', 4), -1},
        {strPairs.ReverseFind(u"b", 1), 1}, {strPairs.ReverseFind(u"ab", 1), 0},
        {strPairs.ReverseFind(u"b", 4), -1}, {strPairs.ReverseFind(u"ababa"), -1},
        {bCUnicodeString(u"a,,b").CountWords(strDelimiters), 3},
        {bCUnicodeString().CountWords(strDelimiters), 0},
    };
    for (auto const & Found : arrFound)
        EXPECT_EQ(Found[0], Found[1]) << &Found - arrFound;

    struct
    {
        int m_iWord;
        int m_iPosition;
        char16_t const * m_pcWord;
    } const arrWords[] = {{0, 0, u"a"}, {1, 2, u""}, {2, 3, u"b"}, {3, -1, u"b"}, {-1, 0, u""}};
    for (auto const & Word : arrWords)
    {
        EXPECT_EQ(bCUnicodeString(u"a,,b").GetWord(Word.m_iWord, strDelimiters, strWord), Word.m_iPosition);
        EXPECT_EQ(Units(strWord), Word.m_pcWord) << Word.m_iWord;
    }
    EXPECT_EQ(bCUnicodeString(u" x , y ").GetWord(1, strDelimiters, strWord, true, true), 4);
    EXPECT_EQ(Units(strWord), u"y");
}

TEST(bCUnicodeString, ExtractsAndConcatenates)
{
    bCUnicodeString strText(u"abc");
    EXPECT_EQ(strText.Left(3).GetText(), strText.GetText()); // shares
    EXPECT_EQ(strText.Right(5).GetText(), strText.GetText());
    EXPECT_EQ(strText.Mid(0, 3).GetText(), strText.GetText());
    struct
    {
        bCUnicodeString m_strText;
        char16_t const * m_pcExpected;
    } const Cases[] = {
        {strText.Left(2), u"ab"},       {strText.Left(-1), u""},
        {strText.Right(2), u"bc"},      {strText.Right(-1), u""},
        {strText.Mid(1, 10), u"bc"},    {strText.Mid(5, 2), u""},
        {strText.Mid(1), u"bc"},        {bCUnicodeString(u"aabx").SpanIncluding(u"ab"), u"aab"},
        {strText + u'!', u"abc!"},      {bCUnicodeString(u"xyab").SpanExcluding(u"ab"), u"xy"},
        {u"<" + strText, u"<abc"},      {u'>' + strText, u">abc"},
        {strText + strText, u"abcabc"},
    };
    for (auto const & Case : Cases)
        EXPECT_EQ(Units(Case.m_strText), Case.m_pcExpected) << &Case - Cases;
    EXPECT_EQ((bCUnicodeString() + bCUnicodeString()).GetAllocLength(), 0);
}

TEST(bCUnicodeString, ConvertsToNumbersAndBoolAsThe8BitString)
{
    EXPECT_EQ(bCUnicodeString(u"  -123xyz").GetInteger(), -123);
    EXPECT_EQ(bCUnicodeString(u"99999999999").GetInteger(), 2147483647);
    EXPECT_FLOAT_EQ(bCUnicodeString(u"2.5e1").GetFloat(), 25.0f);
    EXPECT_TRUE(bCUnicodeString(u"tRuE").GetBool());
    EXPECT_FALSE(bCUnicodeString(u"true ").GetBool());
    // Hexadecimal and locale-dependent spellings are not numbers to the 8-bit parser either.
    for (char const * pcText : {"+7", " -0.125", "0x10", " 2.5", "1e400", "-1e-400", "inf", ".5x", "7,5", "x1", ""})
    {
        bCString strNarrow(pcText);
        EXPECT_EQ(bCUnicodeString(pcText).GetDouble(), strNarrow.GetDouble()) << pcText;
        EXPECT_EQ(bCUnicodeString(pcText).GetInteger(), strNarrow.GetInteger()) << pcText;
    }
    // The whole stored text must read "true", not just what precedes a zero unit.
    bCUnicodeString strBool(u"true");
    strBool += u'\0';
    EXPECT_FALSE(strBool.GetBool());
}

TEST(bCUnicodeString, EditsReturnTheNewLengthOrTheCount)
{
    using S = bCUnicodeString;
    CheckEdits({
        {u"ace", [](S & s) { return s.Insert(1, u'b'); }, 4, u"abce"},
        {u"ab", [](S & s) { return s.Insert(-5, S(u"<")); }, 3, u"<ab"},
        {u"ab", [](S & s) { return s.Insert(99, u">"); }, 3, u"ab>"},
        {u"", [](S & s) { return s.Insert(5, u"xy"); }, 2, u"xy"},
        {u"abcde>", [](S & s) { return s.Delete(4, 10); }, 4, u"abcd"}, // count past the end
        {u"abcd", [](S & s) { return s.Delete(1, 2); }, 2, u"ad"},
        {u"ad", [](S & s) { return s.Delete(5, 1); }, 2, u"ad"},
        {u"aaa", [](S & s) { return s.Replace(u"aa", u"b"); }, 1, u"ba"},
        {u"a-b", [](S & s) { return s.Replace(u"x", u"y"); }, 0, u"a-b"},
        {u"a::b", [](S & s) { return s.Replace(u':', u';'); }, 2, u"a;;b"},
        {u"aba", [](S & s) { return s.Replace(u'a', u'a'); }, 0, u"aba"},
        {u"a;;b", [](S & s) { return s.Remove(u';'); }, 2, u"ab"},
        // Texts taken from the string's own buffer must outlive its change.
        {u"ab",
         [](S & s) {
             s.LockBuffer();
             return s.Replace(s.GetText() + 1, s.GetText());
         },
         1, u"aab"},
        {u"xbxb", [](S & s) { return s.Replace(s.GetText() + 3, u""); }, 2, u"xx"},
        {u"xx", [](S & s) { return s.Remove(s); }, 1, u""},
        {u" \t\r\nabc \v\f", [](S & s) { return s.TrimLeft(), 0; }, 0, u"abc \v\f"},
        {u"\u00A0abc\u3000", [](S & s) { return s.Trim(), 0; }, 0, u"\u00A0abc\u3000"},
        {u"xxaxx", [](S & s) { return s.Trim(u'x'), 0; }, 0, u"a"},
        {u"xyaby", [](S & s) { return s.TrimLeft(u"yx"), 0; }, 0, u"aby"},
        {u" a ", [](S & s) { return s.Trim(false, true), 0; }, 0, u" a"},
        {u"aZ\u00E4!", [](S & s) { return s.MakeUpper(), 0; }, 0, u"AZ\u00E4!"},
        {u"aZ\u00E4!", [](S & s) { return s.MakeLower(), 0; }, 0, u"az\u00E4!"},
        {u"abc", [](S & s) { return s.MakeReverse(), 0; }, 0, u"cba"},
    });
    bCUnicodeString strText(u"aZ");
    bCUnicodeString strCopy(strText);
    strText.MakeUpper();
    EXPECT_EQ(Units(strCopy), u"aZ");
}

TEST(bCUnicodeString, ReplaceRewritesPrivateBufferInPlaceUnlessTheTextGrows)
{
    bCUnicodeString strText(u"aab");
    char16_t const * pcBuffer = strText.GetBuffer(10);
    EXPECT_EQ(strText.Replace(u"a", u""), 2);
    EXPECT_EQ(strText.GetText(), pcBuffer);
    EXPECT_EQ(strText.GetAllocLength(), 10);
    EXPECT_EQ(strText.Replace(u"b", u"yyy"), 1); // growing: a fresh buffer of the final length
    EXPECT_EQ(strText.GetAllocLength(), 3);

    bCUnicodeString strShared(u"a-b-c");
    bCUnicodeString strCopy(strShared);
    EXPECT_EQ(strCopy.Replace(u"-", u"::"), 2);
    EXPECT_EQ(strCopy.GetAllocLength(), 7);
    EXPECT_EQ(Units(strShared) + Units(strCopy), u"a-b-ca::b::c");
}

TEST(bCUnicodeString, FormatKeepsLargeBuffer)
{
    bCUnicodeString strText;
    std::u16string strHundred(100, u'q');
    EXPECT_TRUE(strText.Format(u"%s", strHundred.c_str()));
    EXPECT_EQ(strText.GetAllocLength(), 8192);
    EXPECT_EQ(Units(strText), strHundred);
    std::u16string strHuge(9000, u'w');
    strText.Format(u"%s", strHuge.c_str());
    strText.Format(u"%s", strText.GetText()); // its own text as argument
    EXPECT_EQ(Units(strText), strHuge.substr(0, 8191));

    EXPECT_TRUE(strText.Format(nullptr));
    EXPECT_EQ(strText.GetAllocLength(), 0);

    strText = u"abc";
    char16_t * pcLocked = strText.LockBuffer();
    EXPECT_TRUE(strText.Format(nullptr)); // empties a locked buffer in place
    EXPECT_EQ(strText.GetText(), pcLocked);
    EXPECT_TRUE(strText.IsEmpty());
    EXPECT_EQ(strText.GetAllocLength(), 3);
}

TEST(bCUnicodeString, FormatsAsThe8BitFormatterWithUnitWidthsOfTheirOwn)
{
    struct
    {
        bCUnicodeString m_strText;
        char16_t const * m_pcExpected;
    } const Cases[] = {
        {Formatted(u"%s|%ls|%S|%hs", u"wide", u"long", "narrow", "short"), u"wide|long|narrow|short"},
        {Formatted(u"%c%lc%C%hc", u'\u20AC', u'b', 'c', '\xE4'), u"\u20ACbc\u00E4"},
        {Formatted(u"[%5s][%-5s][%.2s][%*s]", u"ab", u"ab", u"abcd", 3, u"x"), u"[   ab][ab   ][ab][  x]"},
        {Formatted(u"[%3S][%.1hs]", "x", "yz"), u"[  x][y]"},
        {Formatted(u"%s", static_cast<char16_t const *>(nullptr)), u"(null)"},
        {Formatted(u"100%%"), u"100%"},
        {Formatted(u"%d %i %u", -5, 7, 4294967295u), u"-5 7 4294967295"},
        {Formatted(u"%05d|%-4d|%+d", 42, 7, 3), u"00042|7   |+3"},
        {Formatted(u"%x %X %#o", 255, 255, 8), u"ff FF 010"},
        {Formatted(u"%lld %I64d %ld", -9000000000LL, 1LL << 40, -3L), u"-9000000000 1099511627776 -3"},
        {Formatted(u"%hd %hhu", 70000, 257), u"4464 1"},
        {Formatted(u"%.2f %e %g", 3.14159, 1.5, 0.25), u"3.14 1.500000e+00 0.25"},
        {Formatted(u"%*.*f", 8, 3, 2.5), u"   2.500"},
        {Formatted(u"%zu", static_cast<size_t>(12)), u"12"},
        // Unknown and unfinished conversions are copied.
        {Formatted(u"a%yb"), u"a%yb"},
        {Formatted(u"end%"), u"end%"},
        {Formatted(u"%-5"), u"%-5"},
        {bCUnicodeString::GetFormattedString(u"%d-%s", 12, u"x"), u"12-x"},
        {bCUnicodeString::GetFormattedString(nullptr), u""},
    };
    for (auto const & Case : Cases)
        EXPECT_EQ(Units(Case.m_strText), Case.m_pcExpected) << &Case - Cases;
    std::u16string strLong(2000, u'z');
    EXPECT_EQ(bCUnicodeString::GetFormattedString(u"%s", strLong.c_str()).GetLength(), 1023);
}

TEST(bCUnicodeString, RoundTripsThrough8BitTextAndUnitsBeyondOneByteBecomeQuestionMarks)
{
    std::string strAllBytes;
    for (int i = 1; i < 256; ++i)
        strAllBytes += static_cast<char>(i);
    bCString strNarrow(strAllBytes.c_str());
    bCUnicodeString strWide(strNarrow.GetUnicodeText());
    ASSERT_EQ(strWide.GetLength(), 255);
    for (int i = 0; i < 255; ++i)
        EXPECT_EQ(strWide[i], static_cast<char16_t>(i + 1));
    EXPECT_TRUE(strWide.IsAnsiText());
    EXPECT_EQ(std::string(strWide.GetAnsiText().GetText()), strAllBytes);
    EXPECT_TRUE(bCString(strWide) == strNarrow);
    EXPECT_FALSE(bCUnicodeString(u"a\u0100").IsAnsiText());
    EXPECT_TRUE(bCString().GetUnicodeText().IsEmpty());
    EXPECT_TRUE(bCUnicodeString().GetAnsiText().IsEmpty());

    bCUnicodeString strFromNarrow;
    strFromNarrow.SetAnsiText(strNarrow, 3);
    EXPECT_EQ(Units(strFromNarrow), u"\u0001\u0002\u0003");
    strFromNarrow.SetAnsiText("");
    EXPECT_TRUE(strFromNarrow.IsEmpty() && strFromNarrow.IsAnsiText());
    strNarrow.SetUnicodeText(u"a\u20ACb");
    EXPECT_STREQ(strNarrow.GetText(), "a?b");
    strNarrow.SetUnicodeText(u"abcdef", 2);
    EXPECT_STREQ(strNarrow.GetText(), "ab");
    strNarrow.SetUnicodeText(bCUnicodeString(u"xyz"), 10);
    EXPECT_STREQ(strNarrow.GetText(), "xyz");
}

TEST(bCUnicodeString, HexCodingWritesBytesInMemoryOrder)
{
    EXPECT_STREQ(bCUnicodeString(u"\u20AC\uFFFF").GetAsHexCodedString().GetText(), "ac20ffff");
    EXPECT_TRUE(bCUnicodeString().GetAsHexCodedString().IsEmpty());
    bCUnicodeString strText;
    EXPECT_TRUE(strText.SetFromHexCodedString(bCString("AC20ffFF")));
    EXPECT_EQ(Units(strText), u"\u20AC\uFFFF");
    EXPECT_EQ(strText.GetAllocLength(), 2);
    EXPECT_TRUE(strText.SetFromHexCodedString(bCString()));
    EXPECT_TRUE(strText.IsEmpty());

    std::u16string strUnits;
    for (int i = 1; i < 0x10000; i += 257)
        strUnits += static_cast<char16_t>(i);
    ASSERT_TRUE(strText.SetFromHexCodedString(bCUnicodeString(strUnits.c_str()).GetAsHexCodedString()));
    EXPECT_EQ(Units(strText), strUnits);
}

TEST(bCUnicodeString, HexCodingRefusesBadTextsAndKeepsValue)
{
    bCUnicodeString strText(u"keep");
    // Odd length, not whole units, half a unit, non-hex digit, blank, prefix, sign, zero bytes.
    for (bCString const & strBad : {bCString("410"), bCString("41004"), bCString("41"), bCString("4g00"),
                                    bCString("41 0"), bCString("0x41"), bCString("-100"), bCString("41\0\0", 4)})
        EXPECT_FALSE(strText.SetFromHexCodedString(strBad)) << strBad.GetText();
    EXPECT_EQ(Units(strText), u"keep");
}
