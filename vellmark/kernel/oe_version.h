#ifndef OE_VERSION_H_INCLUDED
#define OE_VERSION_H_INCLUDED

// Version numbers of modules, read from their version resource: the
// "FileVersion" text ("1, 12, 26364, 0": major, minor, build, revision) or the
// module's own "DllGetVersion" export. Failures are null, false or 0 results;
// nothing is reported.

#include <vellmark/kernel/oe_types.h>

// The module's "FileVersion" text in one process-wide buffer of 256 bytes that
// the next call overwrites (not for two threads at once); null when there is no
// resource or no text. A text of 256 or more characters is cut to 250.
OE_C_API char * GetVersion(char const * a_pcFileName);

// Splits "a, b, c[, d]" in place at its commas. True when at least three numbers
// were found; the numbers reached before a failure stay written, a missing
// fourth one is 0.
OE_C_API bool ParseVersionString(char * a_pcVersion, unsigned long * a_puMajor, unsigned long * a_puMinor,
                                 unsigned long * a_puBuild, unsigned long * a_puRevision);

// True when the file's "FileVersion" text was found and parsed.
OE_C_API bool CheckFileVersion(char const * a_pcFileName, unsigned long * a_puMajor, unsigned long * a_puMinor,
                               unsigned long * a_puBuild, unsigned long * a_puRevision);

// Asks the module's "DllGetVersion" (the fourth number is then its platform
// identifier), else reads its "FileVersion" text. Non-zero on success; a name of
// 260 characters or more fails.
OE_C_API int GetDLLVersion(char const * a_pcModuleName, unsigned long * a_puMajor, unsigned long * a_puMinor,
                           unsigned long * a_puBuild, unsigned long * a_puRevision);

#endif
