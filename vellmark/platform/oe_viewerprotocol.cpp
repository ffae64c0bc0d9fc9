#include <vellmark/platform/oe_viewerprotocol.h>

#include <cstring>

namespace
{
    // Length of the zero-terminated text at a_pcText within a_uSize bytes, or -1
    // when no terminator lies inside.
    long TerminatedLength(char const * a_pcText, unsigned long a_uSize)
    {
        void const * pZero = std::memchr(a_pcText, 0, a_uSize);
        return pZero ? static_cast<char const *>(pZero) - a_pcText : -1;
    }

    uint32_t ReadLE32(unsigned char const * a_pBytes)
    {
        return uint32_t(a_pBytes[0]) | uint32_t(a_pBytes[1]) << 8 | uint32_t(a_pBytes[2]) << 16 |
               uint32_t(a_pBytes[3]) << 24;
    }

    bool ParseCopyData(unsigned char const * a_pBytes, unsigned long a_uSize, bSViewerDatagram & a_Result)
    {
        if (a_uSize < OE_VIEWER_COPYDATA_HEADER)
            return false;
        a_Result.m_u32RecordID = ReadLE32(a_pBytes + 1);
        a_Result.m_pcData = reinterpret_cast<char const *>(a_pBytes + OE_VIEWER_COPYDATA_HEADER);
        a_Result.m_uDataSize = a_uSize - OE_VIEWER_COPYDATA_HEADER;
        long const iLength = TerminatedLength(a_Result.m_pcData, a_Result.m_uDataSize);
        a_Result.m_bDataIsText = iLength >= 0 && static_cast<unsigned long>(iLength) + 1 == a_Result.m_uDataSize;
        return true;
    }

    bool ParseBroadcast(unsigned char const * a_pBytes, unsigned long a_uSize, bSViewerDatagram & a_Result)
    {
        char const * pcName = reinterpret_cast<char const *>(a_pBytes + 1);
        long const iNameLength = TerminatedLength(pcName, a_uSize - 1);
        if (iNameLength < 0)
            return false;
        char const * pcAtom = pcName + iNameLength + 1;
        unsigned long const uRest = a_uSize - 1 - static_cast<unsigned long>(iNameLength) - 1;
        long const iAtomLength = TerminatedLength(pcAtom, uRest);
        if (iAtomLength < 0 || static_cast<unsigned long>(iAtomLength) + 1 != uRest)
            return false;
        a_Result.m_pcMessageName = pcName;
        a_Result.m_pcAtomText = pcAtom;
        return true;
    }
} // namespace

bool OEParseViewerDatagram(void const * a_pData, unsigned long a_uSize, bSViewerDatagram & a_Result)
{
    a_Result = bSViewerDatagram{};
    if (!a_pData || a_uSize < 1)
        return false;
    auto const * pBytes = static_cast<unsigned char const *>(a_pData);
    a_Result.m_eKind = static_cast<bEViewerDatagram>(pBytes[0]);
    if (pBytes[0] == bEViewerDatagram_CopyData)
        return ParseCopyData(pBytes, a_uSize, a_Result);
    if (pBytes[0] == bEViewerDatagram_Broadcast)
        return ParseBroadcast(pBytes, a_uSize, a_Result);
    return false;
}

bool OEParseLogPacket(void const * a_pData, unsigned long a_uSize, bSLogPacket & a_Result)
{
    a_Result = bSLogPacket{};
    if (!a_pData || a_uSize < 1)
        return false;
    auto const * pBytes = static_cast<unsigned char const *>(a_pData);
    a_Result.m_eKind = static_cast<bELogPacket>(pBytes[0]);
    if (pBytes[0] == bELogPacket_Hello || pBytes[0] == bELogPacket_Goodbye)
        return a_uSize == 1;
    if (pBytes[0] != bELogPacket_Message || a_uSize < OE_LOG_MESSAGE_HEADER + 1 || a_uSize > OE_LOG_PACKET_MAX)
        return false;
    a_Result.m_u8Type = pBytes[1];
    a_Result.m_i32Priority = static_cast<int32_t>(ReadLE32(pBytes + 2));
    a_Result.m_pcText = reinterpret_cast<char const *>(pBytes + OE_LOG_MESSAGE_HEADER);
    long const iLength = TerminatedLength(a_Result.m_pcText, a_uSize - OE_LOG_MESSAGE_HEADER);
    if (iLength < 0 || static_cast<unsigned long>(iLength) + OE_LOG_MESSAGE_HEADER + 1 != a_uSize)
        return false;
    a_Result.m_uTextLength = static_cast<unsigned long>(iLength);
    return true;
}
