// bCString: construction, sharing, copy before write, locked buffers and the
// share-count limits.

#include <vellmark/kernel/oe_string.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace
{
    bool SharesBuffer(bCString const & a_strLeft, bCString const & a_strRight)
    {
        return a_strLeft.GetText() == a_strRight.GetText();
    }
} // namespace

TEST(bCString, BufferHeaderConstructorsAssignmentAndSetText)
{
    bCString strEmpty;
    EXPECT_EQ(strEmpty.GetAllocLength() + strEmpty.GetRefCount() + g_strDefault.GetRefCount(), 0);
    EXPECT_STREQ(static_cast<char const *>(strEmpty), "");
    EXPECT_EQ(sizeof(bCString), sizeof(void *));
    bCString strText("abcdef");
    bCString::bSStringData const * pData = reinterpret_cast<bCString::bSStringData const *>(strText.GetText()) - 1;
    EXPECT_EQ(sizeof(bCString::bSStringData), 8u);
    EXPECT_EQ(pData->m_iLength, 6);
    EXPECT_EQ(pData->m_u16RefCount, 1);
    // The memory administration hands out 16-byte aligned blocks; the text starts 8 bytes in.
    EXPECT_EQ(reinterpret_cast<uintptr_t>(strText.GetText()) % 16, 8u);

    for (bCString const & strNone : {bCString(static_cast<char const *>(nullptr)), bCString(""), bCString("abc", 0),
                                     bCString("abc", -3), bCString('x', 0), bCString('x', -1)})
        EXPECT_EQ(strNone.GetRefCount(), 0);
    bCString strZeros("a\0b\0", 4);
    EXPECT_EQ(std::string(strZeros.GetText(), 5), std::string("a\0b\0", 5));
    EXPECT_STREQ(bCString(-0.25f, 0).GetText(), "-0");
    EXPECT_STREQ(bCString(0.1f, 9).GetText(), "0.100000001"); // widened to double, not rounded first

    // Assignment and SetText share whole sources, reuse a private buffer that is long enough and
    // release a shared one when emptied.
    bCString strSource("abcdef");
    bCString strTarget("xyz");
    strTarget = strSource;
    EXPECT_TRUE(SharesBuffer(strSource, strTarget));
    strTarget = bCString();
    EXPECT_EQ(strTarget.GetRefCount(), 0);
    EXPECT_EQ(strSource.GetRefCount(), 1);
    strTarget.SetText(strSource, 3);
    EXPECT_STREQ(strTarget.GetText(), "abc");
    strTarget.SetText(strSource, 6);
    EXPECT_TRUE(SharesBuffer(strSource, strTarget));
    strTarget.SetText(strSource, 0);
    EXPECT_EQ(strTarget.GetRefCount(), 0);
    strTarget.SetText("hi", 10);
    EXPECT_STREQ(strTarget.GetText(), "hi");

    char const * pcBefore = strSource.GetText();
    strSource.SetText(strSource, 4); // the only holder is cut in place
    strSource = "xy";
    EXPECT_EQ(strSource.GetText(), pcBefore);
    strSource = bCString(); // a private buffer keeps zero length
    EXPECT_EQ(strSource.GetText(), pcBefore);
    EXPECT_TRUE(strSource.IsEmpty());
    strSource = "longer than six";
    EXPECT_EQ(strSource.GetAllocLength(), 15);
    strSource = strSource.GetText() + 7; // the source lies in its own buffer
    EXPECT_STREQ(strSource.GetText(), "than six");
}

TEST(bCString, BufferServesAtMost65534HoldersAndALockedOneNone)
{
    bCString strSource("shared");
    std::vector<bCString> arrHolders(65533, strSource);
    EXPECT_EQ(strSource.GetRefCount(), 65534);

    // A further copy gets its own buffer, so the count never reaches the lock marker.
    bCString strExtra(strSource);
    EXPECT_FALSE(SharesBuffer(strExtra, strSource));
    bCString strAssigned;
    strAssigned = strSource;
    EXPECT_FALSE(SharesBuffer(strAssigned, strSource));
    EXPECT_EQ(strSource.GetRefCount(), 65534);
    EXPECT_EQ(strExtra.GetRefCount(), 1);

    bCString strLocked("abc");
    bCString strOther(strLocked);
    char * pcLocked = strLocked.LockBuffer();
    ASSERT_NE(pcLocked, nullptr);
    EXPECT_EQ(strLocked.GetRefCount(), 65535);
    EXPECT_EQ(strOther.GetRefCount(), 1); // locking made the buffer private first

    bCString strCopy(strLocked);
    strOther = strLocked;
    EXPECT_NE(strOther.GetText(), pcLocked);

    // Writes through the locked pointer stay visible: the buffer is not copied on write.
    pcLocked[0] = 'x';
    strLocked.SetAt(1, 'y');
    EXPECT_EQ(strLocked.GetText(), pcLocked);
    EXPECT_STREQ(strLocked.GetText(), "xyc");
    EXPECT_STREQ(strCopy.GetText(), "abc");
    strLocked.UnlockBuffer();
    strOther = strLocked;
    strLocked.UnlockBuffer(); // leaves a shared buffer alone
    EXPECT_EQ(strLocked.GetRefCount(), 2);

    // Under the address sanitizer a leak of a locked buffer fails the run.
    auto pText = std::make_unique<bCString>("locked");
    pText->LockBuffer();
    pText.reset();
    strOther.LockBuffer();
    strOther = "replaced by a longer text";
    EXPECT_EQ(strOther.GetRefCount(), 1);
}
