#include <vellmark/platform/oe_random.h>

#include <cerrno>
#include <sys/random.h>

bool OEGetRandomBytes(void * a_pDest, std::size_t a_uSize)
{
    unsigned char * pDest = static_cast<unsigned char *>(a_pDest);
    while (a_uSize > 0)
    {
        ssize_t iGot = getrandom(pDest, a_uSize, 0);
        if (iGot < 0)
        {
            // A signal may interrupt a large request; anything else is a real failure.
            if (errno == EINTR)
                continue;
            return false;
        }
        pDest += iGot;
        a_uSize -= static_cast<std::size_t>(iGot);
    }
    return true;
}
