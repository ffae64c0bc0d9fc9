#include <vellmark/kernel/oe_message.h>

#include <cstdarg>
#include <cstdio>

// Seam: messages go to standard error until the administration exists.

int const g_iDefaultMessagePriority = 5;

namespace
{
    bool Emit(bEMessageTypes a_eType, char const * a_pcText, char const * a_pcText2, int a_iPriority)
    {
        std::fprintf(stderr, "%d/%d: %s%s%s\n", static_cast<int>(a_eType), a_iPriority, a_pcText ? a_pcText : "",
                     a_pcText2 ? " | " : "", a_pcText2 ? a_pcText2 : "");
        return true;
    }

    bool EmitV(bEMessageTypes a_eType, int a_iPriority, bool a_bSecondText, char const * a_pcFormat, va_list a_Args)
    {
        thread_local char s_carrBuffer[4096];
        va_list Copy;
        va_copy(Copy, a_Args);
        std::vsnprintf(s_carrBuffer, sizeof(s_carrBuffer), a_pcFormat, a_Args);
        char const * pcText2 = a_bSecondText ? va_arg(Copy, char const *) : nullptr;
        va_end(Copy);
        return Emit(a_eType, s_carrBuffer, pcText2, a_iPriority);
    }
}

bool OE_MESSAGE(int a_iPriority, char const * a_pcText)
{
    return Emit(bEMessageTypes_Info, a_pcText, nullptr, a_iPriority);
}

bool OE_MESSAGE_INFO(int a_iPriority, char const * a_pcText)
{
    return Emit(bEMessageTypes_Info, a_pcText, nullptr, a_iPriority);
}

bool OE_MESSAGE_D_INFO(int a_iPriority, char const * a_pcText, char const * a_pcText2)
{
    return Emit(bEMessageTypes_Info, a_pcText, a_pcText2, a_iPriority);
}

#define OE_FORWARD(TYPE, PRIORITY, SECOND)                                      \
    va_list Args;                                                               \
    va_start(Args, a_pcFormat);                                                 \
    bool const bResult = EmitV(TYPE, PRIORITY, SECOND, a_pcFormat, Args);       \
    va_end(Args);                                                               \
    return bResult;

bool OE_MESSAGEF_INFO(int a_iPriority, char const * a_pcFormat, ...) { OE_FORWARD(bEMessageTypes_Info, a_iPriority, false) }
bool OE_MESSAGEF_D_INFO(int a_iPriority, char const * a_pcFormat, ...) { OE_FORWARD(bEMessageTypes_Info, a_iPriority, true) }
bool OE_MESSAGEF_OK(char const * a_pcFormat, ...) { OE_FORWARD(bEMessageTypes_Ok, 5, false) }
bool OE_MESSAGEF_D_OK(char const * a_pcFormat, ...) { OE_FORWARD(bEMessageTypes_Ok, 5, true) }
bool OE_MESSAGEF_WARN(char const * a_pcFormat, ...) { OE_FORWARD(bEMessageTypes_Warn, 5, false) }
bool OE_MESSAGEF_D_WARN(char const * a_pcFormat, ...) { OE_FORWARD(bEMessageTypes_Warn, 5, true) }
