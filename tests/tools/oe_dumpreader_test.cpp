// The crash-dump reader: a dump of a real crash in a child process, read back
// by the tool with symbols, and damaged dumps.

#include "oe_dumpreader.h"

#include <vellmark/crashhandler/CrashHandler.h>
#include <vellmark/kernel/oe_erroradmin.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{
    namespace fs = std::filesystem;

    volatile int * g_piNowhere = nullptr;

    __attribute__((noinline, no_sanitize("undefined"))) void CrashByWritingToNull()
    {
        *g_piNowhere = 1;
    }

    long ReportException(EXCEPTION_POINTERS * a_pPointers)
    {
        return bCErrorAdmin::GetInstance().CallExceptionError(a_pPointers);
    }

    std::string RunCommand(std::string const & a_strCommand, int & a_iStatus)
    {
        std::string strOutput;
        FILE * pPipe = popen(a_strCommand.c_str(), "r");
        char carrChunk[4096];
        for (std::size_t uGot; pPipe && (uGot = std::fread(carrChunk, 1, sizeof(carrChunk), pPipe)) > 0;)
            strOutput.append(carrChunk, uGot);
        a_iStatus = pPipe ? pclose(pPipe) : -1;
        return strOutput;
    }

    // A crash in a child process started in a_Dir; the path of its dump.
    fs::path CrashInChild(fs::path const & a_Dir)
    {
        pid_t const iChild = fork();
        if (iChild == 0)
        {
            fs::current_path(a_Dir);
            setenv("VELLMARK_DIALOGS", "none", 1);
            SetCrashHandlerFilter(&ReportException);
            CrashByWritingToNull();
            _exit(0);
        }
        int iStatus = 0;
        waitpid(iChild, &iStatus, 0);
        EXPECT_TRUE(WIFEXITED(iStatus) && WEXITSTATUS(iStatus) == 191) << iStatus;
        for (fs::directory_entry const & Entry : fs::directory_iterator(a_Dir / "morvek3"))
            if (Entry.path().extension() == ".dmp")
                return Entry.path();
        return fs::path();
    }

    class OEDumpTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            m_Dir = fs::temp_directory_path() / ("vellmark-dump-" + std::to_string(getpid()));
            fs::remove_all(m_Dir);
            fs::create_directories(m_Dir);
        }
        void TearDown() override { fs::remove_all(m_Dir); }

        std::vector<unsigned char> RealDump()
        {
            m_Dump = CrashInChild(m_Dir);
            std::ifstream File(m_Dump, std::ios::binary);
            return std::vector<unsigned char>((std::istreambuf_iterator<char>(File)), std::istreambuf_iterator<char>());
        }

        fs::path m_Dir;
        fs::path m_Dump;
    };
} // namespace

// One crash serves both: the tool reads it with symbols, then damaged copies are read.
TEST_F(OEDumpTest, ToolSymbolisesTheDumpOfARealCrashAndDamagedDumpsSayWhere)
{
    std::vector<unsigned char> arrBytes = RealDump();
    ASSERT_FALSE(m_Dump.empty());
    ASSERT_GT(arrBytes.size(), 64u);
    bSDump Dump;
    ASSERT_TRUE(OEReadDump(arrBytes.data(), arrBytes.size(), Dump)) << Dump.m_strDamage;
    EXPECT_EQ(Dump.m_uCode, 0xC0000005u);
    ASSERT_FALSE(Dump.m_arrFrames.empty());
    EXPECT_EQ(Dump.m_arrFrames[0], Dump.m_arrRegisters[16]); // the faulting instruction first
    EXPECT_FALSE(Dump.m_arrModules.empty());
#ifdef VELLMARK_TEST_DUMP_TOOL
    int iStatus = -1;
    std::string const strOut = RunCommand(std::string(VELLMARK_TEST_DUMP_TOOL) + " " + m_Dump.string(), iStatus);
    EXPECT_EQ(iStatus, 0) << strOut;
    EXPECT_NE(strOut.find("Exception: 0xC0000005 EXCEPTION_ACCESS_VIOLATION at 0x"), std::string::npos) << strOut;
    std::size_t const uFirst = strOut.find("  #0  0x");
    ASSERT_NE(uFirst, std::string::npos) << strOut;
    std::string const strFirst = strOut.substr(uFirst, strOut.find('\n', uFirst) - uFirst);
    EXPECT_NE(strFirst.find("vellmark_tools_tests+0x"), std::string::npos) << strFirst;
    EXPECT_NE(strFirst.find("CrashByWritingToNull()+0x"), std::string::npos) << strFirst;
    EXPECT_NE(strFirst.find("oe_dumpreader_test.cpp:"), std::string::npos) << strFirst;
#endif

    for (std::size_t uSize = 0; uSize < arrBytes.size(); ++uSize)
    {
        EXPECT_FALSE(OEReadDump(arrBytes.data(), uSize, Dump)) << uSize;
        EXPECT_FALSE(Dump.m_strDamage.empty()) << uSize;
    }
    EXPECT_FALSE(Dump.m_arrFrames.empty()); // read before the cut

    struct
    {
        std::size_t m_uOffset;
        uint32_t m_uValue;
        char const * m_pcDamage;
    } const arrCases[] = {
        {8, 2, "unknown dump version 2 (this reader knows version 1)"},
        {16, 7, ""},                                    // an unknown tag is skipped by its size
        {20, 0xFFFFFFF0u, "section at offset 16 claims 4294967280 bytes, more than the file holds"},
        {40, 0xFFFFFFFFu, "section of tag 1 at offset 16 is damaged"}, // parameter count
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_uOffset);
        std::vector<unsigned char> arrDamaged = arrBytes;
        std::memcpy(arrDamaged.data() + Case.m_uOffset, &Case.m_uValue, 4);
        bool const bIntact = OEReadDump(arrDamaged.data(), arrDamaged.size(), Dump);
        EXPECT_EQ(Dump.m_strDamage, Case.m_pcDamage);
        EXPECT_EQ(bIntact, Case.m_pcDamage[0] == 0);
    }
    std::memcpy(arrBytes.data(), "VLMKDUMX", 8);
    EXPECT_FALSE(OEReadDump(arrBytes.data(), arrBytes.size(), Dump));
    EXPECT_EQ(Dump.m_strDamage, "not a crash dump: the file does not start with \"VLMKDUMP\"");
}
