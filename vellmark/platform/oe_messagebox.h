#ifndef OE_MESSAGEBOX_H_INCLUDED
#define OE_MESSAGEBOX_H_INCLUDED

// The message box of the original platform. There is no desktop here: one
// process-wide handler answers every box. The default handler writes caption
// and text to standard error and answers at once, with the answer named by the
// environment variable VELLMARK_MESSAGEBOX (ok, yes, no, abort, retry, ignore,
// cancel) when it fits the box's buttons, or with OK, No, Ignore or Cancel by
// button set. Tests install a recording handler.

#include <vellmark/platform/oe_export.h>

// Button sets and icons (the low and the icon nibble of the style word).
enum : unsigned int
{
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_ABORTRETRYIGNORE = 0x2,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_TASKMODAL = 0x2000,
};

// Answers.
enum : int
{
    IDOK = 1,
    IDCANCEL = 2,
    IDABORT = 3,
    IDRETRY = 4,
    IDIGNORE = 5,
    IDYES = 6,
    IDNO = 7,
};

typedef int (*OEMessageBoxHandler)(char const * a_pcText, char const * a_pcCaption, unsigned int a_uStyle);

// Shows a box through the current handler and returns its answer.
OE_API int OEMessageBox(char const * a_pcText, char const * a_pcCaption, unsigned int a_uStyle);

// Installs a handler (null restores the default) and returns the previous one.
OE_API OEMessageBoxHandler OESetMessageBoxHandler(OEMessageBoxHandler a_funcHandler);

#endif
