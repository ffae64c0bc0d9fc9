#include <vellmark/kernel/oe_datetime.h>
#include <vellmark/kernel/oe_guid.h>
#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_unicodestring.h>
#include <vellmark/kernel/oe_variant.h>

#include "oe_stream_testsupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
    bCGuid MakeGuid()
    {
        _GUID Guid;
        unsigned char arrBytes[16];
        for (int i = 0; i < 16; ++i)
            arrBytes[i] = static_cast<unsigned char>(i + 1);
        std::memcpy(&Guid, arrBytes, 16);
        return bCGuid(Guid);
    }
} // namespace

TEST(bCOStream, UnicodeStringCountsBytes)
{
    bCMemoryStream Stream;
    EXPECT_EQ(Stream.Write(bCUnicodeString(u"A\u00E4")), 6ul);
    EXPECT_EQ(Stream.Write(bCUnicodeString(u'x', 32769)), 4ul); // 65538 bytes: the count wraps to 2
    EXPECT_EQ(GetBytes(Stream), CBytes({4, 0, 0x41, 0, 0xE4, 0, 2, 0, 'x', 0}));
}

TEST(bCIStream, UnicodeStringRoundTripAndOddByteCounts)
{
    bCMemoryStream Stream;
    bCUnicodeString const strSource(u"w\u00F6rld");
    Stream << strSource;
    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    bCUnicodeString strRead;
    EXPECT_EQ(Stream.Read(strRead), 12ul);
    EXPECT_TRUE(strRead == strSource);

    // Five bytes announced: two whole units kept, the odd byte consumed.
    Fill(Stream, {5, 0, 'a', 0, 'b', 0, 'c', 9, 0, 0, 0});
    EXPECT_EQ(Stream.Read(strRead), 7ul);
    EXPECT_TRUE(strRead == bCUnicodeString(u"ab"));
    long lNext = 0;
    EXPECT_EQ(Stream.Read(lNext), 4ul);
    EXPECT_EQ(lNext, 9);

    Fill(Stream, {0xFF, 0xFF, 'q', 0});
    EXPECT_EQ(Stream.Read(strRead), 4ul);
    EXPECT_EQ(strRead.GetLength(), 32767);
    EXPECT_EQ(strRead.GetText()[0], u'q');
}

TEST(bCIStream, UnicodeReadLine)
{
    bCMemoryStream Stream;
    bCUnicodeString const strLong(u'w', 3000);
    Stream.Write(strLong.GetText(), 6000);
    Stream.Write(u"\nab\r\ncd", 14);
    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    bCUnicodeString strLine;
    EXPECT_EQ(Stream.ReadLine(strLine), 6002ul);
    EXPECT_TRUE(strLine == strLong);
    EXPECT_EQ(Stream.ReadLine(strLine), 8ul);
    EXPECT_TRUE(strLine == bCUnicodeString(u"ab"));
    EXPECT_EQ(Stream.ReadLine(strLine), 4ul);
    strLine = u"kept";
    EXPECT_EQ(Stream.ReadLine(strLine), 0ul);
    EXPECT_TRUE(strLine == bCUnicodeString(u"kept"));
}

TEST(bCOStream, GuidIsItsSixteenBytesValidityAndZeroFiller)
{
    bCMemoryStream Stream;
    bCGuid const Guid = MakeGuid();
    EXPECT_EQ(Stream.Write(Guid), 20ul);
    bCGuid Invalid = MakeGuid();
    Invalid.MakeInvalidGuid();
    Stream << Invalid;
    CBytes arrExpected;
    for (int i = 0; i < 40; ++i)
        arrExpected.push_back(static_cast<unsigned char>(i % 20 < 16 ? i % 20 + 1 : i == 16)); // 1 valid, 0 not
    EXPECT_EQ(GetBytes(Stream), arrExpected);

    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    bCGuid Read;
    EXPECT_EQ(Stream.Read(Read), 20ul);
    EXPECT_TRUE(Read.IsValid() && Read == Guid);
    Stream >> Read;
    EXPECT_FALSE(Read.IsValid());
    CBytes arrOdd(20, 0);
    arrOdd[16] = 0x80; // any non-zero validity byte is valid
    Fill(Stream, arrOdd);
    EXPECT_EQ(Stream.Read(Read), 20ul);
    EXPECT_TRUE(Read.IsValid());
}

