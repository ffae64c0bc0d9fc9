#include <vellmark/kernel/oe_fpuadmin.h>

#include "support/oe_messagerecorder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cstdint>

// The registers are read back with the instructions themselves, not through
// the library.
namespace
{
    uint16_t ReadX87ControlWord()
    {
        uint16_t u16Word;
        __asm__ volatile("fnstcw %0" : "=m"(u16Word));
        return u16Word;
    }

    uint16_t ReadX87StatusWord()
    {
        uint16_t u16Word;
        __asm__ volatile("fnstsw %0" : "=m"(u16Word));
        return u16Word;
    }

    uint32_t ReadMxcsr()
    {
        uint32_t u32Word;
        __asm__ volatile("stmxcsr %0" : "=m"(u32Word));
        return u32Word;
    }

    void WriteRegisters(uint16_t a_u16X87, uint32_t a_u32Mxcsr)
    {
        __asm__ volatile("fnclex");
        __asm__ volatile("fldcw %0" : : "m"(a_u16X87));
        __asm__ volatile("ldmxcsr %0" : : "m"(a_u32Mxcsr));
    }

    constexpr uint16_t kX87Fields = 0x1F3F;   // masks, precision, rounding, infinity
    constexpr uint32_t kMxcsrFields = 0xFF80; // masks, rounding, flush to zero

    // The test process must not keep the engine's 24-bit precision for the
    // tests that run after these.
    class bCFPUAdminTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            m_u16X87 = ReadX87ControlWord();
            m_u32Mxcsr = ReadMxcsr();
            bCFPUAdmin::GetInstance().RestoreDefaultControlWord();
        }
        void TearDown() override { WriteRegisters(m_u16X87, m_u32Mxcsr); }

    private:
        uint16_t m_u16X87 = 0;
        uint32_t m_u32Mxcsr = 0;
    };
} // namespace

TEST_F(bCFPUAdminTest, EverySetterWritesBothUnits)
{
    struct bSCase
    {
        char const * m_pcName;
        void (*m_funcApply)();
        uint16_t m_u16X87;
        uint32_t m_u32Mxcsr;
        unsigned long m_uWord;
    };
    bSCase const arrCases[] = {
        {"default: all masked, 24-bit, near, projective, no flush", [] {}, 0x003F, 0x1F80, 0xA001F},
        {"mid precision", [] { bCFPUAdmin::GetInstance().SetMidPrecision(); }, 0x023F, 0x1F80, 0x9001F},
        {"high precision", [] { bCFPUAdmin::GetInstance().SetHighPrecision(); }, 0x033F, 0x1F80, 0x8001F},
        {"overflow", [] { bCFPUAdmin::EnableOverflowExceptions(true); }, 0x0037, 0x1B80, 0xA001B},
        {"invalid", [] { bCFPUAdmin::EnableInvalidFloatExceptions(true); }, 0x003E, 0x1F00, 0xA000F},
        {"denormal", [] { bCFPUAdmin::EnableDenormalFloatExceptions(true); }, 0x003D, 0x1E80, 0x2001F},
        {"chop, 53-bit, affine, flush",
         [] { bCFPUAdmin::SetControlWord(OE_MCW_EM | OE_RC_CHOP | OE_PC_53 | OE_IC_AFFINE | OE_DN_FLUSH); }, 0x1E3F,
         0xFF80, 0x10D031F},
        {"up, then high precision: only the precision changes",
         [] {
             bCFPUAdmin::SetControlWord(OE_MCW_EM | OE_RC_UP | OE_PC_24);
             bCFPUAdmin::GetInstance().SetHighPrecision();
         },
         0x0B3F, 0x5F80, 0x8021F},
    };
    for (bSCase const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        bCFPUAdmin::GetInstance().RestoreDefaultControlWord();
        Case.m_funcApply();
        EXPECT_EQ(ReadX87ControlWord() & kX87Fields, Case.m_u16X87);
        EXPECT_EQ(ReadMxcsr() & kMxcsrFields, Case.m_u32Mxcsr);
        EXPECT_EQ(bCFPUAdmin::GetCurrentControlWord(), Case.m_uWord);
    }
}

