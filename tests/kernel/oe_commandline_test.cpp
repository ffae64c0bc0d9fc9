#include <vellmark/kernel/oe_commandline.h>
#include <vellmark/kernel/oe_memorystream.h>

#include "oe_stream_testsupport.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace
{
    std::string const kNeither = "bCCommandLine::Create -> Command line substring "
                                 "is neither option nor argument: ";

    std::map<std::string, std::string> GetOptionTable(bCCommandLine const & a_CommandLine)
    {
        std::map<std::string, std::string> mapTable;
        bTStringObjMap<bCString> const & mapOptions = a_CommandLine.GetOptions();
        for (auto It = mapOptions.BeginIterator(); It != mapOptions.EndIterator(); ++It)
            mapTable[It.GetKey().GetText()] = It.GetValue().GetText();
        return mapTable;
    }

    std::vector<std::string> GetArgumentList(bCCommandLine const & a_CommandLine)
    {
        std::vector<std::string> arrList;
        for (int i = 0; i < a_CommandLine.GetArguments().GetCount(); ++i)
            arrList.push_back(a_CommandLine.GetArguments()[i].GetText());
        return arrList;
    }
} // namespace

TEST(bCCommandLine, SplitsOptionsValuesAndQuotedArguments)
{
    using Options = std::map<std::string, std::string>;
    using Arguments = std::vector<std::string>;
    struct
    {
        char const * m_pcLine;
        bool m_bParsed;
        Arguments m_arrArguments;
        Options m_mapOptions;
        Arguments m_arrWarnings;
    } const Cases[] = {
        {"game.exe -window /res:800x600 \"my map\"", true, {"game.exe", "my map"},
         {{"window", "true"}, {"res", "800x600"}}, {}},
        // The value delimiter must touch the name.
        {"-name=value", true, {}, {{"name", "value"}}, {}},
        {"-name = value", true, {"=", "value"}, {{"name", "true"}}, {}},
        {"-title:\"a b\"\t-Title:x", true, {}, {{"title", "a b"}, {"Title", "x"}}, {}},
        {" \t \t ", true, {}, {}, {}},
        // A bad quote stops the parse and keeps what came before.
        {"first -o \"open end", false, {"first"}, {{"o", "true"}}, {kNeither + "\"open end"}},
        {"a \"\" b", false, {"a"}, {}, {kNeither + "\"\" b"}},
        // A repeated option fails only when nothing follows; otherwise the refused option is
        // consumed and the rest, blank included, is an argument.
        {"-a -a", false, {}, {{"a", "true"}}, {kNeither}},
        {"-a:1 -a:2 b", true, {" b"}, {{"a", "1"}}, {}},
    };
    for (auto const & Case : Cases)
    {
        SCOPED_TRACE(Case.m_pcLine);
        bCCommandLine CommandLine(bCString("-stale old"));
        CWarningRecorder Warnings;
        EXPECT_EQ(CommandLine.Create(bCString(Case.m_pcLine)), Case.m_bParsed);
        EXPECT_EQ(Warnings.Stop(), Case.m_arrWarnings);
        EXPECT_EQ(GetArgumentList(CommandLine), Case.m_arrArguments);
        EXPECT_EQ(GetOptionTable(CommandLine), Case.m_mapOptions);
    }
    CWarningRecorder Warnings;
    bCCommandLine CommandLine;
    EXPECT_FALSE(CommandLine.Create(bCString("-v:\"")));
    EXPECT_FALSE(CommandLine.Create(bCString("-")));
    EXPECT_FALSE(CommandLine.Create(bCString("\"")));
    EXPECT_EQ(Warnings.Stop().size(), 3u);
}

TEST(bCCommandLine, CopiesAndTheStreamFormCarryOptionsAndArgumentsInvalidateAndDestroyClearThem)
{
    bCCommandLine Source(bCString("-x:1 arg"));
    bCCommandLine Copy(Source);
    bCCommandLine Assigned(bCString("other"));
    Assigned = Source;
    for (bCCommandLine const * pLine : {&Copy, &Assigned})
    {
        EXPECT_EQ(GetOptionTable(*pLine), (std::map<std::string, std::string>{{"x", "1"}}));
        EXPECT_EQ(GetArgumentList(*pLine), (std::vector<std::string>{"arg"}));
    }
    Copy.Invalidate();
    Assigned.Destroy();
    for (bCCommandLine const * pLine : {&Copy, &Assigned})
        EXPECT_EQ(pLine->GetOptions().GetCount() + pLine->GetArguments().GetCount(), 0);

    bCCommandLine Stored(bCString("-k:v a"));
    bCMemoryStream Stream;
    EXPECT_EQ(Stored.Write(Stream), 19ul);
    EXPECT_EQ(GetBytes(Stream), CBytes({1, 1, 0, 0, 0, 1, 0, 'k', 1, 0, 'v', // options
                                        1, 1, 0, 0, 0, 1, 0, 'a'}));         // arguments
    bCCommandLine Target(bCString("-stale x y z"));
    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    Target << Stream;
    EXPECT_EQ(Stream.GetPosition(), Stream.GetSize());
    EXPECT_EQ(GetOptionTable(Target), GetOptionTable(Stored));
    EXPECT_EQ(GetArgumentList(Target), (std::vector<std::string>{"a"}));
}

// Bad input: every cut of a stored command line reads without harm; an argument cut inside its
// count or its text is dropped, the whole ones before it stay; counts are not trusted.
TEST(bCCommandLine, ReadOfTruncatedOrOversizedInput)
{
    bCCommandLine Source(bCString("-a:1 -bb:22 x yy zzz"));
    bCMemoryStream Stream;
    Source.Write(Stream);
    CBytes const arrAll = GetBytes(Stream);
    for (size_t uCut = 0; uCut <= arrAll.size(); ++uCut)
    {
        SCOPED_TRACE(uCut);
        Fill(Stream, CBytes(arrAll.begin(), arrAll.begin() + static_cast<long>(uCut)));
        bCCommandLine Target;
        EXPECT_TRUE(Target.Read(Stream));
        EXPECT_LE(Target.GetArguments().GetCount(), 3);
        EXPECT_LE(Target.GetOptions().GetCount(), 2);
        EXPECT_EQ(Stream.GetPosition(), static_cast<long long>(uCut));
        if (uCut >= 32 && uCut <= 35)
        {
            EXPECT_EQ(GetArgumentList(Target), (std::vector<std::string>{"x", "yy"}));
        }
    }
    Fill(Stream, {1, 0, 0, 0, 0, 1, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 'q'});
    bCCommandLine Target;
    EXPECT_TRUE(Target.Read(Stream));
    EXPECT_EQ(GetArgumentList(Target), (std::vector<std::string>{"q"}));
}
