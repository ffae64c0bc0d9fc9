#include <vellmark/kernel/oe_dllmain.h>
#include <vellmark/kernel/oe_version.h>

#include "support/oe_versionresource_builder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <string>

namespace
{
    struct bSVersion
    {
        std::array<unsigned long, 4> m_arrNumbers = {111, 222, 333, 444}; // marks fields left untouched
    };

    bool Parse(std::string a_strText, bSVersion & a_Version)
    {
        auto & arr = a_Version.m_arrNumbers;
        return ParseVersionString(a_strText.data(), &arr[0], &arr[1], &arr[2], &arr[3]);
    }

    std::array<unsigned long, 4> Numbers(unsigned long a, unsigned long b, unsigned long c, unsigned long d)
    {
        return {a, b, c, d};
    }

    std::string VersionOf(std::string const & a_strFile)
    {
        char const * pcText = GetVersion(a_strFile.c_str());
        return pcText ? pcText : "(null)";
    }

    std::string WriteResourceFile(bCTempFolder const & a_Folder, std::string const & a_strName,
                                  bSResourceSpec const & a_Spec)
    {
        WriteBytes(a_Folder.File(a_strName), BuildElfImage(BuildVersionResource(a_Spec)));
        return a_Folder.File(a_strName);
    }

    // A copy of a test module under a new name, with a version resource added
    // as a section of the shared object when one is given.
    std::string CopyModule(bCTempFolder const & a_Folder, char const * a_pcSource, std::string const & a_strName,
                           bSResourceSpec const * a_pSpec)
    {
        std::string const strTarget = a_Folder.File(a_strName);
        if (!a_pSpec)
        {
            std::filesystem::copy_file(a_pcSource, strTarget);
            return strTarget;
        }
        std::string const strBlob = a_Folder.File(a_strName + ".blob");
        WriteBytes(strBlob, BuildVersionResource(*a_pSpec));
        std::string const strCommand = std::string("'") + VELLMARK_TEST_OBJCOPY + "' --add-section .vsversioninfo='" +
                                       strBlob + "' '" + a_pcSource + "' '" + strTarget + "'";
        EXPECT_EQ(std::system(strCommand.c_str()), 0) << strCommand;
        return strTarget;
    }

    std::string RunProgram(std::string const & a_strCommand)
    {
        std::string strOutput;
        FILE * pPipe = popen(a_strCommand.c_str(), "r");
        if (!pPipe)
            return strOutput;
        char carrChunk[512];
        size_t uRead = 0;
        while ((uRead = std::fread(carrChunk, 1, sizeof(carrChunk), pPipe)) > 0)
            strOutput.append(carrChunk, uRead);
        pclose(pPipe);
        return strOutput;
    }
} // namespace

TEST(ParseVersionString, ReadsFourCommaSeparatedNumbers)
{
    bSVersion Version;
    EXPECT_TRUE(Parse("1, 12, 26364, 0", Version));
    EXPECT_EQ(Version.m_arrNumbers, Numbers(1, 12, 26364, 0));
}

TEST(ParseVersionString, MissingFourthNumberIsZero)
{
    bSVersion Version;
    EXPECT_TRUE(Parse("1,2,3", Version));
    EXPECT_EQ(Version.m_arrNumbers, Numbers(1, 2, 3, 0));
}

TEST(ParseVersionString, FewerThanThreeNumbersFailKeepingWhatWasWritten)
{
    bSVersion Version;
    EXPECT_FALSE(Parse("1, 2", Version));
    EXPECT_EQ(Version.m_arrNumbers, Numbers(1, 2, 333, 444));
    bSVersion One;
    EXPECT_FALSE(Parse("5", One));
    EXPECT_EQ(One.m_arrNumbers, Numbers(5, 222, 333, 444));
    bSVersion None;
    EXPECT_FALSE(Parse(",,,", None)); // the tokeniser skips empty fields
    EXPECT_EQ(None.m_arrNumbers, Numbers(111, 222, 333, 444));
    EXPECT_FALSE(ParseVersionString(nullptr, nullptr, nullptr, nullptr, nullptr));
}