TEST_F(bCFPUAdminTest, SavedAndDefaultWordsAreRestoredUnmaskingClearsPendingFlags)
{
    bCFPUAdmin & Admin = bCFPUAdmin::GetInstance();
    unsigned long const uWord = OE_MCW_EM | OE_RC_CHOP | OE_PC_64;
    bCFPUAdmin::SetControlWord(uWord);
    Admin.SaveCurrentControlWord();
    bCFPUAdmin::SetControlWord(OE_EM_INEXACT | OE_PC_53);
    Admin.RestoreSavedControlWord();
    EXPECT_EQ(ReadX87ControlWord() & kX87Fields, 0x0F3F);
    bCFPUAdmin::SetControlWord(OE_EM_INEXACT | OE_PC_64 | OE_IC_AFFINE);
    Admin.ComputeDefaultControlWord();
    EXPECT_EQ(bCFPUAdmin::GetCurrentControlWord(), 0xA001Ful);

    // Create saves the word it finds before it sets the default.
    bCFPUAdmin::SetControlWord(uWord);
    Admin.Create();
    EXPECT_EQ(bCFPUAdmin::GetCurrentControlWord(), 0xA001Ful);
    Admin.RestoreSavedControlWord();
    EXPECT_EQ(bCFPUAdmin::GetCurrentControlWord(), uWord);

    volatile float fOne = 1.0f, fZero = 0.0f;
    volatile long double ldOne = 1.0L, ldZero = 0.0L;
    volatile float fQuotient = fOne / fZero;          // SSE: sets the pending zero-divide flag
    volatile long double ldQuotient = ldOne / ldZero; // x87: the same in its status word
    (void)fQuotient;
    (void)ldQuotient;
    ASSERT_NE(ReadMxcsr() & 0x4u, 0u);
    ASSERT_NE(ReadX87StatusWord() & 0x4u, 0u);
    bCFPUAdmin::EnableZeroDevideExceptions(true);
    EXPECT_EQ(ReadMxcsr() & 0x3Fu, 0u);
    EXPECT_EQ(ReadX87StatusWord() & 0x3Fu, 0u);
    bCFPUAdmin::EnableZeroDevideExceptions(false);
}

TEST_F(bCFPUAdminTest, PrintStatusReportsTheFieldsInOrder)
{
    struct bSCase
    {
        unsigned long m_uWord;
        char const * m_pcExpected;
    };
    bSCase const arrCases[] = {
        {0xA001F, "bCFPUAdmin::PrintStatus Checking FPU Control Word: controlfp() returns: 655391\n"
                  "C: FPU: ... Denormal control (_MCW_DM_): _DN_SAVE\n"
                  "C: FPU: ... Interrupt exception (_MCW_EM)\n"
                  "C: FPU: ...... bNone\n"
                  "C: FPU: ... Infinity control (_MCW_IC): _IC_PROJECTIVE\n"
                  "C: FPU: ... Rounding control (_MCW_RC): _RC_NEAR\n"
                  "C: FPU: ... Precision control (_MCW_PC): _PC_24\n"},
        {(OE_MCW_EM & ~OE_EM_OVERFLOW) | OE_RC_UP | OE_PC_53,
         "(_MCW_EM)\nC: FPU: ...... _EM_OVERFLOW\nC: FPU: ... Infinity control (_MCW_IC): _IC_PROJECTIVE\n"
         "C: FPU: ... Rounding control (_MCW_RC): _RC_UP\nC: FPU: ... Precision control (_MCW_PC): _PC_53\n"},
        {OE_MCW_EM | OE_RC_DOWN | OE_PC_24, "(_MCW_RC): _RC_DOWN\n"},
    };
    for (bSCase const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_uWord);
        bCFPUAdmin::SetControlWord(Case.m_uWord);
        bCMessageRecorder Recorder;
        bCFPUAdmin::PrintStatus();
        bCFPUAdmin::GetInstance().RestoreDefaultControlWord();
        if (std::strncmp(Case.m_pcExpected, "bCFPUAdmin", 10) == 0)
            EXPECT_EQ(Recorder.GetAll(), Case.m_pcExpected);
        else // a part of the report
            EXPECT_NE(Recorder.GetAll().find(Case.m_pcExpected), std::string::npos);
    }
}

TEST(bCFPUAdminDeathTest, CopyingIsAFatalError)
{
    EXPECT_EXIT({ bCFPUAdmin Copy(bCFPUAdmin::GetInstance()); }, ::testing::ExitedWithCode(191),
                "copy constructor called!!! this is evil for singletons!");
    EXPECT_EXIT(bCFPUAdmin::GetInstance() = bCFPUAdmin::GetInstance(), ::testing::ExitedWithCode(191),
                "assignment operator called!!! this is evil for singletons!");
}
