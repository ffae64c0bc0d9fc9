#ifndef OE_GUIDTEXT_H_INCLUDED
#define OE_GUIDTEXT_H_INCLUDED

// The GUID services of the original platform: a new version-4 GUID and the
// braced text form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" both ways.

#include <vellmark/platform/oe_export.h>
#include <vellmark/platform/oe_wintypes.h>

// Number of units of the braced form without its terminator.
inline constexpr int g_iGuidTextLength = 38;

// A new random GUID (version 4, variant 10xx); false when no random bytes were delivered.
OE_API bool OECoCreateGuid(_GUID & a_Guid);

// Writes the braced form in upper case with its terminator; returns the units
// written including the terminator, or 0 when a_iMax is smaller than 39.
OE_API int OEStringFromGUID2(_GUID const & a_Guid, char16_t * a_pcDest, int a_iMax);

// Parses exactly the braced form (hex digits in either case) followed by the
// terminator; a_Guid is written only on success.
OE_API bool OEIIDFromString(char16_t const * a_pcText, _GUID & a_Guid);

#endif
