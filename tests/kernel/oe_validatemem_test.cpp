#include <vellmark/kernel/oe_validatemem.h>

#include "oe_basemem_testsupport.h"

#include "support/oe_messagerecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using bCValidateMemoryTest = bCMemoryTest;

// A default object breaks, warns and ends the program on damage, without
// tracing; the process's object does everything.
TEST_F(bCValidateMemoryTest, FlagsOfTheConstructors)
{
    auto Flags = [](bCValidateMemory const & a_Flags) {
        return std::vector<bool>{a_Flags.GetBreakOnError(), a_Flags.GetTraceOnError(),
                                 a_Flags.GetWarningMessageOnError(), a_Flags.GetFatalErrorOnError()};
    };
    EXPECT_EQ(Flags(bCValidateMemory()), (std::vector<bool>{true, false, true, true}));
    EXPECT_EQ(Flags(bCValidateMemory(false, true, false, true)), (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(Flags(bCValidateMemory::GetInstance()), (std::vector<bool>{true, true, true, true}));
}

// One warning per report text and the program goes on; without warnings
// nothing is said, and an untracked instance has nothing to report.
TEST_F(bCValidateMemoryTest, WarningPerReportTextUnlessSilenced)
{
    bCValidateMemory & Process = bCValidateMemory::GetInstance();
    bCValidateMemory const Saved = Process;
    Process.Validate(); // all flags set, yet nothing tracked
    Process.SetFatalErrorOnError(false);
    bCMemoryAdmin Admin(true);
    auto * pcBlock = static_cast<char *>(Admin.Malloc(12, "w", "tests/validatemem/warn.cpp", 1));
    pcBlock[12] = 0;
    bCMessageRecorder Recorder;
    EXPECT_TRUE(Admin.ValidateAllAllocationItems(&bCValidateMemory::s_funcMemoryCallback));
    // The damaged word, the block's dump and the closing count.
    std::string const strOut = Recorder.Take();
    EXPECT_THAT(strOut, StartsWith("s_funcMemoryCallback - <corrupted, upperbound> Ptr: "));
    EXPECT_THAT(strOut, HasSubstr(" ID: 1 \n \ns_funcMemoryCallback -  Ptr Address    : "));
    EXPECT_THAT(strOut, EndsWith("\ns_funcMemoryCallback - bCMemoryAdmin::ValidateAllAllocationItems - warning: 1 "
                                 "corrupted allocation items were found\n\n\n"));
    Process.SetWarningMessageOnError(false);
    EXPECT_TRUE(Admin.ValidateAllAllocationItems(&bCValidateMemory::s_funcMemoryCallback));
    EXPECT_EQ(Recorder.GetAll(), "");
    pcBlock[12] = static_cast<char>(0xDE);
    Admin.Free(pcBlock);
    Process = Saved;
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
