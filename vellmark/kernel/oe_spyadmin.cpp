#include <vellmark/kernel/oe_spyadmin.h>

#include <vellmark/platform/oe_debugger.h>
#include <vellmark/platform/oe_globalatom.h>
#include <vellmark/platform/oe_messagebox.h>
#include <vellmark/platform/oe_mutexhandle.h>
#include <vellmark/platform/oe_viewerprotocol.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <new>
#include <string>

namespace
{
    alignas(bCSpyAdmin) unsigned char s_arrInstanceStorage[sizeof(bCSpyAdmin)];
    std::atomic<bCSpyAdmin *> s_pInstance{nullptr};
    thread_local bCSpyAdmin * t_pUnderConstruction = nullptr;
    std::mutex s_ConstructionLock;
    bCSpyAdmin * s_pRegistered = nullptr; // the instance whose callback is registered

    // The channel's one line string, reused by every line of every message.
    std::string s_strLine;

    char const * PrefixOf(bEMessageTypes a_eType)
    {
        switch (a_eType)
        {
        case bEMessageTypes_Ok:
        case bEMessageTypes_Info: return "Info: ";
        case bEMessageTypes_Warn: return "Warn: ";
        case bEMessageTypes_Fault: return "Fault: ";
        case bEMessageTypes_Fatal: return "Fatal: ";
        default: return "?????: ";
        }
    }

    // "\r" becomes "\n", then each "\n\n" one "\n" (one pass, left to right),
    // then each tab four spaces.
    std::string NormalisedForViewer(char const * a_pcText)
    {
        std::string strText;
        for (char const * pc = a_pcText; *pc; ++pc)
        {
            char const c = *pc == '\r' ? '\n' : *pc;
            char const cNext = pc[1] == '\r' ? '\n' : pc[1];
            if (c == '\n' && cNext == '\n')
                ++pc;
            if (c == '\t')
                strText.append("    ");
            else
                strText.push_back(c);
        }
        return strText;
    }

    void RefuseCopy(char const * a_pcText)
    {
        if (OEMessageBox(a_pcText, "bCSpyAdmin::bCSpyAdmin(const bCSpyAdmin &)", MB_YESNO | MB_ICONWARNING) == IDYES)
            OEDebugBreak();
    }
} // namespace

bCSpyAdmin::bCSpyAdmin() : m_hSpyWindow(nullptr), m_hSpyMutex(nullptr) {}

bCSpyAdmin::bCSpyAdmin(bCSpyAdmin const &) : m_hSpyWindow(nullptr), m_hSpyMutex(nullptr)
{
    RefuseCopy("Copyconstructor not implemented. This message should never be seen. Follow the rabbit !\n\n"
               "Press YES to enter debugger");
}

bCSpyAdmin & bCSpyAdmin::operator=(bCSpyAdmin const &)
{
    RefuseCopy("Copyoperator not implemented. This message should never be seen. Follow the rabbit !\n\n"
               "Press YES to enter debugger");
    return *this;
}

bCSpyAdmin::~bCSpyAdmin()
{
    Destroy();
}

bCSpyAdmin & bCSpyAdmin::GetInstance()
{
    if (bCSpyAdmin * pInstance = s_pInstance.load(std::memory_order_acquire))
        return *pInstance;
    if (t_pUnderConstruction)
        return *t_pUnderConstruction;
    std::lock_guard<std::mutex> Guard(s_ConstructionLock);
    if (bCSpyAdmin * pInstance = s_pInstance.load(std::memory_order_acquire))
        return *pInstance;
    bCSpyAdmin * pInstance = new (s_arrInstanceStorage) bCSpyAdmin;
    t_pUnderConstruction = pInstance;
    pInstance->Create();
    std::atexit(&bCSpyAdmin::DestroyInstance);
    s_pInstance.store(pInstance, std::memory_order_release);
    t_pUnderConstruction = nullptr;
    return *pInstance;
}

