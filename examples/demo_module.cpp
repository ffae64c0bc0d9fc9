#include "demo_module.h"

#include <vellmark/vellmark.h>

#include <cstdio>

int RunDemo()
{
    bCMemoryAdmin & Admin = bCMemoryAdmin::GetInstance();
    void * pBlock = Admin.Malloc(128, "demo", __FILE__, __LINE__);
    std::printf("allocated 128 bytes through the memory administration: %s\n", pBlock ? "yes" : "no");
    Admin.Free(pBlock);
    return pBlock ? 0 : 1;
}
