#include <vellmark/kernel/oe_guid.h>
#include <vellmark/kernel/oe_string.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace
{
    _GUID const kSample = {0x0123ABCD, 0x4567, 0x89EF, {0xFE, 0xDC, 0xBA, 0x98, 0x76, 0x54, 0x32, 0x10}};
} // namespace

// The text form is braced upper case; either case reads, "{}" is the invalid value.
TEST(bCGuid, TextFormValidityAndComparison)
{
    EXPECT_STREQ(bCGuid(kSample).GetText().GetText(), "{0123ABCD-4567-89EF-FEDC-BA9876543210}");
    EXPECT_STREQ(bCGuid().GetText().GetText(), "{}");
    bCGuid Assigned;
    Assigned = bCString("{0123abcd-4567-89EF-fedc-ba9876543210}");
    EXPECT_TRUE(Assigned.IsValid() && Assigned == bCGuid(kSample));
    EXPECT_TRUE(Assigned.SetText(bCString("{}")));
    EXPECT_FALSE(Assigned.IsValid());
    char const * const arrBad[] = {
        "",  "[0123ABCD-4567-89EF-FEDC-BA9876543210]", "{0123ABCD-4567-89EF-FEDC-BA987654321}",
        "{", "{0123ABCD-4567-89EF-FEDC-BA9876543210} ", "{0123ABCD-4567-89EF-FEDC-BA987654321Z}",
        "{0123ABCD-4567-89EF-FEDC-BA98765432100}",
    };
    for (char const * pcBad : arrBad)
    {
        bCGuid Guid(kSample);
        EXPECT_FALSE(Guid.SetText(bCString(pcBad))) << pcBad;
        EXPECT_FALSE(Guid.IsValid()) << pcBad;
        EXPECT_FALSE(Guid.SetGuid(bCString(pcBad))) << pcBad;
    }

    std::set<std::string> setSeen;
    for (int i = 0; i < 100; ++i)
    {
        bCGuid Guid;
        EXPECT_FALSE(Guid.IsValid());
        Guid.Generate();
        setSeen.insert(std::string(reinterpret_cast<char const *>(&Guid.GetGuid()), 16));
        bCGuid FromText(Guid.GetText()); // the text form round trips
        EXPECT_TRUE(FromText.IsValid() && FromText == Guid);
    }
    EXPECT_EQ(setSeen.size(), 100u);

    bCGuid Guid(kSample);
    Guid.MakeInvalidGuid();
    EXPECT_FALSE(Guid.IsValid());
    EXPECT_EQ(Guid.GetGuid().Data1, kSample.Data1); // bytes kept
    EXPECT_EQ(static_cast<_GUID *>(Guid), nullptr); // pointer conversion is null when invalid
    EXPECT_TRUE(Guid == bCGuid(kSample) && Guid.Compare(bCGuid(kSample)) == 0); // bytes only
    Guid = static_cast<_GUID const *>(nullptr);
    EXPECT_FALSE(Guid.IsValid());

    EXPECT_TRUE(bCGuid::GetNullGuid().IsNull() && bCGuid::GetNullGuid().IsValid());
    EXPECT_FALSE(bCGuid::GetInvalidGuid().IsNull() || bCGuid::GetInvalidGuid().IsValid());

    // Word 1 is Data3 << 16 | Data2, so Data3 outranks Data2.
    bCGuid Low(_GUID{1, 0xFFFF, 0x0000, {}});
    bCGuid High(_GUID{1, 0x0000, 0x0001, {}});
    EXPECT_EQ(Low.Compare(High), -1);
    EXPECT_EQ(High.Compare(Low), 1);
    // Within Data4 the last byte of a word is its most significant one.
    EXPECT_TRUE(bCGuid(_GUID{0, 0, 0, {0xFF, 0, 0, 0}}) < bCGuid(_GUID{0, 0, 0, {0, 0, 0, 1}}));
    EXPECT_TRUE(bCGuid(_GUID{0x7FFFFFFF, 0, 0, {}}) < bCGuid(_GUID{0x80000000, 0, 0, {}}));
}
