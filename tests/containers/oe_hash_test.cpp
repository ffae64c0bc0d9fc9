#include <vellmark/containers/oe_hash.h>
#include <vellmark/kernel/oe_string.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

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
        {"abc", (97ul * 33 + 98) * 33 + 99},
        {"\xFF", 0xFFFFFFFFul},
        {"\xFF\x01", 0xFFFFFFE0ul}, // -1 * 33 + 1
    };
    for (auto const & Case : Cases)
    {
        SCOPED_TRACE(Case.m_pcText ? Case.m_pcText : "(null)");
        EXPECT_EQ(g_GetHashValue(const_cast<char *>(Case.m_pcText)), Case.m_uHash);
        EXPECT_EQ(g_GetHashValue(Case.m_pcText), Case.m_uHash); // constant texts hash like text keys
        EXPECT_EQ(g_GetHashValue(bCString(Case.m_pcText)), Case.m_uHash);
    }
    EXPECT_EQ(g_GetHashValue(bCString("ab\0cd", 5)), 97ul * 33 + 98); // stops at the first zero byte

    // Texts of every length up to 40 with bytes from the whole range but zero; the hash wraps at 32 bits.
    uint32_t uSeed = 12345;
    for (int iLength = 0; iLength <= 40; ++iLength)
    {
        std::string strText;
        uint32_t uExpected = 0;
        for (int i = 0; i < iLength; ++i)
        {
            uSeed = uSeed * 1103515245u + 12345u;
            strText.push_back(static_cast<char>((uSeed >> 16) % 255 + 1));
            uExpected = uExpected * 33u + static_cast<uint32_t>(static_cast<signed char>(strText.back()));
        }
        EXPECT_EQ(g_GetHashValue(strText.data()), static_cast<unsigned long>(uExpected)) << iLength;
        EXPECT_EQ(g_GetHashValue(bCString(strText.c_str())), static_cast<unsigned long>(uExpected)) << iLength;
    }
}
