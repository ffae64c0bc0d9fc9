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

TEST(bCString, BufferIsOneBlockOfLengthPlusNineBytes)
{
    // The heap rounds up to its size classes: a block of the string's size
    // must round the same way as a direct request for n + 9 bytes, which
    // catches one byte too many or too few wherever a class boundary lies.
    for (int iLength = 1; iLength <= 200; ++iLength)
    {
        bCString const strText('x', iLength);
        void * pReference = OEHeapAllocate(nullptr, static_cast<size_t>(iLength) + 9, 0);
        ASSERT_GE(OEHeapSize(DataOf(strText)), static_cast<size_t>(iLength) + 9) << iLength;
        EXPECT_EQ(OEHeapSize(DataOf(strText)), OEHeapSize(pReference)) << iLength;
        OEHeapFree(pReference);
    }
}

TEST(bCString, ZeroLengthBufferIsSharedAndReleasedByAnEmptySource)
{
    bCString strZeroLength = ZeroLengthBuffer();
    bCString strCopy(strZeroLength);
    EXPECT_EQ(strCopy.GetText(), strZeroLength.GetText());
    strCopy = strZeroLength; // empty source, shared buffer: released
    EXPECT_EQ(strCopy.GetRefCount(), 0);
    EXPECT_EQ(strZeroLength.GetRefCount(), 1);
    bCString const & rSame = strZeroLength;
    strZeroLength = rSame; // private zero-length buffer: kept
    EXPECT_EQ(strZeroLength.GetRefCount(), 1);
}

TEST(bCString, ModifiersCopyBeforeWriteAndKeepTheCopy)
{
    // Shrinking edits of a shared buffer work on a private copy, even down to length 0.
    bCString const strOriginal("abcabc");
    bCString strReplaced(strOriginal);
    EXPECT_EQ(strReplaced.Replace("abc", ""), 2);
    EXPECT_TRUE(strReplaced.IsEmpty());
    EXPECT_EQ(strReplaced.GetRefCount(), 1);

    EXPECT_STREQ(strOriginal.GetText(), "abcabc");
    EXPECT_EQ(strOriginal.GetRefCount(), 1);
}

TEST(bCString, ShareCountPrimitives)
{
    bCStringProbe strText("abc");
    bCString::bSStringData * pData = strText.GetData();
    EXPECT_TRUE(bCStringProbe::Increment(pData));
    EXPECT_EQ(bCStringProbe::Decrement(pData), 1);
    EXPECT_EQ(bCStringProbe::Decrement(pData), 0); // the count read 0: the caller frees
    // A buffer with share count 0 is copied, never shared.
    bCString const strCopy(strText);
    EXPECT_NE(strCopy.GetText(), strText.GetText());
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
