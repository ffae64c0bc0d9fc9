// The fatal hook of the error administration: for fuzzers and tests, a fatal
// report returns to the caller instead of ending the process.

#include <vellmark/kernel/oe_erroradmin.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
    std::vector<std::string> s_arrCalls;

    void RecordFatal(char const * a_pcMessage, char const * a_pcFile, int a_iLine)
    {
        s_arrCalls.push_back(std::string(a_pcMessage) + "|" + a_pcFile + "|" + std::to_string(a_iLine));
    }
} // namespace

TEST(bCErrorAdmin, FatalHookLetsTheCallerGoOnAfterTheReport)
{
    s_arrCalls.clear();
    bFFatalHook const funcOld = bCErrorAdmin::SetFatalHook(&RecordFatal);
    EXPECT_EQ(funcOld, nullptr);
    bCErrorAdmin & Admin = bCErrorAdmin::GetInstance();
    Admin.CallFatalError("first", "detail", "module\\file", 12);
    EXPECT_FALSE(Admin.IsInPanicState());
    Admin.CallFatalError("second", "module\\other", 34);
    EXPECT_EQ(bCErrorAdmin::SetFatalHook(nullptr), &RecordFatal);
    EXPECT_EQ(s_arrCalls, (std::vector<std::string>{"first|module\\file|12", "second|module\\other|34"}));
}
