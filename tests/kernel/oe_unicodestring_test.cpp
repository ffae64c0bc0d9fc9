#include <vellmark/kernel/oe_unicodestring.h>
#include <vellmark/kernel/oe_string.h>

#include "support/oe_edittable.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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

TEST(bCUnicodeString, ConstructsCopiesAndSharesBuffersUntilWriteButNeverALockedOne)
{
    bCUnicodeString strImplicit = 4294967295UL;
    std::pair<bCUnicodeString, char16_t const *> const Cases[] = {
        {bCUnicodeString(u"abc", 2), u"ab"},
        {bCUnicodeString(u"a\0bc", 4), u"a"}, // stops at a zero unit
        {bCUnicodeString(u'x', 3), u"xxx"},
        {bCUnicodeString(1.5f, 2), u"1.50"},
        {strImplicit, u"-1"},
        {bCUnicodeString("ab\xE4"), u"ab\u00E4"},
        // Extraction and concatenation.
        {bCUnicodeString(u"abc").Left(-1), u""},
        {bCUnicodeString(u"abc").Mid(1, 10), u"bc"},
        {bCUnicodeString(u"aabx").SpanIncluding(u"ab"), u"aab"},
        {bCUnicodeString(u"xyab").SpanExcluding(u"ab"), u"xy"},
        {u"<" + bCUnicodeString(u"abc"), u"<abc"},
    };
    for (auto const & Case : Cases)
    {
        SCOPED_TRACE(&Case - Cases);
        EXPECT_EQ(Units(Case.first), Case.second);
    }

    bCUnicodeString strFirst(u"abc");
    bCUnicodeString strSecond(strFirst);
    int32_t const * pHeader = reinterpret_cast<int32_t const *>(strFirst.GetText()) - 3;
    EXPECT_EQ(std::u16string(u"\u0002\u0000\u0003\u0000\u0003\u0000abc\u0000", 10),
              std::u16string(reinterpret_cast<char16_t const *>(pHeader), 10)); // count, length, capacity
    EXPECT_EQ(strFirst.GetText(), strSecond.GetText());
    strSecond[0] = u'x';
    EXPECT_EQ(Units(strFirst) + Units(strSecond), u"abcxbc");
    EXPECT_EQ(strFirst.Left(3).GetText(), strFirst.GetText()); // the whole text shares

    char16_t * pcLocked = strFirst.LockBuffer();
    bCUnicodeString strCopy(strFirst);
    bCUnicodeString strAssigned;
    strAssigned = strFirst;
    pcLocked[0] = u'z';
    EXPECT_EQ(Units(strCopy) + Units(strAssigned) + Units(strFirst), u"abcabczbc");
    strFirst.UnlockBuffer();
    EXPECT_EQ(bCUnicodeString(strFirst).GetText(), strFirst.GetText());

    // A private buffer is written in place while it is large enough, also when emptied or cut;
    // a shared one is released when emptied.
    bCUnicodeString strOwn(u"ab");
    char16_t * pcOwn = strOwn.GetBuffer(10);
    strOwn += u'x';
    strOwn += u"1234567";
    EXPECT_EQ(strOwn.GetText(), pcOwn);
    strOwn.SetText(strOwn, 3);
    EXPECT_EQ(Units(strOwn), u"abx");
    strOwn = u"";
    EXPECT_EQ(strOwn.GetText(), pcOwn);
    strOwn = u"abx1234567";
    strOwn += u"!"; // no longer fits: exact new buffer
    EXPECT_EQ(strOwn.GetAllocLength(), 11);
    EXPECT_EQ(Units(strOwn), u"abx1234567!");

    bCUnicodeString strShared(strOwn);
    strShared = u"";
    EXPECT_EQ(strShared.GetAllocLength(), 0);
}

