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

TEST(bCFileSystem, SplitPathSeparatesDriveDirNameAndExtension)
{
    EXPECT_EQ(Split("C:\\data\\maps\\world.tar.gz"), (SSplit{"C:", "/data/maps/", "world.tar", ".gz"}));
    EXPECT_EQ(Split("readme"), (SSplit{"", "", "readme", ""}));
    EXPECT_EQ(Split("dir/"), (SSplit{"", "dir/", "", ""}));
    EXPECT_EQ(Split("1:/x"), (SSplit{"", "1:/", "x", ""}));
    EXPECT_EQ(Split("z:"), (SSplit{"", "", "z:", ""}));
    EXPECT_EQ(Split("a.b/c"), (SSplit{"", "a.b/", "c", ""}));
    EXPECT_EQ(Split("x\\\\y//.hidden"), (SSplit{"", "x/y/", "", ".hidden"}));
    EXPECT_EQ(Split(""), (SSplit{"", "", "", ""}));
}

TEST(bCFileSystem, CommonFilenamesAndDirectoryPaths)
{
    bCFileSystem FileSystem;
    struct
    {
        char const * m_pcPath;
        bool m_bDir;
        char const * m_pcExpected;
    } const arrCases[] = {
        {"a\\\\b//c", false, "a/b/c"}, {"a///b", false, "a//b"}, // one pass, left to right
        {"a/b", true, "a/b/"},         {"a\\", true, "a\\"},
        {"", true, "/"},
    };
    for (auto const & Case : arrCases)
    {
        bCString strPath(Case.m_pcPath);
        if (Case.m_bDir)
            EXPECT_TRUE(FileSystem.MakePathDir(strPath));
        else
            FileSystem.MakeCommonFilename(strPath);
        EXPECT_STREQ(strPath.GetText(), Case.m_pcExpected);
    }
}

TEST(bCFileSystem, BaseOperationsReportThatTheyAreNotSupplied)
{
    bCFileSystem FileSystem;
    bCFileSystem const & Const = FileSystem;
    bCString strResult;
    bTObjArray<bCString> arrFound;
    CWarningRecorder Warnings;
    EXPECT_EQ(Const.GetResult(), 0);
    EXPECT_TRUE(FileSystem.GetCurrentDirPath().IsEmpty());
    EXPECT_FALSE(FileSystem.DeleteFile(bCString("f")));
    EXPECT_FALSE(FileSystem.CopyFile(bCString("f"), bCString("g")));
    EXPECT_FALSE(FileSystem.RenameFile(bCString("f"), bCString("g")));
    EXPECT_FALSE(Const.ExistsFile(bCString("f")));
    EXPECT_EQ(Const.GetFileSize(bCString("f")), -1);
    EXPECT_EQ(FileSystem.GetFileTime(bCString("f")).GetDateTime(), 0ull);
    EXPECT_FALSE(FileSystem.MakeAbsolutePath(strResult, bCString("f")));
    EXPECT_FALSE(FileSystem.MakePath(strResult, bCString(), bCString(), bCString("f"), bCString()));
    EXPECT_FALSE(FileSystem.ChangeDir(bCString("d")));
    EXPECT_FALSE(FileSystem.MakeDir(bCString("d")));
    EXPECT_FALSE(FileSystem.DeleteDir(bCString("d")));
    EXPECT_FALSE(FileSystem.FindFiles(bCString("*"), arrFound));
    EXPECT_FALSE(FileSystem.FindDirectories(bCString("*"), arrFound));
    std::vector<std::string> const arrExpected = {
        NotSupplied("GetResult"),   NotSupplied("GetCurrentDirPath"), NotSupplied("DeleteFile"),
        NotSupplied("CopyFile"),    NotSupplied("RenameFile"),        NotSupplied("ExistsFile"),
        NotSupplied("GetFileSize"), NotSupplied("GetFileTime"),       NotSupplied("MakeAbsolutePath"),
        NotSupplied("MakePath"),    NotSupplied("ChangeDir"),         NotSupplied("MakeDir"),
        NotSupplied("DeleteDir"),   NotSupplied("FindFiles"),         NotSupplied("FindDirectories")};
    EXPECT_EQ(Warnings.Stop(), arrExpected);
    EXPECT_EQ(arrFound.GetCount(), 0);
}

