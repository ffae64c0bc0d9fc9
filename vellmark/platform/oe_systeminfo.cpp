#include <vellmark/platform/oe_systeminfo.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
    bool CopyName(char const * a_pcText, char * a_pcDest, unsigned long a_uSize)
    {
        if (!a_pcDest || a_uSize == 0)
            return false;
        std::strncpy(a_pcDest, a_pcText ? a_pcText : "", a_uSize - 1);
        a_pcDest[a_uSize - 1] = 0;
        return a_pcText != nullptr;
    }
} // namespace

bool OEGetComputerName(char * a_pcName, unsigned long a_uSize)
{
    char carrHost[256] = {};
    bool const bKnown = gethostname(carrHost, sizeof(carrHost) - 1) == 0;
    return CopyName(bKnown ? carrHost : nullptr, a_pcName, a_uSize);
}

bool OEGetUserName(char * a_pcName, unsigned long a_uSize)
{
    passwd Entry{};
    passwd * pFound = nullptr;
    char carrBuffer[1024];
    getpwuid_r(getuid(), &Entry, carrBuffer, sizeof(carrBuffer), &pFound);
    return CopyName(pFound ? pFound->pw_name : nullptr, a_pcName, a_uSize);
}

bSLocalTime OEGetLocalTime()
{
    std::time_t const Now = std::time(nullptr);
    std::tm Parts{};
    localtime_r(&Now, &Parts);
    return bSLocalTime{Parts.tm_year + 1900, Parts.tm_mon + 1, Parts.tm_mday,
                       Parts.tm_hour,        Parts.tm_min,     Parts.tm_sec};
}

bool OECreateDirectory(char const * a_pcPath)
{
    if (!a_pcPath)
        return false;
    struct stat Status
    {
    };
    return mkdir(a_pcPath, 0777) == 0 || (errno == EEXIST && stat(a_pcPath, &Status) == 0 && S_ISDIR(Status.st_mode));
}

bool OEGetProgramPath(char * a_pcPath, unsigned long a_uSize)
{
    if (!a_pcPath || a_uSize == 0)
        return false;
    ssize_t const iLength = readlink("/proc/self/exe", a_pcPath, a_uSize - 1);
    a_pcPath[iLength > 0 ? iLength : 0] = 0;
    return iLength > 0;
}

unsigned long OEGetCurrentProcessId()
{
    return static_cast<unsigned long>(getpid());
}