TEST(ParseVersionString, ConvertsLikeTheRuntime)
{
    bSVersion Version;
    EXPECT_TRUE(Parse(" 7x,\t08 ,,  9 beta, 10.5, 11", Version));
    EXPECT_EQ(Version.m_arrNumbers, Numbers(7, 8, 9, 10));
    bSVersion Words;
    EXPECT_TRUE(Parse("one, two, three", Words));
    EXPECT_EQ(Words.m_arrNumbers, Numbers(0, 0, 0, 0));
    // Out of range saturates at the native integer's limits; the numbers are 32-bit.
    bSVersion Extremes;
    EXPECT_TRUE(Parse("-1, 99999999999, -99999999999, +4", Extremes));
    EXPECT_EQ(Extremes.m_arrNumbers, Numbers(0xFFFFFFFFul, 0x7FFFFFFFul, 0x80000000ul, 4));
}

TEST(ParseVersionString, SplitsTheTextInPlace)
{
    char carrText[] = "3,4,5,6";
    unsigned long a = 0, b = 0, c = 0, d = 0;
    ASSERT_TRUE(ParseVersionString(carrText, &a, &b, &c, &d));
    EXPECT_EQ(std::memcmp(carrText,
                          "3\0"
                          "4\0"
                          "5\0"
                          "6",
                          sizeof(carrText)),
              0);
}

TEST(GetVersion, ReadsTheLibrarysOwnText)
{
    EXPECT_EQ(VersionOf("vellmark.dll"), "1, 12, 26364, 0");
    char const * pcFirst = GetVersion("vellmark.dll");
    EXPECT_EQ(GetVersion("vellmark.dll"), pcFirst); // one buffer for every call
}

TEST(GetVersion, NoResourceGivesNull)
{
    bCTempFolder Folder;
    EXPECT_EQ(GetVersion(VELLMARK_TEST_MODULE_PLAIN), nullptr);
    EXPECT_EQ(GetVersion(Folder.File("missing.dll").c_str()), nullptr);
    EXPECT_EQ(GetVersion(nullptr), nullptr);
    WriteBytes(Folder.File("garbage.so"), std::vector<uint8_t>(300, 0x7F));
    EXPECT_EQ(GetVersion(Folder.File("garbage.so").c_str()), nullptr);
}

TEST(GetVersion, FollowsTheTranslationValue)
{
    bCTempFolder Folder;
    bSResourceSpec Neutral; // language 0, code page 0x04B0: the table 000004B0
    Neutral.m_arrTranslations = {0x04B00000};
    Neutral.m_strTable = "000004B0";
    EXPECT_EQ(VersionOf(WriteResourceFile(Folder, "neutral.so", Neutral)), "3, 4, 5, 6");
    bSResourceSpec Western; // another code page
    Western.m_arrTranslations = {0x04E40407};
    Western.m_strTable = "040704E4";
    EXPECT_EQ(VersionOf(WriteResourceFile(Folder, "western.so", Western)), "3, 4, 5, 6");
    bSResourceSpec Mismatch; // the table is not the one the translation names
    Mismatch.m_arrTranslations = {0x04E40409};
    EXPECT_EQ(VersionOf(WriteResourceFile(Folder, "mismatch.so", Mismatch)), "(null)");
}

TEST(GetVersion, WithoutASingleTranslationUsesTheUsersLanguage)
{
    bCTempFolder Folder;
    bSResourceSpec English;
    English.m_bTranslation = false;
    EXPECT_EQ(VersionOf(WriteResourceFile(Folder, "english.so", English)), "3, 4, 5, 6");
    bSResourceSpec Neutral = English;
    Neutral.m_strTable = "000004B0";
    EXPECT_EQ(VersionOf(WriteResourceFile(Folder, "neutral.so", Neutral)), "(null)");
    bSResourceSpec Two; // two translations: the value is not 4 bytes long
    Two.m_arrTranslations = {0x04B00000, 0x04E40407};
    Two.m_strTable = "000004B0";
    EXPECT_EQ(VersionOf(WriteResourceFile(Folder, "two.so", Two)), "(null)");
    Two.m_strTable = "040904B0";
    EXPECT_EQ(VersionOf(WriteResourceFile(Folder, "two-english.so", Two)), "3, 4, 5, 6");
}

