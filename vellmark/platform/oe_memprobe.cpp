#include <vellmark/platform/oe_memprobe.h>

#include <sys/uio.h>
#include <unistd.h>

namespace
{
    constexpr unsigned long kChunk = 4096;

    bool Transfer(void * a_pLocal, void * a_pRemote, unsigned long a_uSize, bool a_bWrite)
    {
        iovec Local{a_pLocal, a_uSize};
        iovec Remote{a_pRemote, a_uSize};
        ssize_t const iDone = a_bWrite ? process_vm_writev(getpid(), &Local, 1, &Remote, 1, 0)
                                       : process_vm_readv(getpid(), &Local, 1, &Remote, 1, 0);
        return iDone == static_cast<ssize_t>(a_uSize);
    }

    bool Probe(void * a_pAddress, unsigned long a_uSize, bool a_bWrite)
    {
        if (a_uSize == 0)
            return true;
        if (!a_pAddress)
            return false;
        char arrBuffer[kChunk];
        char * pAt = static_cast<char *>(a_pAddress);
        for (unsigned long uLeft = a_uSize; uLeft;)
        {
            unsigned long const uNow = uLeft < kChunk ? uLeft : kChunk;
            if (!Transfer(arrBuffer, pAt, uNow, false) || (a_bWrite && !Transfer(arrBuffer, pAt, uNow, true)))
                return false;
            pAt += uNow;
            uLeft -= uNow;
        }
        return true;
    }
} // namespace

bool OEIsBadReadPtr(void const * a_pAddress, unsigned long a_uSize)
{
    return !Probe(const_cast<void *>(a_pAddress), a_uSize, false);
}

bool OEIsBadWritePtr(void * a_pAddress, unsigned long a_uSize)
{
    return !Probe(a_pAddress, a_uSize, true);
}

bool OEProbeRead(void const * a_pAddress, void * a_pDest, unsigned long a_uSize)
{
    if (!a_pAddress || !a_pDest)
        return a_uSize == 0;
    return a_uSize == 0 || Transfer(a_pDest, const_cast<void *>(a_pAddress), a_uSize, false);
}
