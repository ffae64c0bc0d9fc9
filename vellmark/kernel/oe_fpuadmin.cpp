#include <vellmark/kernel/oe_fpuadmin.h>

#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/kernel/oe_message.h>

#include <cstdio>

namespace
{
    char const * const kModule = "kernel/oe_fpuadmin";
    constexpr unsigned long kAllFields = 0xFFFFFFFFul;
    constexpr unsigned long kMaskedMidPrecision = 0x9001F; // all masked, 53-bit, near, projective, denormals kept
    constexpr unsigned long kMaskedLowPrecision = 0xA001F; // all masked, 24-bit
    constexpr int kStatusPriority = 1;

    void SendJoined(char const * a_pcLabel, char const * a_pcValue)
    {
        char arrLine[128];
        std::snprintf(arrLine, sizeof(arrLine), "%s%s", a_pcLabel, a_pcValue);
        OE_MESSAGE(kStatusPriority, arrLine);
    }

    void PrintExceptions(unsigned long a_uWord)
    {
        struct bSUnmaskedLine
        {
            unsigned long m_uMaskBit;
            char const * m_pcText;
        };
        static bSUnmaskedLine const s_arrLines[] = {
            {OE_EM_INVALID, "C: FPU: ...... _EM_INVALID"},       {OE_EM_DENORMAL, "C: FPU: ...... _EM_DENORMAL"},
            {OE_EM_ZERODIVIDE, "C: FPU: ...... _EM_ZERODIVIDE"}, {OE_EM_OVERFLOW, "C: FPU: ...... _EM_OVERFLOW"},
            {OE_EM_UNDERFLOW, "C: FPU: ...... _EM_UNDERFLOW"},
        };
        OE_MESSAGE(kStatusPriority, "C: FPU: ... Interrupt exception (_MCW_EM)");
        for (bSUnmaskedLine const & Line : s_arrLines)
            if (!(a_uWord & Line.m_uMaskBit))
                OE_MESSAGE(kStatusPriority, Line.m_pcText);
        if (!(a_uWord & OE_EM_INEXACT))
            OE_MESSAGE(kStatusPriority, "C: FPU: ...... _EM_INEXACT");
        else if ((a_uWord & OE_MCW_EM) == OE_MCW_EM)
            OE_MESSAGE(kStatusPriority, "C: FPU: ...... bNone");
    }

    char const * RoundingName(unsigned long a_uWord)
    {
        switch (a_uWord & OE_MCW_RC)
        {
        case OE_RC_CHOP: return "_RC_CHOP";
        case OE_RC_UP: return "_RC_UP";
        case OE_RC_DOWN: return "_RC_DOWN";
        default: return "_RC_NEAR";
        }
    }

    char const * PrecisionName(unsigned long a_uWord)
    {
        if (a_uWord & OE_PC_24)
            return "_PC_24";
        return (a_uWord & OE_PC_53) ? "_PC_53" : "_PC_64";
    }
} // namespace

bCFPUAdmin::bCFPUAdmin() : m_u32SavedControlWord(0), m_u32DefaultControlWord(0)
{
    Create();
}

bCFPUAdmin::bCFPUAdmin(bCFPUAdmin const &) : m_u32SavedControlWord(0), m_u32DefaultControlWord(0)
{
    bCErrorAdmin::GetInstance().CallFatalError(
        "C: bCFPUAdmin::bCFPUAdmin (): copy constructor called!!! this is evil for singletons!", kModule, __LINE__);
}

bCFPUAdmin & bCFPUAdmin::operator=(bCFPUAdmin const &)
{
    bCErrorAdmin::GetInstance().CallFatalError(
        "C: bCFPUAdmin: assignment operator called!!! this is evil for singletons!", kModule, __LINE__);
    return *this;
}

bCFPUAdmin & bCFPUAdmin::GetInstance()
{
    static bCFPUAdmin s_Instance;
    return s_Instance;
}

