#include <vellmark/kernel/oe_message.h>

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/kernel/oe_spieadmin.h>
#include <vellmark/kernel/oe_spyadmin.h>
#include <vellmark/platform/oe_messagebox.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

int const g_iDefaultMessagePriority = 5;

// The callback table keeps the array layout of the containers: element block,
// count, capacity.
struct bCMessageAdmin::bSCallbackTable
{
    bSMessageCallbackEntry * m_pEntries;
    int m_iCount;
    int m_iCapacity;
};

namespace
{
    constexpr char kModule[] = "kernel/oe_message";
    constexpr int kLineMessage = 467;
    constexpr int kLineInfo = 472;
    constexpr int kLineDescInfo = 477;

    // Room of the library's per-thread block for one formatted message.
    constexpr std::size_t kFormatBufferSize = 1400 + 1;
    thread_local char t_carrFormatBuffer[kFormatBufferSize];

    alignas(bCMessageAdmin) unsigned char s_arrInstanceStorage[sizeof(bCMessageAdmin)];
    std::atomic<bCMessageAdmin *> s_pInstance{nullptr};
    // The administration under construction, seen only by the constructing
    // thread: the error administration and the channels register into it
    // from inside its Create.
    thread_local bCMessageAdmin * t_pUnderConstruction = nullptr;
    std::mutex s_ConstructionLock;
    // Set once the runtime has destroyed the instance; reports sent later by
    // other singletons' teardown reach nobody.
    std::atomic<bool> s_bGone{false};

    int GrowthOf(int a_iCapacity)
    {
        int const iGrowth = a_iCapacity / 8;
        return iGrowth < 4 ? 4 : (iGrowth > 1024 ? 1024 : iGrowth);
    }
} // namespace

bCMessageAdmin::bCMessageAdmin() : m_pCallbackTable(nullptr), m_eFilter(bEMessageFilterTypes_Ok) {}

bCMessageAdmin::~bCMessageAdmin()
{
    Destroy();
}

bCMessageAdmin & bCMessageAdmin::GetInstance()
{
    if (bCMessageAdmin * pInstance = s_pInstance.load(std::memory_order_acquire))
        return *pInstance;
    if (t_pUnderConstruction)
        return *t_pUnderConstruction;
    std::lock_guard<std::mutex> Guard(s_ConstructionLock);
    if (bCMessageAdmin * pInstance = s_pInstance.load(std::memory_order_acquire))
        return *pInstance;
    bCMessageAdmin * pInstance = new (s_arrInstanceStorage) bCMessageAdmin;
    t_pUnderConstruction = pInstance;
    pInstance->Create();
    bCSpyAdmin::GetInstance();
    bCSpieAdmin::GetInstance();
    // Registered after the channels' so that the runtime destroys it before them.
    std::atexit(&bCMessageAdmin::DestroyInstance);
    s_pInstance.store(pInstance, std::memory_order_release);
    t_pUnderConstruction = nullptr;
    return *pInstance;
}

void bCMessageAdmin::DestroyInstance()
{
    s_bGone.store(true, std::memory_order_release);
    if (bCMessageAdmin * pInstance = s_pInstance.load(std::memory_order_acquire))
        pInstance->~bCMessageAdmin();
}

char const * bCMessageAdmin::StripFilename(char const * a_pcPath)
{
    if (!a_pcPath)
        return a_pcPath;
    char const * pcSeparator = std::strrchr(a_pcPath, '\\');
    if (!pcSeparator)
        pcSeparator = std::strrchr(a_pcPath, '/');
    return pcSeparator ? pcSeparator + 1 : a_pcPath;
}

void bCMessageAdmin::Create()
{
    Destroy();
    m_eFilter.store(bEMessageFilterTypes_Ok, std::memory_order_relaxed);
    void * pTable = OE_New(sizeof(bSCallbackTable), nullptr, nullptr, nullptr, -1);
    if (pTable)
    {
        m_CriticalSection.Acquire();
        m_pCallbackTable = new (pTable) bSCallbackTable{nullptr, 0, 0};
        m_CriticalSection.Release();
    }
    bCErrorAdmin::GetInstance();
}

void bCMessageAdmin::Destroy()
{
    m_CriticalSection.Acquire();
    bSCallbackTable * pTable = m_pCallbackTable;
    m_pCallbackTable = nullptr;
    m_eFilter.store(bEMessageFilterTypes_Ok, std::memory_order_relaxed);
    m_CriticalSection.Release();
    if (pTable && bCMemoryAdmin::IsMemoryAdminInitialized())
    {
        bCMemoryAdmin::GetInstance().Free(pTable->m_pEntries);
        bCMemoryAdmin::GetInstance().DeleteObject(pTable);
    }
}

