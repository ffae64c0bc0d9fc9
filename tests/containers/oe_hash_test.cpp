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

TEST(g_GetHashValue, MultipliesByThirtyThreeAndAddsEachSignedByte)
{
    struct
    {
        char const * m_pcText;
        unsigned long m_uHash;
    } const Cases[] = {
        {"", 0ul},
        {nullptr, 0ul},
        {"a", 97ul},
        {"ab", 97ul * 33 + 98},
        {"abc", (97ul * 33 + 98) * 33 + 99},
        {"A", 65ul}, // case-sensitive
        {"\xFF", 0xFFFFFFFFul},
        {"a\x80", 97ul * 33 - 128},
        {"\xFF\x01", 0xFFFFFFE0ul}, // -1 * 33 + 1
    };
    for (auto const & Case : Cases)
        EXPECT_EQ(HashOf(Case.m_pcText), Case.m_uHash) << (Case.m_pcText ? Case.m_pcText : "(null)");
    EXPECT_EQ(g_GetHashValue("a"), 97ul); // constant texts hash like text keys
    char const * pcNull = nullptr;
    EXPECT_EQ(g_GetHashValue(pcNull), 0ul);
    EXPECT_EQ(g_GetHashValue(bCString()), 0ul);
    EXPECT_EQ(g_GetHashValue(bCString("")), 0ul);
}

TEST(g_GetHashValue, StringHashStopsAtTheFirstZeroByte)
{
    bCString strText("ab\0cd", 5);
    EXPECT_EQ(strText.GetLength(), 5);
    EXPECT_EQ(g_GetHashValue(strText), HashOf("ab"));
}

TEST(g_GetHashValue, MatchesTheByteByByteFormulaForEveryLength)
{
    // Texts of every length up to 40 with bytes from the whole range but zero; the hash wraps at 32 bits.
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
