#ifndef OE_TEXTCOPY_H_INCLUDED
#define OE_TEXTCOPY_H_INCLUDED

// Copies a text into a caller's buffer of a_uSize characters, cut to fit and
// always terminated; returns the characters copied (0 without a buffer).

#include <cstring>

inline unsigned long OECopyTextCut(char const * a_pcText, char * a_pcDest, unsigned long a_uSize)
{
    if (!a_pcDest || a_uSize == 0)
        return 0;
    unsigned long uLength = std::strlen(a_pcText);
    uLength = uLength < a_uSize - 1 ? uLength : a_uSize - 1;
    std::memcpy(a_pcDest, a_pcText, uLength);
    a_pcDest[uLength] = 0;
    return uLength;
}

#endif
