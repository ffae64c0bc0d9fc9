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

TEST(bCString, AllEmptyFormsCompareEqualAndLowest)
{
    bCString strNull;
    bCString strZeroLength = ZeroLengthBuffer();
    ASSERT_EQ(strZeroLength.GetRefCount(), 1);
    EXPECT_EQ(strNull.Compare(strZeroLength), 0);
    EXPECT_EQ(strZeroLength.Compare(strNull), 0);
    EXPECT_EQ(strNull.Compare(kNull), 0);
    EXPECT_EQ(strNull.Compare(""), 0);
    EXPECT_EQ(strZeroLength.Compare(kNull), 0);
    EXPECT_TRUE(strNull == strZeroLength);
    EXPECT_TRUE(strNull.CompareFast(strZeroLength));
    EXPECT_TRUE(strNull.CompareNoCaseFast(strZeroLength));
    EXPECT_EQ(strNull.CompareNoCase(kNull), 0);
    EXPECT_TRUE(kNull == strNull);
    EXPECT_TRUE("" == strZeroLength);

    EXPECT_EQ(strNull.Compare("a"), -1);
    EXPECT_EQ(strZeroLength.Compare(bCString("a")), -1);
    EXPECT_EQ(bCString("a").Compare(kNull), 1);
    EXPECT_EQ(bCString("a").Compare(strNull), 1);
    EXPECT_LT(strNull.CompareNoCase("a"), 0);
    EXPECT_GT(bCString("a").CompareNoCase(kNull), 0);
}

TEST(bCString, CompareOrdersUnsignedBytesAndPrefixesFirst)
{
    EXPECT_EQ(bCString("abc").Compare("abd"), -1);
    EXPECT_EQ(bCString("abd").Compare("abc"), 1);
    EXPECT_EQ(bCString("abc").Compare("abc"), 0);
    EXPECT_EQ(bCString("ab").Compare("abc"), -1);
    EXPECT_EQ(bCString("abc").Compare(bCString("ab")), 1);
    EXPECT_EQ(bCString("\xE4").Compare("z"), 1); // 0xE4 above 'z' as unsigned bytes
    EXPECT_EQ(bCString("z").Compare(bCString("\xE4")), -1);
    EXPECT_EQ(bCString("abc").Compare("ABC"), 1);
    // Embedded zero bytes count: the stored text is longer than "a".
    EXPECT_EQ(bCString("a\0b", 3).Compare("a"), 1);
    EXPECT_EQ(bCString("a\0b", 3).Compare(bCString("a\0c", 3)), -1);
}

TEST(bCString, CompareNoCaseFoldsToLowerCase)
{
    EXPECT_EQ(bCString("Hello").CompareNoCase("hELLO"), 0);
    EXPECT_LT(bCString("abc").CompareNoCase("ABD"), 0);
    EXPECT_GT(bCString("abcd").CompareNoCase("ABC"), 0);
    // Folding to lower case puts '_' (0x5F) below letters: 'a' vs '_' compares 'a' > '_'.
    EXPECT_GT(bCString("A").CompareNoCase("_"), 0);
    EXPECT_TRUE(bCString("MiXeD").CompareNoCaseFast(bCString("mixed")));
    EXPECT_FALSE(bCString("mixed").CompareNoCaseFast(bCString("mixed ")));
    EXPECT_FALSE(bCString("\xC4").CompareNoCaseFast(bCString("\xE4"))); // ASCII only
}

