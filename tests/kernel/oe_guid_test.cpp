#include <vellmark/kernel/oe_guid.h>
#include <vellmark/platform/oe_guidtext.h>
#include <vellmark/kernel/oe_string.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace
{
    _GUID MakeGuid(uint32_t a_uData1, uint16_t a_uData2, uint16_t a_uData3, std::initializer_list<uint8_t> a_Data4)
    {
        _GUID Guid;
        Guid.Data1 = a_uData1;
        Guid.Data2 = a_uData2;
        Guid.Data3 = a_uData3;
        std::copy(a_Data4.begin(), a_Data4.end(), Guid.Data4);
        return Guid;
    }

    _GUID const kSample = MakeGuid(0x0123ABCD, 0x4567, 0x89EF, {0xFE, 0xDC, 0xBA, 0x98, 0x76, 0x54, 0x32, 0x10});

    std::u16string FormatGuid(_GUID const & a_Guid)
    {
        char16_t arrText[39];
        EXPECT_EQ(OEStringFromGUID2(a_Guid, arrText, 39), 39);
        return arrText;
    }

    bool Parses(char16_t const * a_pcText)
    {
        _GUID Guid = kSample;
        bool bResult = OEIIDFromString(a_pcText, Guid);
        if (!bResult)
        {
            EXPECT_EQ(std::memcmp(&Guid, &kSample, sizeof(Guid)), 0) << "a refused text must not write";
        }
        return bResult;
    }
} // namespace

TEST(bCGuid, TextFormIsBracedUpperCaseAndRoundTripsThroughBinary)
{
    EXPECT_EQ(FormatGuid(kSample), u"{0123ABCD-4567-89EF-FEDC-BA9876543210}");
    EXPECT_STREQ(bCGuid(kSample).GetText().GetText(), "{0123ABCD-4567-89EF-FEDC-BA9876543210}");
    char16_t arrShort[38];
    EXPECT_EQ(OEStringFromGUID2(kSample, arrShort, 38), 0);
    _GUID Guid;
    ASSERT_TRUE(OEIIDFromString(u"{0123AbCd-4567-89eF-FEdc-Ba9876543210}", Guid)); // either case
    EXPECT_EQ(std::memcmp(&Guid, &kSample, sizeof(Guid)), 0);
}

TEST(bCGuid, ParserRefusesBadTexts)
{
    EXPECT_FALSE(Parses(nullptr));
    // Empty, missing brace, short or long last group, non-hex digit, misplaced separator, sign,
    // full-width digit.
    for (char16_t const * pcBad :
         {u"", u"{0123ABCD-4567-89EF-FEDC-BA9876543210", u"{0123ABCD-4567-89EF-FEDC-BA987654321}",
          u"{0123ABCD-4567-89EF-FEDC-BA98765432100}", u"{0123ABCG-4567-89EF-FEDC-BA9876543210}",
          u"{0123ABCD-456789EF-FEDC-BA9876543210-}", u"{+123ABCD-4567-89EF-FEDC-BA9876543210}",
          u"{\uFF10123ABCD-4567-89EF-FEDC-BA9876543210}"})
        EXPECT_FALSE(Parses(pcBad)) << std::u16string(pcBad).size();
}

TEST(bCGuid, GenerateMakesValidVersion4Guids)
{
    std::set<std::string> setSeen;
    for (int i = 0; i < 100; ++i)
    {
        bCGuid Guid;
        EXPECT_FALSE(Guid.IsValid());
        Guid.Generate();
        EXPECT_EQ(Guid.GetGuid().Data3 >> 12, 4);
        EXPECT_EQ(Guid.GetGuid().Data4[0] & 0xC0, 0x80);
        setSeen.insert(std::string(reinterpret_cast<char const *>(&Guid.GetGuid()), 16));
        bCGuid FromText(Guid.GetText()); // the text form round trips
        EXPECT_TRUE(FromText.IsValid() && FromText == Guid);
    }
    EXPECT_EQ(setSeen.size(), 100u);
}

TEST(bCGuid, ValidityIsAFlagBesideTheBytes)
{
    bCGuid Guid(kSample);
    Guid.MakeInvalidGuid();
    EXPECT_FALSE(Guid.IsValid());
    EXPECT_EQ(Guid.GetGuid().Data1, kSample.Data1); // bytes kept
    EXPECT_EQ(static_cast<_GUID *>(Guid), nullptr); // pointer conversion is null when invalid
    Guid = static_cast<_GUID const *>(nullptr);
    EXPECT_FALSE(Guid.IsValid());

    EXPECT_TRUE(bCGuid::GetNullGuid().IsNull() && bCGuid::GetNullGuid().IsValid());
    EXPECT_FALSE(bCGuid::GetInvalidGuid().IsNull() || bCGuid::GetInvalidGuid().IsValid());
}

TEST(bCGuid, ComparesBytesOnlyAsLittleEndianWords)
{
    bCGuid Valid(kSample);
    bCGuid Invalid(kSample);
    Invalid.MakeInvalidGuid();
    EXPECT_TRUE(Valid == Invalid && Valid.Compare(Invalid) == 0);

    // Word 0 is Data1; word 1 is Data3 << 16 | Data2, so Data3 outranks Data2.
    bCGuid Low(MakeGuid(1, 0xFFFF, 0x0000, {0, 0, 0, 0, 0, 0, 0, 0}));
    bCGuid High(MakeGuid(1, 0x0000, 0x0001, {0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Low.Compare(High), -1);
    EXPECT_EQ(High.Compare(Low), 1);
    // Within Data4 the last byte of a word is its most significant one.
    EXPECT_TRUE(bCGuid(MakeGuid(0, 0, 0, {0xFF, 0, 0, 0})) < bCGuid(MakeGuid(0, 0, 0, {0, 0, 0, 1})));
    // Data1 compares as an unsigned number.
    EXPECT_TRUE(bCGuid(MakeGuid(0x7FFFFFFF, 0, 0, {})) < bCGuid(MakeGuid(0x80000000, 0, 0, {})));
}

TEST(bCGuid, InvalidValueReadsAsEmptyBraces)
{
    EXPECT_STREQ(bCGuid().GetText().GetText(), "{}");
    bCGuid Valid(kSample);
    EXPECT_TRUE(Valid.SetText(bCString("{}")));
    EXPECT_FALSE(Valid.IsValid());
}

TEST(bCGuid, SetTextRefusesBadTextsAndLeavesValueInvalid)
{
    char const * const arrBad[] = {
        "",  "[0123ABCD-4567-89EF-FEDC-BA9876543210]", "{0123ABCD-4567-89EF-FEDC-BA987654321}",
        "{", "{0123ABCD-4567-89EF-FEDC-BA9876543210} ", "{0123ABCD-4567-89EF-FEDC-BA987654321Z}",
    };
    for (char const * pcBad : arrBad)
    {
        bCGuid Guid(kSample);
        EXPECT_FALSE(Guid.SetText(bCString(pcBad))) << pcBad;
        EXPECT_FALSE(Guid.IsValid()) << pcBad;
        EXPECT_FALSE(Guid.SetGuid(bCString(pcBad))) << pcBad;
    }
    bCGuid Assigned;
    Assigned = bCString("{0123abcd-4567-89ef-fedc-ba9876543210}");
    EXPECT_TRUE(Assigned.IsValid() && Assigned == bCGuid(kSample));
}
