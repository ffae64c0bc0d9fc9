#include <vellmark/platform/oe_viewerwindow.h>

#include <vellmark/platform/oe_globalatom.h>
#include <vellmark/platform/oe_viewerprotocol.h>

#include <cstddef>
#include <cstring>
#include <mutex>
#include <new>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

struct OEWindowHandle_
{
    int m_iSocket;
};

namespace
{
    constexpr unsigned int kFirstRegisteredMessage = 0xC000;

    socklen_t WindowAddress(char const * a_pcTitle, sockaddr_un & a_Address)
    {
        std::memset(&a_Address, 0, sizeof(a_Address));
        a_Address.sun_family = AF_UNIX;
        std::size_t const uLength = std::min(std::strlen(a_pcTitle), sizeof(a_Address.sun_path) - 1);
        std::memcpy(a_Address.sun_path + 1, a_pcTitle, uLength); // leading zero: abstract namespace
        return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + uLength);
    }

    struct bSRegisteredMessages
    {
        std::mutex m_Lock;
        std::vector<std::string> m_arrNames;
    };

    constexpr long kSendTimeoutSeconds = 5;
    constexpr int kViewerBufferBytes = 1 << 20;

    bSRegisteredMessages & RegisteredMessages()
    {
        static bSRegisteredMessages s_Messages;
        return s_Messages;
    }

    std::string RegisteredMessageName(unsigned int a_uMessage)
    {
        bSRegisteredMessages & R = RegisteredMessages();
        std::lock_guard<std::mutex> Guard(R.m_Lock);
        unsigned int const uIndex = a_uMessage - kFirstRegisteredMessage;
        return a_uMessage >= kFirstRegisteredMessage && uIndex < R.m_arrNames.size() ? R.m_arrNames[uIndex] : "";
    }

    long SendCopyData(HWND a_hWindow, COPYDATASTRUCT const * a_pData)
    {
        if (!a_hWindow || a_hWindow == HWND_BROADCAST || !a_pData)
            return 0;
        unsigned char arrHeader[OE_VIEWER_COPYDATA_HEADER] = {bEViewerDatagram_CopyData};
        uint32_t const u32ID = static_cast<uint32_t>(a_pData->dwData);
        for (int i = 0; i < 4; ++i)
            arrHeader[1 + i] = static_cast<unsigned char>(u32ID >> (8 * i));
        iovec arrVector[2] = {{arrHeader, sizeof(arrHeader)}, {a_pData->lpData, a_pData->lpData ? a_pData->cbData : 0}};
        msghdr Header{};
        Header.msg_iov = arrVector;
        Header.msg_iovlen = 2;
        return sendmsg(a_hWindow->m_iSocket, &Header, MSG_NOSIGNAL) < 0 ? 0 : 1;
    }

    long BroadcastRegistered(unsigned int a_uMessage, intptr_t a_iLParam)
    {
        std::string const strName = RegisteredMessageName(a_uMessage);
        char carrAtom[256];
        if (strName.empty() || !OEGlobalGetAtomName(static_cast<ATOM>(a_iLParam), carrAtom, sizeof(carrAtom)))
            return 0;
        std::string strDatagram(1, static_cast<char>(bEViewerDatagram_Broadcast));
        strDatagram.append(strName).push_back('\0');
        strDatagram.append(carrAtom).push_back('\0');
        int const iSocket = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (iSocket < 0)
            return 0;
        sockaddr_un Address;
        socklen_t const uLength = WindowAddress(OE_VIEWER_WINDOW_TITLE, Address);
        timeval const Timeout{kSendTimeoutSeconds, 0};
        setsockopt(iSocket, SOL_SOCKET, SO_SNDTIMEO, &Timeout, sizeof(Timeout));
        ssize_t const iSent = sendto(iSocket, strDatagram.data(), strDatagram.size(), MSG_NOSIGNAL,
                                     reinterpret_cast<sockaddr const *>(&Address), uLength);
        close(iSocket);
        return iSent < 0 ? 0 : 1;
    }
} // namespace

HWND OEFindWindow(char const *, char const * a_pcWindowName)
{
    if (!a_pcWindowName)
        return nullptr;
    int const iSocket = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (iSocket < 0)
        return nullptr;
    sockaddr_un Address;
    socklen_t const uLength = WindowAddress(a_pcWindowName, Address);
    HWND hWindow = nullptr;
    // A viewer that stops reading must not stall every program that talks to it:
    // a send gives up after a while, as a send with a time-out to a hung window would.
    timeval const Timeout{kSendTimeoutSeconds, 0};
    setsockopt(iSocket, SOL_SOCKET, SO_SNDTIMEO, &Timeout, sizeof(Timeout));
    // A line travels as one datagram, which must fit the send buffer: the
    // default (about 200 KB) would drop longer lines. The viewer reads as much.
    int iSize = kViewerBufferBytes;
    setsockopt(iSocket, SOL_SOCKET, SO_SNDBUF, &iSize, sizeof(iSize));
    if (connect(iSocket, reinterpret_cast<sockaddr const *>(&Address), uLength) == 0)
        hWindow = new (std::nothrow) OEWindowHandle_{iSocket};
    if (!hWindow)
        close(iSocket);
    return hWindow;
}

void OECloseWindowHandle(HWND a_hWindow)
{
    if (!a_hWindow || a_hWindow == HWND_BROADCAST)
        return;
    close(a_hWindow->m_iSocket);
    delete a_hWindow;
}

unsigned int OERegisterWindowMessage(char const * a_pcName)
{
    if (!a_pcName || !*a_pcName)
        return 0;
    bSRegisteredMessages & R = RegisteredMessages();
    std::lock_guard<std::mutex> Guard(R.m_Lock);
    for (std::size_t u = 0; u < R.m_arrNames.size(); ++u)
        if (R.m_arrNames[u] == a_pcName)
            return kFirstRegisteredMessage + static_cast<unsigned int>(u);
    R.m_arrNames.emplace_back(a_pcName);
    return kFirstRegisteredMessage + static_cast<unsigned int>(R.m_arrNames.size() - 1);
}

long OESendMessage(HWND a_hWindow, unsigned int a_uMessage, uintptr_t, intptr_t a_iLParam)
{
    if (a_uMessage == WM_COPYDATA)
        return SendCopyData(a_hWindow, reinterpret_cast<COPYDATASTRUCT const *>(a_iLParam));
    if (a_hWindow == HWND_BROADCAST)
        return BroadcastRegistered(a_uMessage, a_iLParam);
    return 0;
}

OESOCKET OEOpenViewerWindow(char const * a_pcWindowName)
{
    if (!a_pcWindowName)
        return OE_INVALID_SOCKET;
    int const iSocket = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (iSocket < 0)
        return OE_INVALID_SOCKET;
    int iOn = 1;
    setsockopt(iSocket, SOL_SOCKET, SO_PASSCRED, &iOn, sizeof(iOn));
    int iSize = kViewerBufferBytes;
    setsockopt(iSocket, SOL_SOCKET, SO_RCVBUF, &iSize, sizeof(iSize));
    sockaddr_un Address;
    socklen_t const uLength = WindowAddress(a_pcWindowName, Address);
    if (bind(iSocket, reinterpret_cast<sockaddr const *>(&Address), uLength) != 0)
    {
        close(iSocket);
        return OE_INVALID_SOCKET;
    }
    return iSocket;
}
