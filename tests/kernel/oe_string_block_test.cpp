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
        using bCString::Alloc;
        using bCString::bCString;
        using bCString::ConcatCopy;
        using bCString::ConcatInPlace;
        using bCString::CopyBeforeWrite;
        using bCString::Decrement;
        using bCString::GetData;
        using bCString::Increment;
        using bCString::Realloc;
        using bCString::Release;
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
    bCString strGrown("0123456789");
    strGrown += "01234";
    void * pReference = OEHeapAllocate(nullptr, 15 + 9, 0);
    EXPECT_EQ(OEHeapSize(DataOf(strGrown)), OEHeapSize(pReference));
    OEHeapFree(pReference);
}

TEST(bCString, ZeroLengthBufferIsSharedAndReleasedByAnEmptySource)
{
    bCString strZeroLength = ZeroLengthBuffer();
    bCString strCopy(strZeroLength);
    EXPECT_EQ(strCopy.GetText(), strZeroLength.GetText());
    // Extraction that returns the whole string shares it the same way.
    EXPECT_EQ(strZeroLength.Mid(0, 0).GetText(), strZeroLength.GetText());
    EXPECT_EQ(strZeroLength.Left(0).GetText(), strZeroLength.GetText());
    EXPECT_EQ(strZeroLength.GetRefCount(), 2);
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
    EXPECT_EQ(strReplaced.Find('\0', 0, true), -1);
    bCString strShrunk(strOriginal);
    EXPECT_EQ(strShrunk.Replace("bc", "X"), 2);
    EXPECT_STREQ(strShrunk.GetText(), "aXaX");
    EXPECT_EQ(strShrunk.GetAllocLength(), 4);

    bCString strCut(strOriginal);
    EXPECT_EQ(strCut.Delete(0, 6), 0);
    EXPECT_EQ(strCut.GetRefCount(), 1);
    EXPECT_NE(strCut.GetText(), strOriginal.GetText());
    bCString strTail(strOriginal);
    EXPECT_EQ(strTail.Delete(2, 99), 2);
    EXPECT_STREQ(strTail.GetText(), "ab");
    EXPECT_STREQ(strOriginal.GetText(), "abcabc");
    EXPECT_EQ(strOriginal.GetRefCount(), 1);
}

TEST(bCString, ShareCountPrimitives)
{
    bCStringProbe strText("abc");
    bCString::bSStringData * pData = strText.GetData();
    EXPECT_TRUE(bCStringProbe::Increment(pData));
    EXPECT_EQ(pData->m_u16RefCount, 2);
    EXPECT_EQ(bCStringProbe::Decrement(pData), 1);
    EXPECT_EQ(bCStringProbe::Decrement(pData), 0); // the count read 0: the caller frees
    EXPECT_EQ(pData->m_u16RefCount, 0);
    // A buffer with share count 0 is copied, never shared.
    bCString const strCopy(strText);
    EXPECT_NE(strCopy.GetText(), strText.GetText());
    EXPECT_STREQ(strCopy.GetText(), "abc");
}

TEST(bCString, AllocAndReallocSizeExactly)
{
    bCStringProbe strText;
    strText.Alloc(0);
    EXPECT_EQ(strText.GetRefCount(), 0);
    strText.Alloc(5);
    EXPECT_EQ(strText.GetLength(), 5);
    EXPECT_EQ(strText.GetText()[5], 0);
    char const * pcBefore = strText.GetText();
    strText.Realloc(3); // private and shorter: kept, cut
    EXPECT_EQ(strText.GetText(), pcBefore);
    EXPECT_EQ(strText.GetText()[3], 0);
    strText.Realloc(4); // longer: a fresh block
    EXPECT_EQ(strText.GetLength(), 4);
    bCStringProbe strCopy(strText);
    strCopy.Realloc(2); // shared: released, fresh block
    EXPECT_EQ(strText.GetRefCount(), 1);
    strCopy.Realloc(0); // private: kept with length 0
    EXPECT_EQ(strCopy.GetRefCount(), 1);
    strCopy.Release();
    strCopy.Realloc(0); // no buffer: none made
    EXPECT_EQ(strCopy.GetRefCount(), 0);

    strCopy.ConcatCopy("ab", 2, "\0c", 2);
    EXPECT_EQ(strCopy.Find('c', 0, true), 3);
    strCopy.ConcatInPlace("de", 2);
    EXPECT_EQ(strCopy.GetLength(), 6);
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
