// bCString: formatting with its limits, the buffer operations and long texts.

#include <vellmark/kernel/oe_string.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace
{
    char const * NullFormat()
    {
        static char const * volatile s_pcNull = nullptr;
        return s_pcNull;
    }
} // namespace

TEST(bCString, FormatWritesPrintfText)
{
    bCString strText;
    EXPECT_TRUE(strText.Format("%s=%d (%.2f) %c%%", "x", -3, 0.5, 'q'));
    EXPECT_STREQ(strText.GetText(), "x=-3 (0.50) q%");
    EXPECT_EQ(strText.GetAllocLength(), 14);

    // A private buffer that is long enough is reused.
    char const * pcBefore = strText.GetText();
    EXPECT_TRUE(strText.Format("%d", 12));
    EXPECT_EQ(strText.GetText(), pcBefore);

    // The arguments may be the string's own text.
    strText.Format("[%s|%s]", strText.GetText(), strText.GetText());
    EXPECT_STREQ(strText.GetText(), "[12|12]");

    // A null format empties; long texts are cut.
    bCString strCopy(strText);
    EXPECT_TRUE(strText.Format(NullFormat(), 0));
    EXPECT_EQ(strText.GetRefCount(), 0);
    EXPECT_STREQ(strCopy.GetText(), "[12|12]");
    EXPECT_TRUE(bCString::GetFormattedString(NullFormat(), 0).IsEmpty());
    std::string const strLong(20000, 'f');
    EXPECT_TRUE(strText.Format("%s", strLong.c_str()));
    EXPECT_EQ(std::string(strText.GetText()), strLong.substr(0, 16383));
    EXPECT_STREQ(bCString::GetFormattedString("%03d-%s", 7, "x").GetText(), "007-x");
    EXPECT_EQ(bCString::GetFormattedString("%s", strLong.c_str()).GetLength(), 1023);
}

// The formatting work area is shared: a missing lock shows as mixed texts.
TEST(bCString, FormatFromManyThreadsSharesTheWorkAreaSafely)
{
    std::vector<std::thread> arrThreads;
    std::vector<int> arrFailures(4, 0);
    for (int iThread = 0; iThread < 4; ++iThread)
        arrThreads.emplace_back([iThread, &arrFailures] {
            bCString strText;
            for (int i = 0; i < 5000; ++i)
            {
                strText.Format("thread %d step %d", iThread, i);
                std::string const strExpected = "thread " + std::to_string(iThread) + " step " + std::to_string(i);
                arrFailures[iThread] += strExpected != strText.GetText();
            }
        });
    for (std::thread & Thread : arrThreads)
        Thread.join();
    for (int iFailures : arrFailures)
        EXPECT_EQ(iFailures, 0);
}

TEST(bCString, GetBufferHandsOutUnrecordedRoomAndReleaseBufferRecordsIt)
{
    bCString strText;
    EXPECT_EQ(strText.GetBuffer(0), nullptr);
    std::strcpy(strText.GetBuffer(8), "abc");
    strText.ReleaseBuffer(); // measures
    EXPECT_STREQ(strText.GetText(), "abc");

    strText = "abcdef";
    char const * pcBefore = strText.GetText();
    EXPECT_EQ(strText.GetBuffer(6), pcBefore); // private and long enough: kept
    bCString strCopy(strText);
    char * pcBuffer = strText.GetBuffer(100);
    EXPECT_NE(pcBuffer, strCopy.GetText());
    EXPECT_EQ(strText.GetAllocLength(), 6);
    std::memset(pcBuffer, 'z', 100);
    pcBuffer[100] = 0;
    strText.ReleaseBuffer(100); // takes the length
    EXPECT_EQ(strText.GetLength(), 100);

    bCString strShared(strCopy);
    strShared.ReleaseBuffer(1); // a shared buffer is copied first
    EXPECT_STREQ(strCopy.GetText(), "abcdef");
    pcBuffer = strCopy.GetBufferSetLength(5);
    EXPECT_EQ(strCopy.GetLength(), 5);
    EXPECT_EQ(pcBuffer[5], 0);

    bCString strZeros("ab\0cd", 5); // FreeExtra acts only on embedded zeros
    char const * pcZeros = strZeros.GetText();
    strZeros.FreeExtra();
    EXPECT_NE(strZeros.GetText(), pcZeros);
    EXPECT_EQ(std::string(strZeros.GetText(), 5), std::string("ab\0cd", 5));
}
