#ifndef OE_SYSTEMINFO_H_INCLUDED
#define OE_SYSTEMINFO_H_INCLUDED

// Computer name, user name, local time and directory creation as the crash
// reports need them. Names are cut to fit the buffer; a name that cannot be
// read is the empty text.

#include <vellmark/platform/oe_export.h>

struct bSLocalTime
{
    int m_iYear;
    int m_iMonth; // 1 to 12
    int m_iDay;   // 1 to 31
    int m_iHour;
    int m_iMinute;
    int m_iSecond;
};

OE_API bool OEGetComputerName(char * a_pcName, unsigned long a_uSize);
OE_API bool OEGetUserName(char * a_pcName, unsigned long a_uSize);
OE_API bSLocalTime OEGetLocalTime();
// True when the directory exists afterwards.
OE_API bool OECreateDirectory(char const * a_pcPath);
// The program's full path (from /proc/self/exe); false when unknown.
OE_API bool OEGetProgramPath(char * a_pcPath, unsigned long a_uSize);
OE_API unsigned long OEGetCurrentProcessId();

#endif
