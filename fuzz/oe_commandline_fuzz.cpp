// The command-line parser on arbitrary text, and Read of a stored command line
// from arbitrary bytes. The first byte chooses: even parses the rest as a line,
// odd reads the rest as a stream form. Either way the result must survive a
// write and read round trip unchanged.

#include <vellmark/kernel/oe_commandline.h>
#include <vellmark/kernel/oe_memorystream.h>

#include <cstdint>
#include <cstdlib>

namespace
{
    void Check(bool a_bCondition)
    {
        if (!a_bCondition)
            std::abort();
    }

    void CheckRoundTrip(bCCommandLine const & a_CommandLine)
    {
        bCMemoryStream Stream;
        unsigned long const uWritten = a_CommandLine.Write(Stream);
        Check(static_cast<long long>(uWritten) == Stream.GetSize());
        Stream.SetPosition(0, bEStreamSeekMode_Begin);
        bCCommandLine Copy;
        Check(Copy.Read(Stream));
        Check(Stream.GetPosition() == Stream.GetSize());
        Check(Copy.GetOptions().GetCount() == a_CommandLine.GetOptions().GetCount());
        Check(Copy.GetArguments().GetCount() == a_CommandLine.GetArguments().GetCount());
        for (int i = 0; i < Copy.GetArguments().GetCount(); ++i)
            Check(Copy.GetArguments()[i] == a_CommandLine.GetArguments()[i]);
        auto const & mapOptions = a_CommandLine.GetOptions();
        for (auto It = mapOptions.BeginIterator(); It != mapOptions.EndIterator(); ++It)
        {
            bCString const * pValue = Copy.GetOptions().Find(It.GetKey());
            Check(pValue && *pValue == It.GetValue());
        }
    }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    if (a_uSize == 0 || a_uSize > 4096)
        return 0;
    char const * pcRest = reinterpret_cast<char const *>(a_pData + 1);
    int const iRest = static_cast<int>(a_uSize - 1);
    bCCommandLine CommandLine;
    if ((a_pData[0] & 1) == 0)
    {
        CommandLine.Create(bCString(pcRest, iRest));
        for (int i = 0; i < CommandLine.GetArguments().GetCount(); ++i)
            Check(!CommandLine.GetArguments()[i].IsEmpty());
    }
    else
    {
        bCMemoryStream Stream;
        Stream.Write(pcRest, static_cast<unsigned long>(iRest));
        Stream.SetPosition(0, bEStreamSeekMode_Begin);
        Check(CommandLine.Read(Stream));
        Check(Stream.GetPosition() <= Stream.GetSize());
        Check(CommandLine.GetArguments().GetCount() <= iRest / 2);
    }
    CheckRoundTrip(CommandLine);
    return 0;
}
