#include <vellmark/kernel/oe_validatemem.h>

#include "oe_basemem_testsupport.h"

#include <gmock/gmock.h>
#include "support/oe_messagerecorder.h"

#include <gtest/gtest.h>

#include <string>

using bCValidateMemoryTest = bCMemoryTest;

namespace
{
    int CountOf(std::string const & a_strText, std::string const & a_strPart)
    {
        int iCount = 0;
        for (std::size_t uAt = a_strText.find(a_strPart); uAt != std::string::npos;
             uAt = a_strText.find(a_strPart, uAt + 1))
            ++iCount;
        return iCount;
    }

    class bCFlagsGuard
    {
    public:
        bCFlagsGuard() : m_Saved(bCValidateMemory::GetInstance()) {}
        ~bCFlagsGuard() { bCValidateMemory::GetInstance() = m_Saved; }

    private:
        bCValidateMemory m_Saved;
    };
} // namespace

// A default object breaks, warns and ends the program on damage, without
// tracing; the process's object does everything.
TEST_F(bCValidateMemoryTest, FlagsOfTheConstructors)
{
    bCValidateMemory Default;
    EXPECT_TRUE(Default.GetBreakOnError() && !Default.GetTraceOnError() && Default.GetWarningMessageOnError() &&
                Default.GetFatalErrorOnError());
    bCValidateMemory const Given(false, true, false, true);
    EXPECT_TRUE(!Given.GetBreakOnError() && Given.GetTraceOnError() && !Given.GetWarningMessageOnError() &&
                Given.GetFatalErrorOnError());
    bCValidateMemory const & Process = bCValidateMemory::GetInstance();
    EXPECT_TRUE(Process.GetBreakOnError() && Process.GetTraceOnError() && Process.GetWarningMessageOnError() &&
                Process.GetFatalErrorOnError());
}

TEST_F(bCValidateMemoryTest, WarningPerReportTextAndTheProgramGoesOn)
{
    bCFlagsGuard Guard;
    bCValidateMemory::GetInstance().SetFatalErrorOnError(false);
    bCMemoryAdmin Admin(true);
    auto * pcBlock = static_cast<char *>(Admin.Malloc(12, "w", "tests/validatemem/warn.cpp", 1));
    pcBlock[12] = 0;
    bCMessageRecorder Recorder;
    EXPECT_TRUE(Admin.ValidateAllAllocationItems(&bCValidateMemory::s_funcMemoryCallback));
    std::string const strOut = Recorder.GetAll();
    // The damaged word, the block's dump and the closing count.
    EXPECT_EQ(CountOf(strOut, "s_funcMemoryCallback - "), 3);
    EXPECT_THAT(strOut, ::testing::HasSubstr("s_funcMemoryCallback - <corrupted, upperbound> Ptr: "));
    pcBlock[12] = static_cast<char>(0xDE);
    Admin.Free(pcBlock);
}

TEST_F(bCValidateMemoryTest, SilentWhenNeitherWarningNorFatalOrNothingIsTracked)
{
    bCFlagsGuard Guard;
    void * pBlock = bCMemoryAdmin::GetInstance().Malloc(8, nullptr, nullptr, -1);
    bCMessageRecorder Recorder;
    bCValidateMemory::GetInstance().Validate(); // all flags set, yet nothing to report
    bCValidateMemory::GetInstance().SetFatalErrorOnError(false);
    bCValidateMemory::GetInstance().SetWarningMessageOnError(false);
    EXPECT_TRUE(bCValidateMemory::s_funcMemoryCallback("text", nullptr));
    EXPECT_EQ(Recorder.GetAll(), "");
    bCMemoryAdmin::GetInstance().Free(pBlock);
}

TEST_F(bCValidateMemoryTest, DamageEndsTheProgramWhenFatal)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            bCValidateMemory::GetInstance().SetWarningMessageOnError(false);
            bCMemoryAdmin Admin(true);
            auto * pcBlock = static_cast<char *>(Admin.Malloc(4, "f", "tests/validatemem/fatal.cpp", 2));
            pcBlock[-3] = 1;
            Admin.ValidateAllAllocationItems(&bCValidateMemory::s_funcMemoryCallback);
        },
        ::testing::ExitedWithCode(447 & 0xFF), "");
}
