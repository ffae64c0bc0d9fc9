#include <vellmark/platform/oe_udpsocket.h>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
    bool MakeAddress(char const * a_pcAddress, unsigned short a_uPort, sockaddr_in & a_Address)
    {
        std::memset(&a_Address, 0, sizeof(a_Address));
        a_Address.sin_family = AF_INET;
        a_Address.sin_port = htons(a_uPort);
        return a_pcAddress && inet_pton(AF_INET, a_pcAddress, &a_Address.sin_addr) == 1;
    }

    long SenderPid(msghdr const & a_Header)
    {
        for (cmsghdr * pCmsg = CMSG_FIRSTHDR(&a_Header); pCmsg;
             pCmsg = CMSG_NXTHDR(const_cast<msghdr *>(&a_Header), pCmsg))
            if (pCmsg->cmsg_level == SOL_SOCKET && pCmsg->cmsg_type == SCM_CREDENTIALS)
            {
                ucred Credentials;
                std::memcpy(&Credentials, CMSG_DATA(pCmsg), sizeof(Credentials));
                return Credentials.pid;
            }
        return -1;
    }
} // namespace

int OEWSAStartup(unsigned short)
{
    return 0;
}

OESOCKET OEOpenDatagramSocket()
{
    int const iSocket = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    return iSocket < 0 ? OE_INVALID_SOCKET : iSocket;
}

bool OEConnect(OESOCKET a_Socket, char const * a_pcAddress, unsigned short a_uPort)
{
    sockaddr_in Address;
    if (a_Socket == OE_INVALID_SOCKET || !MakeAddress(a_pcAddress, a_uPort, Address))
        return false;
    return connect(a_Socket, reinterpret_cast<sockaddr const *>(&Address), sizeof(Address)) == 0;
}

long OESend(OESOCKET a_Socket, void const * a_pData, unsigned long a_uSize)
{
    if (a_Socket == OE_INVALID_SOCKET)
        return -1;
    ssize_t iSent = send(a_Socket, a_pData, a_uSize, MSG_NOSIGNAL);
    if (iSent < 0 && errno == ECONNREFUSED)
        iSent = send(a_Socket, a_pData, a_uSize, MSG_NOSIGNAL);
    return iSent < 0 ? -1 : static_cast<long>(iSent);
}

OESOCKET OEBindDatagramSocket(char const * a_pcAddress, unsigned short a_uPort)
{
    sockaddr_in Address;
    if (!MakeAddress(a_pcAddress, a_uPort, Address))
        return OE_INVALID_SOCKET;
    int const iSocket = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (iSocket < 0)
        return OE_INVALID_SOCKET;
    int iSize = 1 << 20; // room for a burst of full-sized packets while the reader is busy
    setsockopt(iSocket, SOL_SOCKET, SO_RCVBUF, &iSize, sizeof(iSize));
    if (bind(iSocket, reinterpret_cast<sockaddr const *>(&Address), sizeof(Address)) != 0)
    {
        close(iSocket);
        return OE_INVALID_SOCKET;
    }
    return iSocket;
}

long OEReceive(OESOCKET a_Socket, void * a_pBuffer, unsigned long a_uSize, int a_iTimeoutMs, long * a_plSender)
{
    if (a_plSender)
        *a_plSender = -1;
    if (OEWaitReadable(&a_Socket, 1, a_iTimeoutMs) != 0)
        return -1;
    iovec Vector{a_pBuffer, a_uSize};
    alignas(cmsghdr) char carrControl[CMSG_SPACE(sizeof(ucred))];
    sockaddr_storage From{};
    msghdr Header{};
    Header.msg_name = &From;
    Header.msg_namelen = sizeof(From);
    Header.msg_iov = &Vector;
    Header.msg_iovlen = 1;
    Header.msg_control = carrControl;
    Header.msg_controllen = sizeof(carrControl);
    ssize_t const iReceived = recvmsg(a_Socket, &Header, MSG_DONTWAIT);
    if (iReceived < 0)
        return -1;
    if (a_plSender && From.ss_family == AF_INET)
        *a_plSender = ntohs(reinterpret_cast<sockaddr_in const *>(&From)->sin_port);
    else if (a_plSender)
        *a_plSender = SenderPid(Header);
    return static_cast<long>(iReceived);
}

int OEWaitReadable(OESOCKET const * a_pSockets, int a_iCount, int a_iTimeoutMs)
{
    pollfd arrPoll[8];
    int const iCount = a_iCount < 8 ? a_iCount : 8;
    for (int i = 0; i < iCount; ++i)
        arrPoll[i] = pollfd{a_pSockets[i], POLLIN, 0};
    int const iReady = poll(arrPoll, static_cast<nfds_t>(iCount), a_iTimeoutMs);
    for (int i = 0; iReady > 0 && i < iCount; ++i)
        if (arrPoll[i].revents & (POLLIN | POLLERR | POLLHUP))
            return i;
    return -1;
}

void OECloseSocket(OESOCKET a_Socket)
{
    if (a_Socket != OE_INVALID_SOCKET)
        close(a_Socket);
}
