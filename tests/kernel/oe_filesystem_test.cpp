#include <vellmark/containers/oe_array.h>
#include <vellmark/kernel/oe_datetime.h>
#include <vellmark/kernel/oe_filesystem.h>
#include <vellmark/kernel/oe_posixfile.h>
#include <vellmark/kernel/oe_posixfilesystem.h>

#include "oe_stream_testsupport.h"
#include "support/oe_versionresource_builder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{
    std::string NotSupplied(std::string const & a_strOperation)
    {
        return "The method  [virtual] bCFileSystem::" + a_strOperation +
               " -> Pure virtual function call! was called, but has not yet been "
               "implemented!";
    }

    struct SSplit
    {
        std::string m_strDrive, m_strDir, m_strName, m_strExt;
        bool operator==(SSplit const &) const = default;
    };

    SSplit Split(char const * a_pcPath)
    {
        bCFileSystem FileSystem;
        bCString strDrive("old"), strDir("old"), strName("old"), strExt("old");
        EXPECT_TRUE(FileSystem.SplitPath(bCString(a_pcPath), strDrive, strDir, strName, strExt));
        return {strDrive.GetText(), strDir.GetText(), strName.GetText(), strExt.GetText()};
    }

    // A temporary folder whose names are engine strings.
    class CTempFolder : public bCTempFolder
    {
    public:
        bCString operator/(char const * a_pcName) const { return bCString(File(a_pcName).c_str()); }
    };
} // namespace

TEST(bCFileSystem, SplitsPathsAndBaseOperationsReportThatTheyAreNotSupplied)
{
    EXPECT_EQ(Split("C:\\data\\maps\\world.tar.gz"), (SSplit{"C:", "/data/maps/", "world.tar", ".gz"}));
    EXPECT_EQ(Split("readme"), (SSplit{"", "", "readme", ""}));
    EXPECT_EQ(Split("1:/x"), (SSplit{"", "1:/", "x", ""}));
    EXPECT_EQ(Split("a.b/c"), (SSplit{"", "a.b/", "c", ""}));
    EXPECT_EQ(Split("x\\\\y//.hidden"), (SSplit{"", "x/y/", "", ".hidden"}));

    bCFileSystem FileSystem;
    bCString strPath("a\\\\b//c///d"), strDir("a/b"), strBackslash("a\\"), strEmpty;
    FileSystem.MakeCommonFilename(strPath);
    EXPECT_STREQ(strPath.GetText(), "a/b/c//d"); // one pass, left to right
    EXPECT_TRUE(FileSystem.MakePathDir(strDir) && FileSystem.MakePathDir(strBackslash));
    EXPECT_TRUE(FileSystem.MakePathDir(strEmpty));
    EXPECT_EQ(strDir + strBackslash + strEmpty, bCString("a/b/a\\/"));

    bCFileSystem const & Const = FileSystem;
    bCString strResult;
    bTObjArray<bCString> arrFound;
    CWarningRecorder Warnings;
    bCString const strF("f");
    EXPECT_EQ(Const.GetResult(), 0);
    EXPECT_TRUE(FileSystem.GetCurrentDirPath().IsEmpty());
    EXPECT_FALSE(FileSystem.DeleteFile(strF) || FileSystem.CopyFile(strF, strF) || FileSystem.RenameFile(strF, strF));
    EXPECT_FALSE(Const.ExistsFile(strF));
    EXPECT_EQ(Const.GetFileSize(strF), -1);
    EXPECT_EQ(FileSystem.GetFileTime(strF).GetDateTime(), 0ull);
    EXPECT_FALSE(FileSystem.MakeAbsolutePath(strResult, strF));
    EXPECT_FALSE(FileSystem.MakePath(strResult, bCString(), bCString(), strF, bCString()));
    EXPECT_FALSE(FileSystem.ChangeDir(strF) || FileSystem.MakeDir(strF) || FileSystem.DeleteDir(strF));
    EXPECT_FALSE(FileSystem.FindFiles(strF, arrFound) || FileSystem.FindDirectories(strF, arrFound));
    std::vector<std::string> const & arrTexts = Warnings.Stop();
    ASSERT_EQ(arrTexts.size(), 15u);
    EXPECT_EQ(arrTexts[0], NotSupplied("GetResult"));
    EXPECT_EQ(arrTexts[14], NotSupplied("FindDirectories"));
}

