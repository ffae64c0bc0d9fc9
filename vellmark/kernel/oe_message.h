#ifndef OE_MESSAGE_H_INCLUDED
#define OE_MESSAGE_H_INCLUDED

// Diagnostic messages: a type, a text, an optional second text, a source
// position and a priority, handed to the process-wide message administration.
//
// The administration drops a message whose type is at or below its filter and
// passes every other one to the registered callbacks, in three passes by
// callback priority (0, then 1, then 2), within a pass in registration order.
// It writes nothing itself; the output channels and the error history are
// callbacks like any other. Callbacks run under the administration's
// re-entrant lock, one message at a time.

#include <vellmark/kernel/oe_criticalsection.h>
#include <vellmark/kernel/oe_types.h>

#include <atomic>

enum bEMessageTypes : int // fixed width: callers may pass any number, the channels show unknown ones
{
    bEMessageTypes_Ok = 1,
    bEMessageTypes_Info = 2,
    bEMessageTypes_Warn = 3,
    bEMessageTypes_Fault = 4,
    bEMessageTypes_Fatal = 5,
};

// Same scale as bEMessageTypes: a message whose type is <= the filter is dropped.
enum bEMessageFilterTypes : int
{
    bEMessageFilterTypes_None = 0,
    bEMessageFilterTypes_Ok = 1,
    bEMessageFilterTypes_Info = 2,
    bEMessageFilterTypes_Warn = 3,
    bEMessageFilterTypes_Fault = 4,
    bEMessageFilterTypes_Fatal = 5,
};

// Once a critical callback is registered, no further callback of any priority is accepted.
enum bEMessageCallbackPriority : int
{
    bEMessageCallbackPriority_Critical = 0,
    bEMessageCallbackPriority_Normal = 1, // every callback of the library itself
    bEMessageCallbackPriority_Low = 2,
};

// The result is ignored. a_uUserData is handed back as given at registration.
typedef bool (*bFMessageCallback)(bEMessageTypes a_eType, char const * a_pcText, char const * a_pcText2,
                                  unsigned long a_uUserData, char const * a_pcFile, int a_iLine, int a_iPriority);

struct bSMessageCallbackEntry
{
    bFMessageCallback m_funcCallback;
    unsigned long m_uUserData;
    bEMessageCallbackPriority m_ePriority;
};

class OE_API bCMessageAdmin
{
public:
    // Built on first call: the table, the error administration and both output channels.
    static bCMessageAdmin & GetInstance();
    // Part after the last backslash; without one, after the last slash; else the path.
    static char const * StripFilename(char const * a_pcPath);

public:
    ~bCMessageAdmin();
    bCMessageAdmin(bCMessageAdmin const &) = delete;
    bCMessageAdmin & operator=(bCMessageAdmin const &) = delete;

public:
    void Create();
    void Destroy();
    bool OnMessage(bEMessageTypes a_eType, char const * a_pcText, char const * a_pcText2, char const * a_pcFile,
                   int a_iLine, int a_iPriority); // always true
    // False for a callback already registered, or while a critical callback exists (with a message box).
    bool RegisterCallback(bFMessageCallback a_funcCallback, bEMessageCallbackPriority a_ePriority,
                          unsigned long a_uUserData);
    // Removes the last registration of the callback; false when there is none.
    bool UnregisterCallback(bFMessageCallback a_funcCallback);
    bEMessageFilterTypes GetFilterType() const { return m_eFilter.load(std::memory_order_relaxed); }
    void SetFilterType(bEMessageFilterTypes a_eFilter) { m_eFilter.store(a_eFilter, std::memory_order_relaxed); }

protected:
    int LookupCallback(bFMessageCallback a_funcCallback) const; // -1 when not registered
    bool ExecuteCallbackType(bEMessageCallbackPriority a_ePriority, bEMessageTypes a_eType, char const * a_pcText,
                             char const * a_pcText2, char const * a_pcFile, int a_iLine,
                             int a_iPriority); // one pass; false

private:
    struct bSCallbackTable;

    bCMessageAdmin();
    static void DestroyInstance();

private:
    bSCallbackTable * m_pCallbackTable;
    bCCriticalSectionWin32 m_CriticalSection;
    std::atomic<bEMessageFilterTypes> m_eFilter; // read without the lock
};

// Priority of the library's own reports and of the formatting OK and WARN entries.
extern OE_API int const g_iDefaultMessagePriority;

// The everyday entries. The F variants format with printf rules into a buffer
// of the calling thread (texts are cut to it); the D variants use the first
// argument after the format also as the second text. All return true.
OE_C_API bool OE_MESSAGE(int a_iPriority, char const * a_pcText);
OE_C_API bool OE_MESSAGE_INFO(int a_iPriority, char const * a_pcText);
OE_C_API bool OE_MESSAGE_D_INFO(int a_iPriority, char const * a_pcText, char const * a_pcText2);
OE_C_API bool OE_MESSAGEF_INFO(int a_iPriority, char const * a_pcFormat, ...) __attribute__((format(printf, 2, 3)));
OE_C_API bool OE_MESSAGEF_D_INFO(int a_iPriority, char const * a_pcFormat, ...) __attribute__((format(printf, 2, 3)));
OE_C_API bool OE_MESSAGEF_OK(char const * a_pcFormat, ...) __attribute__((format(printf, 1, 2)));
OE_C_API bool OE_MESSAGEF_D_OK(char const * a_pcFormat, ...) __attribute__((format(printf, 1, 2)));
OE_C_API bool OE_MESSAGEF_WARN(char const * a_pcFormat, ...) __attribute__((format(printf, 1, 2)));
OE_C_API bool OE_MESSAGEF_D_WARN(char const * a_pcFormat, ...) __attribute__((format(printf, 1, 2)));

#endif
