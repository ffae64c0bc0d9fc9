#ifndef OE_UDPSOCKET_H_INCLUDED
#define OE_UDPSOCKET_H_INCLUDED

// The datagram sockets of the original platform's socket library, over POSIX
// sockets, plus the receiving side that a log viewer and the tests use.
//
// A socket is a plain descriptor; OE_INVALID_SOCKET (-1) marks none.

#include <vellmark/platform/oe_export.h>

typedef int OESOCKET;
inline constexpr OESOCKET OE_INVALID_SOCKET = -1;

// Starts the socket library for the version word (major in the low byte); always 0 here.
OE_API int OEWSAStartup(unsigned short a_uVersion);
// A datagram socket of the internet address family, or OE_INVALID_SOCKET.
OE_API OESOCKET OEOpenDatagramSocket();
// Fixes the destination of a datagram socket; a_pcAddress is dotted IPv4.
OE_API bool OEConnect(OESOCKET a_Socket, char const * a_pcAddress, unsigned short a_uPort);
// Sends one datagram; the byte count, or -1 on error. A "port unreachable"
// left over from an earlier datagram (nobody listened then) is reported by the
// next send and would lose it, so that one send is repeated once.
OE_API long OESend(OESOCKET a_Socket, void const * a_pData, unsigned long a_uSize);

// Receiving side. A bound UDP socket, or OE_INVALID_SOCKET (address in use, ...).
OE_API OESOCKET OEBindDatagramSocket(char const * a_pcAddress, unsigned short a_uPort);
// Waits up to a_iTimeoutMs for one datagram and returns its size (cut to the
// buffer), or -1 on time-out or error. a_plSender receives who sent it: the
// process id on a viewer window endpoint, the source port on a UDP socket, -1
// when unknown.
OE_API long OEReceive(OESOCKET a_Socket, void * a_pBuffer, unsigned long a_uSize, int a_iTimeoutMs,
                      long * a_plSender = nullptr);
// Index of the first of a_iCount sockets with a datagram waiting, -1 on time-out.
OE_API int OEWaitReadable(OESOCKET const * a_pSockets, int a_iCount, int a_iTimeoutMs);
OE_API void OECloseSocket(OESOCKET a_Socket);

#endif
