// A dialogs module for the tests: records every entry-point call, one line
// each, in the file named by VELLMARK_TEST_DIALOG_LOG, and answers the error
// dialog with VELLMARK_TEST_DIALOG_ANSWER (continue, debug; anything else
// leaves both flags false). Built with OE_DIALOGS_PARTIAL it lacks
// CreateMemoryDialog, AddText and GetErrorDialogState.

#include <cstdio>
#include <cstdlib>
#include <cstring>

struct bSAllocationItem;

#define STUB_API extern "C" __attribute__((visibility("default")))

namespace
{
    void Record(char const * a_pcCall, int a_iKind = -1, char const * a_pcText = nullptr)
    {
        char const * pcPath = std::getenv("VELLMARK_TEST_DIALOG_LOG");
        std::FILE * pFile = pcPath ? std::fopen(pcPath, "a") : nullptr;
        if (!pFile)
            return;
        std::fputs(a_pcCall, pFile);
        if (a_iKind >= 0)
            std::fprintf(pFile, " %d", a_iKind);
        if (a_pcText)
        {
            std::fputc(' ', pFile);
            // One call per line: line breaks inside a text are written as "\n".
            for (char const * pcAt = a_pcText; *pcAt; ++pcAt)
                *pcAt == '\n' ? static_cast<void>(std::fputs("\\n", pFile))
                              : static_cast<void>(std::fputc(*pcAt, pFile));
        }
        std::fputc('\n', pFile);
        std::fclose(pFile);
    }

    bool AnswerIs(char const * a_pcAnswer)
    {
        char const * pcAnswer = std::getenv("VELLMARK_TEST_DIALOG_ANSWER");
        return pcAnswer && std::strcmp(pcAnswer, a_pcAnswer) == 0;
    }
} // namespace

// Entry points without arguments: record the call, report success.
#define STUB_CALL(NAME)                                                                                                \
    STUB_API bool NAME()                                                                                               \
    {                                                                                                                  \
        Record(#NAME);                                                                                                 \
        return true;                                                                                                   \
    }

STUB_CALL(DestroyErrorDialog)
STUB_CALL(ShowModalErrorDialog)
STUB_CALL(DestroyMemoryDialog)
STUB_CALL(ShowModalMemoryDialog)
STUB_CALL(CreateFileNotUniqueDialog)
STUB_CALL(DestroyFileNotUniqueDialog)
STUB_CALL(ShowModalFileNotUniqueDialog)

STUB_API bool CreateErrorDialog(bool a_bFatal)
{
    Record("CreateErrorDialog", a_bFatal ? 1 : 0);
    return true;
}

STUB_API void AddItemToMemoryOverview(bSAllocationItem const *, bool a_bValid)
{
    Record("AddItemToMemoryOverview", a_bValid ? 1 : 0);
}

#ifndef OE_DIALOGS_PARTIAL
STUB_CALL(CreateMemoryDialog)

STUB_API bool AddText(int a_iKind, char const * a_pcText)
{
    Record("AddText", a_iKind, a_pcText ? a_pcText : "<null>");
    return true;
}

STUB_API void GetErrorDialogState(bool * a_pbContinue, bool * a_pbDebug)
{
    Record("GetErrorDialogState");
    *a_pbContinue = AnswerIs("continue");
    *a_pbDebug = AnswerIs("debug");
}
#endif
