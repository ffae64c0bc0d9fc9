#include <vellmark/kernel/oe_file.h>
#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_posixfile.h>

#include "oe_stream_testsupport.h"
#include "support/oe_versionresource_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace
{
    // A file that supplies only what a concrete file must: the stream's Seek.
    class CMinimalFile : public bCFile
    {
    public:
        using bCFile::Seek;
        bool Seek(long long, bEStreamSeekMode) override { return true; }
    };

    // A file of fixed length and position, to see the conveniences at work.
    class CFixedFile : public CMinimalFile
    {
    public:
        using CMinimalFile::Seek;
        CFixedFile(long long a_i64Position, long long a_i64Length) :
            m_i64Position(a_i64Position), m_i64Length(a_i64Length)
        {
        }
        long long GetPosition() const override { return m_i64Position; }
        long long GetLength() const override { return m_i64Length; }
        bool Seek(long long a_i64Offset, bEStreamSeekMode a_eMode) const override
        {
            m_arrSeeks.push_back({a_i64Offset, a_eMode});
            return true;
        }
        long long m_i64Position;
        long long m_i64Length;
        mutable std::vector<std::pair<long long, int>> m_arrSeeks;
    };

    std::string NotSupplied(std::string const & a_strOperation)
    {
        return "The method  [virtual] " + a_strOperation +
               " -> Pure virtual function call! was called, but has not yet "
               "been implemented!";
    }

} // namespace

TEST(bCFile, BaseOperationsReportThatTheyAreNotSupplied)
{
    CMinimalFile File;
    bCFile const & ConstFile = File;
    CWarningRecorder Warnings;
    long lValue = 0;
    EXPECT_EQ(File.GetLength(), -1);
    EXPECT_EQ(File.GetPosition(), -1);
    EXPECT_FALSE(File.IsValid() || File.IsOpen());
    EXPECT_FALSE(File.Open(bCString("x"), bEFileCreationMode_Read));
    EXPECT_FALSE(File.Close());
    EXPECT_FALSE(ConstFile.Seek(0, bEStreamSeekMode_Begin));
    EXPECT_EQ(File.Read(lValue) + File.Write(lValue), 0ul); // raw transfers report through the stream bases
    std::vector<std::string> const arrExpected = {
        NotSupplied("bCFile::GetLength"), NotSupplied("bCFile::GetPosition"), NotSupplied("bCFile::IsValid"),
        NotSupplied("bCFile::IsOpen"),    NotSupplied("bCFile::Open"),        NotSupplied("bCFile::Close"),
        NotSupplied("bCFile::Seek"),      NotSupplied("bCIStream::Read"),     NotSupplied("bCOStream::Write")};
    EXPECT_EQ(Warnings.Stop(), arrExpected);
}

TEST(bCFile, EofAndTheSeekConveniences)
{
    EXPECT_TRUE(CFixedFile(10, 10).Eof());
    EXPECT_TRUE(CFixedFile(11, 10).Eof());
    CFixedFile Inside(9, 10);
    EXPECT_FALSE(Inside.Eof());
    EXPECT_TRUE(Inside.SeekToBegin() && Inside.SeekToEnd());
    std::vector<std::pair<long long, int>> const arrSeeks = {{0, bEStreamSeekMode_Begin}, {0, bEStreamSeekMode_End}};
    EXPECT_EQ(Inside.m_arrSeeks, arrSeeks);
}

TEST(bCPosixFile, WritesAndReadsTheWireFormatOnDisk)
{
    bCTempFolder Folder;
    bCString const strName(Folder.File("data.bin").c_str());
    {
        bCPosixFile File(strName, bEFileCreationMode_Write);
        ASSERT_TRUE(File.IsOpen());
        File << bCString("abc") << 0x12345678ul << true;
        EXPECT_EQ(File.GetPosition(), 10);
        EXPECT_TRUE(File.Close());
        EXPECT_FALSE(File.Close());
    }
    std::ifstream Raw(strName.GetText(), std::ios::binary);
    std::string const strRaw((std::istreambuf_iterator<char>(Raw)), std::istreambuf_iterator<char>());
    EXPECT_EQ(strRaw, std::string("\3\0abc\x78\x56\x34\x12\1", 10));

    bCPosixFile File(strName, bEFileCreationMode_Read);
    ASSERT_TRUE(File.IsValid());
    EXPECT_EQ(File.GetLength(), 10);
    bCString strValue;
    unsigned long uValue = 0;
    bool bValue = false;
    File >> strValue >> uValue >> bValue;
    EXPECT_EQ(strValue, bCString("abc"));
    EXPECT_EQ(uValue, 0x12345678ul);
    EXPECT_TRUE(bValue);
    EXPECT_TRUE(File.Eof());
    EXPECT_EQ(File.Read(uValue), 0ul); // the end: nothing more
}

TEST(bCPosixFile, SeekingStaysWithinTheFileAndReadAllFillsAMemoryStream)
{
    bCTempFolder Folder;
    bCPosixFile File(bCString(Folder.File("seek.bin").c_str()), bEFileCreationMode_Create);
    ASSERT_TRUE(File.IsOpen());
    std::string const strContent = std::string(5000, 'z') + "0123456789";
    File.Write(strContent.data(), 5010);
    EXPECT_TRUE(File.Seek(2, bEStreamSeekMode_End));
    EXPECT_EQ(File.GetPosition(), 5008);
    EXPECT_FALSE(File.Seek(5011, bEStreamSeekMode_Begin));
    EXPECT_FALSE(File.Seek(-5009, bEStreamSeekMode_Current));
    EXPECT_EQ(File.GetPosition(), 5008);
    EXPECT_TRUE(File.SeekToEnd());
    EXPECT_TRUE(File.Eof());
    EXPECT_TRUE(File.SeekToBegin());

    bCMemoryStream Stream;
    ASSERT_TRUE(File.ReadAll(Stream));
    EXPECT_EQ(GetBytes(Stream), CBytes(strContent.begin(), strContent.end()));
    // At the end there is nothing left: that is success, also into an empty stream.
    bCMemoryStream Empty;
    EXPECT_TRUE(File.ReadAll(Empty));
    EXPECT_EQ(Empty.GetSize(), 0);
}

TEST(bCPosixFile, OpenModesAndFailures)
{
    bCTempFolder Folder;
    bCString const strName(Folder.File("modes.txt").c_str());
    bCPosixFile File;
    EXPECT_FALSE(File.Open(strName, bEFileCreationMode_Read));
    EXPECT_NE(File.GetResult(), 0);
    EXPECT_FALSE(File.IsOpen());
    EXPECT_EQ(File.GetLength(), -1);
    EXPECT_EQ(File.GetPosition(), -1);
    EXPECT_EQ(File.Write("x", 1), 0ul);
    ASSERT_TRUE(File.Open(strName, bEFileCreationMode_Write));
    File.WriteLine(bCString("one"));
    ASSERT_TRUE(File.Open(strName, bEFileCreationMode_Append));
    File.WriteLine(bCString("two"));
    ASSERT_TRUE(File.Open(strName, bEFileCreationMode_ReadWrite));
    bCString strLine;
    EXPECT_EQ(File.ReadLine(strLine), 4ul);
    EXPECT_EQ(strLine, bCString("one"));
    EXPECT_EQ(File.ReadLine(strLine), 4ul);
    EXPECT_EQ(strLine, bCString("two"));
    ASSERT_TRUE(File.Open(strName, bEFileCreationMode_Create));
    EXPECT_EQ(File.GetLength(), 0);
}
