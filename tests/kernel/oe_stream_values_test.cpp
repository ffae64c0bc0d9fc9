#include <vellmark/kernel/oe_datetime.h>
#include <vellmark/kernel/oe_guid.h>
#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_unicodestring.h>
#include <vellmark/kernel/oe_variant.h>

#include "oe_stream_testsupport.h"

#include <gtest/gtest.h>


// A unicode string is its byte count then its units; an odd count keeps the whole units and
// consumes the odd byte, a count beyond the input keeps the announced length.
TEST(bCIStream, UnicodeStringRoundTripOddOrOversizedByteCountsAndLines)
{
    bCMemoryStream Stream;
    EXPECT_EQ(Stream.Write(bCUnicodeString(u"A\u00E4")), 6ul);
    Stream << bCUnicodeString(u'x', 32769); // 65538 bytes: the count wraps to 2
    EXPECT_EQ(GetBytes(Stream), CBytes({4, 0, 0x41, 0, 0xE4, 0, 2, 0, 'x', 0}));
    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    bCUnicodeString strRead;
    EXPECT_EQ(Stream.Read(strRead), 6ul);
    EXPECT_TRUE(strRead == bCUnicodeString(u"A\u00E4"));

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

    // Lines have no length limit, drop carriage returns and consume the line feed.
    bCMemoryStream Lines;
    bCUnicodeString const strLong(u'w', 3000);
    Lines.Write(strLong.GetText(), 6000);
    Lines.Write(u"\nab\r\ncd", 14);
    Lines.SetPosition(0, bEStreamSeekMode_Begin);
    bCUnicodeString strLine;
    EXPECT_EQ(Lines.ReadLine(strLine), 6002ul);
    EXPECT_TRUE(strLine == strLong);
    EXPECT_EQ(Lines.ReadLine(strLine), 8ul);
    EXPECT_TRUE(strLine == bCUnicodeString(u"ab"));
    EXPECT_EQ(Lines.ReadLine(strLine), 4ul);
    strLine = u"kept";
    EXPECT_EQ(Lines.ReadLine(strLine), 0ul);
    EXPECT_TRUE(strLine == bCUnicodeString(u"kept"));
}

// A GUID is its sixteen bytes, a validity byte (any non-zero is valid) and three zero bytes;
// a date is its 64-bit value.
TEST(bCOStream, GuidDateTimeAndVariantForms)
{
    _GUID Raw;
    for (int i = 0; i < 16; ++i)
        reinterpret_cast<unsigned char *>(&Raw)[i] = static_cast<unsigned char>(i + 1);
    bCGuid const Guid(Raw);
    bCGuid Invalid(Raw);
    Invalid.MakeInvalidGuid();
    bCMemoryStream Stream;
    EXPECT_EQ(Stream.Write(Guid), 20ul);
    Stream << Invalid << bCDateTime(0x0102030405060708ull);
    CBytes arrExpected;
    for (int i = 0; i < 40; ++i)
        arrExpected.push_back(static_cast<unsigned char>(i % 20 < 16 ? i % 20 + 1 : i == 16)); // 1 valid, 0 not
    arrExpected.insert(arrExpected.end(), {8, 7, 6, 5, 4, 3, 2, 1});
    EXPECT_EQ(GetBytes(Stream), arrExpected);

    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    bCGuid Read;
    bCDateTime Time;
    EXPECT_EQ(Stream.Read(Read), 20ul);
    EXPECT_TRUE(Read.IsValid() && Read == Guid);
    Stream >> Read >> Time;
    EXPECT_FALSE(Read.IsValid());
    EXPECT_EQ(Time.GetDateTime(), 0x0102030405060708ull);
    CBytes arrOdd(20, 0);
    arrOdd[16] = 0x80;
    Fill(Stream, arrOdd);
    EXPECT_EQ(Stream.Read(Read), 20ul);
    EXPECT_TRUE(Read.IsValid());

    bCMemoryStream Texts;
    EXPECT_EQ(Texts.Write(bCVariant("x")), 7ul);
    EXPECT_EQ(GetBytes(Texts), CBytes({0x0E, 0, 0, 0, 1, 0, 'x'}));

    bCMemoryStream Values;
    Values << bCVariant(-2l) << bCVariant(1.0);
    EXPECT_EQ(GetBytes(Values), CBytes({6,  0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0,    0,       // i32: 4 bytes, zeros
                                        12, 0, 0, 0, 0,    0,    0,    0,    0, 0, 0xF0, 0x3F})); // double
    Values << bCVariant("hello") << bCVariant("");
    Values.SetPosition(0, bEStreamSeekMode_Begin);
    bCVariant arrRead[2];
    for (bCVariant & Variant : arrRead)
        EXPECT_EQ(Values.Read(Variant), 12ul);
    EXPECT_EQ(arrRead[0].GetI32(), -2);
    EXPECT_EQ(arrRead[1].GetDouble(), 1.0);
    bCVariant Variant("previous text"); // a text is copied and replaces an owned text
    EXPECT_EQ(Values.Read(Variant), 11ul);
    EXPECT_STREQ(Variant.GetString(), "hello");
    EXPECT_EQ(Values.Read(Variant), 6ul);
    EXPECT_EQ(Variant.GetString(), nullptr);
}

TEST(bCIStream, VariantOfUnknownTypeOrCutShort)
{
    bCMemoryStream Stream;
    bCVariant Variant(static_cast<unsigned long>(7));
    EXPECT_EQ(Stream.Read(Variant), 0ul); // nothing reached: the value is kept
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
