#include <vellmark/kernel/oe_validatemem.h>

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/kernel/oe_message.h>

namespace
{
    char const * const kModule = "kernel/oe_validatemem";
    int const kFatalLine = 80;
} // namespace

bCValidateMemory & bCValidateMemory::GetInstance()
{
    static bCValidateMemory s_Instance(true, true, true, true);
    return s_Instance;
}

bCValidateMemory::bCValidateMemory() : bCValidateMemory(true, false, true, true) {}

bCValidateMemory::bCValidateMemory(bool a_bBreakOnError, bool a_bTraceOnError, bool a_bWarningMessageOnError,
                                   bool a_bFatalErrorOnError) :
    m_bBreakOnError(a_bBreakOnError),
    m_bTraceOnError(a_bTraceOnError), m_bWarningMessageOnError(a_bWarningMessageOnError),
    m_bFatalErrorOnError(a_bFatalErrorOnError)
{
}

bool bCValidateMemory::s_funcMemoryCallback(char const * a_pcText, bSAllocationItem const *)
{
    bCValidateMemory const & Settings = GetInstance();
    if (Settings.m_bWarningMessageOnError)
        OE_MESSAGEF_WARN("%s - %s", "s_funcMemoryCallback", a_pcText ? a_pcText : "");
    if (Settings.m_bFatalErrorOnError)
        bCErrorAdmin::GetInstance().CallFatalError(a_pcText, kModule, kFatalLine);
    return true;
}

void bCValidateMemory::Validate()
{
    bCMemoryAdmin::GetInstance().ValidateAllAllocationItems(&s_funcMemoryCallback);
}

void bCValidateMemory::SetBreakOnError(bool a_bEnable)
{
    m_bBreakOnError = a_bEnable;
}

bool bCValidateMemory::GetBreakOnError() const
{
    return m_bBreakOnError;
}

void bCValidateMemory::SetTraceOnError(bool a_bEnable)
{
    m_bTraceOnError = a_bEnable;
}

bool bCValidateMemory::GetTraceOnError() const
{
    return m_bTraceOnError;
}

void bCValidateMemory::SetWarningMessageOnError(bool a_bEnable)
{
    m_bWarningMessageOnError = a_bEnable;
}

bool bCValidateMemory::GetWarningMessageOnError() const
{
    return m_bWarningMessageOnError;
}

void bCValidateMemory::SetFatalErrorOnError(bool a_bEnable)
{
    m_bFatalErrorOnError = a_bEnable;
}

bool bCValidateMemory::GetFatalErrorOnError() const
{
    return m_bFatalErrorOnError;
}
