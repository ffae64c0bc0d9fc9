#include <vellmark/crashhandler/CrashHandler.h>
#include <vellmark/kernel/oe_enginedialogs.h>
#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/platform/oe_messagebox.h>
#include <vellmark/platform/oe_minidump.h>
#include <vellmark/platform/oe_systeminfo.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#if defined(OE_TEST_DIALOGS) && defined(OE_TEST_DIALOGS_PARTIAL) && defined(OE_TEST_DIALOGS_PLATFORM)

namespace fs = std::filesystem;

namespace
{
    std::vector<std::string> ReadLines(fs::path const & a_Path)
    {
        std::vector<std::string> arrLines;
        std::ifstream File(a_Path);
        for (std::string strLine; std::getline(File, strLine);)
            arrLines.push_back(strLine);
        return arrLines;
    }

    std::vector<std::string> LinesOfKind(std::vector<std::string> const & a_arrLog, int a_iKind)
    {
        std::vector<std::string> arrTexts;
        std::string const strPrefix = "AddText " + std::to_string(a_iKind) + " ";
        for (std::string const & strLine : a_arrLog)
            if (strLine.rfind(strPrefix, 0) == 0)
                arrTexts.push_back(strLine.substr(strPrefix.size()));
        return arrTexts;
    }

    using Lines = std::vector<std::string>;

    int IndexOf(Lines const & a_arrLog, std::string const & a_strLine)
    {
        auto const It = std::find(a_arrLog.begin(), a_arrLog.end(), a_strLine);
        return It == a_arrLog.end() ? -1 : static_cast<int>(It - a_arrLog.begin());
    }

    // Lines a_uFrom .. a_uFrom + a_uCount of a log, fewer where it ends earlier.
    Lines Slice(Lines const & a_arrLog, std::size_t a_uFrom, std::size_t a_uCount)
    {
        a_uFrom = std::min(a_uFrom, a_arrLog.size());
        return Lines(a_arrLog.begin() + a_uFrom, a_arrLog.begin() + std::min(a_arrLog.size(), a_uFrom + a_uCount));
    }

    int QuietBox(char const *, char const *, unsigned int)
    {
        return IDOK;
    }

    std::vector<std::string> g_arrCalls;

    template <char Name> bool RecordCallback(bEErrorType a_eType, unsigned long a_uUserData)
    {
        g_arrCalls.push_back(Name + std::to_string(a_eType) + ":" + std::to_string(a_uUserData));
        return true;
    }
    bFErrorCallback const RecordCallbackA = &RecordCallback<'A'>, RecordCallbackB = &RecordCallback<'B'>;

    bool RaiseFatalDuringReport(bEErrorType, unsigned long)
    {
        bCErrorAdmin::GetInstance().CallFatalError("nested", "nested.cpp", 2);
        return true;
    }

    int * volatile g_piNull = nullptr;

    // Real faults; the undefined-behaviour checker must not stop them first.
    __attribute__((noinline, no_sanitize("undefined"))) void WriteToNull()
    {
        *g_piNull = 1;
    }

    __attribute__((no_sanitize("undefined"))) bool FaultInCallback(bEErrorType, unsigned long)
    {
        *g_piNull = 5;
        return true;
    }

    long ReportException(EXCEPTION_POINTERS * a_pPointers)
    {
        return bCErrorAdmin::GetInstance().CallExceptionError(a_pPointers);
    }

