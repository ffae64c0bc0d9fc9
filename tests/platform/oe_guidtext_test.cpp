// GUIDs: new version-4 values and the braced text both ways.

#include <vellmark/platform/oe_guidtext.h>

#include <gtest/gtest.h>

#include <cstring>
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

TEST(OEGuidText, TextRoundTripInEitherCaseAndARefusedTextWritesNothing)
{
    char16_t const * const arrGood[] = {u"{0123abcd-ef01-4a5b-9c8d-0a1b2c3d4e5f}",
                                        u"{0123ABCD-EF01-4A5B-9C8D-0A1B2C3D4E5F}"};
    for (char16_t const * pcText : arrGood)
    {
        _GUID Guid{};
        ASSERT_TRUE(OEIIDFromString(pcText, Guid));
        char16_t arrText[g_iGuidTextLength + 1];
        EXPECT_EQ(OEStringFromGUID2(Guid, arrText, g_iGuidTextLength + 1), g_iGuidTextLength + 1);
        EXPECT_EQ(std::u16string(arrText), u"{0123ABCD-EF01-4A5B-9C8D-0A1B2C3D4E5F}");
        EXPECT_EQ(OEStringFromGUID2(Guid, arrText, g_iGuidTextLength), 0); // no room for the terminator
    }
    // Empty, non-hex digit, missing braces, long or short last group, misplaced separator, sign,
    // full-width digit, text after the brace.
    char16_t const * const arrBad[] = {
        nullptr, u"", u"{0123ABCD-EF01-4A5B-9C8D-0A1B2C3D4E5G}", u"{0123ABCD-EF01-4A5B-9C8D-0A1B2C3D4E5F",
        u"0123ABCD-EF01-4A5B-9C8D-0A1B2C3D4E5F}", u"{0123ABCD-EF01-4A5B-9C8D-0A1B2C3D4E5F0}",
        u"{0123ABCD-EF01-4A5B-9C8D-0A1B2C3D4E5}", u"{0123ABCD-EF014A5B-9C8D-0A1B2C3D4E5F-}",
        u"{+123ABCD-EF01-4A5B-9C8D-0A1B2C3D4E5F}", u"{\uFF10123ABCD-EF01-4A5B-9C8D-0A1B2C3D4E5F}",
        u"{0123ABCD-EF01-4A5B-9C8D-0A1B2C3D4E5F}x"};
    for (char16_t const * pcBad : arrBad)
    {
        SCOPED_TRACE(&pcBad - arrBad);
        _GUID Guid{};
        std::memset(&Guid, 0x5A, sizeof(Guid));
        _GUID const Before = Guid;
        EXPECT_FALSE(OEIIDFromString(pcBad, Guid));
        EXPECT_EQ(std::memcmp(&Guid, &Before, sizeof(Guid)), 0);
    }
}
