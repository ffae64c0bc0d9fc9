#include <vellmark/kernel/oe_variant.h>

#include "support/oe_messagerecorder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
    bCVariant::bEType const kInvalidType = static_cast<bCVariant::bEType>(15);

    bool AllValueBytesZero(bCVariant const & a_Variant)
    {
        unsigned char arrZero[8] = {};
        return std::memcmp(&a_Variant.GetData(), arrZero, 8) == 0;
    }
} // namespace

// The type numbers travel in streams.
static_assert(sizeof(bCVariant::bEType) == 4 && sizeof(bCVariant::bUType) == 8);
static_assert(bCVariant::bEType_None == 0 && bCVariant::bEType_U32 == 5 && bCVariant::bEType_I64 == 9 &&
              bCVariant::bEType_String == 14);

TEST(bCVariant, TypedValuesLeaveTheBytesAboveZeroAndInitZeroesThemAll)
{
    bCVariant Variant(static_cast<unsigned char>(0xAB));
    EXPECT_EQ(Variant.GetData().m_u64Value, 0xABu);
    Variant.SetData(static_cast<short>(-1));
    EXPECT_EQ(Variant.GetType(), bCVariant::bEType_I16);
    Variant.Init();
    EXPECT_EQ(Variant.GetType(), bCVariant::bEType_None);
    EXPECT_TRUE(AllValueBytesZero(Variant));
}

TEST(bCVariant, TakesPointersAndTextsByConstReferenceAndOwnsCopiesOfTexts)
{
    // The held types themselves, void * and char *, have their constructor and assignment.
    bCVariant & (bCVariant::*pfnAssignPointer)(void * const &) = &bCVariant::operator=;
    bCVariant & (bCVariant::*pfnAssignText)(char * const &) = &bCVariant::operator=;
    int iTarget = 0;
    void * pTarget = &iTarget;
    char arrText[] = "mutable";
    char * pcText = arrText;
    bCVariant Pointer(pTarget);
    bCVariant Text(pcText);
    EXPECT_EQ(Pointer.GetVoidPointer(), &iTarget);
    EXPECT_EQ(Text.GetType(), bCVariant::bEType_String);
    EXPECT_NE(Text.GetString(), arrText);
    (Pointer.*pfnAssignText)(pcText);
    (Text.*pfnAssignPointer)(pTarget);
    EXPECT_STREQ(Pointer.GetString(), "mutable");
    Text = &iTarget; // any object pointer is held as a pointer, not as a boolean
    EXPECT_EQ(Text.GetType(), bCVariant::bEType_VoidPointer);

    char arrOwned[] = "abc";
    bCVariant Owned(static_cast<char const *>(arrOwned));
    EXPECT_NE(Owned.GetString(), arrOwned);
    arrOwned[0] = 'x';
    bCVariant Copy(Owned);
    EXPECT_NE(Copy.GetString(), Owned.GetString());
    Owned = bCVariant(-1234567890123LL); // a copy takes type and value
    EXPECT_EQ(Owned.GetI64(), -1234567890123LL);
    Copy.CopyTo(Owned);
    Copy.Clear();
    EXPECT_EQ(Copy.GetType(), bCVariant::bEType_None);
    EXPECT_STREQ(Owned.GetString(), "abc");

    Owned = static_cast<char const *>(Owned.GetString() + 1);
    EXPECT_STREQ(Owned.GetString(), "bc");
    Owned.SetData(static_cast<char const *>(nullptr)); // a null text leaves the variant cleared
    EXPECT_EQ(Owned.GetType(), bCVariant::bEType_None);
}

TEST(bCVariant, InvalidTypeIsReportedOnClearAndCopy)
{
    bCMessageRecorder Recorder;
    bCVariant Broken;
    Broken.AccessType() = kInvalidType;
    Broken.Clear();
    EXPECT_EQ(Recorder.Take(),
              "The method bCVariant::Clear detected an improper usage! \nHint:Invalid enumeration! \n");
    EXPECT_EQ(Broken.GetType(), bCVariant::bEType_None);

    Broken.AccessType() = kInvalidType;
    bCVariant Target(5);
    Target.CopyFrom(Broken);
    EXPECT_NE(Recorder.Take(), "");
    EXPECT_EQ(Target.GetType(), bCVariant::bEType_Int); // left unchanged
    EXPECT_EQ(Target.GetInt(), 5);
    Broken.Init();
}
