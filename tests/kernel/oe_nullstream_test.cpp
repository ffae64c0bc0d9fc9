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
    long lValue = 4;
    bCString strValue("kept?");
    EXPECT_EQ(Stream.Read(lValue) + Stream.Read(strValue), 0ul); // gives the stream a scratch block
    EXPECT_EQ(lValue, 4);
    EXPECT_TRUE(strValue.IsEmpty());

    bCNullStream Copy(Stream);
    bCNullStream Assigned;
    Assigned << 'x';
    Assigned = Stream;
    Copy << 'y';
    EXPECT_EQ(Assigned.GetBytesWritten(), 9ul);
    EXPECT_EQ(Copy.GetBytesWritten(), 10ul);
}
