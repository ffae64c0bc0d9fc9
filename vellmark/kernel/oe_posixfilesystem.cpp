#include <vellmark/kernel/oe_posixfilesystem.h>

#include <vellmark/containers/oe_array.h>
#include <vellmark/kernel/oe_datetime.h>
#include <vellmark/kernel/oe_posixfile.h>
#include <vellmark/platform/oe_posixio.h>

#include <string>
#include <vector>

namespace
{
    // File times count 100-nanosecond ticks from 1601-01-01; the epoch is
    // 1970-01-01.
    unsigned long long const kTicksPerSecond = 10000000ull;
    unsigned long long const kEpochSeconds = 11644473600ull;

    unsigned long const kCopyBlock = 1ul << 16;
} // namespace

bCPosixFileSystem::bCPosixFileSystem() : m_iResult(0) {}

bCPosixFileSystem::~bCPosixFileSystem() = default;

bool bCPosixFileSystem::SetResult(int a_iError) const
{
    m_iResult = a_iError;
    return a_iError == 0;
}

bCString bCPosixFileSystem::GetCurrentDirPath()
{
    std::string strCurrent;
    if (!SetResult(OEGetCurrentDirectory(strCurrent)))
        return bCString();
    bCString strPath(strCurrent.c_str());
    MakePathDir(strPath);
    return strPath;
}

bool bCPosixFileSystem::DeleteFile(bCString const & a_strName)
{
    return SetResult(OEDeleteFile(a_strName.GetText()));
}

bool bCPosixFileSystem::CopyFile(bCString const & a_strFrom, bCString const & a_strTo)
{
    bCPosixFile Source(a_strFrom, bEFileCreationMode_Read);
    if (!Source.IsOpen())
        return SetResult(Source.GetResult());
    bCPosixFile Target(a_strTo, bEFileCreationMode_Write);
    if (!Target.IsOpen())
        return SetResult(Target.GetResult());
    std::vector<char> arrBlock(kCopyBlock);
    for (;;)
    {
        unsigned long const uGot = Source.Read(arrBlock.data(), kCopyBlock);
        if (uGot == 0)
            break;
        if (Target.Write(arrBlock.data(), uGot) != uGot)
        {
            m_iResult = Target.GetResult();
            return false;
        }
    }
    m_iResult = Source.GetResult();
    return m_iResult == 0;
}

bool bCPosixFileSystem::RenameFile(bCString const & a_strFrom, bCString const & a_strTo)
{
    return SetResult(OERenameFile(a_strFrom.GetText(), a_strTo.GetText()));
}

bool bCPosixFileSystem::ExistsFile(bCString const & a_strName) const
{
    OEFileStatus Status;
    return SetResult(OEGetFileStatus(a_strName.GetText(), Status)) && Status.m_bRegular;
}

long long bCPosixFileSystem::GetFileSize(bCString const & a_strName) const
{
    OEFileStatus Status;
    return SetResult(OEGetFileStatus(a_strName.GetText(), Status)) ? Status.m_i64Size : -1;
}

bCDateTime bCPosixFileSystem::GetFileTime(bCString const & a_strName)
{
    OEFileStatus Status;
    if (!SetResult(OEGetFileStatus(a_strName.GetText(), Status)))
        return bCDateTime();
    unsigned long long const u64Ticks =
        (static_cast<unsigned long long>(Status.m_i64ModifiedSeconds) + kEpochSeconds) * kTicksPerSecond +
        static_cast<unsigned long long>(Status.m_iModifiedNanoseconds) / 100;
    _FILETIME FileTime;
    FileTime.dwLowDateTime = static_cast<uint32_t>(u64Ticks);
    FileTime.dwHighDateTime = static_cast<uint32_t>(u64Ticks >> 32);
    return bCDateTime(FileTime);
}

bool bCPosixFileSystem::MakeAbsolutePath(bCString & a_strResult, bCString const & a_strPath)
{
    bCString strPath(a_strPath);
    MakeCommonFilename(strPath);
    if (strPath.IsEmpty() || strPath[0] != '/')
    {
        bCString strCurrent = GetCurrentDirPath();
        if (strCurrent.IsEmpty())
            return false;
        strPath = strCurrent + strPath;
        MakeCommonFilename(strPath);
    }
    a_strResult = strPath;
    return SetResult(0);
}

bool bCPosixFileSystem::MakePath(bCString & a_strResult, bCString const & a_strDrive, bCString const & a_strDir,
                                 bCString const & a_strName, bCString const & a_strExt)
{
    // The inverse of SplitPath: the dir gets its closing separator, the
    // extension its dot, where they lack them.
    bCString strPath(a_strDrive);
    if (!a_strDir.IsEmpty())
    {
        bCString strDir(a_strDir);
        MakePathDir(strDir);
        strPath += strDir;
    }
    strPath += a_strName;
    if (!a_strExt.IsEmpty() && a_strExt[0] != '.')
        strPath += ".";
    strPath += a_strExt;
    a_strResult = strPath;
    return SetResult(0);
}

bool bCPosixFileSystem::ChangeDir(bCString const & a_strDir)
{
    return SetResult(OEChangeDirectory(a_strDir.GetText()));
}

bool bCPosixFileSystem::MakeDir(bCString const & a_strDir)
{
    return SetResult(OEMakeDirectory(a_strDir.GetText()));
}

bool bCPosixFileSystem::DeleteDir(bCString const & a_strDir)
{
    return SetResult(OERemoveDirectory(a_strDir.GetText()));
}

bool bCPosixFileSystem::FindFiles(bCString a_strPattern, bTObjArray<bCString> & a_arrFound)
{
    return Find(a_strPattern, false, a_arrFound);
}

bool bCPosixFileSystem::FindDirectories(bCString a_strPattern, bTObjArray<bCString> & a_arrFound)
{
    return Find(a_strPattern, true, a_arrFound);
}

bool bCPosixFileSystem::Find(bCString const & a_strPattern, bool a_bDirectories, bTObjArray<bCString> & a_arrFound)
{
    bCString strPattern(a_strPattern);
    MakeCommonFilename(strPattern);
    int const iSlash = strPattern.ReverseFind('/');
    bCString const strDir = iSlash >= 0 ? strPattern.Left(iSlash + 1) : bCString();
    bCString const strWildcard = iSlash >= 0 ? strPattern.Mid(iSlash + 1) : strPattern;
    std::vector<std::string> arrNames;
    if (!SetResult(OEListDirectory(strDir.GetText(), strWildcard.GetText(), a_bDirectories, arrNames)))
        return false;
    for (std::string const & strName : arrNames)
        a_arrFound.Add(strDir + strName.c_str());
    return SetResult(0);
}
