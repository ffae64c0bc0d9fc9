#ifndef OE_VALIDATEMEM_H_INCLUDED
#define OE_VALIDATEMEM_H_INCLUDED

// Settings for the guard validation of the memory administration: what a
// damaged block causes, a warning, a fatal error or both. Only
// WarningMessageOnError and FatalErrorOnError are consulted by the library.

#include <vellmark/kernel/oe_types.h>

struct bSAllocationItem;

class OE_API bCValidateMemory
{
public:
    static bCValidateMemory & GetInstance(); // all four flags set

    // The report callback of Validate: a warning and/or a fatal error per text,
    // as the process-wide instance's flags say. Returns true.
    static bool s_funcMemoryCallback(char const * a_pcText, bSAllocationItem const * a_pItem);

public:
    bCValidateMemory(); // break, no trace, warning, fatal error
    bCValidateMemory(bool a_bBreakOnError, bool a_bTraceOnError, bool a_bWarningMessageOnError,
                     bool a_bFatalErrorOnError);

public:
    void Validate(); // validates every block of the process-wide memory administration

    void SetBreakOnError(bool a_bEnable);
    bool GetBreakOnError() const;
    void SetTraceOnError(bool a_bEnable);
    bool GetTraceOnError() const;
    void SetWarningMessageOnError(bool a_bEnable);
    bool GetWarningMessageOnError() const;
    void SetFatalErrorOnError(bool a_bEnable);
    bool GetFatalErrorOnError() const;

private:
    bool m_bBreakOnError;
    bool m_bTraceOnError;
    bool m_bWarningMessageOnError;
    bool m_bFatalErrorOnError;
};

#endif
