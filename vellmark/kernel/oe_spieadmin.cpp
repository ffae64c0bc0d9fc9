#include <vellmark/kernel/oe_spieadmin.h>

#include <vellmark/platform/oe_debugger.h>
#include <vellmark/platform/oe_messagebox.h>
#include <vellmark/platform/oe_viewerprotocol.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <new>

namespace
{
    constexpr char kMarkerFile[] = "vLogFile.txt";
    constexpr unsigned short kSocketVersion = 0x0101;

    alignas(bCSpieAdmin) unsigned char s_arrInstanceStorage[sizeof(bCSpieAdmin)];
    std::atomic<bCSpieAdmin *> s_pInstance{nullptr};
    thread_local bCSpieAdmin * t_pUnderConstruction = nullptr;
    std::mutex s_ConstructionLock;
    bCSpieAdmin * s_pRegistered = nullptr; // the instance whose callback is registered

    bool s_bEnabled = false;
    unsigned char s_arrPacket[OE_LOG_PACKET_MAX];

    // Writes the text into the packet after "\r" -> "\n" and then "\n\n" -> "\n"
    // (one pass, left to right), cut so that the packet keeps its terminator.
    unsigned long FillText(char const * a_pcText, unsigned char * a_pDest, unsigned long a_uRoom)
    {
        unsigned long uLength = 0;
        for (char const * pc = a_pcText; *pc && uLength + 1 < a_uRoom; ++pc)
        {
            char const c = *pc == '\r' ? '\n' : *pc;
            char const cNext = pc[1] == '\r' ? '\n' : pc[1];
            if (c == '\n' && cNext == '\n')
                ++pc;
            a_pDest[uLength++] = static_cast<unsigned char>(c);
        }
        a_pDest[uLength] = 0;
        return uLength;
    }

    void RefuseCopy(char const * a_pcText)
    {
        if (OEMessageBox(a_pcText, "bCSpieAdmin::bCSpieAdmin(const bCSpieAdmin &)", MB_YESNO | MB_ICONWARNING) == IDYES)
            OEDebugBreak();
    }
} // namespace

bCSpieAdmin::bCSpieAdmin() : m_Socket(OE_INVALID_SOCKET) {}

bCSpieAdmin::bCSpieAdmin(bCSpieAdmin const &) : m_Socket(OE_INVALID_SOCKET)
{
    RefuseCopy("Copyconstructor not implemented. This message should never be seen. Follow the rabbit !\n\n"
               "Press YES to enter debugger");
}

bCSpieAdmin & bCSpieAdmin::operator=(bCSpieAdmin const &)
{
    RefuseCopy("Copyoperator not implemented. This message should never be seen. Follow the rabbit !\n\n"
               "Press YES to enter debugger");
    return *this;
}

bCSpieAdmin::~bCSpieAdmin()
{
    Destroy();
}

bCSpieAdmin & bCSpieAdmin::GetInstance()
{
    if (bCSpieAdmin * pInstance = s_pInstance.load(std::memory_order_acquire))
        return *pInstance;
    if (t_pUnderConstruction)
        return *t_pUnderConstruction;
    std::lock_guard<std::mutex> Guard(s_ConstructionLock);
    if (bCSpieAdmin * pInstance = s_pInstance.load(std::memory_order_acquire))
        return *pInstance;
    bCSpieAdmin * pInstance = new (s_arrInstanceStorage) bCSpieAdmin;
    t_pUnderConstruction = pInstance;
    pInstance->Create();
    std::atexit(&bCSpieAdmin::DestroyInstance);
    s_pInstance.store(pInstance, std::memory_order_release);
    t_pUnderConstruction = nullptr;
    return *pInstance;
}

void bCSpieAdmin::DestroyInstance()
{
    if (bCSpieAdmin * pInstance = s_pInstance.load(std::memory_order_acquire))
        pInstance->~bCSpieAdmin();
}

void bCSpieAdmin::Create()
{
    Destroy();
    std::FILE * pMarker = std::fopen(kMarkerFile, "r");
    if (!pMarker)
        return;
    std::fclose(pMarker);
    s_bEnabled = true;
    if (bCMessageAdmin::GetInstance().RegisterCallback(&bCSpieAdmin::OnMessage, bEMessageCallbackPriority_Normal,
                                                       reinterpret_cast<unsigned long>(this)))
        s_pRegistered = this;
    OEWSAStartup(kSocketVersion);
    OESOCKET const Socket = OEOpenDatagramSocket();
    if (Socket == OE_INVALID_SOCKET)
        return;
    m_CriticalSection.Acquire();
    m_Socket = Socket;
    if (OEConnect(m_Socket, OE_LOG_ADDRESS, OE_LOG_PORT))
        SendKind(bELogPacket_Hello);
    m_CriticalSection.Release();
}

void bCSpieAdmin::Destroy()
{
    m_CriticalSection.Acquire();
    if (m_Socket != OE_INVALID_SOCKET)
    {
        SendKind(bELogPacket_Goodbye);
        OECloseSocket(m_Socket);
    }
    m_Socket = OE_INVALID_SOCKET;
    m_CriticalSection.Release();
    // A refused copy never registered anything and must not take the instance's registration away.
    if (s_pRegistered == this)
    {
        bCMessageAdmin::GetInstance().UnregisterCallback(&bCSpieAdmin::OnMessage);
        s_pRegistered = nullptr;
    }
}

bool bCSpieAdmin::Send(void * const a_pData, unsigned long a_uLength)
{
    m_CriticalSection.Acquire();
    bool const bSent = OESend(m_Socket, a_pData, a_uLength) >= 0;
    m_CriticalSection.Release();
    return bSent;
}

void bCSpieAdmin::SendKind(unsigned char a_u8Kind)
{
    unsigned char u8Packet = a_u8Kind;
    Send(&u8Packet, 1);
}

bool bCSpieAdmin::OnMessage(bEMessageTypes a_eType, char const * a_pcText, char const *, unsigned long a_uUserData,
                            char const *, int, int a_iPriority)
{
    if (!s_bEnabled)
        return true;
    bCSpieAdmin * pThis = reinterpret_cast<bCSpieAdmin *>(a_uUserData);
    if (!a_pcText || !pThis)
        return false;
    pThis->m_CriticalSection.Acquire();
    uint32_t const u32Priority = static_cast<uint32_t>(a_iPriority);
    s_arrPacket[0] = bELogPacket_Message;
    s_arrPacket[1] = static_cast<unsigned char>(a_eType);
    for (int i = 0; i < 4; ++i)
        s_arrPacket[2 + i] = static_cast<unsigned char>(u32Priority >> (8 * i));
    unsigned long const uLength =
        FillText(a_pcText, s_arrPacket + OE_LOG_MESSAGE_HEADER, OE_LOG_PACKET_MAX - OE_LOG_MESSAGE_HEADER);
    pThis->Send(s_arrPacket, uLength + OE_LOG_MESSAGE_HEADER + 1);
    pThis->m_CriticalSection.Release();
    return true;
}
