// Feeds arbitrary datagrams to the viewer's parsers and to the viewer's record
// formatting, on both channels, and checks that what they report lies inside
// the datagram.

#include "../tools/vellmark-logview/oe_logview_format.cpp"

#include <vellmark/platform/oe_viewerprotocol.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{
    bool Inside(void const * a_pBase, std::size_t a_uSize, char const * a_pcText, std::size_t a_uLength)
    {
        auto const * pBase = static_cast<char const *>(a_pBase);
        return a_pcText >= pBase && a_pcText + a_uLength < pBase + a_uSize && a_pcText[a_uLength] == 0;
    }

    void CheckLogPacket(uint8_t const * a_pData, std::size_t a_uSize)
    {
        bSLogPacket Packet;
        if (!OEParseLogPacket(a_pData, a_uSize, Packet) || Packet.m_eKind != bELogPacket_Message)
            return;
        if (!Inside(a_pData, a_uSize, Packet.m_pcText, Packet.m_uTextLength) ||
            std::strlen(Packet.m_pcText) != Packet.m_uTextLength || Packet.m_uTextLength + 7 != a_uSize)
            std::abort();
    }

    void CheckViewerDatagram(uint8_t const * a_pData, std::size_t a_uSize)
    {
        bSViewerDatagram Datagram;
        if (!OEParseViewerDatagram(a_pData, a_uSize, Datagram))
            return;
        if (Datagram.m_eKind == bEViewerDatagram_Broadcast &&
            (!Inside(a_pData, a_uSize, Datagram.m_pcMessageName, std::strlen(Datagram.m_pcMessageName)) ||
             !Inside(a_pData, a_uSize, Datagram.m_pcAtomText, std::strlen(Datagram.m_pcAtomText))))
            std::abort();
        if (Datagram.m_eKind == bEViewerDatagram_CopyData && Datagram.m_uDataSize + 5 != a_uSize)
            std::abort();
    }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, std::size_t a_uSize)
{
    CheckLogPacket(a_pData, a_uSize);
    CheckViewerDatagram(a_pData, a_uSize);
    OELogViewDescribe(bELogViewChannel_Datagram, a_pData, a_uSize, 1);
    OELogViewDescribe(bELogViewChannel_Window, a_pData, a_uSize, -1);
    return 0;
}
