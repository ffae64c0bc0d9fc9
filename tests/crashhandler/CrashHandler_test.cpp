#include <vellmark/crashhandler/CrashHandler.h>
#include <vellmark/crashhandler/DiagAssert.h>
#include <vellmark/crashhandler/GetLoadedModules.h>
#include <vellmark/platform/oe_debugger.h>
#include <vellmark/platform/oe_messagebox.h>
#include <vellmark/platform/oe_systeminfo.h>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <filesystem>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

namespace
{
    int IgnoreBox(char const *, char const *, unsigned int)
    {
        return IDIGNORE;
    }

    // Quiet assertion boxes for the bad-input cases: they answer Ignore.
    class CrashHandlerTest : public ::testing::Test
    {
    protected:
        void SetUp() override { m_funcPrevious = OESetMessageBoxHandler(&IgnoreBox); }
        void TearDown() override
        {
            SetCrashHandlerFilter(nullptr);
            OESetMessageBoxHandler(m_funcPrevious);
        }
        OEMessageBoxHandler m_funcPrevious = nullptr;
    };

    __attribute__((noinline)) void MarkerFunction()
    {
        asm volatile("");
    }

    struct bSFakeException
    {
        EXCEPTION_RECORD m_Record{};
        CONTEXT m_Context{};
        EXCEPTION_POINTERS m_Pointers{&m_Record, &m_Context};

        bSFakeException(uint32_t a_uCode, void * a_pAddress)
        {
            m_Record.ExceptionCode = a_uCode;
            m_Record.ExceptionAddress = a_pAddress;
            m_Context.Rip = reinterpret_cast<uintptr_t>(a_pAddress);
            m_Context.SegCs = 0x33;
        }
    };

    // Found without the module helpers under test: the file the kernel started.
    std::string ProgramName()
    {
        return std::filesystem::read_symlink("/proc/self/exe").filename().string();
    }

    volatile int g_iZero = 0;
    int * volatile g_piNull = nullptr;

    // Real faults; the undefined-behaviour checker must not stop them first.
    __attribute__((noinline, no_sanitize("undefined"))) void WriteToNull()
    {
        *g_piNull = 1;
    }

    __attribute__((noinline, no_sanitize("undefined"))) int DivideByZero()
    {
        return 7 / g_iZero;
    }

    long PrintReasonAndHandle(EXCEPTION_POINTERS * a_pPointers)
    {
        std::fprintf(stderr, "reason[%s]\n", GetFaultReason(a_pPointers));
        return EXCEPTION_EXECUTE_HANDLER;
    }

    long PreviousFilter(EXCEPTION_POINTERS *)
    {
        std::fputs("previous filter\n", stderr);
        std::_Exit(42);
    }

    long ClientFilter(EXCEPTION_POINTERS *)
    {
        std::fputs("client filter\n", stderr);
        std::_Exit(43);
    }

    // The loader's own handle of the module holding the address (what loading it by name gives).
    HMODULE LoaderHandleOf(void * a_pInModule)
    {
        Dl_info Info{};
        return dladdr(a_pInModule, &Info) ? dlopen(Info.dli_fname, RTLD_NOW | RTLD_NOLOAD) : nullptr;
    }

    void FaultWithLimitModule(HMODULE a_hModule)
    {
        OESetUnhandledExceptionFilter(&PreviousFilter);
        SetCrashHandlerFilter(&ClientFilter);
        AddCrashHandlerLimitModule(a_hModule);
        WriteToNull();
    }
} // namespace

TEST_F(CrashHandlerTest, FaultReasonNamesProgramExceptionAndModule)
{
    bSFakeException Fake(EXCEPTION_INT_DIVIDE_BY_ZERO, reinterpret_cast<void *>(&MarkerFunction));
    char const * pcReason = GetFaultReason(&Fake.m_Pointers);
    ASSERT_NE(pcReason, nullptr);
    char carrAddress[16];
    std::snprintf(carrAddress, sizeof(carrAddress), "%08X",
                  static_cast<unsigned int>(reinterpret_cast<uintptr_t>(&MarkerFunction)));
    std::string const strExpected = ProgramName() + "\ncaused a EXCEPTION_INT_DIVIDE_BY_ZERO\nin module " +
                                    ProgramName() + " at 0033:" + carrAddress + "\n";
    EXPECT_EQ(std::string(pcReason).substr(0, strExpected.size()), strExpected);

    // Every exception name of the table; an unknown code has none.
    struct bSCase
    {
        uint32_t m_uCode;
        char const * m_pcName;
    };
#define OE_CASE(NAME) bSCase{NAME, #NAME}
    bSCase const arrCases[] = {
        OE_CASE(EXCEPTION_ACCESS_VIOLATION), OE_CASE(EXCEPTION_FLT_DENORMAL_OPERAND),
        OE_CASE(EXCEPTION_INT_OVERFLOW), OE_CASE(EXCEPTION_INVALID_HANDLE), // first, last and a few between
    };
#undef OE_CASE
    for (bSCase const & Case : arrCases)
        EXPECT_STREQ(GetExceptionName(Case.m_uCode), Case.m_pcName);
    bSFakeException Unknown(0x12345678, nullptr);
    EXPECT_EQ(std::string(GetFaultReason(&Unknown.m_Pointers)),
              ProgramName() + "\ncaused a \nin module <UNKNOWN> at 0033:00000000\n");
    EXPECT_EQ(GetExceptionName(0xC0000094u + 0x100000000ul), nullptr);
}