void bCFPUAdmin::Create()
{
    SaveCurrentControlWord();
    ComputeDefaultControlWord();
}

void bCFPUAdmin::ComputeDefaultControlWord()
{
    SetControlWord(kMaskedMidPrecision);
    m_u32DefaultControlWord = static_cast<uint32_t>((GetCurrentControlWord() & ~OE_PC_53) | kMaskedLowPrecision);
    SetControlWord(m_u32DefaultControlWord);
}

void bCFPUAdmin::SaveCurrentControlWord()
{
    m_u32SavedControlWord = static_cast<uint32_t>(GetCurrentControlWord());
}

void bCFPUAdmin::RestoreSavedControlWord()
{
    SetControlWord(m_u32SavedControlWord);
}

void bCFPUAdmin::RestoreDefaultControlWord()
{
    SetControlWord(m_u32DefaultControlWord);
}

void bCFPUAdmin::SetPrecision(unsigned long a_uPrecision)
{
    OEControlFP((m_u32DefaultControlWord & ~OE_MCW_PC) | a_uPrecision, OE_MCW_PC);
}

void bCFPUAdmin::SetLowPrecision()
{
    SetPrecision(OE_PC_24);
}

void bCFPUAdmin::SetMidPrecision()
{
    SetPrecision(OE_PC_53);
}

void bCFPUAdmin::SetHighPrecision()
{
    SetPrecision(OE_PC_64);
}

unsigned long bCFPUAdmin::GetCurrentControlWord()
{
    return OEControlFP(0, 0);
}

void bCFPUAdmin::SetControlWord(unsigned long a_uControlWord)
{
    OEControlFP(a_uControlWord, kAllFields);
}

void bCFPUAdmin::EnableExceptions(unsigned long a_uMaskBit, bool a_bEnable)
{
    unsigned long uWord = GetCurrentControlWord();
    if (a_bEnable)
    {
        OEClearFPExceptions();
        uWord &= ~a_uMaskBit;
    }
    else
        uWord |= a_uMaskBit;
    SetControlWord(uWord);
}

void bCFPUAdmin::EnableOverflowExceptions(bool a_bEnable)
{
    EnableExceptions(OE_EM_OVERFLOW, a_bEnable);
}

void bCFPUAdmin::EnableUnderflowExceptions(bool a_bEnable)
{
    EnableExceptions(OE_EM_UNDERFLOW, a_bEnable);
}

void bCFPUAdmin::EnableZeroDevideExceptions(bool a_bEnable)
{
    EnableExceptions(OE_EM_ZERODIVIDE, a_bEnable);
}

void bCFPUAdmin::EnableInvalidFloatExceptions(bool a_bEnable)
{
    EnableExceptions(OE_EM_INVALID, a_bEnable);
}

void bCFPUAdmin::EnableDenormalFloatExceptions(bool a_bEnable)
{
    EnableExceptions(OE_EM_DENORMAL, a_bEnable);
}

void bCFPUAdmin::PrintStatus()
{
    unsigned long const uWord = GetCurrentControlWord();
    OE_MESSAGEF_INFO(kStatusPriority, "bCFPUAdmin::PrintStatus Checking FPU Control Word: controlfp() returns: %i",
                     static_cast<int>(uWord));
    SendJoined("C: FPU: ... Denormal control (_MCW_DM_): ", (uWord & OE_DN_FLUSH) ? "_DN_FLUSH" : "_DN_SAVE");
    PrintExceptions(uWord);
    SendJoined("C: FPU: ... Infinity control (_MCW_IC): ", (uWord & OE_IC_AFFINE) ? "_IC_AFFINE" : "_IC_PROJECTIVE");
    SendJoined("C: FPU: ... Rounding control (_MCW_RC): ", RoundingName(uWord));
    SendJoined("C: FPU: ... Precision control (_MCW_PC): ", PrecisionName(uWord));
}
