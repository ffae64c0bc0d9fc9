#include <vellmark/crashhandler/DiagAssert.h>
#include <vellmark/platform/oe_debugger.h>
#include <vellmark/platform/oe_messagebox.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
    struct bSBoxRecord
    {
        int m_iCalls = 0;
        std::string m_strCaption;
        std::string m_strText;
        unsigned int m_uStyle = 0;
        int m_iAnswer = IDIGNORE;
    };
    bSBoxRecord g_Box;

    int RecordBox(char const * a_pcText, char const * a_pcCaption, unsigned int a_uStyle)
    {
        ++g_Box.m_iCalls;
        g_Box.m_strText = a_pcText ? a_pcText : "";
        g_Box.m_strCaption = a_pcCaption ? a_pcCaption : "";
        g_Box.m_uStyle = a_uStyle;
        return g_Box.m_iAnswer;
    }

    class DiagAssertTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            g_Box = bSBoxRecord();
            m_funcPrevious = OESetMessageBoxHandler(&RecordBox);
            std::memset(m_carrBuffer, 0x7F, sizeof(m_carrBuffer));
            SetMessageBuffer(m_carrBuffer);
        }
        void TearDown() override
        {
            SetMessageBuffer(nullptr);
            OESetMessageBoxHandler(m_funcPrevious);
        }

        OEMessageBoxHandler m_funcPrevious = nullptr;
        char m_carrBuffer[4096];
    };
} // namespace

TEST_F(DiagAssertTest, OptionsTheClientBufferTheBoxAnswerAndDiagOutput)
{
    unsigned long const uOld = SetDiagAssertOptions(DA_SHOWODS);
    EXPECT_EQ(uOld, 3ul);
    EXPECT_EQ(SetDiagAssertOptions(0), 0ul);
    EXPECT_EQ(SetDiagAssertOptions(uOld), static_cast<unsigned long>(DA_SHOWODS));

    // Options 6 show no box and leave header and stack in the client buffer.
    OESetLastError(1234);
    EXPECT_EQ(DiagAssert(6, "OEFalse == (NULL != a_pSource)", "kernel/oe_string", 42), 0);
    EXPECT_EQ(g_Box.m_iCalls, 0);
    EXPECT_EQ(OEGetLastError(), 1234ul);
    std::string const strText = m_carrBuffer;
    EXPECT_EQ(strText.rfind("Debug Assertion Failed!\n\nProgram : ", 0), 0u);
    EXPECT_NE(strText.find("vellmark_crashhandler_tests\nFile : kernel/oe_string\nLine : 42\nExpression : OEFalse == "
                           "(NULL != a_pSource)\nLast Error (0x000004D2) : **Last error code does not exist!!!!\n\n0x"),
              std::string::npos)
        << strText;
    // The stack begins at the caller of the assertion: this test's module.
    EXPECT_NE(strText.find("_Test::TestBody + "), std::string::npos) << strText;

    // Option 8 leaves out the header; without a buffer nothing is kept.
    EXPECT_EQ(DiagAssert(DA_STACKTRACEONLY, "x", "y", 1), 0);
    EXPECT_EQ(std::string(m_carrBuffer).rfind("0x", 0), 0u) << m_carrBuffer;
    EXPECT_EQ(std::string(m_carrBuffer).find("Debug Assertion Failed!"), std::string::npos);
    SetMessageBuffer(nullptr);
    std::memset(m_carrBuffer, 0, sizeof(m_carrBuffer));
    DiagAssert(DA_SHOWODS, "a", "b", 1);
    EXPECT_EQ(m_carrBuffer[0], 0);

    // The box answer decides whether to stop.
    SetMessageBuffer(m_carrBuffer);
    EXPECT_EQ(DiagAssert(DA_USEDEFAULTS, "a == b", "file.cpp", 7), 0); // the defaults show the box
    EXPECT_EQ(g_Box.m_iCalls, 1);
    EXPECT_EQ(g_Box.m_strCaption, "ASSERTION FAILURE...");
    EXPECT_EQ(g_Box.m_uStyle & 0xFF, static_cast<unsigned int>(MB_ABORTRETRYIGNORE | MB_ICONERROR));
    EXPECT_EQ(g_Box.m_strText, m_carrBuffer);
    g_Box.m_iAnswer = IDRETRY;
    EXPECT_NE(DiagAssert(DA_SHOWMSGBOX, "a == b", "file.cpp", 7), 0);

    // Null and overlong texts are cut to the buffer.
    EXPECT_EQ(DiagAssert(DA_SHOWODS, nullptr, nullptr, 0), 0);
    EXPECT_NE(std::string(m_carrBuffer).find("File : (null)\nLine : 0\nExpression : (null)\n"), std::string::npos);
    std::string const strLong(10000, 'x');
    EXPECT_EQ(DiagAssert(DA_SHOWODS | DA_SHOWSTACKTRACE, strLong.c_str(), strLong.c_str(), 1), 0);
    EXPECT_EQ(std::strlen(m_carrBuffer), 4095u);

    // DiagOutput cuts at its buffer and keeps the last error.
    OESetLastError(87);
    ::testing::internal::CaptureStderr();
    DiagOutput("%s|%d", std::string(2000, 'y').c_str(), 5);
    std::string const strOut = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(strOut, std::string(1023, 'y'));
    EXPECT_EQ(OEGetLastError(), 87ul);
    EXPECT_EQ(AddDiagAssertModule(nullptr), 1);
}


TEST(DiagAssertDeathTest, StopAnswerEndsTheProcessWithMinusOneAndIgnoreRunsOn)
{
    EXPECT_EXIT(
        {
            OESetMessageBoxHandler([](char const *, char const *, unsigned int) { return static_cast<int>(IDABORT); });
            OE_ASSERT_EX(DA_USEDEFAULTS, 1 + 1 == 3, "tests/DiagAssert");
        },
        ::testing::ExitedWithCode(255), "Expression : 1 \\+ 1 == 3");
    EXPECT_EXIT(
        {
            OE_ASSERT_EX(DA_SHOWODS, 1 + 1 == 3, "tests/DiagAssert");
            std::exit(7);
        },
        ::testing::ExitedWithCode(7), "");
}
