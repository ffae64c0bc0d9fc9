#include <vellmark/kernel/oe_nullstream.h>

#include <gtest/gtest.h>

TEST(bCNullStream, CountsTheBytesOfTypedWritesReadsNothingAndCannotSeek)
{
    bCNullStream Stream;
    Stream << bCString("abc") << 7ul;
    EXPECT_EQ(Stream.GetBytesWritten(), 9ul);
    Stream.Clear();
    Stream << 1.0 << true;
    EXPECT_EQ(Stream.GetBytesWritten(), 9ul);
    EXPECT_FALSE(Stream.Seek(0, bEStreamSeekMode_Begin));
    EXPECT_EQ(Stream.GetPosition(), 0);
    long lValue = 4;
    bCString strValue("kept?");
    double dValue = 2;
    EXPECT_EQ(Stream.Read(lValue) + Stream.Read(strValue) + Stream.Read(dValue), 0ul);
    EXPECT_EQ(lValue, 4);
    EXPECT_EQ(dValue, 2);
    EXPECT_TRUE(strValue.IsEmpty());
    EXPECT_EQ(Stream.GetBytesWritten(), 9ul);
}

TEST(bCNullStream, CopiesTakeTheCount)
{
    bCNullStream Source;
    Source << 1ll;
    long lValue = 0;
    Source.Read(lValue); // gives the source a scratch block of its own
    bCNullStream Copy(Source);
    bCNullStream Assigned;
    Assigned << 'x';
    Assigned = Source;
    Copy << 'y';
    EXPECT_EQ(Source.GetBytesWritten(), 8ul);
    EXPECT_EQ(Assigned.GetBytesWritten(), 8ul);
    EXPECT_EQ(Copy.GetBytesWritten(), 9ul);
}
