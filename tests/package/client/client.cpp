#include <vellmark/vellmark.h>

#include <cstdio>

int main()
{
    void * pBlock = bCMemoryAdmin::GetInstance().Malloc(64, "client", __FILE__, __LINE__);
    bool const bOk = pBlock != nullptr && bCMemoryAdmin::IsMemoryAdminInitialized();
    bCMemoryAdmin::GetInstance().Free(pBlock);
    std::printf("client: %s\n", bOk ? "ok" : "failed");
    return bOk ? 0 : 1;
}
