#ifndef OE_POSIXFILESYSTEM_H_INCLUDED
#define OE_POSIXFILESYSTEM_H_INCLUDED

// bCPosixFileSystem: the file-system operations on POSIX, for the tools,
// examples and tests, and for client modules to use or copy.
//
// - Paths are taken as given ('/' separators; backslashes are turned into '/'
//   by MakeCommonFilename where the caller wants that). Directory paths that
//   this class returns end in '/'.
// - GetResult gives the errno of the last operation, 0 after success.
// - FindFiles and FindDirectories take a pattern "dir/wild*card?" (shell
//   wildcards in the last part only); they append the matching paths, dir
//   part included, in name order, and fail only when the directory cannot be
//   read. "." and ".." are never found.
// - MakeDir creates one level; CopyFile overwrites an existing target.
// - GetFileTime gives the time of last modification.

#include <vellmark/kernel/oe_filesystem.h>

class OE_API bCPosixFileSystem : public bCFileSystem
{
public:
    bCPosixFileSystem();
    ~bCPosixFileSystem() override;

public:
    int GetResult() const override { return m_iResult; }
    bCString GetCurrentDirPath() override;
    bool DeleteFile(bCString const & a_strName) override;
    bool CopyFile(bCString const & a_strFrom, bCString const & a_strTo) override;
    bool RenameFile(bCString const & a_strFrom, bCString const & a_strTo) override;
    bool ExistsFile(bCString const & a_strName) const override; // a regular file
    long long GetFileSize(bCString const & a_strName) const override;
    bCDateTime GetFileTime(bCString const & a_strName) override;
    bool MakeAbsolutePath(bCString & a_strResult, bCString const & a_strPath) override;
    bool MakePath(bCString & a_strResult, bCString const & a_strDrive, bCString const & a_strDir,
                  bCString const & a_strName, bCString const & a_strExt) override;
    bool ChangeDir(bCString const & a_strDir) override;
    bool MakeDir(bCString const & a_strDir) override;
    bool DeleteDir(bCString const & a_strDir) override; // an empty directory
    bool FindFiles(bCString a_strPattern, bTObjArray<bCString> & a_arrFound) override;
    bool FindDirectories(bCString a_strPattern, bTObjArray<bCString> & a_arrFound) override;

private:
    bool Find(bCString const & a_strPattern, bool a_bDirectories, bTObjArray<bCString> & a_arrFound);
    bool SetResult(int a_iError) const; // records the error; true for 0

private:
    mutable int m_iResult;
};

#endif
