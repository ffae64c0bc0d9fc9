// bCString: construction, sharing, copy before write, locked buffers and the
// share-count limits.

#include <vellmark/kernel/oe_string.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

namespace
{
    bCString::bSStringData const * DataOf(bCString const & a_strText)
    {
        return reinterpret_cast<bCString::bSStringData const *>(a_strText.GetText()) - 1;
    }

    bool SharesBuffer(bCString const & a_strLeft, bCString const & a_strRight)
    {
        return a_strLeft.GetText() == a_strRight.GetText();
    }
} // namespace

TEST(bCString, BufferHeaderLiesInFrontOfTheCharacters)
{
    bCString strEmpty;
    EXPECT_EQ(strEmpty.GetAllocLength() + strEmpty.GetRefCount() + g_strDefault.GetRefCount(), 0);
    EXPECT_STREQ(static_cast<char const *>(strEmpty), "");
    EXPECT_EQ(sizeof(bCString), sizeof(void *));
    bCString strText("abcdef");
    bCString::bSStringData const * pData = DataOf(strText);
    EXPECT_EQ(sizeof(bCString::bSStringData), 8u);
    EXPECT_EQ(pData->m_iLength, 6);
    EXPECT_EQ(pData->m_u16RefCount, 1);
    // The memory administration hands out 16-byte aligned blocks; the text starts 8 bytes in.
    EXPECT_EQ(reinterpret_cast<uintptr_t>(strText.GetText()) % 16, 8u);
}

TEST(bCString, ConstructorsFromTexts)
{
    for (bCString const & strNone : {bCString(static_cast<char const *>(nullptr)), bCString(""), bCString("abc", 0),
                                     bCString("abc", -3), bCString('x', 0), bCString('x', -1)})
        EXPECT_EQ(strNone.GetRefCount(), 0);
    bCString strZeros("a\0b\0", 4);
    EXPECT_EQ(std::string(strZeros.GetText(), 5), std::string("a\0b\0", 5));
    EXPECT_STREQ(bCString(-0.25f, 0).GetText(), "-0");
    EXPECT_STREQ(bCString(0.1f, 9).GetText(), "0.100000001"); // widened to double, not rounded first
}

TEST(bCString, CopySharesBufferUntilWrite)
{
    bCString strFirst("abc");
    bCString strCopy(strFirst);
    EXPECT_EQ(strFirst.GetRefCount(), 2);

    strCopy.SetAt(0, 'x');
    EXPECT_STREQ(strFirst.GetText(), "abc");
    EXPECT_EQ(strFirst.GetRefCount() + strCopy.GetRefCount(), 2);
}

TEST(bCString, EveryModifierCopiesASharedBufferFirst)
{
    bCString const strOriginal("Hello, World  ");
    std::vector<void (*)(bCString &)> arrEdits = {
        [](bCString & s) { s.Replace("o", "0000"); },
        [](bCString & s) { s.Remove('l'); },
        [](bCString & s) { s.Insert(2, "--"); },
        [](bCString & s) { s[0] = 'J'; },
        [](bCString & s) { s.GetBuffer(100)[0] = 'Y'; },
        [](bCString & s) { s.ReleaseBuffer(2); },
        [](bCString & s) { s.LockBuffer()[0] = 'Z'; },
        [](bCString & s) { s.SetText("abc"); },
    };
    for (size_t i = 0; i < arrEdits.size(); ++i)
    {
        bCString strCopy(strOriginal);
        arrEdits[i](strCopy);
        EXPECT_STREQ(strOriginal.GetText(), "Hello, World  ") << "edit " << i;
        EXPECT_EQ(strOriginal.GetRefCount(), 1) << "edit " << i;
    }
}

