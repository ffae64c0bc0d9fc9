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

TEST(bCVariant, ConstructionAndInitZeroAllValueBytes)
{
    bCVariant Variant;
    EXPECT_TRUE(AllValueBytesZero(Variant));
    Variant.SetData(-1LL);
    Variant.Init();
    EXPECT_EQ(Variant.GetType(), bCVariant::bEType_None);
    EXPECT_TRUE(AllValueBytesZero(Variant));
    EXPECT_EQ(bCVariant(static_cast<unsigned char>(0xAB)).GetData().m_u64Value, 0xABu); // the bytes above stay zero
}

TEST(bCVariant, TypedConstructorsAndSettersSetTheMatchingType)
{
    EXPECT_EQ(bCVariant(-5L).GetType(), bCVariant::bEType_I32);
    EXPECT_EQ(bCVariant(7).GetType(), bCVariant::bEType_Int);
    EXPECT_EQ(bCVariant(-9LL).GetType(), bCVariant::bEType_I64);
    bCVariant Variant;
    Variant.SetData(static_cast<short>(12));
    EXPECT_EQ(Variant.GetType(), bCVariant::bEType_I16);
    short iShort = 0;
    Variant.GetData(iShort);
    EXPECT_EQ(iShort, 12);
}

TEST(bCVariant, TakesThePointerAndTextTypesByConstReference)
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
}

TEST(bCVariant, OwnsACopyOfItsTextAlsoWhenTakingItsOwnText)
{
    char arrText[] = "abc";
    bCVariant Variant(static_cast<char const *>(arrText));
    EXPECT_NE(Variant.GetString(), arrText);
    arrText[0] = 'x';
    bCVariant Copy(Variant);
    EXPECT_NE(Copy.GetString(), Variant.GetString());
    Variant.Clear();
    EXPECT_EQ(Variant.GetType(), bCVariant::bEType_None);
    EXPECT_STREQ(Copy.GetString(), "abc");

    Copy = static_cast<char const *>(Copy.GetString() + 1);
    EXPECT_STREQ(Copy.GetString(), "bc");
    Copy.SetData(static_cast<char const *>(nullptr)); // a null text leaves the variant cleared
    EXPECT_EQ(Copy.GetType(), bCVariant::bEType_None);
}

TEST(bCVariant, CopyTakesTypeAndValue)
{
    bCVariant Target("to be replaced");
    Target = bCVariant(-1234567890123LL);
    EXPECT_EQ(Target.GetI64(), -1234567890123LL);
    bCVariant Text("t");
    Text.CopyTo(Target);
    EXPECT_STREQ(Target.GetString(), "t");
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