TEST(GetVersion, MissingFileVersionGivesNull)
{
    bCTempFolder Folder;
    bSResourceSpec Spec;
    Spec.m_arrStrings = {{"ProductVersion", u"1, 2, 3, 4"}, {"FileDescription", u"no file version"}};
    EXPECT_EQ(VersionOf(WriteResourceFile(Folder, "none.so", Spec)), "(null)");
    Spec.m_arrStrings.push_back({"FileVersion", u"5, 6, 7, 8"});
    EXPECT_EQ(VersionOf(WriteResourceFile(Folder, "last.so", Spec)), "5, 6, 7, 8");
}

TEST(GetVersion, LongTextsAreCutTo250Characters)
{
    bCTempFolder Folder;
    std::string strLong;
    for (int i = 0; strLong.size() < 300; ++i)
        strLong += std::to_string(i % 10);
    bSResourceSpec Spec;
    for (size_t uLength : {255u, 256u, 300u})
    {
        Spec.m_arrStrings = {{"FileVersion", Widen(strLong.substr(0, uLength))}};
        std::string const strFile = WriteResourceFile(Folder, "long" + std::to_string(uLength) + ".so", Spec);
        std::string const strExpected = strLong.substr(0, uLength < 256 ? uLength : 250);
        EXPECT_EQ(VersionOf(strFile), strExpected) << uLength;
    }
}

TEST(CheckFileVersion, ParsesTheFileVersionText)
{
    bCTempFolder Folder;
    bSVersion Version;
    auto & arr = Version.m_arrNumbers;
    std::string const strFile = WriteResourceFile(Folder, "good.so", bSResourceSpec());
    EXPECT_TRUE(CheckFileVersion(strFile.c_str(), &arr[0], &arr[1], &arr[2], &arr[3]));
    EXPECT_EQ(arr, Numbers(3, 4, 5, 6));
    EXPECT_TRUE(CheckFileVersion("vellmark.dll", &arr[0], &arr[1], &arr[2], &arr[3]));
    EXPECT_EQ(arr, Numbers(1, 12, 26364, 0));

    bSResourceSpec Short;
    Short.m_arrStrings = {{"FileVersion", u"9, 8"}};
    bSVersion Partial;
    auto & arrPartial = Partial.m_arrNumbers;
    std::string const strShort = WriteResourceFile(Folder, "short.so", Short);
    EXPECT_FALSE(CheckFileVersion(strShort.c_str(), &arrPartial[0], &arrPartial[1], &arrPartial[2], &arrPartial[3]));
    EXPECT_EQ(arrPartial, Numbers(9, 8, 333, 444));
    EXPECT_FALSE(CheckFileVersion(VELLMARK_TEST_MODULE_PLAIN, &arr[0], &arr[1], &arr[2], &arr[3]));
}

TEST(GetDLLVersion, PrefersTheModulesDllGetVersion)
{
    bCTempFolder Folder;
    bSResourceSpec Spec; // "3, 4, 5, 6", which the export's numbers win over
    std::string const strModule = CopyModule(Folder, VELLMARK_TEST_MODULE_EXPORT, "libexporting.so", &Spec);
    bSVersion Version;
    auto & arr = Version.m_arrNumbers;
    EXPECT_NE(GetDLLVersion(strModule.c_str(), &arr[0], &arr[1], &arr[2], &arr[3]), 0);
    EXPECT_EQ(arr, Numbers(7, 8, 9, 2)); // the fourth is the platform identifier
}

TEST(GetDLLVersion, FallsBackToTheFileVersionText)
{
    bCTempFolder Folder;
    bSResourceSpec Spec;
    std::string const strPlain = CopyModule(Folder, VELLMARK_TEST_MODULE_PLAIN, "libplain.so", &Spec);
    std::string const strFailing = CopyModule(Folder, VELLMARK_TEST_MODULE_FAILING, "libfailing.so", &Spec);
    for (std::string const & strModule : {strPlain, strFailing})
    {
        bSVersion Version;
        auto & arr = Version.m_arrNumbers;
        EXPECT_NE(GetDLLVersion(strModule.c_str(), &arr[0], &arr[1], &arr[2], &arr[3]), 0) << strModule;
        EXPECT_EQ(arr, Numbers(3, 4, 5, 6)) << strModule; // the fourth is the text's fourth field
    }
    bSVersion Own;
    auto & arrOwn = Own.m_arrNumbers;
    EXPECT_NE(GetDLLVersion("vellmark.dll", &arrOwn[0], &arrOwn[1], &arrOwn[2], &arrOwn[3]), 0);
    EXPECT_EQ(arrOwn, Numbers(1, 12, 26364, 0));
}