TEST(bCOStream, DateTimeIsItsSixtyFourBitValue)
{
    bCMemoryStream Stream;
    Stream << bCDateTime(0x0102030405060708ull);
    EXPECT_EQ(GetBytes(Stream), CBytes({8, 7, 6, 5, 4, 3, 2, 1}));
    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    bCDateTime Time;
    Stream >> Time;
    EXPECT_EQ(Time.GetDateTime(), 0x0102030405060708ull);
}

TEST(bCOStream, VariantIsTypeThenValueOrText)
{
    bCMemoryStream Stream;
    EXPECT_EQ(Stream.Write(bCVariant("x")), 7ul);
    EXPECT_EQ(GetBytes(Stream), CBytes({0x0E, 0, 0, 0, 1, 0, 'x'}));

    bCMemoryStream Values;
    Values << bCVariant(-2l) << bCVariant(1.0);
    EXPECT_EQ(GetBytes(Values), CBytes({6,  0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0,    0,       // i32: 4 bytes, zeros
                                        12, 0, 0, 0, 0,    0,    0,    0,    0, 0, 0xF0, 0x3F})); // double
    Values.SetPosition(0, bEStreamSeekMode_Begin);
    bCVariant arrRead[2];
    for (bCVariant & Variant : arrRead)
        EXPECT_EQ(Values.Read(Variant), 12ul);
    EXPECT_EQ(arrRead[0].GetI32(), -2);
    EXPECT_EQ(arrRead[1].GetDouble(), 1.0);
}

TEST(bCIStream, VariantTextIsCopiedAndReplacesAnOwnedText)
{
    bCMemoryStream Stream;
    Stream << bCVariant("hello") << bCVariant("");
    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    bCVariant Variant("previous text");
    EXPECT_EQ(Stream.Read(Variant), 11ul);
    EXPECT_STREQ(Variant.GetString(), "hello");
    EXPECT_EQ(Stream.Read(Variant), 6ul);
    EXPECT_EQ(Variant.GetString(), nullptr);
}

TEST(bCIStream, VariantOfUnknownTypeOrCutShort)
{
    bCMemoryStream Stream;
    bCVariant Variant(static_cast<unsigned long>(7));
    EXPECT_EQ(Stream.Read(Variant), 0ul); // nothing reached: the value is kept
    EXPECT_EQ(Variant.GetType(), bCVariant::bEType_U32);
    EXPECT_EQ(Variant.GetU32(), 7ul);
    Fill(Stream, {0x06, 0, 0, 0, 0xFE, 0xFF});
    EXPECT_EQ(Stream.Read(Variant), 6ul);
    EXPECT_EQ(Variant.GetType(), bCVariant::bEType_I32);
    EXPECT_EQ(Variant.GetI32(), 0xFFFEl); // FE FF over the bytes 07 00 00 00 of the old value

    Fill(Stream, {0x63, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 0x0E, 0, 0, 0, 9, 0, 'a'});
    EXPECT_EQ(Stream.Read(Variant), 12ul);
    EXPECT_EQ(static_cast<int>(Variant.GetType()), 0x63);
    EXPECT_EQ(Variant.GetU64(), 0x0807060504030201ull);
    Variant.Init(); // an unknown type owns nothing
    EXPECT_EQ(Stream.Read(Variant), 7ul);
    ASSERT_EQ(Variant.GetType(), bCVariant::bEType_String);
    EXPECT_STREQ(Variant.GetString(), "a"); // the undelivered characters are zero
}