    // Each test runs in a folder of its own, with the recording dialogs
    // module and a log of every call into it.
    class bCErrorAdminTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            m_OldDir = fs::current_path();
            // The folder names carry the id of the process that runs the tests; a death-test child
            // started afresh works in its parent's folder.
            bool const bChild = !GTEST_FLAG_GET(internal_run_death_test).empty();
            std::string const strRun = std::to_string(bChild ? getppid() : OEGetCurrentProcessId());
            m_Dir = fs::temp_directory_path() / ("vellmark_erroradmin_" + strRun + "_" +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
            if (!bChild)
            {
                fs::remove_all(m_Dir);
                fs::create_directories(m_Dir);
            }
            fs::current_path(m_Dir);
            m_Log = m_Dir / "dialog.log";
            setenv("VELLMARK_DIALOGS", OE_TEST_DIALOGS, 1);
            setenv("VELLMARK_TEST_DIALOG_LOG", m_Log.c_str(), 1);
            unsetenv("VELLMARK_TEST_DIALOG_ANSWER");
            m_funcBox = OESetMessageBoxHandler(&QuietBox);
            g_arrCalls.clear();
        }
        void TearDown() override
        {
            OESetMessageBoxHandler(m_funcBox);
            for (bFErrorCallback funcCallback :
                 {RecordCallbackA, RecordCallbackB, &RaiseFatalDuringReport, &FaultInCallback})
                while (bCErrorAdmin::GetInstance().UnregisterCallback(funcCallback))
                    ;
            unsetenv("VELLMARK_DIALOGS");
            fs::current_path(m_OldDir);
            fs::remove_all(m_Dir);
        }
        std::vector<std::string> Log() const { return ReadLines(m_Log); }

        fs::path m_OldDir;
        fs::path m_Dir;
        fs::path m_Log;
        OEMessageBoxHandler m_funcBox = nullptr;
    };

    // Children start the program afresh: other tests of this program leave
    // threads behind, and a forked copy of them could stall on a held lock.
    class bCErrorAdminDeathTest : public bCErrorAdminTest
    {
    protected:
        void SetUp() override
        {
            GTEST_FLAG_SET(death_test_style, "threadsafe");
            bCErrorAdminTest::SetUp();
        }
    };

    std::vector<std::string> g_arrMessages;

    void RecordFatal(char const * a_pcMessage, char const * a_pcFile, int a_iLine)
    {
        g_arrCalls.push_back(std::string(a_pcMessage) + "|" + a_pcFile + "|" + std::to_string(a_iLine));
    }

    bool RecordMessage(bEMessageTypes a_eType, char const * a_pcText, char const * a_pcText2, unsigned long,
                       char const * a_pcFile, int a_iLine, int a_iPriority)
    {
        auto Text = [](char const * a_pc) { return std::string(a_pc ? a_pc : "<null>") + "|"; };
        g_arrMessages.push_back(std::to_string(a_eType) + "|" + Text(a_pcText) + Text(a_pcText2) + Text(a_pcFile) +
                                std::to_string(a_iLine) + "|" + std::to_string(a_iPriority));
        return true;
    }
} // namespace

