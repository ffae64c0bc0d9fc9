// bCString beside std::string and snprintf: the hot operations of the 8-bit string.

#include <vellmark/kernel/oe_string.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace
{
    std::string MakeText(int a_iLength)
    {
        std::string strText;
        for (int i = 0; i < a_iLength; ++i)
            strText += static_cast<char>('a' + i % 23);
        return strText;
    }

    char FoldLower(char a_cChar)
    {
        return (a_cChar >= 'A' && a_cChar <= 'Z') ? static_cast<char>(a_cChar + 32) : a_cChar;
    }

    int StdCompareNoCase(std::string const & a_strLeft, std::string const & a_strRight)
    {
        size_t const uCommon = std::min(a_strLeft.size(), a_strRight.size());
        for (size_t i = 0; i < uCommon; ++i)
        {
            int const iDiff = static_cast<unsigned char>(FoldLower(a_strLeft[i])) -
                              static_cast<unsigned char>(FoldLower(a_strRight[i]));
            if (iDiff)
                return iDiff;
        }
        return static_cast<int>(a_strLeft.size()) - static_cast<int>(a_strRight.size());
    }

    // Copy and destroy.

    void BM_bCString_CopyDestroy(benchmark::State & a_State)
    {
        bCString const strSource(MakeText(static_cast<int>(a_State.range(0))).c_str());
        for (auto _ : a_State)
        {
            bCString strCopy(strSource);
            benchmark::DoNotOptimize(strCopy);
        }
    }
    BENCHMARK(BM_bCString_CopyDestroy)->Arg(8)->Arg(100)->Arg(1000);

    void BM_StdString_CopyDestroy(benchmark::State & a_State)
    {
        std::string const strSource = MakeText(static_cast<int>(a_State.range(0)));
        for (auto _ : a_State)
        {
            std::string strCopy(strSource);
            benchmark::DoNotOptimize(strCopy);
        }
    }
    BENCHMARK(BM_StdString_CopyDestroy)->Arg(8)->Arg(100)->Arg(1000);

    // Search in 1000 characters; the target sits near the end.

    void BM_bCString_FindChar(benchmark::State & a_State)
    {
        bCString const strText((MakeText(1000) + "#").c_str());
        for (auto _ : a_State)
            benchmark::DoNotOptimize(strText.Find('#', 0, false));
    }
    BENCHMARK(BM_bCString_FindChar);

    void BM_StdString_FindChar(benchmark::State & a_State)
    {
        std::string const strText = MakeText(1000) + "#";
        for (auto _ : a_State)
            benchmark::DoNotOptimize(strText.find('#'));
    }
    BENCHMARK(BM_StdString_FindChar);

    // The zero-terminated form stops at the first zero byte, as strchr does;
    // the whole form walks the stored length, as std::string::find does.
    void BM_bCString_FindCharWhole(benchmark::State & a_State)
    {
        bCString const strText((MakeText(1000) + "#").c_str());
        for (auto _ : a_State)
            benchmark::DoNotOptimize(strText.Find('#', 0, true));
    }
    BENCHMARK(BM_bCString_FindCharWhole);

    void BM_Strchr_FindChar(benchmark::State & a_State)
    {
        std::string const strText = MakeText(1000) + "#";
        char const * pcText = strText.c_str();
        for (auto _ : a_State)
        {
            benchmark::DoNotOptimize(pcText);
            benchmark::DoNotOptimize(std::strchr(pcText, '#'));
        }
    }
    BENCHMARK(BM_Strchr_FindChar);

    void BM_bCString_FindText(benchmark::State & a_State)
    {
        bCString const strText((MakeText(1000) + "needle").c_str());
        for (auto _ : a_State)
            benchmark::DoNotOptimize(strText.Find("needle", 0, false));
    }
    BENCHMARK(BM_bCString_FindText);

    void BM_StdString_FindText(benchmark::State & a_State)
    {
        std::string const strText = MakeText(1000) + "needle";
        for (auto _ : a_State)
            benchmark::DoNotOptimize(strText.find("needle"));
    }
    BENCHMARK(BM_StdString_FindText);

    // Comparison of 100-character texts that differ in the last character.

    void BM_bCString_Compare(benchmark::State & a_State)
    {
        bCString const strLeft((MakeText(99) + "x").c_str()), strRight((MakeText(99) + "y").c_str());
        for (auto _ : a_State)
            benchmark::DoNotOptimize(strLeft.Compare(strRight));
    }
    BENCHMARK(BM_bCString_Compare);

    void BM_StdString_Compare(benchmark::State & a_State)
    {
        std::string const strLeft = MakeText(99) + "x", strRight = MakeText(99) + "y";
        for (auto _ : a_State)
            benchmark::DoNotOptimize(strLeft.compare(strRight));
    }
    BENCHMARK(BM_StdString_Compare);

    void BM_bCString_CompareNoCase(benchmark::State & a_State)
    {
        bCString const strLeft((MakeText(99) + "x").c_str()), strRight((MakeText(99) + "Y").c_str());
        for (auto _ : a_State)
            benchmark::DoNotOptimize(strLeft.CompareNoCase(strRight));
    }
    BENCHMARK(BM_bCString_CompareNoCase);

    void BM_StdString_CompareNoCase(benchmark::State & a_State)
    {
        std::string const strLeft = MakeText(99) + "x", strRight = MakeText(99) + "Y";
        for (auto _ : a_State)
            benchmark::DoNotOptimize(StdCompareNoCase(strLeft, strRight));
    }
    BENCHMARK(BM_StdString_CompareNoCase);

    void BM_bCString_Equal(benchmark::State & a_State)
    {
        bCString const strLeft((MakeText(99) + "x").c_str()), strRight((MakeText(99) + "y").c_str());
        for (auto _ : a_State)
            benchmark::DoNotOptimize(strLeft == strRight);
    }
    BENCHMARK(BM_bCString_Equal);

    void BM_StdString_Equal(benchmark::State & a_State)
    {
        std::string const strLeft = MakeText(99) + "x", strRight = MakeText(99) + "y";
        for (auto _ : a_State)
            benchmark::DoNotOptimize(strLeft == strRight);
    }
    BENCHMARK(BM_StdString_Equal);

    // Replace every "abc" (44 of them) in 1000 characters by "XYZW", on a fresh copy each time.

    void BM_bCString_Replace(benchmark::State & a_State)
    {
        bCString const strSource(MakeText(1000).c_str());
        for (auto _ : a_State)
        {
            bCString strText(strSource);
            benchmark::DoNotOptimize(strText.Replace("abc", "XYZW"));
        }
    }
    BENCHMARK(BM_bCString_Replace);

    void BM_StdString_Replace(benchmark::State & a_State)
    {
        std::string const strSource = MakeText(1000);
        for (auto _ : a_State)
        {
            std::string strText(strSource);
            int iCount = 0;
            for (size_t uPos = strText.find("abc"); uPos != std::string::npos; uPos = strText.find("abc", uPos + 4))
            {
                strText.replace(uPos, 3, "XYZW");
                ++iCount;
            }
            benchmark::DoNotOptimize(iCount);
        }
    }
    BENCHMARK(BM_StdString_Replace);

    // Formatting into an existing string.

    void BM_bCString_Format(benchmark::State & a_State)
    {
        bCString strText;
        int i = 0;
        for (auto _ : a_State)
        {
            strText.Format("%s #%d at %.3f", "object", ++i, 1.25);
            benchmark::DoNotOptimize(strText);
        }
    }
    BENCHMARK(BM_bCString_Format);

    void BM_Snprintf_Format(benchmark::State & a_State)
    {
        std::string strText;
        int i = 0;
        for (auto _ : a_State)
        {
            char acBuffer[1024];
            int const iLength = std::snprintf(acBuffer, sizeof(acBuffer), "%s #%d at %.3f", "object", ++i, 1.25);
            strText.assign(acBuffer, static_cast<size_t>(iLength));
            benchmark::DoNotOptimize(strText);
        }
    }
    BENCHMARK(BM_Snprintf_Format);

    // Appending one character at a time: every step moves the text into an
    // exactly sized buffer, so n appends cost O(n^2) by design.

    void BM_bCString_AppendLoop(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            bCString strText;
            for (int64_t i = 0; i < a_State.range(0); ++i)
                strText += 'x';
            benchmark::DoNotOptimize(strText);
        }
        a_State.SetComplexityN(a_State.range(0));
    }
    BENCHMARK(BM_bCString_AppendLoop)->RangeMultiplier(10)->Range(10, 10000)->Complexity();

    void BM_StdString_AppendLoop(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            std::string strText;
            for (int64_t i = 0; i < a_State.range(0); ++i)
                strText += 'x';
            benchmark::DoNotOptimize(strText);
        }
        a_State.SetComplexityN(a_State.range(0));
    }
    BENCHMARK(BM_StdString_AppendLoop)->RangeMultiplier(10)->Range(10, 10000)->Complexity();
} // namespace
