#include <vellmark/kernel/oe_erroradmin.h>

#include <atomic>

#include <vellmark/crashhandler/CrashHandler.h>
#include <vellmark/crashhandler/DiagAssert.h>
#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/platform/oe_debugger.h>
#include <vellmark/platform/oe_messagebox.h>
#include <vellmark/platform/oe_minidump.h>
#include <vellmark/platform/oe_systeminfo.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <unistd.h>

struct bSErrorHistory
{
    char (*m_pEntries)[250];
    uint32_t m_u32Capacity;
    uint32_t m_u32Read;
    uint32_t m_u32Write;
    bool m_bFull;
};

namespace
{
    constexpr int kExitCode = 447;
    constexpr uint32_t kHistoryCapacity = 50;
    constexpr size_t kHistoryEntrySize = 250;
    constexpr size_t kPositionBufferSize = 2048;
    constexpr size_t kFatalAssertBufferSize = 8192;
    constexpr size_t kFaultAssertBufferSize = 4096;
    constexpr size_t kTraceBufferSize = 512;
    constexpr size_t kNameSize = 60;
    constexpr unsigned long kReportAssertOptions = DA_SHOWODS | DA_SHOWSTACKTRACE;
    constexpr unsigned long kReportStackOptions = GSTSO_PARAMS | GSTSO_MODULE | GSTSO_SYMBOL | GSTSO_SRCLINE;
    constexpr char const * kFatalText2 = "(##Fatal error detected !!!)";
    constexpr char const * kFaultText2 = "(#Fault error detected)";

    char s_carrFaultAssertBuffer[kFaultAssertBufferSize];
    // The kind of report in progress, for the lines that do not say it themselves.
    bool s_bReportIsFatal = true;
    std::atomic<bFFatalHook> s_funcFatalHook{nullptr};
    bool s_bInExceptionCallbacks = false;

    char const * OrNull(char const * a_pcText)
    {
        return a_pcText ? a_pcText : "(null)";
    }

    // Set while the runtime tears the process down: the message
    // administration is gone by then and must not be asked again.
    bool s_bExiting = false;

    void SendReportMessage(bEMessageTypes a_eType, char const * a_pcText, char const * a_pcText2, int a_iPriority)
    {
        bCMessageAdmin::GetInstance().OnMessage(a_eType, a_pcText, a_pcText2, nullptr, -1, a_iPriority);
    }

    void ReportHeapStatistics(bFMemoryReportCallback a_funcReport)
    {
        bCMemoryAdmin::GetInstance().DumpHeapStatistics(a_funcReport);
    }

    void ReportAllocationSummary(bFMemoryReportCallback a_funcReport)
    {
        bCMemoryAdmin & Memory = bCMemoryAdmin::GetInstance();
        Memory.ValidateAllAllocationItems(a_funcReport);
        Memory.CollectItemSummary(a_funcReport);
    }

    void DisableLeakReport()
    {
        bCMemoryAdmin::GetInstance().EnableMemoryLeakReport(false);
    }

} // namespace

bCErrorAdmin & bCErrorAdmin::GetInstance()
{
    // Published before Create runs: Create reaches the message
    // administration, which may ask for this instance again.
    static bCErrorAdmin s_Instance;
    static bool s_bCreated = false;
    if (!s_bCreated)
    {
        s_bCreated = true;
        s_Instance.Create();
    }
    return s_Instance;
}

bCErrorAdmin::bCErrorAdmin() :
    m_u32LockCount(0), m_bPanic(false), m_pHistory(nullptr), m_parrCallbacksBefore(nullptr),
    m_parrCallbacksAfter(nullptr)
{
}

bCErrorAdmin::bCErrorAdmin(bCErrorAdmin const &) : bCErrorAdmin()
{
    if (OEMessageBox("Copyconstructor not implemented. This message should never be seen. Follow the rabbit "
                     "!\n\nPress YES to enter debugger",
                     "bCErrorAdmin::bCErrorAdmin(const bCErrorAdmin &)", MB_YESNO | MB_ICONWARNING) == IDYES)
        OEDebugBreak();
}

bCErrorAdmin & bCErrorAdmin::operator=(bCErrorAdmin const &)
{
    if (OEMessageBox("Copyoperator not implemented. This message should never be seen. Follow the rabbit "
                     "!\n\nPress YES to enter debugger",
                     "bCErrorAdmin::bCErrorAdmin(const bCErrorAdmin &)", MB_YESNO | MB_ICONWARNING) == IDYES)
        OEDebugBreak();
    return *this;
}

