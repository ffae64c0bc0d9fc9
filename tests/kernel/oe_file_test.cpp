#include <vellmark/kernel/oe_file.h>
#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_posixfile.h>

#include "oe_stream_testsupport.h"
#include "support/oe_versionresource_builder.h"

#include <gtest/gtest.h>

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
    std::vector<std::string> const & arrTexts = Warnings.Stop();
    ASSERT_EQ(arrTexts.size(), 9u);
    EXPECT_EQ(arrTexts[0], NotSupplied("bCFile::GetLength"));
    EXPECT_EQ(arrTexts[8], NotSupplied("bCOStream::Write"));
}

// The wire format on disk; seeking stays within the file; ReadAll fills a memory stream.
TEST(bCPosixFile, WritesReadsSeeksAndOpensInEveryModeOnDisk)
{
    bCTempFolder Folder;
    bCString const strName(Folder.File("data.bin").c_str());
    {
        bCPosixFile File(strName, bEFileCreationMode_Write);
        ASSERT_TRUE(File.IsOpen());
        File << bCString("abc") << 0x12345678ul << true;
        File.Write(std::string(5000, 'z').data(), 5000);
        EXPECT_TRUE(File.Close());
        EXPECT_FALSE(File.Close());
    }
    std::ifstream Raw(strName.GetText(), std::ios::binary);
    std::string const strRaw((std::istreambuf_iterator<char>(Raw)), std::istreambuf_iterator<char>());
    EXPECT_EQ(strRaw, std::string("\3\0abc\x78\x56\x34\x12\1", 10) + std::string(5000, 'z'));

    bCPosixFile File(strName, bEFileCreationMode_Read);
    ASSERT_TRUE(File.IsValid());
    bCString strValue;
    unsigned long uValue = 0;
    File >> strValue >> uValue;
    EXPECT_EQ(strValue, bCString("abc"));
    EXPECT_EQ(uValue, 0x12345678ul);
    EXPECT_EQ(File.GetPosition(), 9);
    EXPECT_TRUE(File.Seek(2, bEStreamSeekMode_End));
    EXPECT_EQ(File.GetPosition(), 5008);
    EXPECT_FALSE(File.Seek(5011, bEStreamSeekMode_Begin));
    EXPECT_FALSE(File.Seek(-5009, bEStreamSeekMode_Current));
    EXPECT_EQ(File.GetPosition(), 5008);
    EXPECT_FALSE(File.Eof());
    EXPECT_TRUE(File.SeekToEnd() && File.Eof());
    EXPECT_TRUE(File.SeekToBegin());

    bCMemoryStream Stream;
    ASSERT_TRUE(File.ReadAll(Stream));
    EXPECT_EQ(GetBytes(Stream), CBytes(strRaw.begin(), strRaw.end()));
    bCMemoryStream Empty; // at the end nothing is left: that is success
    EXPECT_TRUE(File.ReadAll(Empty));

    // Opening fails without the file; every mode opens it again.
    bCString const strModes(Folder.File("modes.txt").c_str());
    bCPosixFile Modes;
    EXPECT_FALSE(Modes.Open(strModes, bEFileCreationMode_Read));
    EXPECT_NE(Modes.GetResult(), 0);
    EXPECT_EQ(Modes.Write("x", 1), 0ul);
    ASSERT_TRUE(Modes.Open(strModes, bEFileCreationMode_Write));
    Modes.WriteLine(bCString("one"));
    ASSERT_TRUE(Modes.Open(strModes, bEFileCreationMode_Append));
    Modes.WriteLine(bCString("two"));
    ASSERT_TRUE(Modes.Open(strModes, bEFileCreationMode_ReadWrite));
    bCString strLine, strSecond;
    Modes.ReadLine(strLine);
    Modes.ReadLine(strSecond);
    EXPECT_EQ(strLine + strSecond, bCString("onetwo"));
    ASSERT_TRUE(Modes.Open(strModes, bEFileCreationMode_Create));
    EXPECT_EQ(Modes.GetLength(), 0);
}
