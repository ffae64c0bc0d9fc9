#include <vellmark/kernel/oe_unicodestring.h>
#include <vellmark/kernel/oe_string.h>

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
} // namespace

TEST(bCUnicodeString, ConstructsFromTextUnitsAndNumbers)
{
    EXPECT_EQ(Units(bCUnicodeString(u"abc")), u"abc");
    EXPECT_EQ(Units(bCUnicodeString(u"abc", 2)), u"ab");
    EXPECT_EQ(Units(bCUnicodeString(u"a\0bc", 4)), u"a"); // stops at the first zero unit
    EXPECT_EQ(Units(bCUnicodeString(u"abc", 10)), u"abc");
    EXPECT_TRUE(bCUnicodeString(u"abc", 0).IsEmpty());
    EXPECT_EQ(Units(bCUnicodeString(u'x', 3)), u"xxx");
    EXPECT_TRUE(bCUnicodeString(u'x', 0).IsEmpty());
    EXPECT_EQ(Units(bCUnicodeString(2.5f, 1)), u"2.5");
    EXPECT_EQ(Units(bCUnicodeString(1.5f, 2)), u"1.50");
    EXPECT_EQ(Units(bCUnicodeString(4294967295UL)), u"-1");
    EXPECT_EQ(Units(bCUnicodeString(2147483648UL)), u"-2147483648");
    EXPECT_EQ(Units(bCUnicodeString(-42L)), u"-42");
    EXPECT_EQ(Units(bCUnicodeString(17)), u"17");
    EXPECT_EQ(Units(bCUnicodeString("ab\xE4")), u"ab\u00E4");
    EXPECT_EQ(Units(bCUnicodeString("abcdef", 3)), u"abc");
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

TEST(bCUnicodeString, CopySharesBufferUntilWrite)
{
    bCUnicodeString strFirst(u"abc");
    bCUnicodeString strSecond(strFirst);
    EXPECT_EQ(strFirst.GetText(), strSecond.GetText());
    strSecond.SetAt(0, u'x');
    EXPECT_NE(strFirst.GetText(), strSecond.GetText());
    EXPECT_EQ(Units(strFirst), u"abc");
    EXPECT_EQ(Units(strSecond), u"xbc");

    bCUnicodeString strThird;
    strThird = strFirst;
    EXPECT_EQ(strThird.GetText(), strFirst.GetText());
    strThird[1] = u'y';
    EXPECT_EQ(Units(strFirst), u"abc");
    EXPECT_EQ(Units(strThird), u"ayc");
}

TEST(bCUnicodeString, LockedBufferIsNeverShared)
{
    bCUnicodeString strText(u"abc");
    char16_t * pcLocked = strText.LockBuffer();
    ASSERT_NE(pcLocked, nullptr);
    bCUnicodeString strCopy(strText);
    EXPECT_NE(strCopy.GetText(), strText.GetText());
    bCUnicodeString strAssigned;
    strAssigned = strText;
    EXPECT_NE(strAssigned.GetText(), strText.GetText());
    pcLocked[0] = u'z';
    EXPECT_EQ(Units(strCopy), u"abc");
    EXPECT_EQ(Units(strText), u"zbc");
    strText.UnlockBuffer();
    bCUnicodeString strShared(strText);
    EXPECT_EQ(strShared.GetText(), strText.GetText());
    EXPECT_EQ(bCUnicodeString().LockBuffer(), nullptr);
}

TEST(bCUnicodeString, AppendWritesInPlaceWhenPrivateAndLargeEnough)
{
    bCUnicodeString strText(u"ab");
    char16_t * pcBuffer = strText.GetBuffer(10);
    EXPECT_EQ(strText.GetAllocLength(), 10);
    EXPECT_EQ(strText.GetLength(), 2);
    strText += u'x';
    EXPECT_EQ(strText.GetText(), pcBuffer);
    EXPECT_EQ(strText.GetAllocLength(), 10);
    EXPECT_EQ(strText.GetLength(), 3);
    EXPECT_EQ(Units(strText), u"abx");
    strText += u"1234567";
    EXPECT_EQ(strText.GetText(), pcBuffer);
    EXPECT_EQ(strText.GetLength(), 10);
    strText += u"!"; // no longer fits: exact new buffer
    EXPECT_EQ(strText.GetAllocLength(), 11);
    EXPECT_EQ(Units(strText), u"abx1234567!");
}

TEST(bCUnicodeString, AppendToSharedBufferMovesToExactBuffer)
{
    bCUnicodeString strFirst(u"ab");
    strFirst.GetBuffer(10);
    bCUnicodeString strSecond(strFirst);
    strSecond += u"cd";
    EXPECT_EQ(Units(strFirst), u"ab");
    EXPECT_EQ(Units(strSecond), u"abcd");
    EXPECT_EQ(strSecond.GetAllocLength(), 4);
    strSecond += strSecond;
    EXPECT_EQ(Units(strSecond), u"abcdabcd");
}

TEST(bCUnicodeString, GetBufferAndReleaseBuffer)
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
}