TEST(GetDLLVersion, FindsDllNamesAsSharedObjects)
{
    bCTempFolder Folder;
    bSResourceSpec Spec;
    CopyModule(Folder, VELLMARK_TEST_MODULE_EXPORT, "libgame.so", &Spec);
    CopyModule(Folder, VELLMARK_TEST_MODULE_PLAIN, "libtools.so", &Spec);
    bSVersion Game, Tools;
    auto & arrGame = Game.m_arrNumbers;
    auto & arrTools = Tools.m_arrNumbers;
    EXPECT_NE(GetDLLVersion(Folder.File("game.dll").c_str(), &arrGame[0], &arrGame[1], &arrGame[2], &arrGame[3]), 0);
    EXPECT_EQ(arrGame, Numbers(7, 8, 9, 2));
    EXPECT_NE(GetDLLVersion(Folder.File("tools.dll").c_str(), &arrTools[0], &arrTools[1], &arrTools[2], &arrTools[3]),
              0);
    EXPECT_EQ(arrTools, Numbers(3, 4, 5, 6));
}

TEST(GetDLLVersion, FailsWithoutExportOrResource)
{
    bCTempFolder Folder;
    std::string const strFailing = CopyModule(Folder, VELLMARK_TEST_MODULE_FAILING, "libfailing.so", nullptr);
    bSVersion Version;
    auto & arr = Version.m_arrNumbers;
    EXPECT_EQ(GetDLLVersion(strFailing.c_str(), &arr[0], &arr[1], &arr[2], &arr[3]), 0);
    EXPECT_EQ(GetDLLVersion(VELLMARK_TEST_MODULE_PLAIN, &arr[0], &arr[1], &arr[2], &arr[3]), 0);
    EXPECT_EQ(GetDLLVersion(Folder.File("absent.dll").c_str(), &arr[0], &arr[1], &arr[2], &arr[3]), 0);
    EXPECT_EQ(GetDLLVersion(nullptr, &arr[0], &arr[1], &arr[2], &arr[3]), 0);
    EXPECT_EQ(arr, Numbers(111, 222, 333, 444));
}

TEST(GetDLLVersion, NamesMustFitThePathBufferOf260)
{
    bCTempFolder Folder;
    // Folder names that bring the module's full name to 259 and 260 characters.
    std::string const strBase = Folder.GetPath().string() + "/";
    std::string const strFile = "/libv.so";
    ASSERT_LT(strBase.size() + strFile.size() + 1, 259u);
    bSResourceSpec Spec;
    for (size_t uLength : {259u, 260u})
    {
        std::string const strDir = strBase + std::string(uLength - strBase.size() - strFile.size(), 'd');
        std::filesystem::create_directory(strDir);
        std::string const strModule = strDir + strFile;
        ASSERT_EQ(strModule.size(), uLength);
        WriteBytes(strModule, BuildElfImage(BuildVersionResource(Spec)));
        bSVersion Version;
        auto & arr = Version.m_arrNumbers;
        EXPECT_TRUE(CheckFileVersion(strModule.c_str(), &arr[0], &arr[1], &arr[2], &arr[3]));
        EXPECT_EQ(GetDLLVersion(strModule.c_str(), &arr[0], &arr[1], &arr[2], &arr[3]) != 0, uLength < 260) << uLength;
    }
}

TEST(DllMain, AlwaysReportsSuccess)
{
    for (unsigned long uReason : {2ul, 3ul, 1ul, 0ul, 77ul})
        EXPECT_EQ(DllMain(nullptr, uReason, nullptr), 1) << uReason;
}

TEST(DllMain, PrintsTheBuildBannerOnceAtLoad)
{
    std::string const strHyphens(75, '-');
    std::string const strExpected = "results 1 1 1 1\n"
                                    "INFO|1|" +
                                    strHyphens +
                                    "\n"
                                    "INFOF|1|Morvek3 (RELEASE) Vellmark:  Compileversion: 1.12.26364  (Rev. 0)\n"
                                    "INFO|1|" +
                                    strHyphens + "\n";
    EXPECT_EQ(RunProgram(std::string("'") + VELLMARK_TEST_BANNER_PROBE + "'"), strExpected);
}
