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

TEST(bCUnicodeString, BufferHoldsCountLengthAndCapacityBeforeTheUnits)
{
    bCUnicodeString strText(u"abcd");
    char16_t const * pcText = strText.GetText();
    int32_t const * pHeader = reinterpret_cast<int32_t const *>(pcText) - 3;
    EXPECT_EQ(pHeader[0], 1); // share count
    EXPECT_EQ(pHeader[1], 4); // length
    EXPECT_EQ(pHeader[2], 4); // capacity
    EXPECT_EQ(pcText[4], 0);
    bCUnicodeString strCopy(strText);
    EXPECT_EQ(pHeader[0], 2);
}

TEST(bCUnicodeString, CopySharesBufferUntilWriteButNeverALockedOne)
{
    bCUnicodeString strFirst(u"abc");
    bCUnicodeString strSecond(strFirst);
    EXPECT_EQ(strFirst.GetText(), strSecond.GetText());
    strSecond.SetAt(0, u'x');
    bCUnicodeString strThird;
    strThird = strFirst;
    EXPECT_EQ(strThird.GetText(), strFirst.GetText());
    strThird[1] = u'y';
    EXPECT_EQ(Units(strFirst) + Units(strSecond) + Units(strThird), u"abcxbcayc");

    char16_t * pcLocked = strFirst.LockBuffer();
    ASSERT_NE(pcLocked, nullptr);
    bCUnicodeString strCopy(strFirst);
    bCUnicodeString strAssigned;
    strAssigned = strFirst;
    EXPECT_NE(strAssigned.GetText(), strFirst.GetText());
    pcLocked[0] = u'z';
    EXPECT_EQ(Units(strCopy), u"abc");
    EXPECT_EQ(Units(strFirst), u"zbc");
    strFirst.UnlockBuffer();
    bCUnicodeString strShared(strFirst);
    EXPECT_EQ(strShared.GetText(), strFirst.GetText());
    EXPECT_EQ(bCUnicodeString().LockBuffer(), nullptr);
}

TEST(bCUnicodeString, AppendWritesInPlaceWhenPrivateAndLargeEnough)
{
    bCUnicodeString strText(u"ab");
    char16_t * pcBuffer = strText.GetBuffer(10);
    EXPECT_EQ(strText.GetLength(), 2);
    strText += u'x';
    strText += u"1234567";
    EXPECT_EQ(strText.GetText(), pcBuffer);
    EXPECT_EQ(strText.GetAllocLength(), 10);
    strText += u"!"; // no longer fits: exact new buffer
    EXPECT_EQ(strText.GetAllocLength(), 11);
    EXPECT_EQ(Units(strText), u"abx1234567!");

    bCUnicodeString strShared(u"ab");
    strShared.GetBuffer(10);
    bCUnicodeString strSecond(strShared);
    strSecond += u"cd";
    EXPECT_EQ(Units(strShared), u"ab");
    EXPECT_EQ(strSecond.GetAllocLength(), 4);
    strSecond += strSecond;
    EXPECT_EQ(Units(strSecond), u"abcdabcd");
}

TEST(bCUnicodeString, BufferAccessAndCapacity)
{
    bCUnicodeString strEmpty;
    EXPECT_EQ(strEmpty.GetBuffer(0), nullptr);
    char16_t * pcFresh = strEmpty.GetBuffer(4);
    ASSERT_NE(pcFresh, nullptr);
    EXPECT_EQ(strEmpty.GetLength(), 4);
    pcFresh[0] = u'h';
    pcFresh[1] = u'i';
    pcFresh[2] = 0;
    strEmpty.ReleaseBuffer();
    EXPECT_EQ(Units(strEmpty), u"hi");
    EXPECT_EQ(strEmpty.GetAllocLength(), 4);
    strEmpty.ReleaseBuffer(1);
    EXPECT_EQ(Units(strEmpty), u"h");

    bCUnicodeString strText(u"abc");
    char16_t * pcSet = strText.GetBufferSetLength(6);
    EXPECT_EQ(strText.GetLength(), 6);
    EXPECT_EQ(pcSet[6], 0);
    EXPECT_EQ(pcSet[0], u'a');

    bCUnicodeString strExtra(u"abc");
    strExtra.GetBuffer(50);
    strExtra.FreeExtra();
    EXPECT_EQ(strExtra.GetAllocLength(), 3);
    EXPECT_EQ(Units(strExtra), u"abc");
    char16_t const * pcBefore = strExtra.GetText();
    strExtra.FreeExtra();
    EXPECT_EQ(strExtra.GetText(), pcBefore);
}