TEST(bCPosixFileSystem, FilesDirectoriesPathsAndFileTimesOnDisk)
{
    CTempFolder Folder;
    bCPosixFileSystem FileSystem;
    bCString const strFile = Folder / "a.txt";
    {
        bCPosixFile File(strFile, bEFileCreationMode_Write);
        File.WriteLine(bCString("hello"));
    }
    EXPECT_TRUE(FileSystem.ExistsFile(strFile));
    EXPECT_EQ(FileSystem.GetFileSize(strFile), 6);
    EXPECT_TRUE(FileSystem.CopyFile(strFile, Folder / "b.txt"));
    EXPECT_TRUE(FileSystem.RenameFile(Folder / "b.txt", Folder / "c.dat"));
    EXPECT_FALSE(FileSystem.ExistsFile(Folder / "b.txt"));
    EXPECT_TRUE(FileSystem.MakeDir(Folder / "sub"));
    EXPECT_FALSE(FileSystem.MakeDir(Folder / "sub"));
    EXPECT_FALSE(FileSystem.ExistsFile(Folder / "sub"));

    bTObjArray<bCString> arrFound;
    EXPECT_TRUE(FileSystem.FindFiles(Folder / "*.txt", arrFound));
    ASSERT_EQ(arrFound.GetCount(), 1);
    EXPECT_EQ(arrFound[0], strFile);
    EXPECT_TRUE(FileSystem.FindFiles(Folder / "*", arrFound));
    EXPECT_EQ(arrFound.GetCount(), 3); // appended: a.txt, then a.txt and c.dat
    bTObjArray<bCString> arrDirs;
    EXPECT_TRUE(FileSystem.FindDirectories(Folder / "*", arrDirs));
    ASSERT_EQ(arrDirs.GetCount(), 1);
    EXPECT_EQ(arrDirs[0], Folder / "sub");
    EXPECT_FALSE(FileSystem.FindFiles(Folder / "missing/*", arrFound));
    EXPECT_TRUE(FileSystem.DeleteDir(Folder / "sub"));
    EXPECT_FALSE(FileSystem.DeleteDir(Folder / "sub"));
    EXPECT_TRUE(FileSystem.DeleteFile(Folder / "c.dat"));
    EXPECT_FALSE(FileSystem.DeleteFile(Folder / "c.dat"));

    // File times are modification times in 100 ns ticks since 1601.
    std::ofstream(Folder.File("t")) << "t";
    auto const Now = std::chrono::system_clock::now().time_since_epoch();
    long long const i64Now = std::chrono::duration_cast<std::chrono::seconds>(Now).count() + 11644473600ll;
    long long const i64File = static_cast<long long>(FileSystem.GetFileTime(Folder / "t").GetDateTime() / 10000000);
    EXPECT_LE(i64File, i64Now + 2);
    EXPECT_GE(i64File + 600, i64Now);
    EXPECT_EQ(FileSystem.GetFileTime(Folder / "none").GetDateTime(), 0ull);

    bCString const strStart = FileSystem.GetCurrentDirPath();
    ASSERT_FALSE(strStart.IsEmpty());
    EXPECT_EQ(strStart[strStart.GetLength() - 1], '/');
    ASSERT_TRUE(FileSystem.ChangeDir(bCString(Folder.GetPath().c_str())));
    bCString strPath;
    EXPECT_TRUE(FileSystem.MakeAbsolutePath(strPath, bCString("x\\y.txt")));
    EXPECT_EQ(std::string(strPath.GetText()), std::filesystem::canonical(Folder.GetPath()).string() + "/x/y.txt");
    EXPECT_TRUE(FileSystem.ChangeDir(strStart));
    EXPECT_FALSE(FileSystem.ChangeDir(Folder / "missing"));
    EXPECT_TRUE(
        FileSystem.MakePath(strPath, bCString("C:"), bCString("/data/maps"), bCString("world.tar"), bCString("gz")));
    EXPECT_EQ(strPath, bCString("C:/data/maps/world.tar.gz"));
}
