#ifndef OE_ERRORADMIN_H_INCLUDED
#define OE_ERRORADMIN_H_INCLUDED

// The error administration: errors that end the program (fatal), faults that
// may let it continue, and exceptions caught by the crash filter.
//
// Each collects a report (header, position, assertion text with call stack,
// the last 50 message lines, memory statistics), shows it in the error dialog
// of the dialogs module, runs the registered callbacks before and after the
// dialog, and then ends the process with exit code 447 (a parent sees 191),
// breaks into the debugger, or, for faults only, lets the program continue.
// While a report is in progress (the panic flag) further fatal and fault calls
// return at once and CallExceptionError returns -1.

#include <vellmark/kernel/oe_criticalsection.h>
#include <vellmark/kernel/oe_enginedialogs.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/platform/oe_signals.h>

#include <cstdint>
#include <vector>

enum bEErrorType : int
{
    bEErrorType_Exception = 0,
    bEErrorType_Fatal = 1,
    bEErrorType_Fault = 2,
};

enum bEErrorPositionHandling : int
{
    bEErrorPositionHandling_BeforeDialog = 0,
    bEErrorPositionHandling_AfterDialog = 1,
};

typedef bool (*bFErrorCallback)(bEErrorType a_eType, unsigned long a_uUserData);

// For fuzzers and tests only: called after a fatal report instead of ending the
// process; CallFatalError then returns and the caller goes on.
typedef void (*bFFatalHook)(char const * a_pcMessage, char const * a_pcFile, int a_iLine);

struct bSErrorHistory;

class OE_API bCErrorAdmin
{
public:
    static bCErrorAdmin & GetInstance();
    ~bCErrorAdmin();
    // Refused: a message box says so and offers the debugger.
    bCErrorAdmin(bCErrorAdmin const &);
    bCErrorAdmin & operator=(bCErrorAdmin const &);

public:
    void Create();
    void Destroy();

    // False when already in that position's list; positions other than 0
    // and 1 register nothing and give true.
    bool RegisterCallback(bFErrorCallback a_funcCallback, bEErrorPositionHandling a_ePosition,
                          unsigned long a_uUserData);
    bool UnregisterCallback(bFErrorCallback a_funcCallback);

    void CallFatalError(char const * a_pcMessage, char const * a_pcDetail, char const * a_pcFile, int a_iLine);
    void CallFatalError(char const * a_pcMessage, char const * a_pcFile, int a_iLine);
    void CallFaultError(char const * a_pcMessage, char const * a_pcDetail, char const * a_pcFile, int a_iLine);
    void CallFaultError(char const * a_pcMessage, char const * a_pcFile, int a_iLine);
    int CallExceptionError(bSException_Pointers * a_pPointers); // 1 after a report, -1 while one is in progress
    bool GenerateDump(bSException_Pointers * a_pPointers);      // M3-<computer>-<date>-<time>.dmp in ./morvek3

    void AddHistoryEntry(char const * a_pcText); // keeps at most 249 characters

    // Null (the default) restores ending the process. Returns the previous hook.
    static bFFatalHook SetFatalHook(bFFatalHook a_funcHook);

    void LockSystem();
    void UnlockSystem();
    bool IsLocked() const;
    bool IsInPanicState() const;
    bool IsDebuggerPresent() const;
    void DebugBreak();
    void TraceF(char * a_pcFormat, ...);

protected:
    bCErrorAdmin();

    int LookupCallback(bEErrorPositionHandling a_ePosition, bFErrorCallback a_funcCallback) const;
    void ExecuteErrorCallbacks(bEErrorPositionHandling a_ePosition, bEErrorType a_eType);
    void PrintMessage(bEVI3RororasLogMessageType a_eType, char const * a_pcText, bool a_bFatal);
    void PrintStackFrame(bSException_Pointers * a_pPointers);
    void PrintHistoryEntries();
    void PrintMemoryDumpStats();

    static bool OnHistoryMessage(bEMessageTypes a_eType, char const * a_pcText, char const * a_pcText2,
                                 unsigned long a_uUserData, char const * a_pcFile, int a_iLine, int a_iPriority);

private:
    struct bSCallbackEntry
    {
        bFErrorCallback m_funcCallback;
        unsigned long m_uUserData;
    };

    void PrintReportHead(char const * a_pcHeader, char const * a_pcMessage, char const * a_pcDetail,
                         char const * a_pcFile, int a_iLine, bool a_bFatal);
    void PrintAssertion(char * a_pcBuffer, char const * a_pcMessage, char const * a_pcFile, int a_iLine, bool a_bFatal);
    void ShowDialog(bCMorvek3EngineDialogs & a_Dialogs, bool & a_bContinue, bool & a_bDebug);
    [[noreturn]] void EndProcess();

    uint32_t m_u32LockCount;
    bool m_bPanic;
    bCCriticalSectionWin32 m_Lock;
    bSErrorHistory * m_pHistory;
    std::vector<bSCallbackEntry> * m_parrCallbacksBefore;
    std::vector<bSCallbackEntry> * m_parrCallbacksAfter;
};

#endif