TEST(bCUnicodeString, EmptyingKeepsPrivateBufferAndReleasesShared)
{
    bCUnicodeString strText(u"abc");
    char16_t const * pcBuffer = strText.GetText();
    strText = u"";
    EXPECT_EQ(strText.GetText(), pcBuffer); // zero-length buffer kept
    EXPECT_TRUE(strText == bCUnicodeString());
    EXPECT_TRUE(strText == u"");

    bCUnicodeString strShared(u"xyz");
    bCUnicodeString strCopy(strShared);
    strCopy = u"";
    EXPECT_EQ(strCopy.GetAllocLength(), 0);
    EXPECT_EQ(Units(strShared), u"xyz");
    strShared.Clear();
    EXPECT_EQ(strShared.GetAllocLength(), 0);
}

TEST(bCUnicodeString, SetTextShrinksPrivateBufferInPlace)
{
    bCUnicodeString strText(u"abcdef");
    char16_t const * pcBuffer = strText.GetText();
    strText.SetText(strText, 3);
    EXPECT_EQ(strText.GetText(), pcBuffer);
    EXPECT_EQ(Units(strText), u"abc");
    EXPECT_EQ(strText.GetAllocLength(), 6);
    CheckEdits({
        {u"", [](bCUnicodeString & s) { return s.SetText(u"xyzw", 2), 0; }, 0, u"xy"},
        {u"", [](bCUnicodeString & s) { return s.SetText(u'q', 2), 0; }, 0, u"qq"},
        {u"ab", [](bCUnicodeString & s) { return s = u'p', 0; }, 0, u"p"},
        {u"", [](bCUnicodeString & s) { return s = "8bit", 0; }, 0, u"8bit"},
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

TEST(bCUnicodeString, FindsUnitsAndTexts)
{
    bCUnicodeString strText(u"abca");
    EXPECT_EQ(strText.Find(u'a', 1), 3);
    EXPECT_EQ(strText.Find(u'a', 4), -1);
    EXPECT_EQ(bCUnicodeString().Find(u'a'), -1);
    EXPECT_EQ(strText.Find(u"ca"), 2);
    EXPECT_EQ(strText.Find(u"", 4), 4); // start may equal the length
    EXPECT_EQ(strText.Find(u"a", 4), -1);
    EXPECT_EQ(strText.Find(u"", 5), -1);
    EXPECT_FALSE(strText.Contains(u'b', 2));
    EXPECT_TRUE(strText.Contains(u"bc"));
    EXPECT_TRUE(strText.ContainsOneOf(u"xc"));
    EXPECT_EQ(strText.FindOneOf(u"cb", 0), 1);
    EXPECT_EQ(strText.FindOneOf(u"cb", 4), -1);
    EXPECT_EQ(strText.ReverseFindOneOf(u"ab"), 3);
    EXPECT_EQ(strText.ReverseFindOneOf(u"b", 2), 1);
    EXPECT_EQ(strText.ReverseFindOneOf(u"b", 4), -1);
}

TEST(bCUnicodeString, ReverseFindSearchesAtOrAfterStart)
{
    bCUnicodeString strText(u"abca");
    EXPECT_EQ(strText.ReverseFind(u'a', 1), 3);
    EXPECT_EQ(strText.ReverseFind(u'b', 2), -1);
    EXPECT_EQ(strText.ReverseFind(u'b', 0), 1);
    EXPECT_EQ(strText.ReverseFind(u'a', 4), -1);
    bCUnicodeString strPairs(u"abab");
    EXPECT_EQ(strPairs.ReverseFind(u"b", 0), 3);
    EXPECT_EQ(strPairs.ReverseFind(u"b", 1), 1);
    EXPECT_EQ(strPairs.ReverseFind(u"ab", 1), 0);
    EXPECT_EQ(strPairs.ReverseFind(u"b", 4), -1);
    EXPECT_EQ(strPairs.ReverseFind(u"ababa"), -1);
}

TEST(bCUnicodeString, CountsAndSplitsWords)
{
    bCUnicodeString strText(u"a,,b");
    bCUnicodeString strDelimiters(u",");
    EXPECT_EQ(strText.CountWords(strDelimiters), 3);
    EXPECT_EQ(bCUnicodeString().CountWords(strDelimiters), 0);
    EXPECT_EQ(bCUnicodeString(u"a").CountWords(strDelimiters), 1);

    bCUnicodeString strWord;
    EXPECT_EQ(strText.GetWord(0, strDelimiters, strWord), 0);
    EXPECT_EQ(Units(strWord), u"a");
    EXPECT_EQ(strText.GetWord(1, strDelimiters, strWord), 2);
    EXPECT_EQ(Units(strWord), u"");
    EXPECT_EQ(strText.GetWord(2, strDelimiters, strWord), 3);
    EXPECT_EQ(Units(strWord), u"b");
    EXPECT_EQ(strText.GetWord(3, strDelimiters, strWord), -1);
    EXPECT_EQ(Units(strWord), u"b");
    EXPECT_EQ(strText.GetWord(-1, strDelimiters, strWord), 0);
    EXPECT_TRUE(strWord.IsEmpty());
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
    EXPECT_EQ(bCUnicodeString(u"+7").GetInteger(), 7);
    EXPECT_EQ(bCUnicodeString(u"99999999999").GetInteger(), 2147483647);
    EXPECT_EQ(bCUnicodeString().GetInteger(), 0);
    EXPECT_FLOAT_EQ(bCUnicodeString(u"2.5e1").GetFloat(), 25.0f);
    EXPECT_DOUBLE_EQ(bCUnicodeString(u" -0.125").GetDouble(), -0.125);
    EXPECT_TRUE(bCUnicodeString(u"tRuE").GetBool());
    EXPECT_FALSE(bCUnicodeString(u"1").GetBool());
    EXPECT_FALSE(bCUnicodeString(u"true ").GetBool());
    // Hexadecimal and locale-dependent spellings are not numbers to the 8-bit parser either.
    for (char const * pcText : {"0x10", " 2.5", "1e400", "-1e-400", "inf", ".5x", "7,5", "x1"})
    {
        bCString strNarrow(pcText);
        EXPECT_EQ(bCUnicodeString(pcText).GetDouble(), strNarrow.GetDouble()) << pcText;
        EXPECT_EQ(bCUnicodeString(pcText).GetInteger(), strNarrow.GetInteger()) << pcText;
    }
    EXPECT_EQ(bCUnicodeString(u"0x10").GetDouble(), 0.0);
    // The whole stored text must read "true", not just what precedes a zero unit.
    bCUnicodeString strBool(u"true");
    strBool += u'\0';
    strBool += u'x';
    EXPECT_FALSE(strBool.GetBool());
}

TEST(bCUnicodeString, EditsReturnTheNewLengthOrTheCount)
{
    using S = bCUnicodeString;
    CheckEdits({
        {u"ace", [](S & s) { return s.Insert(1, u'b'); }, 4, u"abce"},
        {u"abce", [](S & s) { return s.Insert(3, u"d"); }, 5, u"abcde"},
        {u"ab", [](S & s) { return s.Insert(-5, S(u"<")); }, 3, u"<ab"},
        {u"ab", [](S & s) { return s.Insert(99, u">"); }, 3, u"ab>"},
        {u"", [](S & s) { return s.Insert(5, u"xy"); }, 2, u"xy"},
        {u"<abcde>", [](S & s) { return s.Delete(0, 1); }, 6, u"abcde>"},
        {u"abcde>", [](S & s) { return s.Delete(4, 10); }, 4, u"abcd"},
        {u"abcd", [](S & s) { return s.Delete(1, 2); }, 2, u"ad"},
        {u"ad", [](S & s) { return s.Delete(5, 1); }, 2, u"ad"},
        {u"ad", [](S & s) { return s.Delete(0, 0); }, 2, u"ad"},
        {u"aaa", [](S & s) { return s.Replace(u"aa", u"b"); }, 1, u"ba"},
        {u"a-b", [](S & s) { return s.Replace(u"x", u"y"); }, 0, u"a-b"},
        {u"a-b", [](S & s) { return s.Replace(u"", u"y"); }, 0, u"a-b"},
        {u"a::b", [](S & s) { return s.Replace(u':', u';'); }, 2, u"a;;b"},
        {u"aba", [](S & s) { return s.Replace(u'a', u'a'); }, 0, u"aba"},
        {u"a;;b", [](S & s) { return s.Remove(u';'); }, 2, u"ab"},
        {u"abc", [](S & s) { return s.Remove(u"bc"); }, 1, u"a"},
        {u"a", [](S & s) { return s.Remove(S(u"a")); }, 1, u""},
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
        {u"abc \v\f", [](S & s) { return s.TrimRight(), 0; }, 0, u"abc"},
        {u"\u00A0abc\u3000", [](S & s) { return s.Trim(), 0; }, 0, u"\u00A0abc\u3000"},
        {u"xxaxx", [](S & s) { return s.Trim(u'x'), 0; }, 0, u"a"},
        {u"xyaby", [](S & s) { return s.TrimLeft(u"yx"), 0; }, 0, u"aby"},
        {u"aby", [](S & s) { return s.TrimRight(u"y"), 0; }, 0, u"ab"},
        {u"ab", [](S & s) { return s.Trim(u""), 0; }, 0, u"ab"},
        {u" a ", [](S & s) { return s.Trim(false, true), 0; }, 0, u" a"},
        {u"   ", [](S & s) { return s.Trim(), 0; }, 0, u""},
        {u"aZ\u00E4!", [](S & s) { return s.MakeUpper(), 0; }, 0, u"AZ\u00E4!"},
        {u"aZ\u00E4!", [](S & s) { return s.MakeLower(), 0; }, 0, u"az\u00E4!"},
        {u"abcd", [](S & s) { return s.MakeReverse(), 0; }, 0, u"dcba"},
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
    EXPECT_EQ(strText.Replace(u"a", u"x"), 2);
    EXPECT_EQ(strText.Replace(u"x", u""), 2);
    EXPECT_EQ(strText.GetText(), pcBuffer);
    EXPECT_EQ(strText.GetAllocLength(), 10);
    EXPECT_EQ(Units(strText), u"b");
    EXPECT_EQ(strText.Replace(u"b", u"yyy"), 1); // growing: a fresh buffer of the final length
    EXPECT_EQ(strText.GetAllocLength(), 3);

    bCUnicodeString strShared(u"a-b-c");
    bCUnicodeString strCopy(strShared);
    EXPECT_EQ(strCopy.Replace(u"-", u"::"), 2);
    EXPECT_EQ(strCopy.GetAllocLength(), 7);
    EXPECT_EQ(Units(strShared), u"a-b-c");
    EXPECT_EQ(Units(strCopy), u"a::b::c");
}

TEST(bCUnicodeString, ConvertsFromAnsiByteForUnit)
{
    bCUnicodeString strText;
    strText.SetAnsiText("\x41\xE4\xFF");
    EXPECT_EQ(Units(strText), u"A\u00E4\u00FF");
    strText.SetAnsiText("abcdef", 2);
    EXPECT_EQ(Units(strText), u"ab");
    strText.SetAnsiText("");
    EXPECT_TRUE(strText.IsEmpty());
    EXPECT_TRUE(strText.IsAnsiText());
    EXPECT_TRUE(bCUnicodeString(u"\u00FF").IsAnsiText());
    EXPECT_FALSE(bCUnicodeString(u"a\u0100").IsAnsiText());
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
    EXPECT_EQ(strText.GetLength(), 8191);
    strText.Format(u"%s", strText.GetText()); // its own text as argument
    EXPECT_EQ(strText.GetLength(), 8191);
    EXPECT_TRUE(strText.Format(nullptr));
    EXPECT_EQ(strText.GetAllocLength(), 0);

    bCUnicodeString strLocked(u"abc");
    char16_t * pcLocked = strLocked.LockBuffer();
    EXPECT_TRUE(strLocked.Format(nullptr)); // empties a locked buffer in place
    EXPECT_EQ(strLocked.GetText(), pcLocked);
    EXPECT_TRUE(strLocked.IsEmpty());
    EXPECT_EQ(strLocked.GetAllocLength(), 3);
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

TEST(bCUnicodeString, RoundTripsThrough8BitText)
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
    bCString strBack = strWide.GetAnsiText();
    EXPECT_EQ(strBack.GetLength(), 255);
    EXPECT_EQ(std::string(strBack.GetText()), strAllBytes);
    EXPECT_TRUE(bCString(strWide) == strNarrow);

    bCUnicodeString strFromNarrow;
    strFromNarrow.SetAnsiText(strNarrow, 3);
    EXPECT_EQ(Units(strFromNarrow), u"\u0001\u0002\u0003");
    EXPECT_TRUE(bCString().GetUnicodeText().IsEmpty());
    EXPECT_TRUE(bCUnicodeString().GetAnsiText().IsEmpty());
}

TEST(bCUnicodeString, UnitsBeyondOneByteBecomeQuestionMarks)
{
    bCString strNarrow;
    strNarrow.SetUnicodeText(u"a\u20ACb");
    EXPECT_STREQ(strNarrow.GetText(), "a?b");
    strNarrow.SetUnicodeText(u"abcdef", 2);
    EXPECT_STREQ(strNarrow.GetText(), "ab");
    strNarrow.SetUnicodeText(bCUnicodeString(u"xyz"), 10);
    EXPECT_STREQ(strNarrow.GetText(), "xyz");
    strNarrow.SetUnicodeText(u"");
    EXPECT_TRUE(strNarrow.IsEmpty());
}

TEST(bCUnicodeString, HexCodingWritesBytesInMemoryOrder)
{
    EXPECT_STREQ(bCUnicodeString(u"A").GetAsHexCodedString().GetText(), "4100");
    EXPECT_STREQ(bCUnicodeString(u"\u20AC\uFFFF").GetAsHexCodedString().GetText(), "ac20ffff");
    EXPECT_TRUE(bCUnicodeString().GetAsHexCodedString().IsEmpty());

    bCUnicodeString strText;
    EXPECT_TRUE(strText.SetFromHexCodedString(bCString("41004200")));
    EXPECT_EQ(Units(strText), u"AB");
    EXPECT_EQ(strText.GetAllocLength(), 2);
    EXPECT_TRUE(strText.SetFromHexCodedString(bCString("AC20ffFF")));
    EXPECT_EQ(Units(strText), u"\u20AC\uFFFF");
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
