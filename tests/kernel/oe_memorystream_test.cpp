#include <vellmark/kernel/oe_memorystream.h>

#include "oe_stream_testsupport.h"

#include <gtest/gtest.h>

#include <random>

TEST(bCMemoryStream, WriteGrowsByTheArrayStep)
{
    bCMemoryStream Stream;
    EXPECT_EQ(Stream.Write("\1\2\3", 3), 3ul);
    EXPECT_EQ(Stream.GetCapacity(), 7); // 3 + the minimum step 4
    char cByte = 0;
    EXPECT_EQ(Stream.Read(&cByte, 1), 0ul);

    // capacity / 8, clamped to 4..1024
    bCMemoryStream Large;
    Large.SetCount(800);
    EXPECT_EQ(Large.GetCapacity(), 804);
    Large.SetCount(20000);
    EXPECT_EQ(Large.GetCapacity(), 20000 + 100);
    Large.SetCount(20114);
    EXPECT_EQ(Large.GetCapacity(), 20114 + 1024);
}

TEST(bCMemoryStream, SetCountWriteAndDestroyShapeTheContent)
{
    bCMemoryStream Stream;
    Stream.SetCount(16);
    EXPECT_EQ(GetBytes(Stream), CBytes(16, 0)); // new bytes are zero
    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    Stream.Write("abcdefgh", 8);
    EXPECT_TRUE(Stream.SetCount(2)); // cuts and pulls the position back
    EXPECT_EQ(Stream.GetPosition(), 2);
    Stream.SetCount(4); // bytes within the capacity reappear; the capacity never shrinks
    EXPECT_EQ(Stream.GetCapacity(), 20);
    Stream.SetPosition(3, bEStreamSeekMode_Begin);
    EXPECT_EQ(Stream.Write("\7\7", 2), 2ul); // overwrites inside, extends across the end
    EXPECT_EQ(GetBytes(Stream), CBytes({'a', 'b', 'c', 7, 7}));
    Stream.Destroy();
    EXPECT_EQ(Stream.GetSize() + Stream.GetCapacity() + Stream.GetPosition(), 0);
}

TEST(bCMemoryStream, SeekModesAndRefusedPositions)
{
    bCMemoryStream Stream;
    Stream.SetCount(10);
    EXPECT_TRUE(Stream.SetPosition(2, bEStreamSeekMode_End));
    EXPECT_EQ(Stream.GetPosition(), 8);
    EXPECT_TRUE(Stream.SetPosition(-3, bEStreamSeekMode_Current));
    EXPECT_EQ(Stream.GetPosition(), 5);
    EXPECT_FALSE(Stream.SetPosition(11, bEStreamSeekMode_Begin));
    EXPECT_FALSE(Stream.Seek(-1, bEStreamSeekMode_End));
    EXPECT_FALSE(Stream.Seek(0x7FFFFFFFFFFFFFFFll, bEStreamSeekMode_Current));
    EXPECT_FALSE(Stream.Seek(-0x7FFFFFFFFFFFFFFFll - 1, bEStreamSeekMode_End));
    EXPECT_TRUE(Stream.Seek(0, static_cast<bEStreamSeekMode>(7))); // unknown mode: stays
    EXPECT_EQ(Stream.GetPosition(), 5);
    EXPECT_TRUE(Stream.Seek(10, bEStreamSeekMode_End));
    EXPECT_EQ(Stream.GetPosition(), 0);
}

TEST(bCMemoryStream, BufferAccessInPlace)
{
    bCMemoryStream Stream;
    char * pcPlace = static_cast<char *>(Stream.AccessBuffer(4));
    ASSERT_NE(pcPlace, nullptr);
    std::memcpy(pcPlace, "wxyz", 4);
    EXPECT_EQ(Stream.GetPosition(), 4);
    EXPECT_EQ(Stream.GetBuffer(1), nullptr);
    Stream.SetPosition(1, bEStreamSeekMode_Begin);
    char const * pcRead = static_cast<char const *>(Stream.GetBuffer(3));
    ASSERT_NE(pcRead, nullptr);
    EXPECT_EQ(std::string(pcRead, 3), "xyz");
    EXPECT_EQ(Stream.GetBuffer(0), static_cast<void const *>(pcRead + 3));
}

// unsigned long is 64-bit: sizes that turn negative as signed must still count as huge.
TEST(bCMemoryStream, SizesAtTheLimitAreRefusedWithoutChange)
{
    bCMemoryStream Stream;
    Fill(Stream, {1, 2, 3});
    Stream.SetPosition(3, bEStreamSeekMode_Begin);
    for (unsigned long uSize : {0x80000000ul - 3, 0x8000000000000000ul})
        EXPECT_EQ(Stream.AccessBuffer(uSize), nullptr) << uSize;
    EXPECT_EQ(Stream.Write("x", 0x80000000ul), 0ul);
    EXPECT_FALSE(Stream.SetCount(~0ul));
    EXPECT_EQ(Stream.GetPosition(), 3);
    EXPECT_EQ(GetBytes(Stream), CBytes({1, 2, 3}));

    Stream.SetPosition(1, bEStreamSeekMode_Begin);
    char arrOut[4] = {};
    EXPECT_EQ(Stream.Read(arrOut, ~0ul), 2ul);
    EXPECT_EQ(std::string(arrOut), "\2\3");
    EXPECT_EQ(Stream.GetPosition(), 3);
}

TEST(bCMemoryStream, CopiesTakeExactlyTheSizeAndThePosition)
{
    bCMemoryStream Source;
    Fill(Source, {9, 8, 7});
    Source.SetPosition(2, bEStreamSeekMode_Begin);
    bCMemoryStream Copy(Source);
    EXPECT_EQ(Copy.GetCapacity(), 3);
    EXPECT_EQ(Copy.GetPosition(), 2);
    bCMemoryStream Assigned;
    Fill(Assigned, CBytes(100, 1));
    Assigned = Source;
    EXPECT_EQ(Assigned.GetCapacity(), 3);
    Copy.Write("\1", 1);
    EXPECT_EQ(GetBytes(Source), CBytes({9, 8, 7})); // no sharing
}

TEST(bCMemoryStream, EncryptFollowsTheScrambleAndDecryptUndoesIt)
{
    bCMemoryStream Stream;
    Fill(Stream, {0x00});
    EXPECT_TRUE(Stream.Encrypt());
    EXPECT_EQ(GetBytes(Stream), CBytes({0x03}));

    // Two bytes: the last first with k = 2 (rotate by 2), then k = 1.
    unsigned char arrTwo[2] = {0x10, 0x80};
    bCMemoryStream::Encrypt(arrTwo, 2);
    EXPECT_EQ(arrTwo[1], static_cast<unsigned char>((((0x80 ^ 2) << 2 | (0x80 ^ 2) >> 6) & 0xFF) + 2));
    EXPECT_EQ(arrTwo[0], static_cast<unsigned char>((((0x10 ^ 1) << 1 | (0x10 ^ 1) >> 7) & 0xFF) + 1));

    std::mt19937 Random(7);
    CBytes arrBlock(3000);
    for (unsigned char & u8Byte : arrBlock)
        u8Byte = static_cast<unsigned char>(Random());
    CBytes arrScrambled = arrBlock;
    bCMemoryStream::Encrypt(arrScrambled.data(), static_cast<unsigned long>(arrScrambled.size()));
    EXPECT_NE(arrScrambled, arrBlock);
    bCMemoryStream::Decrypt(arrScrambled.data(), static_cast<unsigned long>(arrScrambled.size()));
    EXPECT_EQ(arrScrambled, arrBlock);
}
