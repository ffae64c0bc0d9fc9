// Streams: typed writes and reads through bCMemoryStream against memcpy of the
// same bytes (the physical limit) and against appending to std::vector<char>.

#include <vellmark/kernel/oe_memorystream.h>

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace
{
    // One record of the mix: a byte, a 32-bit number, a float and a short string.
    int const kRecords = 4096;
    size_t const kRecordBytes = 1 + 4 + 4 + 2 + 5;
    char const kText[] = "hello";

    void WriteMix(bCOStream & a_Stream, bCString const & a_strText)
    {
        for (int i = 0; i < kRecords; ++i)
        {
            a_Stream.Write(static_cast<unsigned char>(i));
            a_Stream.Write(static_cast<unsigned long>(i));
            a_Stream.Write(static_cast<float>(i));
            a_Stream.Write(a_strText);
        }
    }

    template <typename T> char * Put(char * a_pcOut, T const & a_Value)
    {
        std::memcpy(a_pcOut, &a_Value, sizeof(T));
        return a_pcOut + sizeof(T);
    }

    template <typename T> void Append(std::vector<char> & a_arrOut, T const & a_Value)
    {
        char const * pcBytes = reinterpret_cast<char const *>(&a_Value);
        a_arrOut.insert(a_arrOut.end(), pcBytes, pcBytes + sizeof(T));
    }

    void BM_MixWrite_MemoryStream(benchmark::State & a_State)
    {
        bCMemoryStream Stream;
        bCString const strText(kText);
        for (auto _ : a_State)
        {
            Stream.SetPosition(0, bEStreamSeekMode_Begin);
            WriteMix(Stream, strText);
            benchmark::ClobberMemory();
        }
        a_State.SetBytesProcessed(a_State.iterations() * kRecords * kRecordBytes);
    }
    BENCHMARK(BM_MixWrite_MemoryStream);

    void BM_MixWrite_Memcpy(benchmark::State & a_State)
    {
        std::vector<char> arrOut(kRecords * kRecordBytes);
        for (auto _ : a_State)
        {
            char * pcOut = arrOut.data();
            for (int i = 0; i < kRecords; ++i)
            {
                pcOut = Put(pcOut, static_cast<unsigned char>(i));
                pcOut = Put(pcOut, static_cast<uint32_t>(i));
                pcOut = Put(pcOut, static_cast<float>(i));
                pcOut = Put(pcOut, static_cast<uint16_t>(5));
                std::memcpy(pcOut, kText, 5);
                pcOut += 5;
            }
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        a_State.SetBytesProcessed(a_State.iterations() * kRecords * kRecordBytes);
    }
    BENCHMARK(BM_MixWrite_Memcpy);

    void BM_MixWrite_Vector(benchmark::State & a_State)
    {
        std::vector<char> arrOut;
        for (auto _ : a_State)
        {
            arrOut.clear();
            for (int i = 0; i < kRecords; ++i)
            {
                Append(arrOut, static_cast<unsigned char>(i));
                Append(arrOut, static_cast<uint32_t>(i));
                Append(arrOut, static_cast<float>(i));
                Append(arrOut, static_cast<uint16_t>(5));
                arrOut.insert(arrOut.end(), kText, kText + 5);
            }
            benchmark::DoNotOptimize(arrOut.data());
        }
        a_State.SetBytesProcessed(a_State.iterations() * kRecords * kRecordBytes);
    }
    BENCHMARK(BM_MixWrite_Vector);

    void BM_MixRead_MemoryStream(benchmark::State & a_State)
    {
        bCMemoryStream Stream;
        WriteMix(Stream, bCString(kText));
        unsigned char u8Value = 0;
        unsigned long uValue = 0;
        float fValue = 0;
        bCString strValue;
        for (auto _ : a_State)
        {
            Stream.SetPosition(0, bEStreamSeekMode_Begin);
            for (int i = 0; i < kRecords; ++i)
                Stream >> u8Value >> uValue >> fValue >> strValue;
            benchmark::DoNotOptimize(uValue);
        }
        a_State.SetBytesProcessed(a_State.iterations() * kRecords * kRecordBytes);
    }
    BENCHMARK(BM_MixRead_MemoryStream);

    void BM_MixRead_Memcpy(benchmark::State & a_State)
    {
        std::vector<char> arrIn(kRecords * kRecordBytes);
        unsigned char u8Value = 0;
        uint32_t uValue = 0;
        float fValue = 0;
        uint16_t u16Count = 0;
        char arrText[8];
        for (auto _ : a_State)
        {
            char const * pcIn = arrIn.data();
            for (int i = 0; i < kRecords; ++i)
            {
                std::memcpy(&u8Value, pcIn, 1);
                std::memcpy(&uValue, pcIn + 1, 4);
                std::memcpy(&fValue, pcIn + 5, 4);
                std::memcpy(&u16Count, pcIn + 9, 2);
                std::memcpy(arrText, pcIn + 11, 5);
                pcIn += kRecordBytes;
                benchmark::DoNotOptimize(arrText);
            }
            benchmark::DoNotOptimize(uValue);
        }
        a_State.SetBytesProcessed(a_State.iterations() * kRecords * kRecordBytes);
    }
    BENCHMARK(BM_MixRead_Memcpy);

    // 4-byte primitives alone.
    void BM_U32Write_MemoryStream(benchmark::State & a_State)
    {
        bCMemoryStream Stream;
        for (auto _ : a_State)
        {
            Stream.SetPosition(0, bEStreamSeekMode_Begin);
            for (unsigned long u = 0; u < 16384; ++u)
                Stream.Write(u);
            benchmark::ClobberMemory();
        }
        a_State.SetBytesProcessed(a_State.iterations() * 16384 * 4);
    }
    BENCHMARK(BM_U32Write_MemoryStream);

    void BM_U32Write_Memcpy(benchmark::State & a_State)
    {
        std::vector<char> arrOut(16384 * 4);
        for (auto _ : a_State)
        {
            char * pcOut = arrOut.data();
            for (uint32_t u = 0; u < 16384; ++u)
                pcOut = Put(pcOut, u);
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        a_State.SetBytesProcessed(a_State.iterations() * 16384 * 4);
    }
    BENCHMARK(BM_U32Write_Memcpy);

    // Large raw blocks.
    void BM_BlockWrite_MemoryStream(benchmark::State & a_State)
    {
        size_t const uBlock = static_cast<size_t>(a_State.range(0));
        std::vector<char> arrBlock(uBlock, 'b');
        bCMemoryStream Stream;
        for (auto _ : a_State)
        {
            Stream.SetPosition(0, bEStreamSeekMode_Begin);
            for (int i = 0; i < 16; ++i)
                Stream.Write(arrBlock.data(), static_cast<unsigned long>(uBlock));
            benchmark::ClobberMemory();
        }
        a_State.SetBytesProcessed(a_State.iterations() * 16 * static_cast<long long>(uBlock));
    }
    BENCHMARK(BM_BlockWrite_MemoryStream)->Arg(64 << 10);

    void BM_BlockWrite_Memcpy(benchmark::State & a_State)
    {
        size_t const uBlock = static_cast<size_t>(a_State.range(0));
        std::vector<char> arrBlock(uBlock, 'b');
        std::vector<char> arrOut(16 * uBlock);
        for (auto _ : a_State)
        {
            for (int i = 0; i < 16; ++i)
                std::memcpy(arrOut.data() + i * uBlock, arrBlock.data(), uBlock);
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        a_State.SetBytesProcessed(a_State.iterations() * 16 * static_cast<long long>(uBlock));
    }
    BENCHMARK(BM_BlockWrite_Memcpy)->Arg(64 << 10);

    // A fresh 64 MB stream written 4 bytes at a time: growth included.
    long long const kGrowBytes = 64ll << 20;

    void BM_Grow64MB_MemoryStream(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            bCMemoryStream Stream;
            for (unsigned long u = 0; u < static_cast<unsigned long>(kGrowBytes / 4); ++u)
                Stream.Write(u);
            benchmark::DoNotOptimize(Stream.GetSize());
        }
        a_State.SetBytesProcessed(a_State.iterations() * kGrowBytes);
    }
    BENCHMARK(BM_Grow64MB_MemoryStream)->Unit(benchmark::kMillisecond);

    void BM_Grow64MB_Vector(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            std::vector<char> arrOut;
            for (uint32_t u = 0; u < static_cast<uint32_t>(kGrowBytes / 4); ++u)
                Append(arrOut, u);
            benchmark::DoNotOptimize(arrOut.data());
        }
        a_State.SetBytesProcessed(a_State.iterations() * kGrowBytes);
    }
    BENCHMARK(BM_Grow64MB_Vector)->Unit(benchmark::kMillisecond);
}
