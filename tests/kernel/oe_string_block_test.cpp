// bCString: the blocks behind the buffers, the share counting primitives and
// the behaviour once the memory administration has been torn down.

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_string.h>
#include <vellmark/platform/oe_heap.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
    // Opens the protected building blocks the members are made of.
    class bCStringProbe : public bCString
    {
    public:
        using bCString::bCString;
        using bCString::Decrement;
        using bCString::GetData;
        using bCString::Increment;
    };

    bCString::bSStringData const * DataOf(bCString const & a_strText)
    {
        return reinterpret_cast<bCString::bSStringData const *>(a_strText.GetText()) - 1;
    }

    bCString ZeroLengthBuffer()
    {
        bCString strText("abc");
        strText = "";
        return strText;
    }
} // namespace

TEST(bCString, ZeroLengthBuffersAndTheShareCountPrimitives)
{
    bCString strZeroLength = ZeroLengthBuffer();
    bCString strCopy(strZeroLength);
    EXPECT_EQ(strCopy.GetText(), strZeroLength.GetText());
    strCopy = strZeroLength; // empty source, shared buffer: released
    EXPECT_EQ(strCopy.GetRefCount(), 0);
    bCString const & rSame = strZeroLength;
    strZeroLength = rSame; // private zero-length buffer: kept
    EXPECT_EQ(strZeroLength.GetRefCount(), 1);

    // Shrinking edits of a shared buffer work on a private copy, even down to length 0.
    bCString const strOriginal("abcabc");
    bCString strReplaced(strOriginal);
    EXPECT_EQ(strReplaced.Replace("abc", ""), 2);
    EXPECT_EQ(strReplaced.GetRefCount(), 1);
    EXPECT_EQ(strOriginal.GetRefCount(), 1);
    EXPECT_TRUE(strReplaced.IsEmpty());
    EXPECT_STREQ(strOriginal.GetText(), "abcabc");

    bCStringProbe strText("abc");
    bCString::bSStringData * pData = strText.GetData();
    EXPECT_TRUE(bCStringProbe::Increment(pData));
    EXPECT_EQ(bCStringProbe::Decrement(pData), 1);
    EXPECT_EQ(bCStringProbe::Decrement(pData), 0); // the count read 0: the caller frees
    // A buffer with share count 0 is copied, never shared.
    bCString const strSecond(strText);
    EXPECT_NE(strSecond.GetText(), strText.GetText());
}

TEST(bCStringDeathTest, DestructorReleasesNothingOnceTheMemoryAdministrationIsDown)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            bCString * pShared = new bCString("shared");
            bCString * pCopy = new bCString(*pShared);
            bCString * pPrivate = new bCString("private");
            bCString::bSStringData const * pData = DataOf(*pShared);
            bCMemoryAdmin::GetInstance().Destroy();
            if (bCMemoryAdmin::IsMemoryAdminInitialized())
                std::_Exit(2);
            delete pCopy; // the count stays: nothing is touched
            if (pData->m_u16RefCount != 2)
                std::_Exit(3);
            delete pShared;
            pPrivate->Clear(); // a private buffer dropped late stays where it is
            delete pPrivate;
            std::_Exit(pData->m_u16RefCount == 2 ? 0 : 4);
        },
        ::testing::ExitedWithCode(0), ::testing::Not(::testing::HasSubstr("IsPoolValid")));
}
