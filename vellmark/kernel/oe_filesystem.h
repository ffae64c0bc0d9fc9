#ifndef OE_FILESYSTEM_H_INCLUDED
#define OE_FILESYSTEM_H_INCLUDED

// bCFileSystem: the operations on paths, files and directories. The library
// supplies the path operations that need no storage (MakeCommonFilename,
// MakePathDir, SplitPath); every other operation is supplied by the module
// deriving from this class (vellmark/kernel/oe_posixfilesystem.h is one for
// this platform), and its base version warns and returns its failure value.
//
// Common file names use '/' only, with no doubled separators; a directory path
// ends in a separator. Extensions include their dot.

#include <vellmark/kernel/oe_datetime.h>
#include <vellmark/kernel/oe_string.h>

class bCDateTime;
template <typename T> class bTObjArray;

class OE_API bCFileSystem
{
public:
    bCFileSystem() = default;
    bCFileSystem(bCFileSystem const &) = default;
    bCFileSystem & operator=(bCFileSystem const &) = default;

public:
    virtual int GetResult() const; // the code of the last operation; 0 here
    virtual bCString GetCurrentDirPath();
    virtual bool DeleteFile(bCString const & a_strName);
    virtual bool CopyFile(bCString const & a_strFrom, bCString const & a_strTo);
    virtual bool RenameFile(bCString const & a_strFrom, bCString const & a_strTo);
    virtual bool ExistsFile(bCString const & a_strName) const;
    virtual long long GetFileSize(bCString const & a_strName) const; // -1 here
    virtual bCDateTime GetFileTime(bCString const & a_strName);      // time 0 here
    virtual bool MakeAbsolutePath(bCString & a_strResult, bCString const & a_strPath);
    virtual bool MakePath(bCString & a_strResult, bCString const & a_strDrive, bCString const & a_strDir,
                          bCString const & a_strName, bCString const & a_strExt);
    virtual bool SplitPath(bCString const & a_strPath, bCString & a_strDrive, bCString & a_strDir, bCString & a_strName,
                           bCString & a_strExt);
    virtual bool MakePathDir(bCString & a_strPath); // appends "/" unless the path ends in a separator
    virtual bool ChangeDir(bCString const & a_strDir);
    virtual bool MakeDir(bCString const & a_strDir);
    virtual bool DeleteDir(bCString const & a_strDir);
    virtual bool FindFiles(bCString a_strPattern, bTObjArray<bCString> & a_arrFound);
    virtual bool FindDirectories(bCString a_strPattern, bTObjArray<bCString> & a_arrFound);
    virtual ~bCFileSystem();

public:
    // Backslashes become '/', then each "//" becomes "/" in one pass from the left.
    void MakeCommonFilename(bCString & a_strPath);
};

#endif