// A fault answered with continue returns without panic. The report lists head, assertion,
// history and memory in that order, and each of its lines also goes out as a message; callbacks
// run last registered first on both sides of the dialog.
TEST_F(bCErrorAdminTest, FaultAnsweredWithContinueReturnsWithoutPanic)
{
    setenv("VELLMARK_TEST_DIALOG_ANSWER", "continue", 1);
    bCErrorAdmin & Admin = bCErrorAdmin::GetInstance();
    EXPECT_TRUE(Admin.RegisterCallback(RecordCallbackA, bEErrorPositionHandling_BeforeDialog, 1));
    EXPECT_FALSE(Admin.RegisterCallback(RecordCallbackA, bEErrorPositionHandling_BeforeDialog, 9));
    EXPECT_TRUE(Admin.RegisterCallback(RecordCallbackB, bEErrorPositionHandling_BeforeDialog, 2));
    EXPECT_TRUE(Admin.RegisterCallback(RecordCallbackA, bEErrorPositionHandling_AfterDialog, 3));
    EXPECT_TRUE(Admin.RegisterCallback(RecordCallbackB, static_cast<bEErrorPositionHandling>(2), 4));
    bCMessageAdmin & Messages = bCMessageAdmin::GetInstance();
    Messages.OnMessage(bEMessageTypes_Info, "plain", nullptr, nullptr, -1, 5);
    Messages.OnMessage(bEMessageTypes_Warn, "both", "why", "kernel/oe_foo", 13, 5);
    Messages.OnMessage(bEMessageTypes_Warn, nullptr, "no text", nullptr, -1, 5);
    Admin.AddHistoryEntry(std::string(300, 'h').c_str()); // keeps 249 characters
    g_arrMessages.clear();
    ASSERT_TRUE(Messages.RegisterCallback(&RecordMessage, bEMessageCallbackPriority_Low, 0));
    Admin.CallFaultError("bCFoo::Bar", "index out of range", "kernel/oe_foo.cpp", 77);
    Messages.UnregisterCallback(&RecordMessage);
    EXPECT_FALSE(Admin.IsInPanicState());
    EXPECT_EQ(g_arrCalls, (std::vector<std::string>{"B2:2", "A2:1", "A2:3"}));
    EXPECT_EQ(Slice(g_arrMessages, 0, 2), (Lines{"4|Morvek3 engine FAULT ERROR:|(#Fault error detected)|<null>|-1|5",
                                                 "4||(#Fault error detected)|<null>|-1|5"}));
    Lines const arrLog = Log();
    EXPECT_EQ(Slice(arrLog, 0, 3), (Lines{"CreateErrorDialog 0", "CreateMemoryDialog", "CreateFileNotUniqueDialog"}));
    EXPECT_EQ(LinesOfKind(arrLog, 1),
              (Lines{"Morvek3 engine FAULT ERROR:", "", "Module: bCFoo::Bar --> (index out of range)",
                     "Filename:<kernel/oe_foo.cpp>, Line:#77"}));
    Lines const arrAssertion = LinesOfKind(arrLog, 4);
    ASSERT_EQ(arrAssertion.size(), 1u);
    EXPECT_NE(arrAssertion[0].find("Expression : bCFoo::Bar\\nLast Error"), std::string::npos) << arrAssertion[0];
    Lines const arrHistory = LinesOfKind(arrLog, 2);
    int const iPlain = IndexOf(arrHistory, "plain ");
    ASSERT_NE(iPlain, -1);
    EXPECT_EQ(Slice(arrHistory, iPlain + 1, 2),
              (Lines{"both, Desc:why, Z:#13 -> 'kernel/oe_foo'", std::string(249, 'h')}));
    // An untracked memory administration adds no statistics of its own.
    EXPECT_EQ(Slice(LinesOfKind(arrLog, 3), 0, 5), (Lines{"Memory statistics", "----------------------------", " ",
                                                          "---> memory allocation summary <---", " "}));
    int const iAssertion = IndexOf(arrLog, "AddText 4 " + arrAssertion[0]);
    EXPECT_TRUE(IndexOf(arrLog, "AddText 1 Filename:<kernel/oe_foo.cpp>, Line:#77") < iAssertion &&
                iAssertion < IndexOf(arrLog, "AddText 2 plain ") &&
                IndexOf(arrLog, "AddText 2 plain ") < IndexOf(arrLog, "AddText 3 Memory statistics"));
    int const iShow = IndexOf(arrLog, "ShowModalErrorDialog");
    ASSERT_GT(iShow, 0);
    EXPECT_EQ(Slice(arrLog, iShow + 1, 4), (Lines{"GetErrorDialogState", "DestroyMemoryDialog", "DestroyErrorDialog",
                                                  "DestroyFileNotUniqueDialog"}));
    EXPECT_FALSE(bCMorvek3EngineDialogs().IsLoaded());

    // Without a file no position line. The history keeps the last fifty lines: the report's own
    // lines travel as messages and may enter the ring before it is printed; the lines added here
    // then follow each other up to the last.
    EXPECT_TRUE(Admin.UnregisterCallback(RecordCallbackA)); // the before-list first
    g_arrCalls.clear();
    fs::remove(m_Log);
    Admin.AddHistoryEntry(std::string(300, 'h').c_str());
    for (int i = 1; i <= 50; ++i)
        Admin.AddHistoryEntry(("line " + std::to_string(i)).c_str());
    Admin.AddHistoryEntry(nullptr);
    Admin.CallFaultError(nullptr, nullptr, -1);
    EXPECT_EQ(g_arrCalls, (std::vector<std::string>{"B2:2", "A2:3"}));
    EXPECT_EQ(LinesOfKind(Log(), 1), (Lines{"Morvek3 engine FAULT ERROR:", "", "Module: (null)"}));
    Lines const arrLast = LinesOfKind(Log(), 2);
    ASSERT_EQ(arrLast.size(), 50u);
    int iExpected = -1;
    for (std::string const & strLine : arrLast)
    {
        EXPECT_NE(strLine[0], 'h'); // the entry of 300 characters went first
        if (strLine.rfind("line ", 0) != 0)
            continue;
        EXPECT_TRUE(iExpected == -1 || std::stoi(strLine.substr(5)) == iExpected) << strLine;
        iExpected = std::stoi(strLine.substr(5)) + 1;
    }
    EXPECT_EQ(iExpected, 51);
    EXPECT_TRUE(Admin.UnregisterCallback(RecordCallbackA));
    EXPECT_TRUE(Admin.UnregisterCallback(RecordCallbackB));
    EXPECT_FALSE(Admin.UnregisterCallback(RecordCallbackB));
    std::string const strLong(5000, 'm');
    fs::remove(m_Log);
    Admin.CallFaultError(strLong.c_str(), strLong.c_str(), strLong.c_str(), 1);
    Lines const arrLong = LinesOfKind(Log(), 1);
    ASSERT_EQ(arrLong.size(), 4u);
    EXPECT_EQ(arrLong[2].size() + arrLong[3].size(), 2u * 2047);
}

