#include <vellmark/kernel/oe_dllmain.h>
#include <vellmark/kernel/oe_version.h>

#include "support/oe_versionresource_builder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

namespace
{
    struct bSVersion
    {
        std::array<unsigned long, 4> m_arrNumbers = {111, 222, 333, 444}; // marks fields left untouched

        bool Dll(char const * a_pcName)
        {
            auto & arr = m_arrNumbers;
            return GetDLLVersion(a_pcName, &arr[0], &arr[1], &arr[2], &arr[3]) != 0;
        }
    };

    bool Parse(std::string a_strText, bSVersion & a_Version)
    {
        auto & arr = a_Version.m_arrNumbers;
        return ParseVersionString(a_strText.data(), &arr[0], &arr[1], &arr[2], &arr[3]);
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

    // A copy of a test module under a new name, with a version resource added as a section.
    std::string CopyModule(bCTempFolder const & a_Folder, char const * a_pcSource, std::string const & a_strName)
    {
        std::string const strTarget = a_Folder.File(a_strName);
        std::string const strBlob = a_Folder.File(a_strName + ".blob");
        WriteBytes(strBlob, BuildVersionResource(bSResourceSpec()));
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

TEST(ParseVersionString, ReadsThreeOrFourNumbersAsTheRuntimeConverts)
{
    // 111, 222, 333 and 444 mark fields left untouched.
    struct
    {
        char const * m_pcText;
        bool m_bParsed;
        std::array<unsigned long, 4> m_arrNumbers;
    } const Cases[] = {
        {"1,2,3", true, {1, 2, 3, 0}}, // a missing fourth number is zero
        {"1, 2", false, {1, 2, 333, 444}},
        {" 7x,\t08 ,,  9 beta, 10.5, 11", true, {7, 8, 9, 10}}, // the tokeniser skips empty fields
        // Out of range saturates at the native integer's limits; the numbers are 32-bit.
        {"-1, 99999999999, -99999999999, +4", true, {0xFFFFFFFFul, 0x7FFFFFFFul, 0x80000000ul, 4}},
    };
    for (auto const & Case : Cases)
    {
        SCOPED_TRACE(Case.m_pcText);
        bSVersion Version;
        EXPECT_EQ(Parse(Case.m_pcText, Version), Case.m_bParsed);
        EXPECT_EQ(Version.m_arrNumbers, Case.m_arrNumbers);
    }
    EXPECT_FALSE(ParseVersionString(nullptr, nullptr, nullptr, nullptr, nullptr));
}

TEST(GetVersion, ReadsTheLibrarysOwnTextAndNoResourceGivesNull)
{
    EXPECT_EQ(VersionOf("vellmark.dll"), "1, 12, 26364, 0");
    bCTempFolder Folder;
    EXPECT_EQ(GetVersion(VELLMARK_TEST_MODULE_PLAIN), nullptr);
    EXPECT_EQ(GetVersion(Folder.File("missing.dll").c_str()), nullptr);
    WriteBytes(Folder.File("garbage.so"), std::vector<uint8_t>(300, 0x7F));
    EXPECT_EQ(GetVersion(Folder.File("garbage.so").c_str()), nullptr);
}

// The table read is the one the single translation value names (language low, code page high); without
// exactly one translation, the user's language (0409) with code page 04B0. Texts of 256 characters
// or more are cut to 250.
TEST(GetVersion, FollowsTheTranslationValueAndCutsLongTexts)
{
    bCTempFolder Folder;
    std::string strLong;
    for (int i = 0; strLong.size() < 256; ++i)
        strLong += std::to_string(i % 10);
    using Strings = decltype(bSResourceSpec::m_arrStrings);
    std::pair<bSResourceSpec, std::string> const arrCases[] = {
        {{.m_arrTranslations = {0x04E40407}, .m_strTable = "040704E4"}, "3, 4, 5, 6"},
        {{.m_arrTranslations = {0x04E40409}}, "(null)"}, // not the table the translation names
        {{.m_bTranslation = false}, "3, 4, 5, 6"},
        {{.m_arrTranslations = {0x04B00000, 0x04E40407}, .m_strTable = "000004B0"}, "(null)"},
        {{.m_arrStrings = Strings{{"ProductVersion", u"1, 2"}, {"FileVersion", u"5, 6"}}}, "5, 6"},
        {{.m_arrStrings = Strings{{"FileVersion", Widen(strLong.substr(0, 255))}}}, strLong.substr(0, 255)},
        {{.m_arrStrings = Strings{{"FileVersion", Widen(strLong)}}}, strLong.substr(0, 250)},
    };
    for (auto const & Case : arrCases)
    {
        std::string const strName = "case" + std::to_string(&Case - arrCases) + ".so";
        EXPECT_EQ(VersionOf(WriteResourceFile(Folder, strName, Case.first)), Case.second) << strName;
    }
}

// The module's own DllGetVersion wins over its file version text (3, 4, 5, 6); its fourth number
// is the platform identifier. Names ending in ".dll" are found as "lib<name>.so".
TEST(GetDLLVersion, PrefersTheModulesExportThenTheFileVersionText)
{
    bCTempFolder Folder;
    struct
    {
        std::string m_strModule;
        bool m_bFound;
        std::array<unsigned long, 4> m_arrNumbers;
    } const Cases[] = {
        {CopyModule(Folder, VELLMARK_TEST_MODULE_EXPORT, "libgame.so"), true, {7, 8, 9, 2}},
        {CopyModule(Folder, VELLMARK_TEST_MODULE_PLAIN, "libtools.so"), true, {3, 4, 5, 6}},
        {CopyModule(Folder, VELLMARK_TEST_MODULE_FAILING, "libfailing.so"), true, {3, 4, 5, 6}},
        {"vellmark.dll", true, {1, 12, 26364, 0}},
        {Folder.File("game.dll"), true, {7, 8, 9, 2}},
        {Folder.File("tools.dll"), true, {3, 4, 5, 6}},
        {VELLMARK_TEST_MODULE_FAILING, false, {111, 222, 333, 444}}, // no resource
        {Folder.File("absent.dll"), false, {111, 222, 333, 444}},
    };
    for (auto const & Case : Cases)
    {
        bSVersion Version;
        EXPECT_EQ(Version.Dll(Case.m_strModule.c_str()), Case.m_bFound) << Case.m_strModule;
        EXPECT_EQ(Version.m_arrNumbers, Case.m_arrNumbers) << Case.m_strModule;
    }
    EXPECT_FALSE(bSVersion().Dll(nullptr));
}

TEST(DllMain, PrintsTheBuildBannerOnceAtLoad)
{
    std::string const strRule = "INFO|1|" + std::string(75, '-') + "\n";
    std::string const strBanner = "INFOF|1|Morvek3 (RELEASE) Vellmark:  Compileversion: 1.12.26364  (Rev. 0)\n";
    EXPECT_EQ(RunProgram(std::string("'") + VELLMARK_TEST_BANNER_PROBE + "'"),
              "results 1 1 1 1\n" + strRule + strBanner + strRule);
}