bCErrorAdmin::~bCErrorAdmin()
{
    s_bExiting = true;
    Destroy();
}

void bCErrorAdmin::Create()
{
    Destroy();
    void * pEntries = bCMemoryAdmin::GetInstance().Malloc(kHistoryCapacity * kHistoryEntrySize, nullptr, nullptr, -1);
    if (pEntries)
    {
        m_pHistory =
            new bSErrorHistory{static_cast<char(*)[kHistoryEntrySize]>(pEntries), kHistoryCapacity, 0, 0, false};
    }
    m_parrCallbacksBefore = new std::vector<bSCallbackEntry>;
    m_parrCallbacksAfter = new std::vector<bSCallbackEntry>;
    bCMessageAdmin::GetInstance().RegisterCallback(&bCErrorAdmin::OnHistoryMessage, bEMessageCallbackPriority_Normal,
                                                   reinterpret_cast<unsigned long>(this));
}

void bCErrorAdmin::Destroy()
{
    if (m_pHistory)
    {
        bCMemoryAdmin::GetInstance().Free(m_pHistory->m_pEntries);
        delete m_pHistory;
    }
    delete m_parrCallbacksBefore;
    delete m_parrCallbacksAfter;
    m_pHistory = nullptr;
    m_parrCallbacksBefore = m_parrCallbacksAfter = nullptr;
    m_u32LockCount = 0;
    m_bPanic = false;
    if (!s_bExiting)
        bCMessageAdmin::GetInstance().UnregisterCallback(&bCErrorAdmin::OnHistoryMessage);
}

bool bCErrorAdmin::RegisterCallback(bFErrorCallback a_funcCallback, bEErrorPositionHandling a_ePosition,
                                    unsigned long a_uUserData)
{
    if (LookupCallback(a_ePosition, a_funcCallback) != -1)
        return false;
    std::vector<bSCallbackEntry> * pList = a_ePosition == bEErrorPositionHandling_BeforeDialog  ? m_parrCallbacksBefore
                                           : a_ePosition == bEErrorPositionHandling_AfterDialog ? m_parrCallbacksAfter
                                                                                                : nullptr;
    if (pList)
        pList->push_back(bSCallbackEntry{a_funcCallback, a_uUserData});
    return true;
}

bool bCErrorAdmin::UnregisterCallback(bFErrorCallback a_funcCallback)
{
    for (std::vector<bSCallbackEntry> * pList : {m_parrCallbacksBefore, m_parrCallbacksAfter})
    {
        bEErrorPositionHandling const ePosition =
            pList == m_parrCallbacksBefore ? bEErrorPositionHandling_BeforeDialog : bEErrorPositionHandling_AfterDialog;
        int const iIndex = LookupCallback(ePosition, a_funcCallback);
        if (iIndex != -1)
        {
            pList->erase(pList->begin() + iIndex);
            return true;
        }
    }
    return false;
}

int bCErrorAdmin::LookupCallback(bEErrorPositionHandling a_ePosition, bFErrorCallback a_funcCallback) const
{
    std::vector<bSCallbackEntry> const * pList =
        a_ePosition == bEErrorPositionHandling_BeforeDialog  ? m_parrCallbacksBefore
        : a_ePosition == bEErrorPositionHandling_AfterDialog ? m_parrCallbacksAfter
                                                             : nullptr;
    if (!pList)
        return -1;
    for (int i = static_cast<int>(pList->size()) - 1; i >= 0; --i)
        if ((*pList)[i].m_funcCallback == a_funcCallback)
            return i;
    return -1;
}

void bCErrorAdmin::ExecuteErrorCallbacks(bEErrorPositionHandling a_ePosition, bEErrorType a_eType)
{
    std::vector<bSCallbackEntry> * pList =
        a_ePosition == bEErrorPositionHandling_BeforeDialog ? m_parrCallbacksBefore : m_parrCallbacksAfter;
    if (!pList)
        return;
    // A callback may unregister itself; run over a copy.
    std::vector<bSCallbackEntry> const arrCalls(*pList);
    for (auto It = arrCalls.rbegin(); It != arrCalls.rend(); ++It)
        It->m_funcCallback(a_eType, It->m_uUserData);
}

void bCErrorAdmin::PrintMessage(bEVI3RororasLogMessageType a_eType, char const * a_pcText, bool a_bFatal)
{
    bCMorvek3EngineDialogs::GetDialogHandle().AddText(a_eType, OrNull(a_pcText));
    SendReportMessage(a_bFatal ? bEMessageTypes_Fatal : bEMessageTypes_Fault, OrNull(a_pcText),
                      a_bFatal ? kFatalText2 : kFaultText2, g_iDefaultMessagePriority);
}