TEST(bCString, EqualityOperatorsAndOrdering)
{
    bCString strA("apple");
    bCString strB("banana");
    EXPECT_TRUE(strA == bCString("apple"));
    EXPECT_TRUE(strA != strB);
    EXPECT_TRUE(strA < strB && strA <= strB && strB > strA && strB >= strA);
    EXPECT_TRUE(strA == "apple" && strA != "apples");
    EXPECT_TRUE(strA < "b" && strA <= "apple" && strA > "a" && strA >= "apple");
    EXPECT_TRUE("apple" == strA && "pear" != strA);
    EXPECT_TRUE("a" < strA && "apple" <= strA && "b" > strA && "apple" >= strA);
    EXPECT_FALSE(strA == strB);
    EXPECT_TRUE(bCString("a\0b", 3) != bCString("a\0c", 3));
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
    int const arrFound[][2] = {{strText.Find('c', 0, false), 2},
                               {strText.Find('a', 1, false), -1},
                               {strText.Find('a', 3, false), -1},
                               {strText.Find('a', -1, false), -1},
                               {strText.Find('\0', 0, true), 3},
                               {strText.Find('\0', 3, true), 3},
                               {strText.Find('\0', 4, true), -1},
                               {bCString().Find('\0', 0, true), -1},
                               {ZeroLengthBuffer().Find('\0', 0, true), -1},
                               {strZeros.Find('d', 0, false), -1},
                               {strZeros.Find('\0', 0, false), 2},
                               {strZeros.Find('d', 0, true), 4},
                               {strZeros.Find('\0', 3, true), 5},
                               {strText.Contains('b') && !strText.Contains('b', 2), 1},
                               {strTwice.Find("bc", 0, false), 1},
                               {strTwice.Find("bc", 2, false), 4},
                               {strTwice.Find("bc", 5, false), -1},
                               {strTwice.Find("bc", 6, false), -1},
                               {strTwice.Find("", 1, false), 1},
                               {strText.Find("", 1), 1},
                               {strTwice.Find("", 6, false), -1},
                               {strTwice.Find("", 6, true), 6},
                               {strTwice.Find("abc", 3, true), 3},
                               {strTwice.Find("abc", 4, true), -1},
                               {strTwice.Find("abcabcx", 0, true), -1},
                               {strTwice.Find(kNull, 0, false), -1},
                               {bCString("ab\0xy", 5).Find("xy", 0, false), -1},
                               {bCString("ab\0xy", 5).Find("xy", 0, true), 3},
                               {strTwice.Contains("ca") && !strTwice.Contains("ca", 3), 1},
                               {bCString("xaab").FindNoCase("AB", 0), 2},
                               {strPairs.FindNoCase("b", 2), 3},
                               {strPairs.FindNoCase("B", 4), -1},
                               {strPairs.FindNoCase(kNull, 0), -1},
                               {strPairs.FindNoCase("BABX", 1), -1},
                               {bCString().FindNoCase("a", 0), -1},
                               {strPath.FindOneOf("/\\", 0), 4},
                               {strPath.FindOneOf("/\\", 5), 7},
                               {strPath.FindOneOf("/\\", 16), -1},
                               {strPath.ReverseFindOneOf("/\\"), 7},
                               {strPath.ReverseFindOneOf("/\\", 6), 4},
                               {strPath.ReverseFindOneOf("/\\", 16), -1},
                               {strPath.ReverseFindOneOf("", 10), -1},
                               {bCString().ReverseFindOneOf("a"), -1},
                               {strPath.ContainsOneOf(".", 0) && !strPath.ContainsOneOf("/", 8), 1},
                               {strPairs.ReverseFind('b'), 3},
                               {strPairs.ReverseFind('x'), -1},
                               {strPairs.ReverseFind('b', 2), 1},
                               {strPairs.ReverseFind('a', 0), 0},
                               {strPairs.ReverseFind('a', -1), -1},
                               {strPairs.ReverseFind('a', 4), -1},
                               {bCString("ab\0b", 4).ReverseFind('b'), 1},
                               {strPairs.ReverseFind("b", 0), 3},
                               {strPairs.ReverseFind("b", 1), 1},
                               {strPairs.ReverseFind("ab"), 2},
                               {strPairs.ReverseFind("ab", 1), 0},
                               {strPairs.ReverseFind("ab", 3), -1},
                               {strPairs.ReverseFind("b", 4), -1},
                               {strPairs.ReverseFind("", 3), 1},
                               {strPairs.ReverseFind("", 4), -1},
                               {strPairs.ReverseFind("ababa"), -1},
                               {strPairs.ReverseFind(kNull), -1},
                               {bCString("ab c").FindNoiseChar(0, false), 2},
                               {bCString("a\xE4"
                                         "b")
                                    .FindNoiseChar(0, false),
                                1},
                               {bCString("a\x7F").FindNoiseChar(0, true), 1},
                               {bCString("a~!b").FindNoiseChar(0, false), -1},
                               {bCString("ab c").FindNoiseChar(3, false), -1},
                               {bCString("ab c").FindNoiseChar(4, false), -1},
                               {bCString("width=-12").FindNumericalChar(0, false), 6},
                               {bCString("x+1").FindNumericalChar(0, false), 1},
                               {bCString("x+1").FindNumericalChar(2, false), 2},
                               {bCString("abc").FindNumericalChar(0, false), -1},
                               {bCString("a1").FindNumericalChar(2, false), -1}};
    for (auto const & Found : arrFound)
        EXPECT_EQ(Found[0], Found[1]) << "row " << &Found - arrFound;
}

TEST(bCString, CountWordsAndGetWordWalkSingleDelimiters)
{
    bCString const strComma(",");
    EXPECT_EQ(bCString("a,,b").CountWords(strComma), 3);
    EXPECT_EQ(bCString().CountWords(strComma), 0);
    EXPECT_EQ(bCString("a").CountWords(strComma), 1);
    EXPECT_EQ(bCString("a b;c").CountWords(bCString(" ;")), 3);
    EXPECT_EQ(bCString(",").CountWords(strComma), 2);
    struct
    {
        char const * m_pcText;
        int m_iWord;
        int m_iPosition;
        char const * m_pcWord; // the previous word stays when none is found
    } const arrWords[] = {{"a,,b", 0, 0, "a"}, {"a,,b", 1, 2, ""}, {"a,,b", 2, 3, "b"}, {"a,,b", 3, -1, "b"},
                          {"a,,b", -1, 0, ""}, {"a,", 1, 2, ""},    {"a,", 2, -1, ""},   {"", 0, 0, ""},
                          {"", 1, -1, ""}};
    bCString strWord("stale");
    for (auto const & Word : arrWords)
    {
        SCOPED_TRACE(std::string(Word.m_pcText) + " " + std::to_string(Word.m_iWord));
        EXPECT_EQ(bCString(Word.m_pcText).GetWord(Word.m_iWord, strComma, strWord, false, false), Word.m_iPosition);
        EXPECT_STREQ(strWord.GetText(), Word.m_pcWord);
    }
}

TEST(bCString, GetWordTrimsOnRequest)
{
    bCString const strText(" one ; two ");
    bCString const strSemicolon(";");
    bCString strWord;
    EXPECT_EQ(strText.GetWord(1, strSemicolon, strWord, true, false), 6);
    EXPECT_STREQ(strWord.GetText(), "two ");
    strText.GetWord(1, strSemicolon, strWord, false, true);
    EXPECT_STREQ(strWord.GetText(), " two");
    strText.GetWord(0, strSemicolon, strWord, true, true);
    EXPECT_STREQ(strWord.GetText(), "one");

    bCString strSelf("x,y"); // the word may be the string itself
    strSelf.GetWord(1, bCString(","), strSelf, false, false);
    EXPECT_STREQ(strSelf.GetText(), "y");
}
