#ifndef OE_STREAM_TESTSUPPORT_H_INCLUDED
#define OE_STREAM_TESTSUPPORT_H_INCLUDED

// Helpers of the stream, file and command-line tests: byte vectors and a
// recorder of the warnings sent while it lives.

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_message.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

typedef std::vector<unsigned char> CBytes;

inline CBytes GetBytes(bCMemoryStream const & a_Stream)
{
    bCMemoryStream Copy(a_Stream);
    Copy.SetPosition(0, bEStreamSeekMode_Begin);
    CBytes arrBytes(static_cast<size_t>(Copy.GetSize()));
    if (!arrBytes.empty())
        std::memcpy(arrBytes.data(), Copy.GetBuffer(static_cast<unsigned long>(arrBytes.size())), arrBytes.size());
    return arrBytes;
}

// A stream holding a_arrBytes, positioned at its start.
inline void Fill(bCMemoryStream & a_Stream, CBytes const & a_arrBytes)
{
    a_Stream.Destroy();
    if (!a_arrBytes.empty())
        a_Stream.Write(a_arrBytes.data(), static_cast<unsigned long>(a_arrBytes.size()));
    a_Stream.SetPosition(0, bEStreamSeekMode_Begin);
}

// Collects the texts of the warnings sent while it lives.
class CWarningRecorder
{
public:
    CWarningRecorder()
    {
        ms_pActive = this;
        m_bRegistered = bCMessageAdmin::GetInstance().RegisterCallback(&CWarningRecorder::OnMessage,
                                                                       bEMessageCallbackPriority_Low, 0);
    }
    ~CWarningRecorder() { Stop(); }

    std::vector<std::string> const & Stop()
    {
        if (ms_pActive == this)
        {
            bCMessageAdmin::GetInstance().UnregisterCallback(&CWarningRecorder::OnMessage);
            ms_pActive = nullptr;
        }
        return m_arrTexts;
    }

    // Warnings that contain a_strText.
    int Count(std::string const & a_strText)
    {
        EXPECT_TRUE(m_bRegistered);
        Stop();
        int iCount = 0;
        for (std::string const & strText : m_arrTexts)
            iCount += strText.find(a_strText) != std::string::npos ? 1 : 0;
        return iCount;
    }

private:
    static bool OnMessage(bEMessageTypes a_eType, char const * a_pcText, char const *, unsigned long, char const *, int,
                          int)
    {
        if (ms_pActive && a_eType == bEMessageTypes_Warn)
            ms_pActive->m_arrTexts.push_back(a_pcText ? a_pcText : "");
        return true;
    }

    static inline CWarningRecorder * ms_pActive = nullptr;
    bool m_bRegistered = false;
    std::vector<std::string> m_arrTexts;
};

#endif