void bCErrorAdmin::PrintReportHead(char const * a_pcHeader, char const * a_pcMessage, char const * a_pcDetail,
                                   char const * a_pcFile, int a_iLine, bool a_bFatal)
{
    PrintMessage(bEVI3RororasLogMessageType_Error, a_pcHeader, a_bFatal);
    PrintMessage(bEVI3RororasLogMessageType_Error, "", a_bFatal);
    static char s_carrPosition[kPositionBufferSize];
    if (a_pcDetail)
        std::snprintf(s_carrPosition, sizeof(s_carrPosition), "Module: %s --> (%s)", OrNull(a_pcMessage), a_pcDetail);
    else
        std::snprintf(s_carrPosition, sizeof(s_carrPosition), "Module: %s", OrNull(a_pcMessage));
    PrintMessage(bEVI3RororasLogMessageType_Error, s_carrPosition, a_bFatal);
    if (!a_pcFile)
        return;
    std::snprintf(s_carrPosition, sizeof(s_carrPosition), "Filename:<%s>, Line:#%d", a_pcFile, a_iLine);
    PrintMessage(bEVI3RororasLogMessageType_Error, s_carrPosition, a_bFatal);
}

void bCErrorAdmin::PrintAssertion(char * a_pcBuffer, char const * a_pcMessage, char const * a_pcFile, int a_iLine,
                                  bool a_bFatal)
{
    a_pcBuffer[0] = 0;
    SetMessageBuffer(a_pcBuffer);
    DiagAssert(kReportAssertOptions, OrNull(a_pcMessage), a_pcFile, static_cast<unsigned long>(a_iLine));
    // The buffer lives on; the next assertion must not write into a report's.
    SetMessageBuffer(nullptr);
    PrintMessage(bEVI3RororasLogMessageType_Assertion, a_pcBuffer, a_bFatal);
}

void bCErrorAdmin::ShowDialog(bCMorvek3EngineDialogs & a_Dialogs, bool & a_bContinue, bool & a_bDebug)
{
    bCDialogHandle & Handle = bCMorvek3EngineDialogs::GetDialogHandle();
    Handle.ShowModalErrorDialog();
    a_bContinue = a_bDebug = false;
    Handle.GetErrorDialogState(a_bContinue, a_bDebug);
    a_Dialogs.UnloadVI3RororaLib();
    m_Lock.Release();
}

void bCErrorAdmin::EndProcess()
{
    DisableLeakReport();
    _exit(kExitCode);
}

void bCErrorAdmin::CallFatalError(char const * a_pcMessage, char const * a_pcDetail, char const * a_pcFile, int a_iLine)
{
    if (m_bPanic)
        return;
    ExecuteErrorCallbacks(bEErrorPositionHandling_BeforeDialog, bEErrorType_Fatal);
    m_bPanic = true;
    s_bReportIsFatal = true;
    m_Lock.Acquire();
    bCMorvek3EngineDialogs Dialogs;
    Dialogs.LoadVI3RororaLib(true);
    PrintReportHead("Morvek3 engine FATAL ERROR:", a_pcMessage, a_pcDetail, a_pcFile, a_iLine, true);
    static char s_carrAssertion[kFatalAssertBufferSize];
    PrintAssertion(s_carrAssertion, a_pcMessage, a_pcFile, a_iLine, true);
    PrintHistoryEntries();
    PrintMemoryDumpStats();
    bool bContinue = false, bDebug = false;
    ShowDialog(Dialogs, bContinue, bDebug);
    if (bDebug)
        return DebugBreak();
    ExecuteErrorCallbacks(bEErrorPositionHandling_AfterDialog, bEErrorType_Fatal);
    if (bFFatalHook const funcHook = s_funcFatalHook.load())
    {
        m_bPanic = false;
        return funcHook(a_pcMessage, a_pcFile, a_iLine);
    }
    EndProcess();
}

bFFatalHook bCErrorAdmin::SetFatalHook(bFFatalHook a_funcHook)
{
    return s_funcFatalHook.exchange(a_funcHook);
}

void bCErrorAdmin::CallFatalError(char const * a_pcMessage, char const * a_pcFile, int a_iLine)
{
    CallFatalError(a_pcMessage, nullptr, a_pcFile, a_iLine);
}

