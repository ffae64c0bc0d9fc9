#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/kernel/oe_unicodestring.h>

#include "oe_stream_testsupport.h"

#include <gtest/gtest.h>

#include <tuple>

namespace
{
    std::string const kImproperInt = "The method bCOStream::Write( OEInt ) detected an improper usage! \nHint:"
                                     "Integer-persistence poses a cross-processor incompatibility threat. Consider "
                                     "using explicit byte-size-types such as OEU32 etc. ";

    // A stream whose string hook reads strings after one marker byte.
    class CHookedStream : public bCMemoryStream
    {
    public:
        OE_STREAM_USING_BASES(bCMemoryStream);
        unsigned long Read(bCString & a_strValue) override
        {
            unsigned char u8Marker = 0;
            return Read(u8Marker) + bCMemoryStream::Read(a_strValue);
        }
    };

    std::string Bytes(bCString const & a_strText)
    {
        return std::string(a_strText.GetText(), static_cast<size_t>(a_strText.GetLength()));
    }

    // A mix of every fixed-width type, a string and a line.
    void WriteMix(bCOStream & a_Stream)
    {
        a_Stream << 'c' << static_cast<unsigned char>(200) << static_cast<signed char>(-3)
                 << static_cast<unsigned short>(0xBEEF) << static_cast<short>(-2) << 0xDEADBEEFul << -5l
                 << 0x0102030405060708ull << -6ll << true << 1.5f << -2.25 << bCString("text");
    }

    // The values of WriteMix, read one by one.
    struct SMix
    {
        char c = 0;
        unsigned char u8 = 0;
        signed char i8 = 0;
        unsigned short u16 = 0;
        short i16 = 0;
        unsigned long u32 = 0;
        long i32 = 0;
        unsigned long long u64 = 0;
        long long i64 = 0;
        bool b = false;
        float f = 0;
        double d = 0;
        bCString str;

        auto Tie() const { return std::tie(c, u8, i8, u16, i16, u32, i32, u64, i64, b, f, d, str); }
        unsigned long Read(bCIStream & a_Stream)
        {
            return a_Stream.Read(c) + a_Stream.Read(u8) + a_Stream.Read(i8) + a_Stream.Read(u16) + a_Stream.Read(i16) +
                   a_Stream.Read(u32) + a_Stream.Read(i32) + a_Stream.Read(u64) + a_Stream.Read(i64) +
                   a_Stream.Read(b) + a_Stream.Read(f) + a_Stream.Read(d) + a_Stream.Read(str);
        }
    };
} // namespace

// A long travels as its low 32 bits, a string as count then characters, a line without count,
// a text literal as a string (not as a bool); an overlong string keeps count and text together.
TEST(bCOStream, FundamentalTypesUseTheFixedLittleEndianFormAndNativeIntegersWarn)
{
    bCMemoryStream Stream;
    EXPECT_EQ(Stream.Write(0x1122334412345678ul), 4ul);
    EXPECT_EQ(Stream.Write(true), 1ul);
    EXPECT_EQ(Stream.Write(1.0), 8ul);
    EXPECT_EQ(Stream.Write(bCString("abc")), 5ul);
    EXPECT_EQ(Stream.Write(bCString()) + Stream.WriteLine(bCString("ab")), 5ul);
    Stream << "ab";
    "c" >> Stream;
    EXPECT_EQ(Stream.Write(bCString('x', 65537)), 3ul);
    EXPECT_EQ(GetBytes(Stream), CBytes({0x78, 0x56, 0x34, 0x12, 0x01, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 3, 0, 'a', 'b',
                                        'c', 0, 0, 'a', 'b', 10, 2, 0, 'a', 'b', 1, 0, 'c', 1, 0, 'x'}));

    bCMemoryStream Ints;
    {
        CWarningRecorder Warnings;
        EXPECT_EQ(Ints.Write(-2), 4ul);
        Ints << 5u;
        3 >> Ints;
        EXPECT_EQ(Warnings.Count(kImproperInt), 2);
        EXPECT_EQ(Warnings.Count("bCOStream::Write( OEUInt )"), 1);
    }
    EXPECT_EQ(GetBytes(Ints), CBytes({0xFE, 0xFF, 0xFF, 0xFF, 5, 0, 0, 0, 3, 0, 0, 0}));
    Ints.SetPosition(0, bEStreamSeekMode_Begin);
    int iValue = 0;
    unsigned int uValue = 0;
    CWarningRecorder Warnings;
    Ints >> iValue >> uValue;
    EXPECT_EQ(Warnings.Count("bCOutputStream::Read( OEInt )") + Warnings.Count("Read( OEUInt )"), 2);
    EXPECT_EQ(iValue + static_cast<int>(uValue), 3);
}

