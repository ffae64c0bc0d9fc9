#include <vellmark/platform/oe_posixfilesystem.h>

#include <vellmark/containers/oe_array.h>
#include <vellmark/kernel/oe_datetime.h>
#include <vellmark/platform/oe_posixfile.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fnmatch.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{
    // File times count 100-nanosecond ticks from 1601-01-01; the epoch is
    // 1970-01-01.
    unsigned long long const kTicksPerSecond = 10000000ull;
    unsigned long long const kEpochSeconds = 11644473600ull;

    unsigned long const kCopyBlock = 1ul << 16;

    bool IsDirectoryEntry(struct stat const & a_Status)
    {
        return S_ISDIR(a_Status.st_mode);
    }
} // namespace

bCPosixFileSystem::bCPosixFileSystem() : m_iResult(0) {}

bCPosixFileSystem::~bCPosixFileSystem() = default;

bool bCPosixFileSystem::SetResult(bool a_bSuccess) const
{
    m_iResult = a_bSuccess ? 0 : (errno ? errno : EIO);
    return a_bSuccess;
}

bCString bCPosixFileSystem::GetCurrentDirPath()
{
    char arrPath[PATH_MAX];
    if (!SetResult(::getcwd(arrPath, sizeof(arrPath)) != nullptr))
        return bCString();
    bCString strPath(arrPath);
    MakePathDir(strPath);
    return strPath;
}

bool bCPosixFileSystem::DeleteFile(bCString const & a_strName)
{
    return SetResult(::unlink(a_strName.GetText()) == 0);
}

bool bCPosixFileSystem::CopyFile(bCString const & a_strFrom, bCString const & a_strTo)
{
    bCPosixFile Source(a_strFrom, bEFileCreationMode_Read);
    if (!Source.IsOpen())
        return SetResult(false);
    bCPosixFile Target(a_strTo, bEFileCreationMode_Write);
    if (!Target.IsOpen())
        return SetResult(false);
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
    return SetResult(::rename(a_strFrom.GetText(), a_strTo.GetText()) == 0);
}

bool bCPosixFileSystem::ExistsFile(bCString const & a_strName) const
{
    struct stat Status;
    if (!SetResult(::stat(a_strName.GetText(), &Status) == 0))
        return false;
    return S_ISREG(Status.st_mode);
}

long long bCPosixFileSystem::GetFileSize(bCString const & a_strName) const
{
    struct stat Status;
    if (!SetResult(::stat(a_strName.GetText(), &Status) == 0))
        return -1;
    return static_cast<long long>(Status.st_size);
}

bCDateTime bCPosixFileSystem::GetFileTime(bCString const & a_strName)
{
    struct stat Status;
    if (!SetResult(::stat(a_strName.GetText(), &Status) == 0))
        return bCDateTime();
    unsigned long long const u64Ticks =
        (static_cast<unsigned long long>(Status.st_mtim.tv_sec) + kEpochSeconds) * kTicksPerSecond +
        static_cast<unsigned long long>(Status.st_mtim.tv_nsec) / 100;
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
    return SetResult(true);
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
    return SetResult(true);
}

bool bCPosixFileSystem::ChangeDir(bCString const & a_strDir)
{
    return SetResult(::chdir(a_strDir.GetText()) == 0);
}

bool bCPosixFileSystem::MakeDir(bCString const & a_strDir)
{
    return SetResult(::mkdir(a_strDir.GetText(), 0777) == 0);
}

bool bCPosixFileSystem::DeleteDir(bCString const & a_strDir)
{
    return SetResult(::rmdir(a_strDir.GetText()) == 0);
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
    DIR * pDir = ::opendir(strDir.IsEmpty() ? "." : strDir.GetText());
    if (!SetResult(pDir != nullptr))
        return false;
    std::vector<std::string> arrNames;
    while (dirent const * pEntry = ::readdir(pDir))
    {
        std::string const strName(pEntry->d_name);
        if (strName == "." || strName == ".." || ::fnmatch(strWildcard.GetText(), strName.c_str(), 0) != 0)
            continue;
        struct stat Status;
        bCString const strPath = strDir + strName.c_str();
        if (::stat(strPath.GetText(), &Status) == 0 && IsDirectoryEntry(Status) == a_bDirectories)
            arrNames.push_back(strName);
    }
    ::closedir(pDir);
    std::sort(arrNames.begin(), arrNames.end());
    for (std::string const & strName : arrNames)
        a_arrFound.Add(strDir + strName.c_str());
    return SetResult(true);
}
