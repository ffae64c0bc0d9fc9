// The file calls beneath the POSIX file: open modes, transfers and listings on
// real files in a temporary folder.

#include <vellmark/platform/oe_posixio.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
    namespace fs = std::filesystem;

    // Writes a_strText to a_Path opened in a_eMode and closes it again.
    void Put(fs::path const & a_Path, OEFileOpenMode a_eMode, std::string const & a_strText)
    {
        int iError = -1;
        int const iFile = OEFileOpen(a_Path.c_str(), a_eMode, iError);
        ASSERT_GE(iFile, 0);
        EXPECT_EQ(iError, 0);
        EXPECT_EQ(OEFileWrite(iFile, a_strText.data(), a_strText.size(), iError), a_strText.size());
        EXPECT_EQ(OEFileClose(iFile), 0);
    }
} // namespace

TEST(OEPosixIO, OpenModesCreateEmptyOrAppend)
{
    fs::path const Dir = fs::temp_directory_path() / ("vellmark-posixio-" + std::to_string(getpid()));
    fs::create_directories(Dir);
    fs::path const File = Dir / "a.txt";
    int iError = 0;
    EXPECT_EQ(OEFileOpen(File.c_str(), OEFileOpen_Read, iError), -1); // reading needs the file
    EXPECT_EQ(iError, ENOENT);
    Put(File, OEFileOpen_Append, "ab"); // creates
    Put(File, OEFileOpen_Append, "cd"); // appends
    OEFileStatus Status{};
    ASSERT_EQ(OEGetFileStatus(File.c_str(), Status), 0);
    EXPECT_EQ(Status.m_i64Size, 4);
    EXPECT_TRUE(Status.m_bRegular);
    Put(File, OEFileOpen_Write, "x"); // empties
    ASSERT_EQ(OEGetFileStatus(File.c_str(), Status), 0);
    EXPECT_EQ(Status.m_i64Size, 1);

    int const iFile = OEFileOpen(File.c_str(), OEFileOpen_Read, iError);
    char carrText[4] = {};
    EXPECT_EQ(OEFileRead(iFile, carrText, sizeof(carrText), iError), 1u); // fewer at the end, no error
    EXPECT_EQ(iError, 0);
    EXPECT_EQ(OEFileLength(iFile), 1);
    OEFileClose(iFile);

    ASSERT_EQ(OEMakeDirectory((Dir / "sub").c_str()), 0);
    std::vector<std::string> arrNames;
    EXPECT_EQ(OEListDirectory((Dir.string() + "/").c_str(), "*", false, arrNames), 0);
    EXPECT_EQ(arrNames, std::vector<std::string>{"a.txt"});
    arrNames.clear();
    EXPECT_EQ(OEListDirectory((Dir.string() + "/").c_str(), "*", true, arrNames), 0);
    EXPECT_EQ(arrNames, std::vector<std::string>{"sub"});
    fs::remove_all(Dir);
}