TEST(bCUnicodeString, ComparesUnitsUnsignedAndFindsUnitsTextsAndWords)
{
    bCUnicodeString strZeroLength(u"x");
    strZeroLength = u"";
    EXPECT_EQ(bCUnicodeString().Compare(strZeroLength), 0);
    EXPECT_EQ(bCUnicodeString(u"a").Compare(static_cast<char16_t const *>(nullptr)), 1);
    EXPECT_EQ(bCUnicodeString(u"\uFFFF").Compare(u"\u0100"), 1);
    EXPECT_EQ(bCUnicodeString(u"ab").Compare(u"abc"), -1);
    EXPECT_NE(bCUnicodeString(u"\u00C4").CompareNoCase(u"\u00E4"), 0); // only A-Z fold
    EXPECT_TRUE(bCUnicodeString(u"b") >= u"b" && u"a" < bCUnicodeString(u"b"));

    bCUnicodeString const strText(u"abca");
    bCUnicodeString const strPairs(u"abab");
    bCUnicodeString const strDelimiters(u",");
    bCUnicodeString strWord;
    int const arrFound[][2] = {
        {strText.Find(u'a', 1), 3},         {strText.Find(u'a', 4), -1},
        {strText.Find(u"", 4), 4},          {strText.Find(u"", 5), -1}, // start may equal the length
        {strText.FindOneOf(u"cb", 0), 1},   {strText.ReverseFindOneOf(u"b", 2), 1},
        // The reverse search looks at or after its start.
        {strText.ReverseFind(u'a', 1), 3},  {strText.ReverseFind(u'b', 2), -1},
        {strPairs.ReverseFind(u"ab", 1), 0}, {strPairs.ReverseFind(u"b", 4), -1},
        {bCUnicodeString(u"a,,b").CountWords(strDelimiters), 3},
    };
    for (auto const & Found : arrFound)
        EXPECT_EQ(Found[0], Found[1]) << &Found - arrFound;
    EXPECT_EQ(bCUnicodeString(u"a,,b").GetWord(2, strDelimiters, strWord), 3);
    EXPECT_EQ(bCUnicodeString(u"a,,b").GetWord(3, strDelimiters, strWord), -1);
    EXPECT_EQ(Units(strWord), u"b"); // the previous word stays
}

TEST(bCUnicodeString, EditsReturnTheNewLengthOrTheCount)
{
    using S = bCUnicodeString;
    CheckEdits({
        {u"ace", [](S & s) { return s.Insert(1, u'b'); }, 4, u"abce"},
        {u"ab", [](S & s) { return s.Insert(99, u">"); }, 3, u"ab>"},
        {u"abcde>", [](S & s) { return s.Delete(4, 10); }, 4, u"abcd"}, // count past the end
        {u"aaa", [](S & s) { return s.Replace(u"aa", u"b"); }, 1, u"ba"},
        {u"a::b", [](S & s) { return s.Replace(u':', u';'); }, 2, u"a;;b"},
        // Texts taken from the string's own buffer must outlive its change.
        {u"ab", [](S & s) { return s.LockBuffer(), s.Replace(s.GetText() + 1, s.GetText()); }, 1, u"aab"},
        {u"xx", [](S & s) { return s.Remove(s); }, 1, u""},
        {u" \t\r\nabc \v\f", [](S & s) { return s.TrimLeft(), 0; }, 0, u"abc \v\f"},
        {u"\u00A0abc\u3000", [](S & s) { return s.Trim(), 0; }, 0, u"\u00A0abc\u3000"},
        {u"aZ\u00E4!", [](S & s) { return s.MakeUpper(), 0; }, 0, u"AZ\u00E4!"},
    });
}

