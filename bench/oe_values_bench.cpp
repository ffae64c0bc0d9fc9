// The value types beside their standard peers: the 16-bit string against
// std::u16string for copy, find and append; GUID generation and the text round
// trip (value to braced text and back).

#include <vellmark/kernel/oe_guid.h>
#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_unicodestring.h>

#include <benchmark/benchmark.h>

#include <string>

namespace
{
    std::u16string MakeText(int a_iLength)
    {
        std::u16string strText;
        for (int i = 0; i < a_iLength; ++i)
            strText += static_cast<char16_t>(u'a' + i % 26);
        return strText;
    }

    void UnicodeStringCopy(benchmark::State & a_State)
    {
        bCUnicodeString strSource(MakeText(static_cast<int>(a_State.range(0))).c_str());
        for (auto _ : a_State)
        {
            bCUnicodeString strCopy(strSource);
            benchmark::DoNotOptimize(strCopy.GetText());
        }
    }

    void U16StringCopy(benchmark::State & a_State)
    {
        std::u16string strSource = MakeText(static_cast<int>(a_State.range(0)));
        for (auto _ : a_State)
        {
            std::u16string strCopy(strSource);
            benchmark::DoNotOptimize(strCopy.data());
        }
    }

    void UnicodeStringFind(benchmark::State & a_State)
    {
        bCUnicodeString strText((MakeText(static_cast<int>(a_State.range(0))) + u"needle").c_str());
        for (auto _ : a_State)
            benchmark::DoNotOptimize(strText.Find(u"needle"));
    }

    void U16StringFind(benchmark::State & a_State)
    {
        std::u16string strText = MakeText(static_cast<int>(a_State.range(0))) + u"needle";
        for (auto _ : a_State)
            benchmark::DoNotOptimize(strText.find(u"needle"));
    }

    void UnicodeStringAppend(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            bCUnicodeString strText;
            for (int i = 0; i < a_State.range(0); ++i)
                strText += u'x';
            benchmark::DoNotOptimize(strText.GetText());
        }
    }

    void UnicodeStringAppendReserved(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            bCUnicodeString strText(u"x");
            strText.GetBuffer(static_cast<int>(a_State.range(0)));
            for (int i = 1; i < a_State.range(0); ++i)
                strText += u'x';
            benchmark::DoNotOptimize(strText.GetText());
        }
    }

    void U16StringAppend(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            std::u16string strText;
            for (int i = 0; i < a_State.range(0); ++i)
                strText += u'x';
            benchmark::DoNotOptimize(strText.data());
        }
    }

    void GuidGenerate(benchmark::State & a_State)
    {
        bCGuid Guid;
        for (auto _ : a_State)
        {
            Guid.Generate();
            benchmark::DoNotOptimize(Guid.GetGuid());
        }
        a_State.SetItemsProcessed(a_State.iterations());
    }

    void GuidTextRoundTrip(benchmark::State & a_State)
    {
        bCGuid Guid;
        Guid.Generate();
        bCGuid Back;
        for (auto _ : a_State)
        {
            bCString strText = Guid.GetText();
            benchmark::DoNotOptimize(Back.SetText(strText));
        }
        a_State.SetItemsProcessed(a_State.iterations());
    }
}

BENCHMARK(UnicodeStringCopy)->Arg(16)->Arg(256);
BENCHMARK(U16StringCopy)->Arg(16)->Arg(256);
BENCHMARK(UnicodeStringFind)->Arg(1024);
BENCHMARK(U16StringFind)->Arg(1024);
BENCHMARK(UnicodeStringAppend)->Arg(256);
BENCHMARK(UnicodeStringAppendReserved)->Arg(256);
BENCHMARK(U16StringAppend)->Arg(256);
BENCHMARK(GuidGenerate);
BENCHMARK(GuidTextRoundTrip);
