#ifndef OE_MESSAGE_H_INCLUDED
#define OE_MESSAGE_H_INCLUDED

// Diagnostic messages: a type, a text, an optional second text, a source
// position and a priority, handed to the process-wide message administration.
//
// (Seam: the exported entry points only; the administration with its filter and
// callbacks is completed with the message administration itself.)

#include <vellmark/kernel/oe_types.h>

enum bEMessageTypes
{
    bEMessageTypes_Ok = 1,
    bEMessageTypes_Info = 2,
    bEMessageTypes_Warn = 3,
    bEMessageTypes_Fault = 4,
    bEMessageTypes_Fatal = 5,
};

// Priority of the library's own reports and of the formatting OK and WARN entries.
extern OE_API int const g_iDefaultMessagePriority;

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
