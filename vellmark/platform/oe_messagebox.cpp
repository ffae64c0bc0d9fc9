#include <vellmark/platform/oe_messagebox.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
    int ButtonSet(unsigned int a_uStyle)
    {
        return static_cast<int>(a_uStyle & 0xF);
    }

    bool SetHasAnswer(int a_iSet, int a_iAnswer)
    {
        switch (a_iSet)
        {
        case MB_OK: return a_iAnswer == IDOK;
        case MB_OKCANCEL: return a_iAnswer == IDOK || a_iAnswer == IDCANCEL;
        case MB_ABORTRETRYIGNORE: return a_iAnswer == IDABORT || a_iAnswer == IDRETRY || a_iAnswer == IDIGNORE;
        case MB_YESNOCANCEL: return a_iAnswer == IDYES || a_iAnswer == IDNO || a_iAnswer == IDCANCEL;
        case MB_YESNO: return a_iAnswer == IDYES || a_iAnswer == IDNO;
        case MB_RETRYCANCEL: return a_iAnswer == IDRETRY || a_iAnswer == IDCANCEL;
        default: return false;
        }
    }

    // The answer that lets a program run on without anybody at the screen.
    int DefaultAnswer(int a_iSet)
    {
        switch (a_iSet)
        {
        case MB_ABORTRETRYIGNORE: return IDIGNORE;
        case MB_YESNO:
        case MB_YESNOCANCEL: return IDNO;
        case MB_OKCANCEL:
        case MB_RETRYCANCEL: return IDCANCEL;
        default: return IDOK;
        }
    }

    int AnswerFromEnvironment()
    {
        static char const * const s_arrNames[] = {"", "ok", "cancel", "abort", "retry", "ignore", "yes", "no"};
        char const * pcValue = std::getenv("VELLMARK_MESSAGEBOX");
        if (!pcValue)
            return 0;
        for (int i = IDOK; i <= IDNO; ++i)
            if (std::strcmp(pcValue, s_arrNames[i]) == 0)
                return i;
        return 0;
    }

    int DefaultHandler(char const * a_pcText, char const * a_pcCaption, unsigned int a_uStyle)
    {
        std::fprintf(stderr, "[%s]\n%s\n", a_pcCaption ? a_pcCaption : "", a_pcText ? a_pcText : "");
        std::fflush(stderr);
        int const iSet = ButtonSet(a_uStyle);
        int const iWanted = AnswerFromEnvironment();
        return SetHasAnswer(iSet, iWanted) ? iWanted : DefaultAnswer(iSet);
    }

    std::atomic<OEMessageBoxHandler> s_funcHandler{&DefaultHandler};
}

int OEMessageBox(char const * a_pcText, char const * a_pcCaption, unsigned int a_uStyle)
{
    return s_funcHandler.load()(a_pcText, a_pcCaption, a_uStyle);
}

OEMessageBoxHandler OESetMessageBoxHandler(OEMessageBoxHandler a_funcHandler)
{
    return s_funcHandler.exchange(a_funcHandler ? a_funcHandler : &DefaultHandler);
}
