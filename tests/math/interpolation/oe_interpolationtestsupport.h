#ifndef OE_INTERPOLATIONTESTSUPPORT_H_INCLUDED
#define OE_INTERPOLATIONTESTSUPPORT_H_INCLUDED

// Helpers of the animation tests: a recorder of whole messages (type, texts,
// priority) and byte vectors of memory streams.

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_message.h>

#include <cstring>
#include <string>
#include <vector>

struct CRecordedMessage
{
    int m_iType;
    std::string m_strText;
    std::string m_strText2; // "<null>" for none
    int m_iPriority;
};

class CMessageLog
{
public:
    CMessageLog()
    {
        Messages().clear();
        bCMessageAdmin::GetInstance().RegisterCallback(&Record, bEMessageCallbackPriority_Low, 0);
    }
    ~CMessageLog() { bCMessageAdmin::GetInstance().UnregisterCallback(&Record); }

    std::vector<CRecordedMessage> const & Get() const { return Messages(); }
    std::vector<std::string> GetTexts() const
    {
        std::vector<std::string> arrTexts;
        for (CRecordedMessage const & Message : Messages())
            arrTexts.push_back(Message.m_strText);
        return arrTexts;
    }
    void Clear() { Messages().clear(); }

private:
    static std::vector<CRecordedMessage> & Messages()
    {
        static std::vector<CRecordedMessage> s_arrMessages;
        return s_arrMessages;
    }
    static bool Record(bEMessageTypes a_eType, char const * a_pcText, char const * a_pcText2, unsigned long,
                       char const *, int, int a_iPriority)
    {
        Messages().push_back({a_eType, a_pcText ? a_pcText : "<null>", a_pcText2 ? a_pcText2 : "<null>", a_iPriority});
        return true;
    }
};

typedef std::vector<unsigned char> CByteVector;

inline CByteVector GetStreamBytes(bCMemoryStream const & a_Stream)
{
    bCMemoryStream Copy(a_Stream);
    Copy.SetPosition(0, bEStreamSeekMode_Begin);
    CByteVector arrBytes(static_cast<size_t>(Copy.GetSize()));
    if (!arrBytes.empty())
        std::memcpy(arrBytes.data(), Copy.GetBuffer(static_cast<unsigned long>(arrBytes.size())), arrBytes.size());
    return arrBytes;
}

inline void FillStream(bCMemoryStream & a_Stream, void const * a_pBytes, size_t a_uSize)
{
    a_Stream.Destroy();
    if (a_uSize)
        a_Stream.Write(a_pBytes, static_cast<unsigned long>(a_uSize));
    a_Stream.SetPosition(0, bEStreamSeekMode_Begin);
}

// Little-endian building blocks of expected stream bytes.
inline void AppendU32(CByteVector & a_arrBytes, unsigned int a_uValue)
{
    for (int i = 0; i < 4; ++i)
        a_arrBytes.push_back(static_cast<unsigned char>(a_uValue >> (8 * i)));
}

inline void AppendFloat(CByteVector & a_arrBytes, float a_fValue)
{
    unsigned int uBits = 0;
    std::memcpy(&uBits, &a_fValue, 4);
    AppendU32(a_arrBytes, uBits);
}

#endif
