// Exception records from outside: whatever the record and the context hold
// (addresses, frame pointers, frame counts), the crash handler's texts are
// built without faulting and the stack walk ends.
#include <vellmark/crashhandler/CrashHandler.h>
#include <vellmark/platform/oe_messagebox.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    OESetMessageBoxHandler([](char const *, char const *, unsigned int) { return static_cast<int>(IDIGNORE); });
    EXCEPTION_RECORD Record{};
    CONTEXT Context{};
    size_t const uRecordBytes = a_uSize < sizeof(Record) ? a_uSize : sizeof(Record);
    std::memcpy(&Record, a_pData, uRecordBytes);
    if (a_uSize > uRecordBytes)
    {
        size_t const uRest = a_uSize - uRecordBytes;
        std::memcpy(&Context, a_pData + uRecordBytes, uRest < sizeof(Context) ? uRest : sizeof(Context));
    }
    Record.ExceptionRecord = nullptr;
    EXCEPTION_POINTERS Pointers{&Record, &Context};
    GetFaultReason(&Pointers);
    GetRegisterString(&Pointers);
    int iLines = 0;
    for (char const * pcLine = GetFirstStackTraceString(15, &Pointers); pcLine && iLines < 2000;
         pcLine = GetNextStackTraceString(15, &Pointers))
        ++iLines;
    if (iLines >= 2000)
        __builtin_trap(); // the walk must end
    return 0;
}