bool bCMessageAdmin::OnMessage(bEMessageTypes a_eType, char const * a_pcText, char const * a_pcText2,
                               char const * a_pcFile, int a_iLine, int a_iPriority)
{
    if (static_cast<int>(a_eType) <= static_cast<int>(m_eFilter.load(std::memory_order_relaxed)))
        return true;
    if (s_bGone.load(std::memory_order_acquire))
        return true;
    m_CriticalSection.Acquire();
    for (int iPass = bEMessageCallbackPriority_Critical; iPass <= bEMessageCallbackPriority_Low; ++iPass)
        ExecuteCallbackType(static_cast<bEMessageCallbackPriority>(iPass), a_eType, a_pcText, a_pcText2, a_pcFile,
                            a_iLine, a_iPriority);
    m_CriticalSection.Release();
    return true;
}

bool bCMessageAdmin::ExecuteCallbackType(bEMessageCallbackPriority a_ePriority, bEMessageTypes a_eType,
                                         char const * a_pcText, char const * a_pcText2, char const * a_pcFile,
                                         int a_iLine, int a_iPriority)
{
    // The table is read anew after every call: a callback may register or
    // unregister callbacks (itself included) while it runs.
    for (int i = 0; m_pCallbackTable && i < m_pCallbackTable->m_iCount; ++i)
    {
        bSMessageCallbackEntry const Entry = m_pCallbackTable->m_pEntries[i];
        if (Entry.m_funcCallback && Entry.m_ePriority == a_ePriority)
            Entry.m_funcCallback(a_eType, a_pcText, a_pcText2, Entry.m_uUserData, a_pcFile, a_iLine, a_iPriority);
    }
    return false;
}

bool bCMessageAdmin::RegisterCallback(bFMessageCallback a_funcCallback, bEMessageCallbackPriority a_ePriority,
                                      unsigned long a_uUserData)
{
    if (s_bGone.load(std::memory_order_acquire) || !m_pCallbackTable)
        return false; // without a table this is a caller error; refuse rather than crash
    m_CriticalSection.Acquire();
    bool bResult = LookupCallback(a_funcCallback) < 0;
    for (int i = 0; bResult && i < m_pCallbackTable->m_iCount; ++i)
        if (m_pCallbackTable->m_pEntries[i].m_ePriority == bEMessageCallbackPriority_Critical)
        {
            OEMessageBox("You\xC2\xB4ve tried to register a new critical message callback.\nThis is not allowed !",
                         "bCMessageAdmin::RegisterCallback", MB_OK | MB_ICONWARNING);
            bResult = false;
        }
    bSCallbackTable & Table = *m_pCallbackTable;
    if (bResult && Table.m_iCount == Table.m_iCapacity)
    {
        int const iCapacity = Table.m_iCapacity + GrowthOf(Table.m_iCapacity);
        void * pEntries = bCMemoryAdmin::GetInstance().Realloc(
            Table.m_pEntries, static_cast<unsigned long>(iCapacity) * sizeof(bSMessageCallbackEntry), nullptr, nullptr,
            -1);
        bResult = pEntries != nullptr;
        if (bResult)
        {
            Table.m_pEntries = static_cast<bSMessageCallbackEntry *>(pEntries);
            std::memset(Table.m_pEntries + Table.m_iCapacity, 0,
                        static_cast<std::size_t>(iCapacity - Table.m_iCapacity) * sizeof(bSMessageCallbackEntry));
            Table.m_iCapacity = iCapacity;
        }
    }
    if (bResult)
        Table.m_pEntries[Table.m_iCount++] = bSMessageCallbackEntry{a_funcCallback, a_uUserData, a_ePriority};
    m_CriticalSection.Release();
    return bResult;
}

bool bCMessageAdmin::UnregisterCallback(bFMessageCallback a_funcCallback)
{
    if (s_bGone.load(std::memory_order_acquire))
        return false;
    m_CriticalSection.Acquire();
    int const iIndex = LookupCallback(a_funcCallback);
    if (iIndex >= 0)
    {
        bSCallbackTable & Table = *m_pCallbackTable;
        std::memmove(Table.m_pEntries + iIndex, Table.m_pEntries + iIndex + 1,
                     static_cast<std::size_t>(Table.m_iCount - iIndex - 1) * sizeof(bSMessageCallbackEntry));
        Table.m_pEntries[--Table.m_iCount] = bSMessageCallbackEntry{};
    }
    m_CriticalSection.Release();
    return iIndex >= 0;
}

