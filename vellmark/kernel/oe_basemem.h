#ifndef OE_BASEMEM_H_INCLUDED
#define OE_BASEMEM_H_INCLUDED

// The memory administration: the one door through which the library and its
// client modules obtain and return heap memory.
//
// (Seam: the allocation interface only; the tracked mode, statistics, reports
// and the pool beneath are completed with the memory administration itself.)

#include <vellmark/kernel/oe_types.h>

class OE_API bCMemoryAdmin
{
public:
    static bCMemoryAdmin & GetInstance();
    static bool IsMemoryAdminInitialized();

public:
    void * Malloc(unsigned long a_uSize, char const * a_pcName, char const * a_pcFile, int a_iLine);
    void * Realloc(void * a_pPtr, unsigned long a_uSize, char const * a_pcName, char const * a_pcFile, int a_iLine);
    void * NewObject(unsigned long a_uSize, char const * a_pcText1, char const * a_pcText2, char const * a_pcText3, int a_iLine);
    void * NewObjectArray(unsigned long a_uSize, int a_iCount, char const * a_pcText1, char const * a_pcText2,
                          char const * a_pcText3, int a_iLine);
    void Free(void * a_pPtr);
    void DeleteObject(void * a_pPtr);
    void DeleteObjectArray(void * a_pPtr);
    int GetArrayBlockCount(void * a_pPtr) const;
};

// The exported client new: allocates through the process-wide instance and turns
// a failure into a fatal error.
OE_C_API void * OE_New(unsigned long a_uSize, char const * a_pcText1, char const * a_pcText2, char const * a_pcText3,
                       int a_iLine);

#endif
