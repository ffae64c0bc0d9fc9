// The memory administration beside the allocators it must keep up with:
// glibc's malloc (called by its own name, since mimalloc may stand in for
// malloc in this process) and mimalloc itself.

#include <vellmark/kernel/oe_basemem.h>

#include <benchmark/benchmark.h>

#include <cstddef>

#if defined(OE_HEAP_MIMALLOC)
#include <mimalloc.h>
#endif

extern "C" void * __libc_malloc(std::size_t);
extern "C" void __libc_free(void *);
extern "C" void * __libc_realloc(void *, std::size_t);

namespace
{
    bCMemoryAdmin & Tracked()
    {
        static bCMemoryAdmin s_Admin(true);
        return s_Admin;
    }

    void BM_UntrackedMallocFree(benchmark::State & a_State)
    {
        unsigned long const uSize = static_cast<unsigned long>(a_State.range(0));
        for (auto _ : a_State)
        {
            void * pBlock = bCMemoryAdmin::GetInstance().Malloc(uSize, nullptr, nullptr, -1);
            benchmark::DoNotOptimize(pBlock);
            bCMemoryAdmin::GetInstance().Free(pBlock);
        }
    }

    void TrackedPairs(benchmark::State & a_State, bCMemoryAdmin & a_Admin, unsigned long a_uSize)
    {
        for (auto _ : a_State)
        {
            void * pBlock = a_Admin.Malloc(a_uSize, "bench", "bench/oe_basemem_bench.cpp", __LINE__);
            benchmark::DoNotOptimize(pBlock);
            a_Admin.Free(pBlock);
        }
    }

    void GlibcPairs(benchmark::State & a_State, std::size_t a_uSize)
    {
        for (auto _ : a_State)
        {
            void * pBlock = __libc_malloc(a_uSize);
            benchmark::DoNotOptimize(pBlock);
            __libc_free(pBlock);
        }
    }

    void BM_TrackedMallocFree(benchmark::State & a_State)
    {
        TrackedPairs(a_State, Tracked(), static_cast<unsigned long>(a_State.range(0)));
    }

    void BM_GlibcMallocFree(benchmark::State & a_State)
    {
        GlibcPairs(a_State, static_cast<std::size_t>(a_State.range(0)));
    }

    // The same pair while one block of the same size stays allocated, as in any
    // running program. With nothing else in its size class, every free above
    // empties a heap page, which mimalloc then retires (about 60 instructions
    // per free at 16 and 256 bytes here) and glibc does not.
    void BM_TrackedMallocFreeNeighbour(benchmark::State & a_State)
    {
        unsigned long const uSize = static_cast<unsigned long>(a_State.range(0));
        bCMemoryAdmin & Admin = Tracked();
        void * pNeighbour = Admin.Malloc(uSize, "neighbour", "bench/oe_basemem_bench.cpp", __LINE__);
        TrackedPairs(a_State, Admin, uSize);
        Admin.Free(pNeighbour);
    }

    void BM_GlibcMallocFreeNeighbour(benchmark::State & a_State)
    {
        std::size_t const uSize = static_cast<std::size_t>(a_State.range(0));
        void * pNeighbour = __libc_malloc(uSize);
        benchmark::DoNotOptimize(pNeighbour);
        GlibcPairs(a_State, uSize);
        __libc_free(pNeighbour);
    }

#if defined(OE_HEAP_MIMALLOC)
    void BM_MimallocMallocFree(benchmark::State & a_State)
    {
        std::size_t const uSize = static_cast<std::size_t>(a_State.range(0));
        for (auto _ : a_State)
        {
            void * pBlock = mi_malloc(uSize);
            benchmark::DoNotOptimize(pBlock);
            mi_free(pBlock);
        }
    }
    BENCHMARK(BM_MimallocMallocFree)->Arg(16)->Arg(64)->Arg(256)->Arg(4096);
    BENCHMARK(BM_MimallocMallocFree)->Arg(64)->Threads(2);
#endif

    BENCHMARK(BM_UntrackedMallocFree)->Arg(16)->Arg(64)->Arg(256)->Arg(4096);
    BENCHMARK(BM_GlibcMallocFree)->Arg(16)->Arg(64)->Arg(256)->Arg(4096);
    BENCHMARK(BM_TrackedMallocFree)->Arg(16)->Arg(64)->Arg(256)->Arg(4096);
    BENCHMARK(BM_GlibcMallocFreeNeighbour)->Arg(16)->Arg(64)->Arg(256)->Arg(4096);
    BENCHMARK(BM_TrackedMallocFreeNeighbour)->Arg(16)->Arg(64)->Arg(256)->Arg(4096);
    BENCHMARK(BM_UntrackedMallocFree)->Arg(64)->Threads(2);
    BENCHMARK(BM_GlibcMallocFree)->Arg(64)->Threads(2);
    BENCHMARK(BM_TrackedMallocFree)->Arg(64)->Threads(2);

    // A memory stream's buffer: grown a kilobyte at a time to 120 MB.
    constexpr unsigned long kGrowStep = 1024;
    constexpr unsigned long kGrowTarget = 120ul << 20;

    void BM_AdminReallocGrowTo120MB(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            void * pBlock = nullptr;
            for (unsigned long uSize = kGrowStep; uSize <= kGrowTarget; uSize += kGrowStep)
                pBlock = bCMemoryAdmin::GetInstance().Realloc(pBlock, uSize, nullptr, nullptr, -1);
            benchmark::DoNotOptimize(pBlock);
            bCMemoryAdmin::GetInstance().Free(pBlock);
        }
    }

    void BM_GlibcReallocGrowTo120MB(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            void * pBlock = nullptr;
            for (unsigned long uSize = kGrowStep; uSize <= kGrowTarget; uSize += kGrowStep)
                pBlock = __libc_realloc(pBlock, uSize);
            benchmark::DoNotOptimize(pBlock);
            __libc_free(pBlock);
        }
    }

    BENCHMARK(BM_AdminReallocGrowTo120MB)->Unit(benchmark::kMillisecond);
    BENCHMARK(BM_GlibcReallocGrowTo120MB)->Unit(benchmark::kMillisecond);
} // namespace
