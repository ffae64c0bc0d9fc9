#include <vellmark/kernel/oe_memorystream.h>

#include "oe_stream_testsupport.h"

#include <gtest/gtest.h>

#include <random>

TEST(bCMemoryStream, WritesGrowByTheArrayStepAndSetCountAndDestroyShapeTheContent)
{
    bCMemoryStream Stream;
    EXPECT_EQ(Stream.Write("\1\2\3", 3), 3ul);
    EXPECT_EQ(Stream.GetCapacity(), 7); // 3 + the minimum step 4

    // capacity / 8, clamped to 4..1024
    bCMemoryStream Large;
    Large.SetCount(800);
    EXPECT_EQ(Large.GetCapacity(), 804);
    Large.SetCount(20000);
    EXPECT_EQ(Large.GetCapacity(), 20000 + 100);
    Large.SetCount(20114);
    EXPECT_EQ(Large.GetCapacity(), 20114 + 1024);

    bCMemoryStream Content;
    Content.SetCount(16);
    EXPECT_EQ(GetBytes(Content), CBytes(16, 0)); // new bytes are zero
    Content.SetPosition(0, bEStreamSeekMode_Begin);
    Content.Write("abcdefgh", 8);
    EXPECT_TRUE(Content.SetCount(2)); // cuts and pulls the position back
    EXPECT_EQ(Content.GetPosition(), 2);
    Content.SetCount(4); // bytes within the capacity reappear; the capacity never shrinks
    EXPECT_EQ(Content.GetCapacity(), 20);
    Content.SetPosition(3, bEStreamSeekMode_Begin);
    EXPECT_EQ(Content.Write("\7\7", 2), 2ul); // overwrites inside, extends across the end
    EXPECT_EQ(GetBytes(Content), CBytes({'a', 'b', 'c', 7, 7}));
    Content.Destroy();
    EXPECT_EQ(Content.GetSize() + Content.GetCapacity() + Content.GetPosition(), 0);
}

TEST(bCMemoryStream, SeekModesBufferAccessAndRefusedPositionsAndSizes)
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

    bCMemoryStream Buffer;
    char * pcPlace = static_cast<char *>(Buffer.AccessBuffer(4));
    ASSERT_NE(pcPlace, nullptr);
    std::memcpy(pcPlace, "wxyz", 4);
    EXPECT_EQ(Buffer.GetPosition(), 4);
    EXPECT_EQ(Buffer.GetBuffer(1), nullptr);
    Buffer.SetPosition(1, bEStreamSeekMode_Begin);
    char const * pcRead = static_cast<char const *>(Buffer.GetBuffer(3));
    ASSERT_NE(pcRead, nullptr);
    EXPECT_EQ(std::string(pcRead, 3), "xyz");
    EXPECT_EQ(Buffer.GetBuffer(0), static_cast<void const *>(pcRead + 3));

    // unsigned long is 64-bit: sizes that turn negative as signed must still count as huge.
    Fill(Buffer, {1, 2, 3});
    Buffer.SetPosition(3, bEStreamSeekMode_Begin);
    for (unsigned long uSize : {0x80000000ul - 3, 0x8000000000000000ul})
        EXPECT_EQ(Buffer.AccessBuffer(uSize), nullptr) << uSize;
    EXPECT_EQ(Buffer.Write("x", 0x80000000ul), 0ul);
    EXPECT_FALSE(Buffer.SetCount(~0ul));
    EXPECT_EQ(Buffer.GetPosition(), 3);
    EXPECT_EQ(GetBytes(Buffer), CBytes({1, 2, 3}));

    Buffer.SetPosition(1, bEStreamSeekMode_Begin);
    char arrOut[4] = {};
    EXPECT_EQ(Buffer.Read(arrOut, ~0ul), 2ul);
    EXPECT_EQ(std::string(arrOut), "\2\3");
    EXPECT_EQ(Buffer.GetPosition(), 3);
}

TEST(bCMemoryStream, AssignmentTakesExactlyTheSizeAndThePosition)
{
    bCMemoryStream Source;
    Fill(Source, {9, 8, 7});
    Source.SetPosition(2, bEStreamSeekMode_Begin);
    bCMemoryStream Assigned;
    Fill(Assigned, CBytes(100, 1));
    Assigned = Source;
    EXPECT_EQ(Assigned.GetCapacity(), 3);
    EXPECT_EQ(Assigned.GetPosition(), 2);
    Assigned.Write("\1", 1);
    EXPECT_EQ(GetBytes(Source), CBytes({9, 8, 7})); // no sharing
}

// The last byte first, with k = 2 (rotate by 2), then k = 1: each byte is xored with k,
// rotated left by k and k added.
TEST(bCMemoryStream, EncryptFollowsTheScrambleAndDecryptUndoesIt)
{
    bCMemoryStream Stream;
    Fill(Stream, {0x10, 0x80});
    EXPECT_TRUE(Stream.Encrypt());
    EXPECT_EQ(GetBytes(Stream), CBytes({(((0x10 ^ 1) << 1 | (0x10 ^ 1) >> 7) & 0xFF) + 1,
                                        (((0x80 ^ 2) << 2 | (0x80 ^ 2) >> 6) & 0xFF) + 2}));
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