TEST(bCUnicodeString, FreeExtraTrimsCapacityToLength)
{
    bCUnicodeString strText(u"abc");
    strText.GetBuffer(50);
    EXPECT_EQ(strText.GetAllocLength(), 50);
    strText.FreeExtra();
    EXPECT_EQ(strText.GetAllocLength(), 3);
    EXPECT_EQ(Units(strText), u"abc");
    char16_t const * pcBefore = strText.GetText();
    strText.FreeExtra();
    EXPECT_EQ(strText.GetText(), pcBefore);
}

TEST(bCUnicodeString, EmptyingKeepsPrivateBufferAndReleasesShared)
{
    bCUnicodeString strText(u"abc");
    char16_t const * pcBuffer = strText.GetText();
    strText = u"";
    EXPECT_TRUE(strText.IsEmpty());
    EXPECT_EQ(strText.GetText(), pcBuffer); // zero-length buffer kept
    EXPECT_TRUE(strText == bCUnicodeString());
    EXPECT_TRUE(strText == u"");

    bCUnicodeString strShared(u"xyz");
    bCUnicodeString strCopy(strShared);
    strCopy = u"";
    EXPECT_EQ(strCopy.GetAllocLength(), 0);
    EXPECT_EQ(Units(strShared), u"xyz");

    bCUnicodeString strCleared(u"abc");
    strCleared.Clear();
    EXPECT_EQ(strCleared.GetAllocLength(), 0);
}

TEST(bCUnicodeString, SetTextShrinksPrivateBufferInPlace)
{
    bCUnicodeString strText(u"abcdef");
    char16_t const * pcBuffer = strText.GetText();
    strText.SetText(strText, 3);
    EXPECT_EQ(strText.GetText(), pcBuffer);
    EXPECT_EQ(Units(strText), u"abc");
    EXPECT_EQ(strText.GetAllocLength(), 6);
    strText.SetText(u"xyzw", 2);
    EXPECT_EQ(Units(strText), u"xy");
    strText.SetText(u'q', 2);
    EXPECT_EQ(Units(strText), u"qq");
    strText = u'p';
    EXPECT_EQ(Units(strText), u"p");
    strText = "8bit";
    EXPECT_EQ(Units(strText), u"8bit");
}