// For fuzzers and tests, a fatal report may return to the caller instead of ending the process.
// Without the test's dialogs module and box handler: the standard ones print the report.
TEST(bCErrorAdmin, FatalHookLetsTheCallerGoOnAfterTheReport)
{
    g_arrCalls.clear();
    EXPECT_EQ(bCErrorAdmin::SetFatalHook(&RecordFatal), nullptr);
    bCErrorAdmin & Admin = bCErrorAdmin::GetInstance();
    Admin.CallFatalError("first", "detail", "module\\file", 12);
    EXPECT_FALSE(Admin.IsInPanicState());
    Admin.CallFatalError("second", "module\\other", 34);
    EXPECT_EQ(bCErrorAdmin::SetFatalHook(nullptr), &RecordFatal);
    EXPECT_EQ(g_arrCalls, (std::vector<std::string>{"first|module\\file|12", "second|module\\other|34"}));
}

TEST_F(bCErrorAdminTest, LockCountTraceAndDumpName)
{
    bCErrorAdmin & Admin = bCErrorAdmin::GetInstance();
    Admin.LockSystem();
    Admin.LockSystem();
    Admin.UnlockSystem();
    EXPECT_TRUE(Admin.IsLocked());
    Admin.UnlockSystem();
    Admin.UnlockSystem();
    EXPECT_FALSE(Admin.IsLocked());
    char carrFormat[] = "%s-%d";
    ::testing::internal::CaptureStderr();
    Admin.TraceF(carrFormat, std::string(600, 't').c_str(), 1);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), std::string(511, 't'));

    ASSERT_TRUE(bCErrorAdmin::GetInstance().GenerateDump(nullptr));
    char carrComputer[60] = {};
    OEGetComputerName(carrComputer, sizeof(carrComputer));
    std::vector<fs::path> const arrFiles(fs::directory_iterator(m_Dir / "morvek3"), fs::directory_iterator{});
    ASSERT_EQ(arrFiles.size(), 1u);
    EXPECT_TRUE(std::regex_match(arrFiles[0].filename().string(),
                                 std::regex("M3-" + std::string(carrComputer) + "-20[0-9]{6}-[0-9]{6}\\.dmp")))
        << arrFiles[0];
}