TEST(bCUnicodeString, FormatsAsThe8BitFormatterInALargeBuffer)
{
    bCUnicodeString strText;
    std::u16string strHundred(100, u'q');
    EXPECT_TRUE(strText.Format(u"%s", strHundred.c_str()));
    EXPECT_EQ(strText.GetAllocLength(), 8192);
    std::u16string strHuge(9000, u'w');
    strText.Format(u"%s", strHuge.c_str());
    strText.Format(u"%s", strText.GetText()); // its own text as argument
    EXPECT_EQ(Units(strText), strHuge.substr(0, 8191));

    strText = u"abc";
    char16_t * pcLocked = strText.LockBuffer();
    EXPECT_TRUE(strText.Format(nullptr)); // empties a locked buffer in place
    EXPECT_EQ(strText.GetText(), pcLocked);
    EXPECT_TRUE(strText.IsEmpty());

    std::pair<bCUnicodeString, char16_t const *> const Cases[] = {
        {Formatted(u"%s|%S|%hs", u"wide", "narrow", "short"), u"wide|narrow|short"},
        {Formatted(u"%c%C", u'\u20AC', '\xE4'), u"\u20AC\u00E4"},
        {Formatted(u"[%-5s][%.1hs][%*s]", u"ab", "yz", 3, u"x"), u"[ab   ][y][  x]"},
        {Formatted(u"%s", static_cast<char16_t const *>(nullptr)), u"(null)"},
        {Formatted(u"%05d|%x|%lld", 42, 255, -9000000000LL), u"00042|ff|-9000000000"},
        {Formatted(u"%hd %*.*f", 70000, 8, 3, 2.5), u"4464    2.500"},
        // Unknown and unfinished conversions are copied.
        {Formatted(u"a%yb%-5"), u"a%yb%-5"},
        {bCUnicodeString::GetFormattedString(u"%d-%s", 12, u"x"), u"12-x"},
    };
    for (auto const & Case : Cases)
        EXPECT_EQ(Units(Case.first), Case.second) << &Case - Cases;
    std::u16string strLong(2000, u'z');
    EXPECT_EQ(bCUnicodeString::GetFormattedString(u"%s", strLong.c_str()).GetLength(), 1023);
}

TEST(bCUnicodeString, ConvertsTo8BitTextHexCodedBytesNumbersAndBool)
{
    std::string strAllBytes;
    for (int i = 1; i < 256; ++i)
        strAllBytes += static_cast<char>(i);
    bCString strNarrow(strAllBytes.c_str());
    bCUnicodeString strWide(strNarrow.GetUnicodeText());
    ASSERT_EQ(strWide.GetLength(), 255);
    EXPECT_EQ(strWide[0xE3], u'\u00E4'); // bytes are Latin-1 units, not sign-extended
    EXPECT_TRUE(strWide.IsAnsiText());
    EXPECT_EQ(std::string(strWide.GetAnsiText().GetText()), strAllBytes);
    EXPECT_TRUE(bCString(strWide) == strNarrow);
    EXPECT_FALSE(bCUnicodeString(u"a\u0100").IsAnsiText());
    strNarrow.SetUnicodeText(u"a\u20ACb");
    EXPECT_STREQ(strNarrow.GetText(), "a?b");

    EXPECT_STREQ(bCUnicodeString(u"\u20AC\uFFFF").GetAsHexCodedString().GetText(), "ac20ffff");
    bCUnicodeString strText;
    EXPECT_TRUE(strText.SetFromHexCodedString(bCString("AC20ffFF")));
    EXPECT_EQ(Units(strText), u"\u20AC\uFFFF");
    std::u16string strUnits;
    for (int i = 1; i < 0x10000; i += 257)
        strUnits += static_cast<char16_t>(i);
    ASSERT_TRUE(strText.SetFromHexCodedString(bCUnicodeString(strUnits.c_str()).GetAsHexCodedString()));
    EXPECT_EQ(Units(strText), strUnits);
    // Odd length, not whole units, half a unit, non-hex digit, blank, prefix, sign, zero bytes.
    for (bCString const & strBad : {bCString("410"), bCString("41004"), bCString("41"), bCString("4g00"),
                                    bCString("41 0"), bCString("0x41"), bCString("-100"), bCString("41\0\0", 4)})
        EXPECT_FALSE(strText.SetFromHexCodedString(strBad)) << strBad.GetText();
    EXPECT_EQ(Units(strText), strUnits);

    EXPECT_TRUE(bCUnicodeString(u"tRuE").GetBool());
    EXPECT_FALSE(bCUnicodeString(u"true ").GetBool());
    // Hexadecimal and locale-dependent spellings are not numbers to the 8-bit parser either.
    for (char const * pcText : {" -0.125", "0x10", "1e400", "99999999999", "x1"})
    {
        EXPECT_EQ(bCUnicodeString(pcText).GetDouble(), bCString(pcText).GetDouble()) << pcText;
        EXPECT_EQ(bCUnicodeString(pcText).GetInteger(), bCString(pcText).GetInteger()) << pcText;
    }
    // The whole stored text must read "true", not just what precedes a zero unit.
    bCUnicodeString strBool(u"true");
    strBool += u'\0';
    EXPECT_FALSE(strBool.GetBool());
}
