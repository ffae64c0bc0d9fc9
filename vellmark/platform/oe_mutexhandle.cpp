#include <vellmark/platform/oe_mutexhandle.h>

#include <mutex>
#include <new>

void * OECreateMutex(bool a_bInitialOwner)
{
    auto * pMutex = new (std::nothrow) std::recursive_mutex;
    if (pMutex && a_bInitialOwner)
        pMutex->lock();
    return pMutex;
}

void OEWaitForMutex(void * a_hMutex)
{
    if (a_hMutex)
        static_cast<std::recursive_mutex *>(a_hMutex)->lock();
}

void OEReleaseMutex(void * a_hMutex)
{
    if (a_hMutex)
        static_cast<std::recursive_mutex *>(a_hMutex)->unlock();
}

void OECloseMutex(void * a_hMutex)
{
    delete static_cast<std::recursive_mutex *>(a_hMutex);
}