// A missing module warns with a box and counts as loaded; a module without some entries loads
// nothing; without a module ("none") the entries answer as the callers expect.
TEST_F(bCErrorAdminTest, DialogsModuleMissingPartialOrAbsent)
{
    setenv("VELLMARK_DIALOGS", (m_Dir / "no-such-module.so").c_str(), 1);
    static std::string s_strBox;
    OESetMessageBoxHandler([](char const * a_pcText, char const * a_pcCaption, unsigned int) {
        s_strBox = std::string(a_pcCaption) + "|" + a_pcText;
        return static_cast<int>(IDOK);
    });
    bCDialogHandle & Handle = bCMorvek3EngineDialogs::GetDialogHandle();
    {
        bCMorvek3EngineDialogs Dialogs;
        EXPECT_FALSE(Dialogs.LoadVI3RororaLib(false));
        EXPECT_TRUE(Dialogs.IsLoaded());
        EXPECT_EQ(s_strBox,
                  "Fatal error|Fatal error detected, can\xC2\xB4t load vi3rorora resource dll, terminating process !");
        EXPECT_TRUE(Dialogs.ShowModalMemoryDialog());
        Dialogs.UnloadVI3RororaLib();
        EXPECT_FALSE(Dialogs.IsLoaded());
    }

    setenv("VELLMARK_DIALOGS", OE_TEST_DIALOGS_PARTIAL, 1);
    {
        bCMorvek3EngineDialogs Dialogs;
        EXPECT_FALSE(Dialogs.LoadVI3RororaLib(true)); // no CreateMemoryDialog
        EXPECT_EQ(Handle.GetReferenceCount(), 1);
        EXPECT_EQ(Handle.AddReference(), 2);
        EXPECT_EQ(Handle.ReleaseReference(), 1);
    }
    EXPECT_EQ(Handle.GetReferenceCount(), 0);
    EXPECT_EQ(Handle.ReleaseReference(), 0);
    EXPECT_EQ(Log(), (Lines{"CreateErrorDialog 1", "CreateFileNotUniqueDialog", "DestroyMemoryDialog",
                            "DestroyErrorDialog", "DestroyFileNotUniqueDialog"}));

    setenv("VELLMARK_DIALOGS", "none", 1);
    g_arrMessages.clear();
    bCMessageAdmin & Messages = bCMessageAdmin::GetInstance();
    ASSERT_TRUE(Messages.RegisterCallback(&RecordMessage, bEMessageCallbackPriority_Low, 0));
    EXPECT_EQ(Handle.AddReference(), 1);
    Messages.UnregisterCallback(&RecordMessage);
    EXPECT_NE(std::find(g_arrMessages.begin(), g_arrMessages.end(),
                        "3|bCMorvek3EngineDialogs::bCDialogHandle::AddReference - warning can\xC2\xB4t load dialog "
                        "resource dll(vi3Rororas.dll)! Application and exception errors with detailed report "
                        "can\xC2\xB4t be listed ! |<null>|<null>|-1|5"),
              g_arrMessages.end());
    // Creating and destroying fail, showing and adding text succeed.
    EXPECT_FALSE(Handle.CreateErrorDialog(true) || Handle.DestroyErrorDialog() || Handle.CreateMemoryDialog() ||
                 Handle.DestroyMemoryDialog() || Handle.CreateFileNotUniqueDialog() ||
                 Handle.DestroyFileNotUniqueDialog());
    EXPECT_TRUE(Handle.ShowModalErrorDialog() && Handle.ShowModalMemoryDialog() &&
                Handle.ShowModalFileNotUniqueDialog() && Handle.AddText(bEVI3RororasLogMessageType_Memory, "nowhere"));
    bool bContinue = true, bDebug = true;
    Handle.GetErrorDialogState(bContinue, bDebug);
    EXPECT_TRUE(bContinue && bDebug); // left as they were
    Handle.AddItemToMemoryOverview(nullptr, true);
    EXPECT_EQ(Handle.ReleaseReference(), 0);
}