TEST(bCIStream, ReadsBackEveryFundamentalTypeStringsThroughTheHookAndLines)
{
    bCMemoryStream Stream;
    WriteMix(Stream);
    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    SMix M;
    Stream >> M.c >> M.u8 >> M.i8 >> M.u16 >> M.i16 >> M.u32 >> M.i32 >> M.u64 >> M.i64 >> M.b >> M.f >> M.d >> M.str;
    // The 32-bit values: unsigned zero-extended, signed sign-extended.
    SMix const Expected{'c',   200,  -3,   0xBEEF, -2,   0xDEADBEEFul, -5l, 0x0102030405060708ull,
                        -6ll, true, 1.5f, -2.25,  bCString("text")};
    EXPECT_TRUE(M.Tie() == Expected.Tie());

    // A count of zero gives an empty string without a buffer.
    Fill(Stream, {0, 0});
    bCString strValue("old");
    EXPECT_EQ(Stream.Read(strValue), 2ul);
    EXPECT_EQ(strValue.GetRefCount(), 0);

    CHookedStream Hooked; // the string hook carries every typed string
    Fill(Hooked, {0xAA, 1, 0, 'a', 0xAA, 1, 0, 'b'});
    bCString strA, strB;
    Hooked >> strA;
    strB << Hooked;
    EXPECT_EQ(strA + strB, bCString("ab"));

    // ReadLine drops carriage returns, consumes the line feed and has no length limit.
    bCMemoryStream Lines;
    bCString const strLong('q', 5000);
    Lines.WriteLine(strLong);
    Lines.Write("a\rb\nc", 5);
    Lines.SetPosition(0, bEStreamSeekMode_Begin);
    bCString strLine("old");
    EXPECT_EQ(Lines.ReadLine(strLine), 5001ul);
    EXPECT_EQ(strLine, strLong);
    EXPECT_EQ(Lines.ReadLine(strLine), 4ul);
    EXPECT_EQ(strLine, bCString("ab"));
    EXPECT_EQ(Lines.ReadLine(strLine), 1ul);
    EXPECT_EQ(strLine, bCString("c"));
    EXPECT_EQ(Lines.ReadLine(strLine), 0ul);
    EXPECT_TRUE(strLine.IsEmpty());
}

// Bad input: every typed read of a cut stream returns what it transferred and
// the stream stays usable.
TEST(bCIStream, TruncatedInputAtEveryBytePositionAndCountsBeyondTheInput)
{
    bCMemoryStream Source;
    WriteMix(Source);
    CBytes const arrAll = GetBytes(Source);
    for (size_t uCut = 0; uCut <= arrAll.size(); ++uCut)
    {
        bCMemoryStream Stream;
        Fill(Stream, CBytes(arrAll.begin(), arrAll.begin() + static_cast<long>(uCut)));
        SMix M;
        EXPECT_EQ(M.Read(Stream), uCut);
        ASSERT_TRUE(Stream.SetPosition(0, bEStreamSeekMode_Begin));
        Stream.SetPosition(0, bEStreamSeekMode_End);
        Stream.Write(arrAll.data() + uCut, static_cast<unsigned long>(arrAll.size() - uCut));
        EXPECT_EQ(GetBytes(Stream), arrAll);
    }

    // Counts that announce more than the input holds: the announced length is kept, what was not
    // delivered is zero (also where the destination's buffer held text before), and the stream
    // stays at its end.
    bCMemoryStream Input;
    Fill(Input, {0xFF, 0xFF, 'a', 'b'});
    bCString strValue("xyz");
    EXPECT_EQ(Input.Read(strValue), 4ul);
    EXPECT_EQ(strValue.GetLength(), 65535);
    EXPECT_EQ(Bytes(strValue).substr(0, 4), std::string("ab\0\0", 4));
    long lValue = 3;
    EXPECT_EQ(Input.Read(lValue), 0ul);
    EXPECT_EQ(lValue, 3);

    Fill(Input, {3, 0, 'a', 'b'}); // cut by a single byte
    strValue = "xyz";
    EXPECT_EQ(Input.Read(strValue), 4ul);
    EXPECT_EQ(Bytes(strValue), std::string("ab\0", 3));
    Fill(Input, {4, 0, 'a', 0, 'b'});
    bCUnicodeString strWide(u"x\u4e00");
    EXPECT_EQ(Input.Read(strWide), 5ul);
    EXPECT_EQ(std::u16string(strWide.GetText(), 2), std::u16string(u"ab"));
}