void bCErrorAdmin::CallFaultError(char const * a_pcMessage, char const * a_pcDetail, char const * a_pcFile, int a_iLine)
{
    if (m_bPanic)
        return;
    ExecuteErrorCallbacks(bEErrorPositionHandling_BeforeDialog, bEErrorType_Fault);
    m_bPanic = true;
    s_bReportIsFatal = false;
    m_Lock.Acquire();
    bCMorvek3EngineDialogs Dialogs;
    Dialogs.LoadVI3RororaLib(false);
    PrintReportHead("Morvek3 engine FAULT ERROR:", a_pcMessage, a_pcDetail, a_pcFile, a_iLine, false);
    PrintAssertion(s_carrFaultAssertBuffer, a_pcMessage, a_pcFile, a_iLine, false);
    PrintHistoryEntries();
    PrintMemoryDumpStats();
    bool bContinue = false, bDebug = false;
    ShowDialog(Dialogs, bContinue, bDebug);
    ExecuteErrorCallbacks(bEErrorPositionHandling_AfterDialog, bEErrorType_Fault);
    if (bContinue)
    {
        m_bPanic = false;
        return;
    }
    if (bDebug)
        return DebugBreak();
    EndProcess();
}

void bCErrorAdmin::CallFaultError(char const * a_pcMessage, char const * a_pcFile, int a_iLine)
{
    CallFaultError(a_pcMessage, nullptr, a_pcFile, a_iLine);
}

int bCErrorAdmin::CallExceptionError(bSException_Pointers * a_pPointers)
{
    if (m_bPanic)
        return -1;
    GenerateDump(a_pPointers);
    // A callback that faults each time would start this report again and
    // again before the panic flag is up; the nested report runs without them.
    if (!s_bInExceptionCallbacks)
    {
        s_bInExceptionCallbacks = true;
        ExecuteErrorCallbacks(bEErrorPositionHandling_BeforeDialog, bEErrorType_Exception);
        s_bInExceptionCallbacks = false;
    }
    m_bPanic = true;
    s_bReportIsFatal = true;
    m_Lock.Acquire();
    bCMorvek3EngineDialogs Dialogs;
    Dialogs.LoadVI3RororaLib(true);
    PrintMessage(bEVI3RororasLogMessageType_Error, GetFaultReason(a_pPointers), true);
    PrintStackFrame(a_pPointers);
    PrintHistoryEntries();
    PrintMemoryDumpStats();
    bool bContinue = false, bDebug = false;
    ShowDialog(Dialogs, bContinue, bDebug);
    ExecuteErrorCallbacks(bEErrorPositionHandling_AfterDialog, bEErrorType_Exception);
    DisableLeakReport();
    if (bDebug)
        DebugBreak();
    return 1;
}

bool bCErrorAdmin::GenerateDump(bSException_Pointers * a_pPointers)
{
    char carrUser[kNameSize] = {}, carrComputer[kNameSize] = {};
    OEGetUserName(carrUser, sizeof(carrUser));
    OEGetComputerName(carrComputer, sizeof(carrComputer));
    bSLocalTime const Now = OEGetLocalTime();
    char const * const pcBase = ".";
    char carrPath[512];
    std::snprintf(carrPath, sizeof(carrPath), "%s/morvek3", pcBase);
    OECreateDirectory(carrPath);
    std::snprintf(carrPath, sizeof(carrPath), "%s/morvek3/%s-%s-%04d%02d%02d-%02d%02d%02d.dmp", pcBase, "M3",
                  carrComputer, Now.m_iYear, Now.m_iMonth, Now.m_iDay, Now.m_iHour, Now.m_iMinute, Now.m_iSecond);
    return OEWriteCrashDump(carrPath, a_pPointers);
}

void bCErrorAdmin::AddHistoryEntry(char const * a_pcText)
{
    if (!m_pHistory || !a_pcText)
        return;
    bSErrorHistory & History = *m_pHistory;
    if (History.m_bFull)
        History.m_u32Read = (History.m_u32Read + 1) % History.m_u32Capacity;
    std::strncpy(History.m_pEntries[History.m_u32Write], a_pcText, kHistoryEntrySize - 1);
    History.m_pEntries[History.m_u32Write][kHistoryEntrySize - 1] = 0;
    History.m_u32Write = (History.m_u32Write + 1) % History.m_u32Capacity;
    History.m_bFull = History.m_u32Write == History.m_u32Read;
}

void bCErrorAdmin::PrintStackFrame(bSException_Pointers * a_pPointers)
{
    // The stack lines live in the crash handler's shared buffer; each is
    // printed before the next one is asked for.
    auto Print = [this](char const * a_pcLine) { PrintMessage(bEVI3RororasLogMessageType_Assertion, a_pcLine, true); };
    Print("Callstack:");
    Print("------------------------------");
    for (char const * pcLine = GetFirstStackTraceString(kReportStackOptions, a_pPointers); pcLine;
         pcLine = GetNextStackTraceString(kReportStackOptions, a_pPointers))
        Print(pcLine);
    Print("");
    Print("Registers:");
    Print("------------------------------");
    // The register text is one entry of the report, line breaks and all.
    Print(GetRegisterString(a_pPointers));
}