// A fatal error raised during the report returns at once: one report, then the end.
TEST_F(bCErrorAdminDeathTest, FatalErrorEndsWith447)
{
    EXPECT_EXIT(
        {
            bCErrorAdmin::GetInstance().RegisterCallback(&RaiseFatalDuringReport, bEErrorPositionHandling_AfterDialog,
                                                         0);
            bCErrorAdmin::GetInstance().CallFatalError("bCFoo::Bar", "broken", "kernel/oe_foo.cpp", 12);
        },
        ::testing::ExitedWithCode(191), "");
    Lines const arrLog = Log();
    ASSERT_FALSE(arrLog.empty());
    EXPECT_EQ(arrLog[0], "CreateErrorDialog 1");
    EXPECT_EQ(LinesOfKind(arrLog, 1), (Lines{"Morvek3 engine FATAL ERROR:", "", "Module: bCFoo::Bar --> (broken)",
                                             "Filename:<kernel/oe_foo.cpp>, Line:#12"}));
    EXPECT_EQ(arrLog.back(), "DestroyFileNotUniqueDialog");
}

// Nothing chosen: the module is looked for by its name only (search path, the program's folder,
// the current folder). A program without one ends on a fault; one in the current folder is found.
TEST_F(bCErrorAdminDeathTest, DialogsModuleFoundByNameOnly)
{
    unsetenv("VELLMARK_DIALOGS");
    {
        bCMorvek3EngineDialogs Dialogs;
        EXPECT_FALSE(Dialogs.LoadVI3RororaLib(false));
        Dialogs.UnloadVI3RororaLib();
    }
    EXPECT_EXIT(bCErrorAdmin::GetInstance().CallFaultError("fault", "x.cpp", 1), ::testing::ExitedWithCode(191), "");

    fs::copy_file(OE_TEST_DIALOGS, m_Dir / "libvi3Rororas.so");
    bCMorvek3EngineDialogs Dialogs;
    EXPECT_TRUE(Dialogs.LoadVI3RororaLib(false));
    Dialogs.UnloadVI3RororaLib();
    EXPECT_EQ(Log(), (Lines{"CreateErrorDialog 0", "CreateMemoryDialog", "CreateFileNotUniqueDialog",
                            "DestroyMemoryDialog", "DestroyErrorDialog", "DestroyFileNotUniqueDialog"}));
}

// A fatal error ignores the continue answer; a fault without dialogs module cannot be answered.
TEST_F(bCErrorAdminDeathTest, NoAnswerLetsAFatalErrorOrAnUnansweredFaultContinue)
{
    struct
    {
        char const * m_pcDialogs;
        void (*m_funcError)();
    } const Cases[] = {
        {OE_TEST_DIALOGS, [] { bCErrorAdmin::GetInstance().CallFatalError("fatal", nullptr, 0); }},
        {"none", [] { bCErrorAdmin::GetInstance().CallFaultError("fault", "x.cpp", 1); }},
    };
    setenv("VELLMARK_TEST_DIALOG_ANSWER", "continue", 1);
    for (auto const & Case : Cases)
    {
        setenv("VELLMARK_DIALOGS", Case.m_pcDialogs, 1);
        EXPECT_EXIT(Case.m_funcError(), ::testing::ExitedWithCode(191), "");
    }
}

TEST_F(bCErrorAdminDeathTest, DebugAnswerReturnsWithPanicLeftSet)
{
    setenv("VELLMARK_TEST_DIALOG_ANSWER", "debug", 1);
    EXPECT_EXIT(
        {
            bCErrorAdmin & Admin = bCErrorAdmin::GetInstance();
            Admin.CallFatalError("debug me", nullptr, 0);
            Admin.CallFaultError("skipped", nullptr, 0);
            std::exit(Admin.IsInPanicState() && Admin.CallExceptionError(nullptr) == -1 ? 3 : 4);
        },
        ::testing::ExitedWithCode(3), "");
    EXPECT_EQ(LinesOfKind(Log(), 1).size(), 3u);
}

