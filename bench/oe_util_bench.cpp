// The profiler's StartProfile/StopProfile pair against two bare reads of the
// same clock, and the bit fields on 10,000 bits against std::bitset and
// boost::dynamic_bitset<uint32_t>: counting, iteration over the enabled bits
// and the logic operations.

#include <vellmark/util/oe_bitfield.h>
#include <vellmark/util/oe_profilemanager.h>
#include <vellmark/util/oe_trackbitfield.h>

#include <benchmark/benchmark.h>
#include <boost/dynamic_bitset.hpp>

#include <bitset>
#include <cstdint>
#include <random>

namespace
{
    constexpr int kBits = 10000;
    using bCDynamicBitset = boost::dynamic_bitset<uint32_t>;

    // One pattern for every peer: about one bit in eight enabled.
    template <typename F> void ForPatternBits(unsigned a_uSeed, F a_funcEnable)
    {
        std::mt19937 Random(a_uSeed);
        for (int i = 0; i < kBits; ++i)
            if (Random() % 8 == 0)
                a_funcEnable(i);
    }

    template <typename T> T MakeField(unsigned a_uSeed)
    {
        T Field(kBits);
        ForPatternBits(a_uSeed, [&](int i) { Field.Enable(i); });
        return Field;
    }

    std::bitset<kBits> MakeStdBitset(unsigned a_uSeed)
    {
        std::bitset<kBits> Bits;
        ForPatternBits(a_uSeed, [&](int i) { Bits.set(static_cast<size_t>(i)); });
        return Bits;
    }

    bCDynamicBitset MakeDynamicBitset(unsigned a_uSeed)
    {
        bCDynamicBitset Bits(kBits);
        ForPatternBits(a_uSeed, [&](int i) { Bits.set(static_cast<size_t>(i)); });
        return Bits;
    }

    // Profiler

    void BM_ProfilePair(benchmark::State & a_State)
    {
        bCString const strName("Bench");
        bCProfileManager::StartProfile(strName); // the node exists from here on
        bCProfileManager::StopProfile();
        for (auto _ : a_State)
        {
            bCProfileManager::StartProfile(strName);
            bCProfileManager::StopProfile();
        }
    }
    BENCHMARK(BM_ProfilePair);

    void BM_ProfilePairLiteral(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            bCProfileManager::StartProfile("Bench");
            bCProfileManager::StopProfile();
        }
    }
    BENCHMARK(BM_ProfilePairLiteral);

    void BM_TwoClockReads(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            benchmark::DoNotOptimize(bCProfileManager::GetTimeStamp());
            benchmark::DoNotOptimize(bCProfileManager::GetTimeStamp());
        }
    }
    BENCHMARK(BM_TwoClockReads);

    // Counting

    template <typename T> void BM_CountEnabled(benchmark::State & a_State)
    {
        T const Field = MakeField<T>(1);
        for (auto _ : a_State)
            benchmark::DoNotOptimize(Field.GetCountEnabled());
    }
    BENCHMARK_TEMPLATE(BM_CountEnabled, bCBitField);
    BENCHMARK_TEMPLATE(BM_CountEnabled, bCTrackBitField);

    void BM_CountStdBitset(benchmark::State & a_State)
    {
        std::bitset<kBits> const Bits = MakeStdBitset(1);
        for (auto _ : a_State)
            benchmark::DoNotOptimize(Bits.count());
    }
    BENCHMARK(BM_CountStdBitset);

    void BM_CountDynamicBitset(benchmark::State & a_State)
    {
        bCDynamicBitset const Bits = MakeDynamicBitset(1);
        for (auto _ : a_State)
            benchmark::DoNotOptimize(Bits.count());
    }
    BENCHMARK(BM_CountDynamicBitset);

    // Iteration over the enabled bits

    template <typename T> void BM_IterateEnabled(benchmark::State & a_State)
    {
        T const Field = MakeField<T>(2);
        for (auto _ : a_State)
        {
            long lSum = 0;
            for (int i = Field.GetFirstEnabled(); i != -1; i = Field.GetNextEnabled())
                lSum += i;
            benchmark::DoNotOptimize(lSum);
        }
    }
    BENCHMARK_TEMPLATE(BM_IterateEnabled, bCBitField);
    BENCHMARK_TEMPLATE(BM_IterateEnabled, bCTrackBitField);

    // std::bitset has no portable search: the GNU _Find_first/_Find_next.
    void BM_IterateStdBitset(benchmark::State & a_State)
    {
        std::bitset<kBits> const Bits = MakeStdBitset(2);
        for (auto _ : a_State)
        {
            long lSum = 0;
            for (size_t i = Bits._Find_first(); i < Bits.size(); i = Bits._Find_next(i))
                lSum += static_cast<long>(i);
            benchmark::DoNotOptimize(lSum);
        }
    }
    BENCHMARK(BM_IterateStdBitset);

    void BM_IterateDynamicBitset(benchmark::State & a_State)
    {
        bCDynamicBitset const Bits = MakeDynamicBitset(2);
        for (auto _ : a_State)
        {
            long lSum = 0;
            for (size_t i = Bits.find_first(); i != bCDynamicBitset::npos; i = Bits.find_next(i))
                lSum += static_cast<long>(i);
            benchmark::DoNotOptimize(lSum);
        }
    }
    BENCHMARK(BM_IterateDynamicBitset);

    // Logic: a fresh copy of the left field each round would dominate, so the
    // three operations run in turn on one field (And, Or, Xor per iteration).

    template <typename T> void BM_Logic(benchmark::State & a_State)
    {
        T Field = MakeField<T>(3);
        T const Other = MakeField<T>(4);
        for (auto _ : a_State)
        {
            Field &= Other;
            Field |= Other;
            Field ^= Other;
            benchmark::DoNotOptimize(Field.AccessBitField());
        }
    }
    BENCHMARK_TEMPLATE(BM_Logic, bCBitField);
    BENCHMARK_TEMPLATE(BM_Logic, bCTrackBitField);

    void BM_LogicStdBitset(benchmark::State & a_State)
    {
        std::bitset<kBits> Bits = MakeStdBitset(3);
        std::bitset<kBits> const Other = MakeStdBitset(4);
        for (auto _ : a_State)
        {
            Bits &= Other;
            Bits |= Other;
            Bits ^= Other;
            benchmark::DoNotOptimize(&Bits);
        }
    }
    BENCHMARK(BM_LogicStdBitset);

    void BM_LogicDynamicBitset(benchmark::State & a_State)
    {
        bCDynamicBitset Bits = MakeDynamicBitset(3);
        bCDynamicBitset const Other = MakeDynamicBitset(4);
        for (auto _ : a_State)
        {
            Bits &= Other;
            Bits |= Other;
            Bits ^= Other;
            benchmark::DoNotOptimize(&Bits);
        }
    }
    BENCHMARK(BM_LogicDynamicBitset);
} // namespace