TEST_F(CrashHandlerTest, RegisterTextStackWalkAndModules)
{
    bSFakeException Fake(EXCEPTION_BREAKPOINT, nullptr);
    CONTEXT & C = Fake.m_Context;
    C.Rax = 0x1122334455667788, C.Rbx = 1, C.Rcx = 2, C.Rdx = 3, C.Rsi = 4, C.Rdi = 5, C.Rbp = 6, C.Rsp = 7;
    C.Rip = 0xFFFFFFFF00ABCDEF, C.EFlags = 0x246, C.SegDs = 0x2B, C.SegSs = 0x2B, C.SegFs = 0x53;
    EXPECT_STREQ(GetRegisterString(&Fake.m_Pointers),
                 "EAX=55667788  EBX=00000001  ECX=00000002  EDX=00000003  ESI=00000004\nEDI=00000005  EBP=00000006  "
                 "ESP=00000007  EIP=00ABCDEF  FLG=00000246\nCS=0033   DS=002B  SS=002B  ES=0000   FS=0053  GS=0000");

    // The caller-buffer variants cut the text; bad pointers give none.
    char carrBuffer[9];
    ASSERT_EQ(GetRegisterStringVB(&Fake.m_Pointers, carrBuffer, sizeof(carrBuffer)), 1);
    EXPECT_STREQ(carrBuffer, "EAX=5566");
    EXPECT_EQ(GetFirstStackTraceStringVB(2, &Fake.m_Pointers, carrBuffer, sizeof(carrBuffer)), 1);
    EXPECT_STREQ(carrBuffer, "0033:00A");
    EXPECT_EQ(GetRegisterStringVB(&Fake.m_Pointers, carrBuffer, 0), 1); // a text, but room for none of it
    EXPECT_STREQ(carrBuffer, "0033:00A");
    EXPECT_EQ(GetRegisterStringVB(&Fake.m_Pointers, reinterpret_cast<char *>(8), 4), 0);
    EXPECT_EQ(GetRegisterString(reinterpret_cast<EXCEPTION_POINTERS *>(16)), nullptr);
    EXCEPTION_POINTERS Broken{nullptr, nullptr};
    EXPECT_EQ(GetFaultReason(&Broken), nullptr);

    // A stack walk over a captured context ends.
    EXCEPTION_RECORD Record{};
    CONTEXT Context{};
    OECaptureContext(&Context);
    Record.ExceptionAddress = reinterpret_cast<void *>(Context.Rip);
    EXCEPTION_POINTERS Pointers{&Record, &Context};
    char const * pcLine = GetFirstStackTraceString(15, &Pointers);
    ASSERT_NE(pcLine, nullptr);
    char carrFirst[32];
    std::snprintf(carrFirst, sizeof(carrFirst), "%04X:%08X (0x", Context.SegCs, static_cast<unsigned int>(Context.Rip));
    EXPECT_EQ(std::string(pcLine).rfind(carrFirst, 0), 0u) << pcLine;
    int iLines = 1;
    std::string strAll = pcLine;
    while ((pcLine = GetNextStackTraceString(15, &Pointers)) && iLines < 1000)
        ++iLines, strAll += pcLine;
    // Symbols come without their parameter list; the text adds its own "()".
    EXPECT_NE(strAll.find("_Test::TestBody()+"), std::string::npos) << strAll;
    EXPECT_EQ(strAll.find("TestBody()()"), std::string::npos) << strAll;
    EXPECT_LT(iLines, 1000);

    // Limit modules are counted, copied and forgotten.
    EXPECT_EQ(AddCrashHandlerLimitModule(nullptr), 0);
    HINSTANCE const hOwn = OEGetModuleOfAddress(reinterpret_cast<void *>(&MarkerFunction));
    HINSTANCE const hLibrary = OEGetModuleOfAddress(reinterpret_cast<void *>(&DiagAssert));
    EXPECT_EQ(AddCrashHandlerLimitModule(hOwn), 1);
    EXPECT_EQ(AddCrashHandlerLimitModule(hLibrary), 1);
    EXPECT_EQ(GetLimitModuleCount(), 2u);
    HINSTANCE arrModules[2] = {};
    EXPECT_EQ(GetLimitModulesArray(arrModules, 1), -2);
    EXPECT_EQ(GetLimitModulesArray(arrModules, 2), 1);
    EXPECT_EQ(arrModules[1], hLibrary);
    EXPECT_EQ(SetCrashHandlerFilter(nullptr), 1);
    EXPECT_EQ(GetLimitModuleCount(), 0u);

    // Loaded modules: counted only with size zero; bad arguments refused.
    unsigned int uCount = 0;
    EXPECT_EQ(GetLoadedModules(OEGetCurrentProcessId(), 0, nullptr, &uCount), 1);
    EXPECT_GE(uCount, 3u);
    HMODULE arrLoaded[512] = {};
    unsigned int uReal = 0;
    ASSERT_EQ(GetLoadedModules(0, 512, arrLoaded, &uReal), 1);
    EXPECT_EQ(uReal, uCount);
    EXPECT_NE(std::find(arrLoaded, arrLoaded + uReal, hLibrary), arrLoaded + uReal);
    char carrName[64]; // the base name starts after the last separator
    EXPECT_GT(CHGetModuleBaseName(nullptr, hLibrary, carrName, sizeof(carrName)), 0ul);
    EXPECT_EQ(std::string(carrName).rfind("libvellmark.so", 0), 0u) << carrName;

    OESetLastError(0);
    EXPECT_EQ(GetLoadedModules(0, 1, arrLoaded, &uReal), 0);
    EXPECT_EQ(OEGetLastError(), 122ul);
    EXPECT_GT(uReal, 1u);
    EXPECT_EQ(GetLoadedModules(0, 4, reinterpret_cast<HMODULE *>(8), &uReal), 0);
    EXPECT_EQ(OEGetLastError(), 87ul);
    EXPECT_EQ(uReal, 0u); // the count is set on this road too
}

