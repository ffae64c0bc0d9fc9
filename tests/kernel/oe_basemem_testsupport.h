#ifndef OE_BASEMEM_TESTSUPPORT_H_INCLUDED
#define OE_BASEMEM_TESTSUPPORT_H_INCLUDED

// Shared by the tests of the memory administration, the pool and the
// validation: a message box that records instead of showing, fault injection
// that is always turned off again, and a report callback that keeps its texts.

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/platform/oe_heap.h>
#include <vellmark/platform/oe_messagebox.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

struct bSRecordedBox
{
    std::string m_strText;
    std::string m_strCaption;
    unsigned int m_uStyle;
};

inline std::vector<bSRecordedBox> & RecordedBoxes()
{
    static std::vector<bSRecordedBox> s_arrBoxes;
    return s_arrBoxes;
}

// Answers as a program that runs on without anybody at the screen.
inline int RecordingBoxHandler(char const * a_pcText, char const * a_pcCaption, unsigned int a_uStyle)
{
    RecordedBoxes().push_back({a_pcText ? a_pcText : "", a_pcCaption ? a_pcCaption : "", a_uStyle});
    unsigned int const uButtons = a_uStyle & 0xF; // assertions offer to ignore, copies to debug
    return uButtons == MB_ABORTRETRYIGNORE ? IDIGNORE : uButtons == MB_YESNO ? IDNO : IDOK;
}

inline std::vector<std::string> MemoryErrorBoxes()
{
    std::vector<std::string> arrTexts;
    for (bSRecordedBox const & Box : RecordedBoxes())
        if (Box.m_strCaption == "Memory error")
        {
            EXPECT_EQ(Box.m_uStyle & 0xF0u, static_cast<unsigned>(MB_ICONERROR));
            arrTexts.push_back(Box.m_strText);
        }
    return arrTexts;
}

// Everything a report callback was handed.
struct bSReport
{
    std::string m_strText;
    bSAllocationItem const * m_pItem;
};

inline std::vector<bSReport> & Reports()
{
    static std::vector<bSReport> s_arrReports;
    return s_arrReports;
}

inline bool RecordReport(char const * a_pcText, bSAllocationItem const * a_pItem)
{
    Reports().push_back({a_pcText ? a_pcText : "<null>", a_pItem});
    return true;
}

// Addresses in reports: upper-case hex, no prefix, at least ten digits.
inline std::string AddressText(void const * a_pAddress)
{
    std::ostringstream Out;
    Out << std::uppercase << std::hex << std::setw(10) << std::setfill('0')
        << reinterpret_cast<std::uintptr_t>(a_pAddress);
    return Out.str();
}

// Sites are shared by every instance of the process: each test gets files of its own.
inline std::string SiteFile(char const * a_pcSuffix = "")
{
    return std::string("tests/") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + a_pcSuffix +
           ".cpp";
}

// What the assertion facility was told: its standard-error output and its boxes.
inline std::string AssertionOutput(std::function<void()> const & a_funcAction)
{
    std::size_t const uBoxes = RecordedBoxes().size();
    ::testing::internal::CaptureStderr();
    a_funcAction();
    std::string strOut = ::testing::internal::GetCapturedStderr();
    for (std::size_t i = uBoxes; i < RecordedBoxes().size(); ++i)
        strOut += RecordedBoxes()[i].m_strText + "\n";
    return strOut;
}

class bCMemoryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        bCMemoryAdmin::GetInstance();
        RecordedBoxes().clear();
        Reports().clear();
        m_funcPreviousBox = OESetMessageBoxHandler(&RecordingBoxHandler);
    }

    void TearDown() override
    {
        OEHeapStopFailures();
        OESetMessageBoxHandler(m_funcPreviousBox);
    }

private:
    OEMessageBoxHandler m_funcPreviousBox = nullptr;
};

#endif
