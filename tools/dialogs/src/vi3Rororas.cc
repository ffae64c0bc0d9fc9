// The dialogs module of this platform, vi3Rororas, loaded by the library at
// run time through its twelve entry points.
//
// There is no desktop: the error dialog prints the collected report to
// standard error and writes it to morvek3/M3-<computer>-<date>-<time>.txt in
// the current directory, beside the crash dumps; the memory dialog prints the
// leak overview; the file dialog prints its text.
//
// The answer of the error dialog never waits unless asked to: the environment
// variable VELLMARK_DIALOG_ANSWER (exit, debug, continue, ask) gives it; without
// it a fatal error exits and a fault continues; "ask" reads the answer from
// the terminal.

#include <vellmark/platform/oe_export.h>
#include <vellmark/platform/oe_systeminfo.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

struct bSAllocationItem;

namespace
{
    struct bSDialogLine
    {
        int m_iKind;
        std::string m_strText;
    };

    struct bSErrorDialog
    {
        bool m_bCreated = false;
        bool m_bFatal = true;
        std::vector<bSDialogLine> m_arrLines;
    };

    bSErrorDialog s_ErrorDialog;
    bool s_bMemoryDialog = false;
    unsigned long s_uMemoryItems = 0;
    unsigned long s_uDamagedItems = 0;
    bool s_bFileDialog = false;

    char const * KindTitle(int a_iKind)
    {
        switch (a_iKind)
        {
        case 2: return "History";
        case 3: return "Memory";
        case 4: return "Call stack";
        default: return nullptr;
        }
    }

    void WriteReport(std::FILE * a_pFile)
    {
        int iLastKind = 1;
        for (bSDialogLine const & Line : s_ErrorDialog.m_arrLines)
        {
            if (Line.m_iKind != iLastKind && KindTitle(Line.m_iKind))
                std::fprintf(a_pFile, "\n[%s]\n", KindTitle(Line.m_iKind));
            iLastKind = Line.m_iKind;
            std::fprintf(a_pFile, "%s\n", Line.m_strText.c_str());
        }
        std::fflush(a_pFile);
    }

    void WriteReportFile()
    {
        char carrComputer[64] = {};
        OEGetComputerName(carrComputer, sizeof(carrComputer));
        bSLocalTime const Now = OEGetLocalTime();
        if (!OECreateDirectory("./morvek3"))
            return;
        char carrPath[256];
        std::snprintf(carrPath, sizeof(carrPath), "./morvek3/M3-%s-%04d%02d%02d-%02d%02d%02d.txt", carrComputer,
                      Now.m_iYear, Now.m_iMonth, Now.m_iDay, Now.m_iHour, Now.m_iMinute, Now.m_iSecond);
        if (std::FILE * pFile = std::fopen(carrPath, "w"))
        {
            WriteReport(pFile);
            std::fclose(pFile);
            std::fprintf(stderr, "(report written to %s)\n", carrPath);
        }
    }

    std::string ReadAnswerFromTerminal()
    {
        std::FILE * pTerminal = std::fopen("/dev/tty", "r+");
        if (!pTerminal)
            return "";
        std::fputs("Answer (exit, debug, continue): ", pTerminal);
        std::fflush(pTerminal);
        char carrAnswer[64] = {};
        if (!std::fgets(carrAnswer, sizeof(carrAnswer), pTerminal))
            carrAnswer[0] = 0;
        std::fclose(pTerminal);
        carrAnswer[std::strcspn(carrAnswer, "\r\n")] = 0;
        return carrAnswer;
    }

    std::string Answer()
    {
        char const * pcAnswer = std::getenv("VELLMARK_DIALOG_ANSWER");
        std::string strAnswer = pcAnswer ? pcAnswer : "";
        if (strAnswer == "ask")
            strAnswer = ReadAnswerFromTerminal();
        if (strAnswer != "exit" && strAnswer != "debug" && strAnswer != "continue")
            strAnswer = s_ErrorDialog.m_bFatal ? "exit" : "continue";
        return strAnswer;
    }
} // namespace

OE_C_API bool CreateErrorDialog(bool a_bFatal)
{
    s_ErrorDialog = bSErrorDialog();
    s_ErrorDialog.m_bCreated = true;
    s_ErrorDialog.m_bFatal = a_bFatal;
    return true;
}

OE_C_API bool DestroyErrorDialog()
{
    bool const bWasCreated = s_ErrorDialog.m_bCreated;
    s_ErrorDialog = bSErrorDialog();
    return bWasCreated;
}

OE_C_API bool ShowModalErrorDialog()
{
    std::fprintf(stderr, "\n==== %s ====\n", s_ErrorDialog.m_bFatal ? "Fatal error" : "Fault error");
    WriteReport(stderr);
    WriteReportFile();
    return true;
}

OE_C_API bool AddText(int a_iKind, char const * a_pcText)
{
    s_ErrorDialog.m_arrLines.push_back(bSDialogLine{a_iKind, a_pcText ? a_pcText : ""});
    return true;
}

OE_C_API void GetErrorDialogState(bool * a_pbContinue, bool * a_pbDebug)
{
    std::string const strAnswer = Answer();
    if (a_pbContinue)
        *a_pbContinue = strAnswer == "continue";
    if (a_pbDebug)
        *a_pbDebug = strAnswer == "debug";
}

OE_C_API bool CreateMemoryDialog()
{
    s_bMemoryDialog = true;
    s_uMemoryItems = s_uDamagedItems = 0;
    return true;
}

OE_C_API bool DestroyMemoryDialog()
{
    bool const bWasCreated = s_bMemoryDialog;
    s_bMemoryDialog = false;
    return bWasCreated;
}

OE_C_API bool ShowModalMemoryDialog()
{
    std::fprintf(stderr, "\n==== Memory leaks ====\n%lu blocks left allocated, %lu of them damaged\n", s_uMemoryItems,
                 s_uDamagedItems);
    return true;
}

// The item's texts reach the user through the leak report's messages; the
// overview counts the blocks.
OE_C_API void AddItemToMemoryOverview(bSAllocationItem const * a_pItem, bool a_bValid)
{
    if (!a_pItem)
        return;
    ++s_uMemoryItems;
    s_uDamagedItems += a_bValid ? 0 : 1;
    std::fprintf(stderr, "leaked block %p%s\n", static_cast<void const *>(a_pItem), a_bValid ? "" : " (damaged)");
}

OE_C_API bool CreateFileNotUniqueDialog()
{
    s_bFileDialog = true;
    return true;
}

OE_C_API bool DestroyFileNotUniqueDialog()
{
    bool const bWasCreated = s_bFileDialog;
    s_bFileDialog = false;
    return bWasCreated;
}

OE_C_API bool ShowModalFileNotUniqueDialog()
{
    std::fputs("\n==== File not unique ====\nA file name was found more than once; the first one is used.\n", stderr);
    return true;
}
