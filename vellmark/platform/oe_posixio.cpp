#include <vellmark/platform/oe_posixio.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
    // One system call moves at most this much; larger blocks take several.
    unsigned long const kMaxTransfer = 1ul << 30;

    int GetOpenFlags(OEFileOpenMode a_eMode)
    {
        switch (a_eMode)
        {
        case OEFileOpen_Write: return O_WRONLY | O_CREAT | O_TRUNC;
        case OEFileOpen_ReadWrite: return O_RDWR;
        case OEFileOpen_Create: return O_RDWR | O_CREAT | O_TRUNC;
        case OEFileOpen_Append: return O_WRONLY | O_CREAT | O_APPEND;
        default: return O_RDONLY;
        }
    }

    int Result(bool a_bSuccess)
    {
        return a_bSuccess ? 0 : (errno ? errno : EIO);
    }
} // namespace

int OEFileOpen(char const * a_pcPath, OEFileOpenMode a_eMode, int & a_iError)
{
    int const iFile = ::open(a_pcPath, GetOpenFlags(a_eMode) | O_CLOEXEC, 0666);
    a_iError = iFile < 0 ? errno : 0;
    return iFile;
}

int OEFileClose(int a_iFile)
{
    return Result(::close(a_iFile) == 0);
}

unsigned long OEFileRead(int a_iFile, void * a_pBuffer, unsigned long a_uSize, int & a_iError)
{
    char * pcBuffer = static_cast<char *>(a_pBuffer);
    unsigned long uDone = 0;
    a_iError = 0;
    while (uDone < a_uSize)
    {
        unsigned long const uAsk = std::min(a_uSize - uDone, kMaxTransfer);
        ssize_t const iGot = ::read(a_iFile, pcBuffer + uDone, uAsk);
        if (iGot < 0 && errno == EINTR)
            continue;
        if (iGot <= 0)
        {
            a_iError = iGot < 0 ? errno : 0;
            break;
        }
        uDone += static_cast<unsigned long>(iGot);
    }
    return uDone;
}

unsigned long OEFileWrite(int a_iFile, void const * a_pBuffer, unsigned long a_uSize, int & a_iError)
{
    char const * pcBuffer = static_cast<char const *>(a_pBuffer);
    unsigned long uDone = 0;
    a_iError = 0;
    while (uDone < a_uSize)
    {
        unsigned long const uAsk = std::min(a_uSize - uDone, kMaxTransfer);
        ssize_t const iPut = ::write(a_iFile, pcBuffer + uDone, uAsk);
        if (iPut < 0 && errno == EINTR)
            continue;
        if (iPut <= 0)
        {
            a_iError = iPut < 0 ? errno : EIO;
            break;
        }
        uDone += static_cast<unsigned long>(iPut);
    }
    return uDone;
}

long long OEFileTell(int a_iFile)
{
    return static_cast<long long>(::lseek(a_iFile, 0, SEEK_CUR));
}

long long OEFileLength(int a_iFile)
{
    struct stat Status;
    return ::fstat(a_iFile, &Status) == 0 ? static_cast<long long>(Status.st_size) : -1;
}

int OEFileSeekTo(int a_iFile, long long a_i64Position)
{
    return Result(::lseek(a_iFile, static_cast<off_t>(a_i64Position), SEEK_SET) >= 0);
}

int OEFileSync(int a_iFile)
{
    return Result(::fsync(a_iFile) == 0);
}

int OEGetFileStatus(char const * a_pcPath, OEFileStatus & a_Status)
{
    struct stat Status;
    if (::stat(a_pcPath, &Status) != 0)
        return Result(false);
    a_Status.m_bDirectory = S_ISDIR(Status.st_mode);
    a_Status.m_bRegular = S_ISREG(Status.st_mode);
    a_Status.m_i64Size = static_cast<long long>(Status.st_size);
    a_Status.m_i64ModifiedSeconds = static_cast<long long>(Status.st_mtim.tv_sec);
    a_Status.m_iModifiedNanoseconds = static_cast<long>(Status.st_mtim.tv_nsec);
    return 0;
}

int OEGetCurrentDirectory(std::string & a_strPath)
{
    char arrPath[PATH_MAX];
    if (!::getcwd(arrPath, sizeof(arrPath)))
        return Result(false);
    a_strPath = arrPath;
    return 0;
}

int OEDeleteFile(char const * a_pcPath)
{
    return Result(::unlink(a_pcPath) == 0);
}

int OERenameFile(char const * a_pcFrom, char const * a_pcTo)
{
    return Result(::rename(a_pcFrom, a_pcTo) == 0);
}

int OEChangeDirectory(char const * a_pcPath)
{
    return Result(::chdir(a_pcPath) == 0);
}

int OEMakeDirectory(char const * a_pcPath)
{
    return Result(::mkdir(a_pcPath, 0777) == 0);
}

int OERemoveDirectory(char const * a_pcPath)
{
    return Result(::rmdir(a_pcPath) == 0);
}

int OEListDirectory(char const * a_pcDirectory, char const * a_pcWildcard, bool a_bDirectories,
                    std::vector<std::string> & a_arrNames)
{
    std::string const strDirectory = a_pcDirectory;
    DIR * pDir = ::opendir(strDirectory.empty() ? "." : strDirectory.c_str());
    if (!pDir)
        return Result(false);
    while (dirent const * pEntry = ::readdir(pDir))
    {
        std::string const strName(pEntry->d_name);
        if (strName == "." || strName == ".." || ::fnmatch(a_pcWildcard, strName.c_str(), 0) != 0)
            continue;
        struct stat Status;
        if (::stat((strDirectory + strName).c_str(), &Status) == 0 && S_ISDIR(Status.st_mode) == a_bDirectories)
            a_arrNames.push_back(strName);
    }
    ::closedir(pDir);
    std::sort(a_arrNames.begin(), a_arrNames.end());
    return 0;
}
