// bCString: comparison and search.

#include <vellmark/kernel/oe_string.h>

#include <gtest/gtest.h>

#include <string>

namespace
{
    char const * const kNull = nullptr;

    bCString ZeroLengthBuffer()
    {
        bCString strText("abc");
        strText = "";
        return strText;
    }
} // namespace

TEST(bCString, CompareOrdersUnsignedBytesWithAllEmptyFormsEqualAndLowest)
{
    bCString strNull;
    bCString strZeroLength = ZeroLengthBuffer();
    ASSERT_EQ(strZeroLength.GetRefCount(), 1);
    EXPECT_EQ(strNull.Compare(strZeroLength), 0);
    EXPECT_EQ(strZeroLength.Compare(kNull), 0);
    EXPECT_TRUE(strNull.CompareNoCaseFast(strZeroLength));
    EXPECT_EQ(strNull.CompareNoCase(kNull), 0);
    EXPECT_EQ(strZeroLength.Compare(bCString("a")), -1);
    EXPECT_EQ(bCString("a").Compare(kNull), 1);

    EXPECT_EQ(bCString("abc").Compare("abd"), -1);
    EXPECT_EQ(bCString("abc").Compare(bCString("ab")), 1);
    EXPECT_EQ(bCString("\xE4").Compare("z"), 1); // 0xE4 above 'z' as unsigned bytes
    // Embedded zero bytes count: the stored text is longer than "a".
    EXPECT_EQ(bCString("a\0b", 3).Compare("a"), 1);
    EXPECT_EQ(bCString("a\0b", 3).Compare(bCString("a\0c", 3)), -1);
    EXPECT_EQ(bCString("Hello").CompareNoCase("hELLO"), 0);
    // Folding to lower case puts '_' (0x5F) below letters: 'a' vs '_' compares 'a' > '_'.
    EXPECT_GT(bCString("A").CompareNoCase("_"), 0);
    EXPECT_FALSE(bCString("\xC4").CompareNoCaseFast(bCString("\xE4"))); // ASCII only
    bCString strA("apple");
    EXPECT_TRUE(strA < bCString("b") && strA <= "apple" && strA > "a" && strA >= "apple");
    EXPECT_TRUE("a" < strA && "apple" <= strA && "b" > strA && "apple" >= strA && "pear" != strA);
}

// Positions found. The flag says whether the search walks the stored length (past zero bytes) or
// stops at the first zero byte; the reverse search by character takes an absolute start, the one
// by text skips positions at the end ("" skipping the whole text finds nothing). Noise is below
// '!' or above '~' (the flag includes 0x7F); numerical is a digit or a sign.
TEST(bCString, FindGivesAbsolutePositions)
{
    bCString const strText("abc");
    bCString const strTwice("abcabc");
    bCString const strPairs("abab");
    bCString const strZeros("ab\0cd", 5);
    bCString const strPath("path/to\\file.ext");
    int const arrFound[][2] = {{strText.Find('a', 1, false), -1},
                               {strText.Find('\0', 4, true), -1},
                               {strZeros.Find('d', 0, true), 4},
                               {strTwice.Find("bc", 5, false), -1},
                               {strTwice.Find("", 6, false), -1},
                               {strTwice.Find("", 6, true), 6},
                               {strTwice.Find("abc", 3, true), 3},
                               {strTwice.Find("abc", 4, true), -1},
                               {bCString("ab\0xy", 5).Find("xy", 0, true), 3},
                               {strPairs.FindNoCase("B", 2), 3},
                               {strPath.FindOneOf("/\\", 5), 7},
                               {strPath.ReverseFindOneOf("/\\", 6), 4},
                               {strPairs.ReverseFind('a', -1), -1},
                               {bCString("ab\0b", 4).ReverseFind('b'), 1},
                               {strPairs.ReverseFind("ab", 1), 0},
                               {strPairs.ReverseFind("ab", 3), -1},
                               {strPairs.ReverseFind("", 3), 1},
                               {strPairs.ReverseFind("", 4), -1},
                               {bCString("a\x7F").FindNoiseChar(0, true), 1},
                               {bCString("a~!b").FindNoiseChar(0, false), -1},
                               {bCString("x+1").FindNumericalChar(0, false), 1},
                               {bCString("a1").FindNumericalChar(2, false), -1}};
    for (auto const & Found : arrFound)
        EXPECT_EQ(Found[0], Found[1]) << "row " << &Found - arrFound;
}

TEST(bCString, CountWordsAndGetWordWalkSingleDelimiters)
{
    bCString const strComma(",");
    EXPECT_EQ(bCString("a b;c").CountWords(bCString(" ;")), 3);
    EXPECT_EQ(bCString(",").CountWords(strComma), 2);
    struct
    {
        char const * m_pcText;
        int m_iWord;
        int m_iPosition;
        char const * m_pcWord; // the previous word stays when none is found
    } const arrWords[] = {{"a,,b", 1, 2, ""}, {"a,,b", 2, 3, "b"}, {"a,,b", 3, -1, "b"},
                          {"a,", 1, 2, ""},    {"", 0, 0, ""}};
    bCString strWord("stale");
    for (auto const & Word : arrWords)
    {
        SCOPED_TRACE(std::string(Word.m_pcText) + " " + std::to_string(Word.m_iWord));
        EXPECT_EQ(bCString(Word.m_pcText).GetWord(Word.m_iWord, strComma, strWord, false, false), Word.m_iPosition);
        EXPECT_STREQ(strWord.GetText(), Word.m_pcWord);
    }
    EXPECT_EQ(bCString(" one ; two ").GetWord(1, bCString(";"), strWord, true, false), 6);
    EXPECT_STREQ(strWord.GetText(), "two "); // trimmed on request
    strWord = "x,y"; // the word may be the string itself
    strWord.GetWord(1, strComma, strWord, false, false);
    EXPECT_STREQ(strWord.GetText(), "y");
}