TEST(bCPosixFileSystem, FilesAndDirectoriesOnDisk)
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
    EXPECT_EQ(FileSystem.GetFileSize(Folder / "b.txt"), 6);
    EXPECT_TRUE(FileSystem.RenameFile(Folder / "b.txt", Folder / "c.dat"));
    EXPECT_FALSE(FileSystem.ExistsFile(Folder / "b.txt"));
    EXPECT_NE(FileSystem.GetResult(), 0);
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

    EXPECT_FALSE(FileSystem.DeleteDir(Folder / "missing"));
    EXPECT_TRUE(FileSystem.DeleteDir(Folder / "sub"));
    EXPECT_TRUE(FileSystem.DeleteFile(Folder / "c.dat"));
    EXPECT_FALSE(FileSystem.DeleteFile(Folder / "c.dat"));
}

TEST(bCPosixFileSystem, FileTimeIsTheModificationTimeInFileTimeTicks)
{
    CTempFolder Folder;
    bCPosixFileSystem FileSystem;
    std::ofstream(Folder.File("t")) << "t";
    auto const Now = std::chrono::system_clock::now().time_since_epoch();
    unsigned long long const u64Now =
        (static_cast<unsigned long long>(std::chrono::duration_cast<std::chrono::seconds>(Now).count()) +
         11644473600ull) *
        10000000ull;
    unsigned long long const u64File = FileSystem.GetFileTime(Folder / "t").GetDateTime();
    EXPECT_LE(u64File, u64Now + 20000000ull);
    EXPECT_GE(u64File + 600 * 10000000ull, u64Now);
    EXPECT_EQ(FileSystem.GetFileTime(Folder / "none").GetDateTime(), 0ull);
}

TEST(bCPosixFileSystem, PathsAndTheCurrentDirectory)
{
    CTempFolder Folder;
    bCPosixFileSystem FileSystem;
    bCString const strStart = FileSystem.GetCurrentDirPath();
    ASSERT_FALSE(strStart.IsEmpty());
    EXPECT_EQ(strStart[strStart.GetLength() - 1], '/');
    ASSERT_TRUE(FileSystem.ChangeDir(bCString(Folder.GetPath().c_str())));
    bCString strAbsolute;
    EXPECT_TRUE(FileSystem.MakeAbsolutePath(strAbsolute, bCString("x\\y.txt")));
    std::string const strCanonical = std::filesystem::canonical(Folder.GetPath()).string() + "/x/y.txt";
    EXPECT_EQ(std::string(strAbsolute.GetText()), strCanonical);
    EXPECT_TRUE(FileSystem.MakeAbsolutePath(strAbsolute, bCString("/abs")));
    EXPECT_EQ(strAbsolute, bCString("/abs"));
    EXPECT_TRUE(FileSystem.ChangeDir(strStart));
    EXPECT_FALSE(FileSystem.ChangeDir(Folder / "missing"));

    bCString strPath;
    EXPECT_TRUE(
        FileSystem.MakePath(strPath, bCString("C:"), bCString("/data/maps"), bCString("world.tar"), bCString("gz")));
    EXPECT_EQ(strPath, bCString("C:/data/maps/world.tar.gz"));
    bCString strDrive, strDir, strName, strExt;
    FileSystem.SplitPath(strPath, strDrive, strDir, strName, strExt);
    EXPECT_TRUE(FileSystem.MakePath(strPath, strDrive, strDir, strName, strExt));
    EXPECT_EQ(strPath, bCString("C:/data/maps/world.tar.gz"));
}