void bCErrorAdmin::PrintHistoryEntries()
{
    if (!m_pHistory)
        return;
    // The printed lines go out as messages and would come back into the
    // ring: take them out first, then print.
    static char s_carrLines[kHistoryCapacity][kHistoryEntrySize];
    bSErrorHistory & History = *m_pHistory;
    uint32_t const uCount =
        History.m_bFull ? History.m_u32Capacity
                        : (History.m_u32Write + History.m_u32Capacity - History.m_u32Read) % History.m_u32Capacity;
    for (uint32_t i = 0; i < uCount; ++i)
        std::memcpy(s_carrLines[i], History.m_pEntries[(History.m_u32Read + i) % History.m_u32Capacity],
                    kHistoryEntrySize);
    History.m_u32Read = History.m_u32Write = 0;
    History.m_bFull = false;
    for (uint32_t i = 0; i < uCount; ++i)
        PrintMessage(bEVI3RororasLogMessageType_History, s_carrLines[i], s_bReportIsFatal);
}

void bCErrorAdmin::PrintMemoryDumpStats()
{
    auto funcReport = [](char const * a_pcText, bSAllocationItem const *) -> bool {
        GetInstance().PrintMessage(bEVI3RororasLogMessageType_Memory, a_pcText, s_bReportIsFatal);
        return true;
    };
    PrintMessage(bEVI3RororasLogMessageType_Memory, "Memory statistics", s_bReportIsFatal);
    PrintMessage(bEVI3RororasLogMessageType_Memory, "----------------------------", s_bReportIsFatal);
    ReportHeapStatistics(funcReport);
    PrintMessage(bEVI3RororasLogMessageType_Memory, " ", s_bReportIsFatal);
    PrintMessage(bEVI3RororasLogMessageType_Memory, "---> memory allocation summary <---", s_bReportIsFatal);
    PrintMessage(bEVI3RororasLogMessageType_Memory, " ", s_bReportIsFatal);
    ReportAllocationSummary(funcReport);
}

bool bCErrorAdmin::OnHistoryMessage(bEMessageTypes, char const * a_pcText, char const * a_pcText2,
                                    unsigned long a_uUserData, char const * a_pcFile, int a_iLine, int)
{
    bCErrorAdmin * pAdmin = reinterpret_cast<bCErrorAdmin *>(a_uUserData);
    if (pAdmin != &GetInstance() || !a_pcText)
        return false;
    char carrLine[kHistoryEntrySize];
    if (a_pcFile && a_pcText2)
        std::snprintf(carrLine, sizeof(carrLine), "%s, Desc:%s, Z:#%d -> '%s'", a_pcText, a_pcText2, a_iLine, a_pcFile);
    else if (a_pcFile)
        std::snprintf(carrLine, sizeof(carrLine), "%s, Z:#%d -> '%s'", a_pcText, a_iLine, a_pcFile);
    else if (a_pcText2)
        std::snprintf(carrLine, sizeof(carrLine), "%s, Desc:%s ", a_pcText, a_pcText2);
    else
        std::snprintf(carrLine, sizeof(carrLine), "%s ", a_pcText);
    pAdmin->AddHistoryEntry(carrLine);
    return true;
}

void bCErrorAdmin::LockSystem()
{
    ++m_u32LockCount;
}

void bCErrorAdmin::UnlockSystem()
{
    if (m_u32LockCount > 0)
        --m_u32LockCount;
}

bool bCErrorAdmin::IsLocked() const
{
    return m_u32LockCount != 0;
}

bool bCErrorAdmin::IsInPanicState() const
{
    return m_bPanic;
}

bool bCErrorAdmin::IsDebuggerPresent() const
{
    return OEIsDebuggerPresent();
}

void bCErrorAdmin::DebugBreak()
{
    OEDebugBreak();
}

void bCErrorAdmin::TraceF(char * a_pcFormat, ...)
{
    if (!a_pcFormat)
        return;
    char carrBuffer[kTraceBufferSize];
    va_list Args;
    va_start(Args, a_pcFormat);
    std::vsnprintf(carrBuffer, sizeof(carrBuffer), a_pcFormat, Args);
    va_end(Args);
    OEOutputDebugString(carrBuffer);
}