void bCSpyAdmin::DestroyInstance()
{
    if (bCSpyAdmin * pInstance = s_pInstance.load(std::memory_order_acquire))
        pInstance->~bCSpyAdmin();
}

void bCSpyAdmin::Create()
{
    Destroy();
    bCMessageAdmin & Admin = bCMessageAdmin::GetInstance();
    if (Admin.RegisterCallback(&bCSpyAdmin::OnMessage, bEMessageCallbackPriority_Normal,
                               reinterpret_cast<unsigned long>(this)))
        s_pRegistered = this;
    HWND const hWindow = OEFindWindow(nullptr, OE_VIEWER_WINDOW_TITLE);
    if (!hWindow)
        return;
    m_CriticalSection.Acquire();
    m_hSpyWindow = hWindow;
    unsigned int const uCommand = OERegisterWindowMessage(OE_VIEWER_COMMAND_MESSAGE);
    SendCommand(uCommand, "START");
    m_hSpyMutex = OECreateMutex(false);
    SendCommand(uCommand, "SHOW");
    m_CriticalSection.Release();
}

void bCSpyAdmin::Destroy()
{
    m_CriticalSection.Acquire();
    OECloseWindowHandle(m_hSpyWindow);
    OECloseMutex(m_hSpyMutex);
    m_hSpyWindow = nullptr;
    m_hSpyMutex = nullptr;
    m_CriticalSection.Release();
    // A refused copy never registered anything and must not take the instance's registration away.
    if (s_pRegistered == this)
    {
        bCMessageAdmin::GetInstance().UnregisterCallback(&bCSpyAdmin::OnMessage);
        s_pRegistered = nullptr;
    }
}

void bCSpyAdmin::SendCommand(unsigned int a_uMessage, char const * a_pcCommand)
{
    ATOM const Atom = OEGlobalAddAtom(a_pcCommand);
    OESendMessage(HWND_BROADCAST, a_uMessage, 0, static_cast<intptr_t>(Atom));
    while (OEGlobalDeleteAtom(Atom) == 0)
    {
    }
}

bool bCSpyAdmin::OnMessage(bEMessageTypes a_eType, char const * a_pcText, char const *, unsigned long a_uUserData,
                           char const *, int, int a_iPriority)
{
    bCSpyAdmin * pThis = reinterpret_cast<bCSpyAdmin *>(a_uUserData);
    if (!pThis || pThis != s_pRegistered || !a_pcText || !pThis->m_hSpyWindow || !pThis->m_hSpyMutex)
        return false;
    char const * pcPrefix = PrefixOf(a_eType);
    std::string const strText = NormalisedForViewer(a_pcText);
    std::size_t uStart = 0;
    while (uStart <= strText.size())
    {
        std::size_t uEnd = strText.find('\n', uStart);
        if (uEnd == std::string::npos)
            uEnd = strText.size();
        if (uEnd > uStart)
            pThis->SendLine(pcPrefix, a_iPriority, strText.substr(uStart, uEnd - uStart).c_str());
        uStart = uEnd + 1;
    }
    return true;
}

void bCSpyAdmin::SendLine(char const * a_pcPrefix, int a_iPriority, char const * a_pcLine)
{
    m_CriticalSection.Acquire();
    OEWaitForMutex(m_hSpyMutex);
    char carrPriority[16];
    std::snprintf(carrPriority, sizeof(carrPriority), "%d: ", a_iPriority);
    s_strLine.assign(a_pcPrefix).append(carrPriority).append(a_pcLine);
    COPYDATASTRUCT Data{0, static_cast<unsigned long>(s_strLine.size() + 1), s_strLine.data()};
    OESendMessage(m_hSpyWindow, WM_COPYDATA, 0, reinterpret_cast<intptr_t>(&Data));
    OEReleaseMutex(m_hSpyMutex);
    m_CriticalSection.Release();
}
