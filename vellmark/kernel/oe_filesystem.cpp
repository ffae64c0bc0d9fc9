#include <vellmark/kernel/oe_filesystem.h>

#include <vellmark/containers/oe_array.h>
#include <vellmark/kernel/oe_datetime.h>
#include <vellmark/kernel/oe_message.h>

namespace
{
    void ReportNotSupplied(char const * a_pcOperation)
    {
        OE_MESSAGEF_WARN("The method  %s was called, but has not yet been implemented!", a_pcOperation);
    }

    bool IsSeparator(char a_cChar)
    {
        return a_cChar == '/' || a_cChar == '\\';
    }

    bool IsDriveLetter(char a_cChar)
    {
        return (a_cChar >= 'A' && a_cChar <= 'Z') || (a_cChar >= 'a' && a_cChar <= 'z');
    }
} // namespace

bCFileSystem::~bCFileSystem() = default;

void bCFileSystem::MakeCommonFilename(bCString & a_strPath)
{
    a_strPath.Replace('\\', '/');
    a_strPath.Replace("//", "/");
}

bool bCFileSystem::MakePathDir(bCString & a_strPath)
{
    if (a_strPath.IsEmpty() || !IsSeparator(a_strPath[a_strPath.GetLength() - 1]))
        a_strPath += "/";
    return true;
}

bool bCFileSystem::SplitPath(bCString const & a_strPath, bCString & a_strDrive, bCString & a_strDir,
                             bCString & a_strName, bCString & a_strExt)
{
    bCString strName(a_strPath);
    MakeCommonFilename(strName);
    int const iSlash = strName.ReverseFind('/');
    if (iSlash >= 0)
    {
        a_strDir = strName.Left(iSlash + 1);
        strName = strName.Mid(iSlash + 1);
    }
    else
        a_strDir.Clear();
    int const iDot = strName.ReverseFind('.');
    if (iDot >= 0)
    {
        a_strExt = strName.Mid(iDot);
        strName = strName.Left(iDot);
    }
    else
        a_strExt.Clear();
    a_strName = strName;
    if (a_strDir.GetLength() >= 2 && a_strDir[1] == ':' && IsDriveLetter(a_strDir[0]))
    {
        a_strDrive = a_strDir.Left(2);
        a_strDir = a_strDir.Mid(2);
    }
    else
        a_strDrive.Clear();
    return true;
}

int bCFileSystem::GetResult() const
{
    ReportNotSupplied("[virtual] bCFileSystem::GetResult -> Pure virtual function call!");
    return 0;
}

bCString bCFileSystem::GetCurrentDirPath()
{
    ReportNotSupplied("[virtual] bCFileSystem::GetCurrentDirPath -> Pure virtual "
                      "function call!");
    return bCString();
}

bool bCFileSystem::DeleteFile(bCString const &)
{
    ReportNotSupplied("[virtual] bCFileSystem::DeleteFile -> Pure virtual function call!");
    return false;
}

bool bCFileSystem::CopyFile(bCString const &, bCString const &)
{
    ReportNotSupplied("[virtual] bCFileSystem::CopyFile -> Pure virtual function call!");
    return false;
}

bool bCFileSystem::RenameFile(bCString const &, bCString const &)
{
    ReportNotSupplied("[virtual] bCFileSystem::RenameFile -> Pure virtual function call!");
    return false;
}

bool bCFileSystem::ExistsFile(bCString const &) const
{
    ReportNotSupplied("[virtual] bCFileSystem::ExistsFile -> Pure virtual function call!");
    return false;
}

long long bCFileSystem::GetFileSize(bCString const &) const
{
    ReportNotSupplied("[virtual] bCFileSystem::GetFileSize -> Pure virtual function call!");
    return -1;
}

bCDateTime bCFileSystem::GetFileTime(bCString const &)
{
    ReportNotSupplied("[virtual] bCFileSystem::GetFileTime -> Pure virtual function call!");
    bCDateTime Time;
    Time.SetDateTime(0ull);
    return Time;
}

bool bCFileSystem::MakeAbsolutePath(bCString &, bCString const &)
{
    ReportNotSupplied("[virtual] bCFileSystem::MakeAbsolutePath -> Pure virtual "
                      "function call!");
    return false;
}

bool bCFileSystem::MakePath(bCString &, bCString const &, bCString const &, bCString const &, bCString const &)
{
    ReportNotSupplied("[virtual] bCFileSystem::MakePath -> Pure virtual function call!");
    return false;
}

bool bCFileSystem::ChangeDir(bCString const &)
{
    ReportNotSupplied("[virtual] bCFileSystem::ChangeDir -> Pure virtual function call!");
    return false;
}

bool bCFileSystem::MakeDir(bCString const &)
{
    ReportNotSupplied("[virtual] bCFileSystem::MakeDir -> Pure virtual function call!");
    return false;
}

bool bCFileSystem::DeleteDir(bCString const &)
{
    ReportNotSupplied("[virtual] bCFileSystem::DeleteDir -> Pure virtual function call!");
    return false;
}

bool bCFileSystem::FindFiles(bCString, bTObjArray<bCString> &)
{
    ReportNotSupplied("[virtual] bCFileSystem::FindFiles -> Pure virtual function call!");
    return false;
}

bool bCFileSystem::FindDirectories(bCString, bTObjArray<bCString> &)
{
    ReportNotSupplied("[virtual] bCFileSystem::FindDirectories -> Pure virtual function call!");
    return false;
}