int bCMessageAdmin::LookupCallback(bFMessageCallback a_funcCallback) const
{
    if (!m_pCallbackTable)
        return -1;
    for (int i = m_pCallbackTable->m_iCount - 1; i >= 0; --i)
        if (m_pCallbackTable->m_pEntries[i].m_funcCallback == a_funcCallback)
            return i;
    return -1;
}

namespace
{
    bool Deliver(bEMessageTypes a_eType, char const * a_pcText, char const * a_pcText2, char const * a_pcFile,
                 int a_iLine, int a_iPriority)
    {
        return bCMessageAdmin::GetInstance().OnMessage(a_eType, a_pcText, a_pcText2, a_pcFile, a_iLine, a_iPriority);
    }

    // A message the filter drops is never formatted: nobody could see the text.
    bool DeliverFormatted(bEMessageTypes a_eType, bool a_bSecondText, char const * a_pcFile, int a_iLine,
                          int a_iPriority, char const * a_pcFormat, va_list a_Args)
    {
        bCMessageAdmin & Admin = bCMessageAdmin::GetInstance();
        if (static_cast<int>(a_eType) <= static_cast<int>(Admin.GetFilterType()))
            return true;
        char const * pcText2 = nullptr;
        if (a_bSecondText)
        {
            va_list Copy;
            va_copy(Copy, a_Args);
            pcText2 = va_arg(Copy, char const *);
            va_end(Copy);
        }
        char * pcBuffer = t_carrFormatBuffer;
        if (!a_pcFormat || std::vsnprintf(pcBuffer, kFormatBufferSize, a_pcFormat, a_Args) < 0)
            pcBuffer[0] = 0;
        return Admin.OnMessage(a_eType, pcBuffer, pcText2, a_pcFile, a_iLine, a_iPriority);
    }
} // namespace

bool OE_MESSAGE(int a_iPriority, char const * a_pcText)
{
    return Deliver(bEMessageTypes_Info, a_pcText, nullptr, kModule, kLineMessage, a_iPriority);
}

bool OE_MESSAGE_INFO(int a_iPriority, char const * a_pcText)
{
    return Deliver(bEMessageTypes_Info, a_pcText, nullptr, kModule, kLineInfo, a_iPriority);
}

bool OE_MESSAGE_D_INFO(int a_iPriority, char const * a_pcText, char const * a_pcText2)
{
    return Deliver(bEMessageTypes_Info, a_pcText, a_pcText2, kModule, kLineDescInfo, a_iPriority);
}

#define OE_DELIVER_FORMATTED(TYPE, SECOND, FILE, LINE, PRIORITY)                                                       \
    va_list Args;                                                                                                      \
    va_start(Args, a_pcFormat);                                                                                        \
    bool const bResult = DeliverFormatted(TYPE, SECOND, FILE, LINE, PRIORITY, a_pcFormat, Args);                       \
    va_end(Args);                                                                                                      \
    return bResult;

bool OE_MESSAGEF_INFO(int a_iPriority, char const * a_pcFormat, ...)
{
    OE_DELIVER_FORMATTED(bEMessageTypes_Info, false, kModule, kLineInfo, a_iPriority)
}

bool OE_MESSAGEF_D_INFO(int a_iPriority, char const * a_pcFormat, ...)
{
    OE_DELIVER_FORMATTED(bEMessageTypes_Info, true, kModule, kLineDescInfo, a_iPriority)
}

bool OE_MESSAGEF_OK(char const * a_pcFormat, ...)
{
    OE_DELIVER_FORMATTED(bEMessageTypes_Ok, false, nullptr, -1, g_iDefaultMessagePriority)
}

bool OE_MESSAGEF_D_OK(char const * a_pcFormat, ...)
{
    OE_DELIVER_FORMATTED(bEMessageTypes_Ok, true, nullptr, -1, g_iDefaultMessagePriority)
}

bool OE_MESSAGEF_WARN(char const * a_pcFormat, ...)
{
    OE_DELIVER_FORMATTED(bEMessageTypes_Warn, false, nullptr, -1, g_iDefaultMessagePriority)
}

bool OE_MESSAGEF_D_WARN(char const * a_pcFormat, ...)
{
    OE_DELIVER_FORMATTED(bEMessageTypes_Warn, true, nullptr, -1, g_iDefaultMessagePriority)
}