TEST(bCUnicodeString, ComparesUnitsUnsignedWithAllEmptyFormsEqual)
{
    bCUnicodeString strEmpty;
    bCUnicodeString strZeroLength(u"x");
    strZeroLength = u"";
    EXPECT_EQ(strEmpty.Compare(strZeroLength), 0);
    EXPECT_EQ(strEmpty.Compare(static_cast<char16_t const *>(nullptr)), 0);
    EXPECT_EQ(strEmpty.Compare(u"a"), -1);
    EXPECT_EQ(bCUnicodeString(u"a").Compare(static_cast<char16_t const *>(nullptr)), 1);
    EXPECT_EQ(bCUnicodeString(u"\u00E4").Compare(u"z"), 1);
    EXPECT_EQ(bCUnicodeString(u"\uFFFF").Compare(u"\u0100"), 1);
    EXPECT_EQ(bCUnicodeString(u"ab").Compare(u"abc"), -1);
    EXPECT_EQ(bCUnicodeString(u"ABC").CompareNoCase(u"abc"), 0);
    EXPECT_NE(bCUnicodeString(u"\u00C4").CompareNoCase(u"\u00E4"), 0); // only A-Z fold
    EXPECT_TRUE(bCUnicodeString(u"a") < bCUnicodeString(u"b"));
    EXPECT_TRUE(bCUnicodeString(u"b") >= u"b");
    EXPECT_TRUE(u"a" < bCUnicodeString(u"b"));
    EXPECT_TRUE(u"b" > bCUnicodeString(u"a"));
    EXPECT_TRUE(u"abc" == bCUnicodeString(u"abc"));
    EXPECT_TRUE(u"abc" != bCUnicodeString(u"abd"));
    EXPECT_TRUE(u"a" <= bCUnicodeString(u"a"));
    EXPECT_TRUE(u"a" >= bCUnicodeString(u""));
}

