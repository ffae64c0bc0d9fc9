#ifndef OE_VIEWERPROTOCOL_H_INCLUDED
#define OE_VIEWERPROTOCOL_H_INCLUDED

// The bytes shared by the library's output channels and a log viewer.
//
// Viewer window endpoint (a local datagram socket in the abstract namespace,
// address = a zero byte + the window title, no terminator):
//   copy data  [1][record id, LE32][record bytes]        one WM_COPYDATA
//   broadcast  [2][message name][0][atom text][0]         one registered-message broadcast
// Datagram channel (UDP, 127.0.0.1:4711), integers little-endian, no padding:
//   hello      [0]
//   goodbye    [1]
//   message    [2][type, 1 byte][priority, signed LE32][text][0]   length = text + 7
//
// The parsers accept exactly these shapes and nothing else; they never read
// past the given length.

#include <vellmark/platform/oe_export.h>

#include <cstdint>

inline constexpr char OE_VIEWER_WINDOW_TITLE[] = "[vLogView]";
inline constexpr char OE_VIEWER_COMMAND_MESSAGE[] = "WM_LOGCOMMAND";

enum bEViewerDatagram : unsigned char
{
    bEViewerDatagram_CopyData = 1,
    bEViewerDatagram_Broadcast = 2,
};

inline constexpr unsigned long OE_VIEWER_COPYDATA_HEADER = 5;

enum bELogPacket : unsigned char
{
    bELogPacket_Hello = 0,
    bELogPacket_Goodbye = 1,
    bELogPacket_Message = 2,
};

inline constexpr char OE_LOG_ADDRESS[] = "127.0.0.1";
inline constexpr unsigned short OE_LOG_PORT = 4711;
inline constexpr unsigned long OE_LOG_MESSAGE_HEADER = 6;
// The largest payload of one IPv4 datagram; the channel cuts texts to fit it.
inline constexpr unsigned long OE_LOG_PACKET_MAX = 65507;

struct bSViewerDatagram
{
    bEViewerDatagram m_eKind;
    uint32_t m_u32RecordID; // copy data only
    char const * m_pcData;  // copy data: the record bytes
    unsigned long m_uDataSize;
    bool m_bDataIsText;           // the record ends with its only zero byte
    char const * m_pcMessageName; // broadcast only
    char const * m_pcAtomText;    // broadcast only
};

struct bSLogPacket
{
    bELogPacket m_eKind;
    unsigned char m_u8Type; // message only
    int32_t m_i32Priority;  // message only
    char const * m_pcText;  // message only, zero-terminated inside the packet
    unsigned long m_uTextLength;
};

// Both return false for anything that is not one well-formed datagram.
OE_API bool OEParseViewerDatagram(void const * a_pData, unsigned long a_uSize, bSViewerDatagram & a_Result);
OE_API bool OEParseLogPacket(void const * a_pData, unsigned long a_uSize, bSLogPacket & a_Result);

#endif
