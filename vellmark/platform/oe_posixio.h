#ifndef OE_POSIXIO_H_INCLUDED
#define OE_POSIXIO_H_INCLUDED

// The system calls beneath the library's POSIX file and file system: plain
// functions on descriptors and paths. Functions that report an error return the
// errno of the failure (0 on success) or take a_iError for it; interrupted
// calls are repeated.

#include <vellmark/platform/oe_export.h>

#include <string>
#include <vector>

enum OEFileOpenMode
{
    OEFileOpen_Read,      // an existing file
    OEFileOpen_Write,     // created or emptied, write only
    OEFileOpen_ReadWrite, // an existing file
    OEFileOpen_Create,    // created or emptied, read and write
    OEFileOpen_Append,    // created when missing, writes at the end
};

struct OEFileStatus
{
    bool m_bDirectory;
    bool m_bRegular;
    long long m_i64Size;
    long long m_i64ModifiedSeconds; // since 1970-01-01 UTC
    long m_iModifiedNanoseconds;
};

// A descriptor, or -1 with a_iError set. New files get mode 0666 less the umask.
OE_API int OEFileOpen(char const * a_pcPath, OEFileOpenMode a_eMode, int & a_iError);
OE_API int OEFileClose(int a_iFile);
// What was moved; fewer than asked at the end of the file or on failure
// (a_iError then holds the errno, EIO for a write that moved nothing).
OE_API unsigned long OEFileRead(int a_iFile, void * a_pBuffer, unsigned long a_uSize, int & a_iError);
OE_API unsigned long OEFileWrite(int a_iFile, void const * a_pBuffer, unsigned long a_uSize, int & a_iError);
OE_API long long OEFileTell(int a_iFile);   // -1 on failure
OE_API long long OEFileLength(int a_iFile); // -1 on failure
OE_API int OEFileSeekTo(int a_iFile, long long a_i64Position);
OE_API int OEFileSync(int a_iFile);

OE_API int OEGetFileStatus(char const * a_pcPath, OEFileStatus & a_Status);
OE_API int OEGetCurrentDirectory(std::string & a_strPath); // without a closing '/'
OE_API int OEDeleteFile(char const * a_pcPath);
OE_API int OERenameFile(char const * a_pcFrom, char const * a_pcTo);
OE_API int OEChangeDirectory(char const * a_pcPath);
OE_API int OEMakeDirectory(char const * a_pcPath);   // one level, mode 0777 less the umask
OE_API int OERemoveDirectory(char const * a_pcPath); // an empty one
// The names in a_pcDirectory ("" for the current one) that match the shell
// wildcard and are directories (or not), "." and ".." left out, sorted.
OE_API int OEListDirectory(char const * a_pcDirectory, char const * a_pcWildcard, bool a_bDirectories,
                           std::vector<std::string> & a_arrNames);

#endif