TEST(bCUnicodeString, FindsUnitsAndTexts)
{
    bCUnicodeString strText(u"abca");
    EXPECT_EQ(strText.Find(u'c'), 2);
    EXPECT_EQ(strText.Find(u'a', 1), 3);
    EXPECT_EQ(strText.Find(u'a', 4), -1);
    EXPECT_EQ(bCUnicodeString().Find(u'a'), -1);
    EXPECT_EQ(strText.Find(u"ca"), 2);
    EXPECT_EQ(strText.Find(u"", 1), 1);
    EXPECT_EQ(strText.Find(u"", 4), 4); // start may equal the length
    EXPECT_EQ(strText.Find(u"a", 4), -1);
    EXPECT_EQ(strText.Find(u"", 5), -1);
    EXPECT_TRUE(strText.Contains(u'b'));
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
    EXPECT_EQ(strText.ReverseFind(u'a'), 3);
    EXPECT_EQ(strText.ReverseFind(u'a', 1), 3);
    EXPECT_EQ(strText.ReverseFind(u'b', 2), -1);
    EXPECT_EQ(strText.ReverseFind(u'b', 0), 1);
    EXPECT_EQ(strText.ReverseFind(u'a', 4), -1);

    bCUnicodeString strPairs(u"abab");
    EXPECT_EQ(strPairs.ReverseFind(u"b"), 3);
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

TEST(bCUnicodeString, ExtractsLeftRightAndMid)
{
    bCUnicodeString strText(u"abc");
    EXPECT_EQ(strText.Left(3).GetText(), strText.GetText()); // shares
    EXPECT_EQ(Units(strText.Left(2)), u"ab");
    EXPECT_TRUE(strText.Left(0).IsEmpty());
    EXPECT_TRUE(strText.Left(-1).IsEmpty());
    EXPECT_EQ(Units(strText.Right(2)), u"bc");
    EXPECT_TRUE(strText.Right(-1).IsEmpty());
    EXPECT_EQ(strText.Right(5).GetText(), strText.GetText());
    EXPECT_EQ(Units(strText.Mid(1, 10)), u"bc");
    EXPECT_TRUE(strText.Mid(5, 2).IsEmpty());
    EXPECT_EQ(strText.Mid(0, 3).GetText(), strText.GetText());
    EXPECT_EQ(Units(strText.Mid(1)), u"bc");
    EXPECT_EQ(Units(bCUnicodeString(u"aabx").SpanIncluding(u"ab")), u"aab");
    EXPECT_EQ(Units(bCUnicodeString(u"xyab").SpanExcluding(u"ab")), u"xy");
    EXPECT_EQ(Units(strText + u"d"), u"abcd");
    EXPECT_EQ(Units(strText + u'!'), u"abc!");
    EXPECT_EQ(Units(strText + strText), u"abcabc");
    EXPECT_EQ(Units(u"<" + strText), u"<abc");
    EXPECT_EQ(Units(u'>' + strText), u">abc");
    EXPECT_EQ((bCUnicodeString() + bCUnicodeString()).GetAllocLength(), 0);
}

TEST(bCUnicodeString, ConvertsToNumbersAndBool)
{
    EXPECT_EQ(bCUnicodeString(u"  -123xyz").GetInteger(), -123);
    EXPECT_EQ(bCUnicodeString(u"+7").GetInteger(), 7);
    EXPECT_EQ(bCUnicodeString(u"x1").GetInteger(), 0);
    EXPECT_EQ(bCUnicodeString(u"99999999999").GetInteger(), 2147483647);
    EXPECT_EQ(bCUnicodeString().GetInteger(), 0);
    EXPECT_FLOAT_EQ(bCUnicodeString(u"2.5e1").GetFloat(), 25.0f);
    EXPECT_DOUBLE_EQ(bCUnicodeString(u" -0.125").GetDouble(), -0.125);
    EXPECT_TRUE(bCUnicodeString(u"TRUE").GetBool());
    EXPECT_TRUE(bCUnicodeString(u"tRuE").GetBool());
    EXPECT_FALSE(bCUnicodeString(u"1").GetBool());
    EXPECT_FALSE(bCUnicodeString(u"true ").GetBool());
}

TEST(bCUnicodeString, InsertsAndDeletes)
{
    bCUnicodeString strText(u"ace");
    EXPECT_EQ(strText.Insert(1, u'b'), 4);
    EXPECT_EQ(Units(strText), u"abce");
    EXPECT_EQ(strText.Insert(3, u"d"), 5);
    EXPECT_EQ(Units(strText), u"abcde");
    EXPECT_EQ(strText.Insert(-5, bCUnicodeString(u"<")), 6);
    EXPECT_EQ(Units(strText), u"<abcde");
    EXPECT_EQ(strText.Insert(99, u">"), 7);
    EXPECT_EQ(Units(strText), u"<abcde>");
    bCUnicodeString strEmpty;
    EXPECT_EQ(strEmpty.Insert(5, u"xy"), 2);
    EXPECT_EQ(Units(strEmpty), u"xy");

    EXPECT_EQ(strText.Delete(0, 1), 6);
    EXPECT_EQ(Units(strText), u"abcde>");
    EXPECT_EQ(strText.Delete(4, 10), 4);
    EXPECT_EQ(Units(strText), u"abcd");
    EXPECT_EQ(strText.Delete(1, 2), 2);
    EXPECT_EQ(Units(strText), u"ad");
    EXPECT_EQ(strText.Delete(5, 1), 2);
    EXPECT_EQ(strText.Delete(0, 0), 2);
}

TEST(bCUnicodeString, ReplacesAndRemoves)
{
    bCUnicodeString strText(u"aaa");
    EXPECT_EQ(strText.Replace(u"aa", u"b"), 1);
    EXPECT_EQ(Units(strText), u"ba");
    bCUnicodeString strGrow(u"a-b-c");
    bCUnicodeString strOriginal(strGrow);
    EXPECT_EQ(strGrow.Replace(u"-", u"::"), 2);
    EXPECT_EQ(Units(strGrow), u"a::b::c");
    EXPECT_EQ(strGrow.GetAllocLength(), 7);
    EXPECT_EQ(Units(strOriginal), u"a-b-c");
    EXPECT_EQ(strGrow.Replace(u"x", u"y"), 0);
    EXPECT_EQ(strGrow.Replace(u"", u"y"), 0);
    EXPECT_EQ(strGrow.Replace(u':', u';'), 4);
    EXPECT_EQ(Units(strGrow), u"a;;b;;c");
    EXPECT_EQ(strGrow.Replace(u'a', u'a'), 0);
    EXPECT_EQ(strGrow.Remove(u';'), 4);
    EXPECT_EQ(Units(strGrow), u"abc");
    EXPECT_EQ(strGrow.Remove(u"bc"), 1);
    EXPECT_EQ(Units(strGrow), u"a");
    EXPECT_EQ(strGrow.Remove(bCUnicodeString(u"a")), 1);
    EXPECT_TRUE(strGrow.IsEmpty());
}

TEST(bCUnicodeString, ReplaceRewritesPrivateBufferInPlaceUnlessTheTextGrows)
{
    bCUnicodeString strText(u"aab");
    char16_t const * pcBuffer = strText.GetBuffer(10);
    EXPECT_EQ(strText.Replace(u"a", u"x"), 2);
    EXPECT_EQ(strText.GetText(), pcBuffer);
    EXPECT_EQ(strText.GetAllocLength(), 10);
    EXPECT_EQ(Units(strText), u"xxb");
    EXPECT_EQ(strText.Replace(u"x", u""), 2);
    EXPECT_EQ(strText.GetText(), pcBuffer);
    EXPECT_EQ(strText.GetAllocLength(), 10);
    EXPECT_EQ(Units(strText), u"b");
    EXPECT_EQ(strText.Replace(u"b", u"yyy"), 1); // growing: a fresh buffer of the final length
    EXPECT_EQ(strText.GetAllocLength(), 3);
    EXPECT_EQ(Units(strText), u"yyy");

    bCUnicodeString strShared(u"abab");
    bCUnicodeString strCopy(strShared);
    EXPECT_EQ(strCopy.Replace(u"b", u"c"), 2);
    EXPECT_NE(strCopy.GetText(), strShared.GetText());
    EXPECT_EQ(Units(strShared), u"abab");
    EXPECT_EQ(Units(strCopy), u"acac");
}

TEST(bCUnicodeString, ReplaceTakesTextsFromItsOwnBuffer)
{
    bCUnicodeString strLocked(u"ab");
    strLocked.LockBuffer();
    // Growing drops the locked buffer; the texts read from it must outlive that.
    EXPECT_EQ(strLocked.Replace(strLocked.GetText() + 1, strLocked.GetText()), 1);
    EXPECT_EQ(Units(strLocked), u"aab");

    bCUnicodeString strPrivate(u"xbxb");
    EXPECT_EQ(strPrivate.Replace(strPrivate.GetText() + 3, u""), 2);
    EXPECT_EQ(Units(strPrivate), u"xx");
    EXPECT_EQ(strPrivate.Remove(strPrivate), 1);
    EXPECT_TRUE(strPrivate.IsEmpty());
}

TEST(bCUnicodeString, NumberConversionsMatchThe8BitString)
{
    // Hexadecimal and locale-dependent spellings are not numbers to the 8-bit parser either.
    for (char const * pcText : {"0x10", " 2.5", "1e400", "-1e-400", "inf", ".5x", "7,5"})
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
    EXPECT_EQ(strBool.GetLength(), 6);
    EXPECT_FALSE(strBool.GetBool());
}

TEST(bCUnicodeString, ConvertsImplicitlyFromNumbers)
{
    bCUnicodeString strInt = 42;
    bCUnicodeString strLong = -7L;
    bCUnicodeString strUnsigned = 4294967295UL;
    EXPECT_EQ(Units(strInt), u"42");
    EXPECT_EQ(Units(strLong), u"-7");
    EXPECT_EQ(Units(strUnsigned), u"-1");
}

TEST(bCUnicodeString, TrimsAsciiWhiteSpaceUnitsAndSets)
{
    bCUnicodeString strText(u" \t\r\nabc \v\f");
    strText.TrimLeft();
    EXPECT_EQ(Units(strText), u"abc \v\f");
    strText.TrimRight();
    EXPECT_EQ(Units(strText), u"abc");
    bCUnicodeString strNoBreak(u"\u00A0abc\u3000");
    strNoBreak.Trim();
    EXPECT_EQ(Units(strNoBreak), u"\u00A0abc\u3000");
    bCUnicodeString strUnits(u"xxaxx");
    strUnits.Trim(u'x');
    EXPECT_EQ(Units(strUnits), u"a");
    bCUnicodeString strSet(u"xyaby");
    strSet.TrimLeft(u"yx");
    EXPECT_EQ(Units(strSet), u"aby");
    strSet.TrimRight(u"y");
    EXPECT_EQ(Units(strSet), u"ab");
    strSet.Trim(u"");
    EXPECT_EQ(Units(strSet), u"ab");
    bCUnicodeString strSides(u" a ");
    strSides.Trim(false, true);
    EXPECT_EQ(Units(strSides), u" a");
    bCUnicodeString strBlank(u"   ");
    strBlank.Trim();
    EXPECT_TRUE(strBlank.IsEmpty());
}

TEST(bCUnicodeString, MapsAsciiCaseAndReverses)
{
    bCUnicodeString strText(u"aZ\u00E4!");
    bCUnicodeString strCopy(strText);
    EXPECT_EQ(Units(strText.MakeUpper()), u"AZ\u00E4!");
    EXPECT_EQ(Units(strText.MakeLower()), u"az\u00E4!");
    EXPECT_EQ(Units(strCopy), u"aZ\u00E4!");
    EXPECT_EQ(Units(bCUnicodeString(u"abcd").MakeReverse()), u"dcba");
    EXPECT_EQ(Units(bCUnicodeString(u"abc").MakeReverse()), u"cba");
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
    EXPECT_EQ(strText.GetLength(), 100);
    EXPECT_EQ(strText.GetAllocLength(), 8192);
    EXPECT_EQ(Units(strText), strHundred);

    std::u16string strHuge(9000, u'w');
    strText.Format(u"%s", strHuge.c_str());
    EXPECT_EQ(strText.GetLength(), 8191);

    strText.Format(u"%s", strText.GetText()); // its own text as argument
    EXPECT_EQ(strText.GetLength(), 8191);

    EXPECT_TRUE(strText.Format(nullptr));
    EXPECT_EQ(strText.GetAllocLength(), 0);
}

TEST(bCUnicodeString, FormatTextConversionsPickUnitWidth)
{
    EXPECT_EQ(Units(Formatted(u"%s|%ls|%S|%hs", u"wide", u"long", "narrow", "short")), u"wide|long|narrow|short");
    EXPECT_EQ(Units(Formatted(u"%c%lc%C%hc", u'\u20AC', u'b', 'c', '\xE4')), u"\u20ACbc\u00E4");
    EXPECT_EQ(Units(Formatted(u"[%5s][%-5s][%.2s][%*s]", u"ab", u"ab", u"abcd", 3, u"x")), u"[   ab][ab   ][ab][  x]");
    EXPECT_EQ(Units(Formatted(u"[%3S][%.1hs]", "x", "yz")), u"[  x][y]");
    EXPECT_EQ(Units(Formatted(u"%s", static_cast<char16_t const *>(nullptr))), u"(null)");
    EXPECT_EQ(Units(Formatted(u"100%%")), u"100%");
}

TEST(bCUnicodeString, FormatNumbersAsThe8BitFormatter)
{
    EXPECT_EQ(Units(Formatted(u"%d %i %u", -5, 7, 4294967295u)), u"-5 7 4294967295");
    EXPECT_EQ(Units(Formatted(u"%05d|%-4d|%+d", 42, 7, 3)), u"00042|7   |+3");
    EXPECT_EQ(Units(Formatted(u"%x %X %#o", 255, 255, 8)), u"ff FF 010");
    EXPECT_EQ(Units(Formatted(u"%lld %I64d %ld", -9000000000LL, 1LL << 40, -3L)), u"-9000000000 1099511627776 -3");
    EXPECT_EQ(Units(Formatted(u"%hd %hhu", 70000, 257)), u"4464 1");
    EXPECT_EQ(Units(Formatted(u"%.2f %e %g", 3.14159, 1.5, 0.25)), u"3.14 1.500000e+00 0.25");
    EXPECT_EQ(Units(Formatted(u"%*.*f", 8, 3, 2.5)), u"   2.500");
    EXPECT_EQ(Units(Formatted(u"%zu", static_cast<size_t>(12))), u"12");
}

TEST(bCUnicodeString, FormatCopiesUnknownAndUnfinishedConversions)
{
    EXPECT_EQ(Units(Formatted(u"a%yb")), u"a%yb");
    EXPECT_EQ(Units(Formatted(u"end%")), u"end%");
    EXPECT_EQ(Units(Formatted(u"%-5")), u"%-5");
}

TEST(bCUnicodeString, GetFormattedStringIsLimitedTo1023Units)
{
    EXPECT_EQ(Units(bCUnicodeString::GetFormattedString(u"%d-%s", 12, u"x")), u"12-x");
    std::u16string strLong(2000, u'z');
    EXPECT_EQ(bCUnicodeString::GetFormattedString(u"%s", strLong.c_str()).GetLength(), 1023);
    EXPECT_TRUE(bCUnicodeString::GetFormattedString(nullptr).IsEmpty());
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
    EXPECT_STREQ(bCUnicodeString(u"\u00E4").GetAsHexCodedString().GetText(), "e400");
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
}

TEST(bCUnicodeString, HexCodingRoundTrips)
{
    std::u16string strUnits;
    for (int i = 1; i < 0x10000; i += 257)
        strUnits += static_cast<char16_t>(i);
    bCUnicodeString strText(strUnits.c_str());
    bCUnicodeString strBack;
    ASSERT_TRUE(strBack.SetFromHexCodedString(strText.GetAsHexCodedString()));
    EXPECT_EQ(Units(strBack), strUnits);
}

TEST(bCUnicodeString, HexCodingRefusesBadTextsAndKeepsValue)
{
    bCUnicodeString strText(u"keep");
    EXPECT_FALSE(strText.SetFromHexCodedString(bCString("410")));       // odd length
    EXPECT_FALSE(strText.SetFromHexCodedString(bCString("41004")));     // not whole units
    EXPECT_FALSE(strText.SetFromHexCodedString(bCString("41")));        // half a unit
    EXPECT_FALSE(strText.SetFromHexCodedString(bCString("4g00")));      // non-hex digit
    EXPECT_FALSE(strText.SetFromHexCodedString(bCString("41 0")));      // blank
    EXPECT_FALSE(strText.SetFromHexCodedString(bCString("0x41")));      // prefix
    EXPECT_FALSE(strText.SetFromHexCodedString(bCString("-100")));      // sign
    EXPECT_FALSE(strText.SetFromHexCodedString(bCString("41\0\0", 4))); // zero bytes
    EXPECT_EQ(Units(strText), u"keep");
}

TEST(bCUnicodeString, NullFormatEmptiesLockedBufferInPlace)
{
    bCUnicodeString strText(u"abc");
    char16_t * pcLocked = strText.LockBuffer();
    EXPECT_TRUE(strText.Format(nullptr));
    EXPECT_EQ(strText.GetText(), pcLocked);
    EXPECT_TRUE(strText.IsEmpty());
    EXPECT_EQ(strText.GetAllocLength(), 3);
}
