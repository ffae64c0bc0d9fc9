#include <vellmark/platform/oe_random.h>

#include <cerrno>
#include <cstdint>
#include <sys/random.h>

namespace
{
    thread_local uint32_t t_u32RandState = 1;
}

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

void OESRand(unsigned int a_uSeed)
{
    t_u32RandState = a_uSeed;
}

int OERand()
{
    t_u32RandState = t_u32RandState * 214013u + 2531011u;
    return static_cast<int>((t_u32RandState >> 16) & 0x7FFF);
}
