#include <vellmark/containers/oe_hash.h>
#include <vellmark/kernel/oe_string.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace
{
    unsigned long HashOf(char const * a_pcText)
    {
        char * pcText = const_cast<char *>(a_pcText);
        return g_GetHashValue(pcText);
    }
} // namespace

TEST(g_GetHashValue, EmptyAndNullTextsHashToZero)
{
    EXPECT_EQ(HashOf(""), 0ul);
    EXPECT_EQ(HashOf(nullptr), 0ul);
    EXPECT_EQ(g_GetHashValue(bCString()), 0ul);
    EXPECT_EQ(g_GetHashValue(bCString("")), 0ul);
}

TEST(g_GetHashValue, MultipliesByThirtyThreeAndAddsEachByte)
{
    EXPECT_EQ(HashOf("a"), 97ul);
    EXPECT_EQ(HashOf("ab"), 97ul * 33 + 98);              // 3299
    EXPECT_EQ(HashOf("abc"), (97ul * 33 + 98) * 33 + 99); // 108966
    EXPECT_EQ(HashOf("A"), 65ul);                         // case-sensitive
}

TEST(g_GetHashValue, ConstantTextsHashLikeTextKeys)
{
    EXPECT_EQ(g_GetHashValue("a"), 97ul);
    char const * pcNull = nullptr;
    EXPECT_EQ(g_GetHashValue(pcNull), 0ul);
}

TEST(g_GetHashValue, HighBytesSubtract)
{
    EXPECT_EQ(HashOf("\xFF"), 0xFFFFFFFFul);
    // 'a' * 33 - 128
    EXPECT_EQ(HashOf("a\x80"), 97ul * 33 - 128);
    // -1 * 33 + 1 = -32
    EXPECT_EQ(HashOf("\xFF\x01"), 0xFFFFFFE0ul);
}

TEST(g_GetHashValue, WrapsAtThirtyTwoBits)
{
    // Twelve 'z' overflow 32 bits many times over; the reference is the formula.
    uint32_t uExpected = 0;
    for (int i = 0; i < 12; ++i)
        uExpected = uExpected * 33u + 'z';
    EXPECT_EQ(HashOf("zzzzzzzzzzzz"), static_cast<unsigned long>(uExpected));
    EXPECT_LE(HashOf("zzzzzzzzzzzz"), 0xFFFFFFFFul);
}

TEST(g_GetHashValue, StringAndTextOverloadsAgree)
{
    for (char const * pcText : {"Position", "Rotation", "bCString", "\xE4\xF6\xFC", "x"})
        EXPECT_EQ(g_GetHashValue(bCString(pcText)), HashOf(pcText)) << pcText;
}

TEST(g_GetHashValue, StringHashStopsAtTheFirstZeroByte)
{
    bCString strText("ab\0cd", 5);
    EXPECT_EQ(strText.GetLength(), 5);
    EXPECT_EQ(g_GetHashValue(strText), HashOf("ab"));
}

TEST(g_GetHashValue, MatchesTheByteByByteFormulaForEveryLength)
{
    // Texts of every length up to 40 with bytes from the whole range but zero.
    uint32_t uSeed = 12345;
    for (int iLength = 0; iLength <= 40; ++iLength)
    {
        std::string strText;
        for (int i = 0; i < iLength; ++i)
        {
            uSeed = uSeed * 1103515245u + 12345u;
            strText.push_back(static_cast<char>((uSeed >> 16) % 255 + 1));
        }
        uint32_t uExpected = 0;
        for (char c : strText)
            uExpected = uExpected * 33u + static_cast<uint32_t>(static_cast<int>(static_cast<signed char>(c)));
        EXPECT_EQ(HashOf(strText.c_str()), static_cast<unsigned long>(uExpected)) << iLength;
        EXPECT_EQ(g_GetHashValue(bCString(strText.c_str())), static_cast<unsigned long>(uExpected)) << iLength;
    }
}
