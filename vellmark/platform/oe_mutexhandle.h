#ifndef OE_MUTEXHANDLE_H_INCLUDED
#define OE_MUTEXHANDLE_H_INCLUDED

// An unnamed mutex handle of the original platform: re-entrant for its owner,
// waited for without a time-out, released once per wait.

#include <vellmark/platform/oe_export.h>

OE_API void * OECreateMutex(bool a_bInitialOwner);
OE_API void OEWaitForMutex(void * a_hMutex);
OE_API void OEReleaseMutex(void * a_hMutex);
OE_API void OECloseMutex(void * a_hMutex);

#endif
