#include <vellmark/kernel/oe_basemem.h>

#include <cstdlib>
#include <cstring>

// Seam: plain heap calls until the pool and the tracked mode exist.

namespace
{
    constexpr unsigned long kArrayHeader = 16;  // keeps array elements 16-byte aligned
}

bCMemoryAdmin & bCMemoryAdmin::GetInstance()
{
    static bCMemoryAdmin s_Instance;
    return s_Instance;
}

bool bCMemoryAdmin::IsMemoryAdminInitialized()
{
    return true;
}

void * bCMemoryAdmin::Malloc(unsigned long a_uSize, char const *, char const *, int)
{
    return std::malloc(a_uSize ? a_uSize : 1);
}

void * bCMemoryAdmin::Realloc(void * a_pPtr, unsigned long a_uSize, char const *, char const *, int)
{
    return std::realloc(a_pPtr, a_uSize ? a_uSize : 1);
}

void * bCMemoryAdmin::NewObject(unsigned long a_uSize, char const *, char const *, char const *, int)
{
    return std::malloc(a_uSize ? a_uSize : 1);
}

void * bCMemoryAdmin::NewObjectArray(unsigned long a_uSize, int a_iCount, char const *, char const *, char const *, int)
{
    char * pBlock = static_cast<char *>(std::malloc(a_uSize + kArrayHeader));
    if (!pBlock)
        return nullptr;
    std::memcpy(pBlock + kArrayHeader - 4, &a_iCount, 4);
    return pBlock + kArrayHeader;
}

void bCMemoryAdmin::Free(void * a_pPtr)
{
    std::free(a_pPtr);
}

void bCMemoryAdmin::DeleteObject(void * a_pPtr)
{
    std::free(a_pPtr);
}

void bCMemoryAdmin::DeleteObjectArray(void * a_pPtr)
{
    if (a_pPtr)
        std::free(static_cast<char *>(a_pPtr) - kArrayHeader);
}

int bCMemoryAdmin::GetArrayBlockCount(void * a_pPtr) const
{
    int iCount;
    std::memcpy(&iCount, static_cast<char *>(a_pPtr) - 4, 4);
    return iCount;
}

void * OE_New(unsigned long a_uSize, char const * a_pcText1, char const * a_pcText2, char const * a_pcText3, int a_iLine)
{
    return bCMemoryAdmin::GetInstance().NewObject(a_uSize, a_pcText1, a_pcText2, a_pcText3, a_iLine);
}