TEST(bCString, AssignmentSharesAndEmptiesAsSpecified)
{
    bCString strSource("abc");
    bCString strTarget("xyz");
    strTarget = strSource;
    EXPECT_TRUE(SharesBuffer(strSource, strTarget));
    EXPECT_EQ(strSource.GetRefCount(), 2);

    // A private buffer assigned an empty source keeps a zero-length buffer; a shared one is released.
    bCString strPrivate("abc");
    char const * pcBefore = strPrivate.GetText();
    strPrivate = bCString();
    EXPECT_EQ(strPrivate.GetText(), pcBefore);
    EXPECT_TRUE(strPrivate.IsEmpty());
    strTarget = bCString();
    EXPECT_EQ(strTarget.GetRefCount(), 0);
    EXPECT_EQ(strSource.GetRefCount(), 1);
}

TEST(bCString, AssignmentOfTextReusesAPrivateBufferThatIsLongEnough)
{
    bCString strText("abcdef");
    char const * pcBefore = strText.GetText();
    strText = "xy";
    EXPECT_EQ(strText.GetText(), pcBefore);
    strText = "longer than six";
    EXPECT_STREQ(strText.GetText(), "longer than six");
    EXPECT_EQ(strText.GetAllocLength(), 15);

    strText = strText.GetText() + 7; // the source lies in its own buffer
    EXPECT_STREQ(strText.GetText(), "than six");
}

TEST(bCString, SetTextVariants)
{
    bCString strSource("abcdef");
    bCString strTarget;
    strTarget.SetText(strSource, 3);
    EXPECT_STREQ(strTarget.GetText(), "abc");
    strTarget.SetText(strSource, 6);
    EXPECT_TRUE(SharesBuffer(strSource, strTarget));
    strTarget.SetText(strSource, 0);
    EXPECT_EQ(strTarget.GetRefCount(), 0);

    // The only holder of the source's buffer is cut in place.
    char const * pcBefore = strSource.GetText();
    strSource.SetText(strSource, 2);
    EXPECT_EQ(strSource.GetText(), pcBefore);
    EXPECT_STREQ(strSource.GetText(), "ab");

    strTarget.SetText("hi", 10);
    EXPECT_STREQ(strTarget.GetText(), "hi");
}

TEST(bCString, BufferServesAtMost65534Holders)
{
    bCString strSource("shared");
    std::vector<bCString> arrHolders(65533, strSource);
    EXPECT_EQ(strSource.GetRefCount(), 65534);

    // A further copy gets its own buffer, so the count never reaches the lock marker.
    bCString strExtra(strSource);
    EXPECT_FALSE(SharesBuffer(strExtra, strSource));
    EXPECT_EQ(strExtra.GetRefCount(), 1);
    bCString strAssigned;
    strAssigned = strSource;
    EXPECT_FALSE(SharesBuffer(strAssigned, strSource));
    EXPECT_EQ(strSource.GetRefCount(), 65534);
}

TEST(bCString, LockedBufferIsCopiedNeverShared)
{
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
    EXPECT_EQ(strLocked.GetRefCount(), 1);
    strOther = strLocked;
    strLocked.UnlockBuffer(); // leaves a shared buffer alone
    EXPECT_EQ(strLocked.GetRefCount(), 2);
}

TEST(bCString, LockedStringReleasesItsBufferWhenDestroyed)
{
    // Under the address sanitizer a leak here fails the run.
    auto pText = std::make_unique<bCString>("locked");
    pText->LockBuffer();
    pText.reset();
    bCString strLocked("again");
    strLocked.LockBuffer();
    strLocked = "replaced by a longer text";
    EXPECT_EQ(strLocked.GetRefCount(), 1);
}

TEST(bCString, CopiesAndReleasesFromManyThreads)
{
    bCString const strShared("shared between threads");
    std::vector<std::thread> arrThreads;
    for (int iThread = 0; iThread < 4; ++iThread)
        arrThreads.emplace_back([&strShared] {
            for (int i = 0; i < 20000; ++i)
            {
                bCString strCopy(strShared);
                bCString strSecond;
                strSecond = strCopy;
                if (i % 64 == 0)
                    strSecond.SetAt(0, 'S');
            }
        });
    for (std::thread & Thread : arrThreads)
        Thread.join();
    EXPECT_EQ(strShared.GetRefCount(), 1);
    EXPECT_STREQ(strShared.GetText(), "shared between threads");
}

