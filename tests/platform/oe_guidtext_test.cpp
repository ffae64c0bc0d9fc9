// GUIDs: new version-4 values and the braced text both ways.

#include <vellmark/platform/oe_guidtext.h>

#include <gtest/gtest.h>

#include <string>

TEST(OEGuidText, NewGuidsAreVersionFourOfVariantTenXX)
{
    for (int i = 0; i < 32; ++i)
    {
        _GUID Guid{};
        ASSERT_TRUE(OECoCreateGuid(Guid));
        EXPECT_EQ(Guid.Data3 >> 12, 4);
        EXPECT_EQ(Guid.Data4[0] >> 6, 2);
    }
}

TEST(OEGuidText, TextRoundTripInEitherCase)
{
    struct
    {
        char16_t const * m_pcText;
        bool m_bValid;
    } const arrCases[] = {
        {u"{0123abcd-ef01-4a5b-9c8d-0a1b2c3d4e5f}", true},
        {u"{0123ABCD-EF01-4A5B-9C8D-0A1B2C3D4E5F}", true},
        {u"{0123ABCD-EF01-4A5B-9C8D-0A1B2C3D4E5G}", false},
        {u"{0123ABCD-EF01-4A5B-9C8D-0A1B2C3D4E5F", false},
        {u"0123ABCD-EF01-4A5B-9C8D-0A1B2C3D4E5F}", false},
        {u"{0123ABCD-EF01-4A5B-9C8D-0A1B2C3D4E5F}x", false},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(std::u16string(Case.m_pcText).size());
        _GUID Guid{};
        ASSERT_EQ(OEIIDFromString(Case.m_pcText, Guid), Case.m_bValid);
        if (!Case.m_bValid)
            continue;
        EXPECT_EQ(Guid.Data1, 0x0123ABCDu);
        EXPECT_EQ(Guid.Data2, 0xEF01u);
        EXPECT_EQ(Guid.Data4[7], 0x5Fu);
        char16_t arrText[g_iGuidTextLength + 1];
        EXPECT_EQ(OEStringFromGUID2(Guid, arrText, g_iGuidTextLength + 1), g_iGuidTextLength + 1);
        EXPECT_EQ(std::u16string(arrText), u"{0123ABCD-EF01-4A5B-9C8D-0A1B2C3D4E5F}");
        EXPECT_EQ(OEStringFromGUID2(Guid, arrText, g_iGuidTextLength), 0); // no room for the terminator
    }
}
