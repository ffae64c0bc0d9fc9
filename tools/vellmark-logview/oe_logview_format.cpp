#include "oe_logview_format.h"

#include <cstdlib>
#include <cstring>

namespace
{
    std::string SenderText(char const * a_pcWhat, long a_lSender)
    {
        return a_lSender < 0 ? std::string() : std::string(" ") + a_pcWhat + " " + std::to_string(a_lSender);
    }

    bSLogViewRecord DescribePacket(bSLogPacket const & a_Packet, long a_lSender)
    {
        bSLogViewRecord Record{true, false, 0, {}, {}};
        std::string const strFrom = SenderText("port", a_lSender);
        if (a_Packet.m_eKind == bELogPacket_Hello)
            Record.m_strHead = "process started" + strFrom;
        else if (a_Packet.m_eKind == bELogPacket_Goodbye)
            Record.m_strHead = "process ended" + strFrom;
        else
        {
            Record.m_bIsMessage = true;
            Record.m_iType = a_Packet.m_u8Type;
            Record.m_strHead = OELogViewTypeName(Record.m_iType) + " " + std::to_string(a_Packet.m_i32Priority);
            Record.m_strText.assign(a_Packet.m_pcText, a_Packet.m_uTextLength);
        }
        return Record;
    }

    // A viewer line reads "<prefix><priority>: <line>"; the prefix gives the type
    // (OK and Info share "Info: ").
    int TypeOfLine(std::string const & a_strLine)
    {
        static char const * const s_arrPrefixes[] = {"Info: ", "Warn: ", "Fault: ", "Fatal: "};
        for (int i = 0; i < 4; ++i)
            if (a_strLine.compare(0, std::strlen(s_arrPrefixes[i]), s_arrPrefixes[i]) == 0)
                return i + 2;
        return 0;
    }

    bSLogViewRecord DescribeWindow(bSViewerDatagram const & a_Datagram, long a_lSender)
    {
        bSLogViewRecord Record{true, false, 0, {}, {}};
        std::string const strFrom = SenderText("pid", a_lSender);
        if (a_Datagram.m_eKind == bEViewerDatagram_Broadcast)
        {
            Record.m_strHead = std::string(a_Datagram.m_pcMessageName) + " " + a_Datagram.m_pcAtomText + strFrom;
            return Record;
        }
        if (!a_Datagram.m_bDataIsText)
            return bSLogViewRecord{false, false, 0, {}, {}};
        Record.m_bIsMessage = true;
        Record.m_strText.assign(a_Datagram.m_pcData, a_Datagram.m_uDataSize - 1);
        Record.m_iType = TypeOfLine(Record.m_strText);
        Record.m_strHead = "line" + strFrom;
        return Record;
    }
} // namespace

std::string OELogViewTypeName(int a_iType)
{
    static char const * const s_arrNames[] = {"OK", "Info", "Warn", "Fault", "Fatal"};
    return a_iType >= 1 && a_iType <= 5 ? s_arrNames[a_iType - 1] : "Type " + std::to_string(a_iType);
}

bSLogViewRecord OELogViewDescribe(bELogViewChannel a_eChannel, void const * a_pData, unsigned long a_uSize,
                                  long a_lSender)
{
    if (a_eChannel == bELogViewChannel_Datagram)
    {
        bSLogPacket Packet;
        return OEParseLogPacket(a_pData, a_uSize, Packet) ? DescribePacket(Packet, a_lSender)
                                                          : bSLogViewRecord{false, false, 0, {}, {}};
    }
    bSViewerDatagram Datagram;
    return OEParseViewerDatagram(a_pData, a_uSize, Datagram) ? DescribeWindow(Datagram, a_lSender)
                                                             : bSLogViewRecord{false, false, 0, {}, {}};
}