TEST_F(bCErrorAdminDeathTest, SegmentationFaultIsReportedAndDumped)
{
    EXPECT_EXIT(
        {
            SetCrashHandlerFilter(&ReportException);
            WriteToNull();
        },
        ::testing::ExitedWithCode(191), "");
    Lines const arrLog = Log();
    Lines const arrHead = LinesOfKind(arrLog, 1);
    ASSERT_EQ(arrHead.size(), 1u);
    EXPECT_NE(arrHead[0].find("\\ncaused a EXCEPTION_ACCESS_VIOLATION\\nin module "), std::string::npos);
    Lines const arrStack = LinesOfKind(arrLog, 4);
    ASSERT_GE(arrStack.size(), 8u);
    EXPECT_EQ(Slice(arrStack, 0, 2), (Lines{"Callstack:", "------------------------------"}));
    EXPECT_TRUE(std::regex_search(arrStack[2], std::regex("^[0-9A-F]{4}:[0-9A-F]{8} \\(0x")));
    // The register text is a single entry after the two register head lines.
    EXPECT_EQ(Slice(arrStack, arrStack.size() - 4, 2), (Lines{"", "Registers:"}));
    EXPECT_TRUE(std::regex_match(arrStack.back(),
                                 std::regex("EAX=[0-9A-F]{8}  EBX=[0-9A-F]{8}  ECX=[0-9A-F]{8}  EDX=[0-9A-F]{8}  "
                                            "ESI=[0-9A-F]{8}\\\\nEDI=[0-9A-F]{8}  EBP=[0-9A-F]{8}  ESP=[0-9A-F]{8}  "
                                            "EIP=[0-9A-F]{8}  FLG=[0-9A-F]{8}\\\\nCS=[0-9A-F]{4}   DS=[0-9A-F]{4}  "
                                            "SS=[0-9A-F]{4}  ES=[0-9A-F]{4}   FS=[0-9A-F]{4}  GS=[0-9A-F]{4}")))
        << arrStack.back();

    // The dump holds the fault record and the call stack.
    std::vector<fs::path> const arrDumps(fs::directory_iterator(m_Dir / "morvek3"), fs::directory_iterator{});
    ASSERT_EQ(arrDumps.size(), 1u);
    std::ifstream File(arrDumps[0], std::ios::binary);
    std::string const strDump((std::istreambuf_iterator<char>(File)), std::istreambuf_iterator<char>());
    EXPECT_EQ(strDump.substr(0, 8), "VLMKDUMP");
}

TEST_F(bCErrorAdminDeathTest, FaultInsideACallbackEndsWith447)
{
    // Before the dialog: the fault becomes an exception report of its own.
    EXPECT_EXIT(
        {
            SetCrashHandlerFilter(&ReportException);
            bCErrorAdmin::GetInstance().RegisterCallback(&FaultInCallback, bEErrorPositionHandling_BeforeDialog, 0);
            bCErrorAdmin::GetInstance().CallFaultError("fault", nullptr, 0);
        },
        ::testing::ExitedWithCode(191), "");
    std::vector<std::string> const arrHead = LinesOfKind(Log(), 1);
    ASSERT_FALSE(arrHead.empty());
    EXPECT_NE(arrHead[0].find("EXCEPTION_ACCESS_VIOLATION"), std::string::npos);
}

TEST_F(bCErrorAdminDeathTest, PlatformDialogsModulePrintsAndFilesTheReport)
{
    setenv("VELLMARK_DIALOGS", OE_TEST_DIALOGS_PLATFORM, 1);
    unsetenv("VELLMARK_DIALOG_ANSWER");
    EXPECT_EXIT(bCErrorAdmin::GetInstance().CallFatalError("bCFoo::Bar", "kernel/oe_foo.cpp", 3),
                ::testing::ExitedWithCode(191),
                "==== Fatal error ====\nMorvek3 engine FATAL ERROR:\n\nModule: bCFoo::Bar");
    int iReports = 0;
    for (fs::directory_entry const & Entry : fs::directory_iterator(m_Dir / "morvek3"))
        iReports += Entry.path().extension() == ".txt" ? 1 : 0;
    EXPECT_EQ(iReports, 1);
}

#endif