// A fault under each filter answer, and with limit modules: a crash outside them goes to the
// filter that was there before.
TEST(CrashHandlerDeathTest, FaultsReachTheFilterThatAnswers)
{
    struct
    {
        void (*m_funcRun)();
        std::function<bool(int)> m_funcStatus;
        char const * m_pcText;
    } const Cases[] = {
        {[] { SetCrashHandlerFilter(&PrintReasonAndHandle), WriteToNull(); }, ::testing::ExitedWithCode(191),
         "reason\\[.*\ncaused a EXCEPTION_ACCESS_VIOLATION\nin module "},
        {[] { SetCrashHandlerFilter(&PrintReasonAndHandle), std::printf("%d", DivideByZero()); },
         ::testing::ExitedWithCode(191), "caused a EXCEPTION_INT_DIVIDE_BY_ZERO\n"},
        {[] { FaultWithLimitModule(OEGetModuleOfAddress(reinterpret_cast<void *>(&DiagAssert))); },
         ::testing::ExitedWithCode(42), "previous filter"},
        {[] { FaultWithLimitModule(OEGetModuleOfAddress(reinterpret_cast<void *>(&MarkerFunction))); },
         ::testing::ExitedWithCode(43), "client filter"},
        {[] { FaultWithLimitModule(dlopen(nullptr, RTLD_NOW)); }, ::testing::ExitedWithCode(43), "client filter"},
        {[] { FaultWithLimitModule(LoaderHandleOf(reinterpret_cast<void *>(&DiagAssert))); },
         ::testing::ExitedWithCode(42), "previous filter"},
        {[] {
             std::signal(SIGSEGV, SIG_DFL); // what was there before (sanitizers bring their own)
             SetCrashHandlerFilter([](EXCEPTION_POINTERS *) { return long(EXCEPTION_CONTINUE_SEARCH); });
             WriteToNull();
         },
         ::testing::KilledBySignal(11), ""},
        {[] { // endless resumption ends the process
             SetCrashHandlerFilter([](EXCEPTION_POINTERS *) { return long(EXCEPTION_CONTINUE_EXECUTION); });
             WriteToNull();
         },
         ::testing::ExitedWithCode(191), ""},
    };
    for (auto const & Case : Cases)
        EXPECT_EXIT(Case.m_funcRun(), Case.m_funcStatus, Case.m_pcText);
}
