#ifndef OE_STREAM_TESTSUPPORT_H_INCLUDED
#define OE_STREAM_TESTSUPPORT_H_INCLUDED

// Helpers of the stream, file and command-line tests: byte vectors and a
// recorder of the warnings sent while it lives.

#include <vellmark/kernel/oe_memorystream.h>

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

// Collects what the message administration reports while it lives.
class CWarningRecorder
{
public:
    CWarningRecorder() { testing::internal::CaptureStderr(); }
    ~CWarningRecorder() { Stop(); }

    std::string const & Stop()
    {
        if (!m_bStopped)
            m_strText = testing::internal::GetCapturedStderr();
        m_bStopped = true;
        return m_strText;
    }

    int Count(std::string const & a_strText)
    {
        Stop();
        int iCount = 0;
        for (size_t u = m_strText.find(a_strText); u != std::string::npos; u = m_strText.find(a_strText, u + 1))
            ++iCount;
        return iCount;
    }

private:
    bool m_bStopped = false;
    std::string m_strText;
};

#endif
