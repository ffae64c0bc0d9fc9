// Lock and unlock of the library's locks beside their standard peers.

#include <vellmark/kernel/oe_criticalsection.h>
#include <vellmark/kernel/oe_multireadexclusivewrite.h>

#include <benchmark/benchmark.h>

#include <mutex>
#include <shared_mutex>

namespace
{
    bCCriticalSectionWin32 g_Section;
    std::recursive_mutex g_RecursiveMutex;
    bCMultiReadExclusiveWriteWin32 g_ReadWriteLock;
    std::shared_mutex g_SharedMutex;

    void BM_CriticalSection_Lock(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            g_Section.Acquire();
            g_Section.Release();
        }
    }

    void BM_RecursiveMutex_Lock(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            g_RecursiveMutex.lock();
            g_RecursiveMutex.unlock();
        }
    }

    void BM_CriticalSection_NestedLock(benchmark::State & a_State)
    {
        g_Section.Acquire();
        for (auto _ : a_State)
        {
            g_Section.Acquire();
            g_Section.Release();
        }
        g_Section.Release();
    }

    void BM_RecursiveMutex_NestedLock(benchmark::State & a_State)
    {
        g_RecursiveMutex.lock();
        for (auto _ : a_State)
        {
            g_RecursiveMutex.lock();
            g_RecursiveMutex.unlock();
        }
        g_RecursiveMutex.unlock();
    }

    void BM_ReadWriteLock_Read(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            g_ReadWriteLock.BeginRead();
            g_ReadWriteLock.EndRead();
        }
    }

    void BM_SharedMutex_Read(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            g_SharedMutex.lock_shared();
            g_SharedMutex.unlock_shared();
        }
    }

    // A thread that already reads: the path that costs only the spin lock and two increments.
    void BM_ReadWriteLock_NestedRead(benchmark::State & a_State)
    {
        g_ReadWriteLock.BeginRead();
        for (auto _ : a_State)
        {
            g_ReadWriteLock.BeginRead();
            g_ReadWriteLock.EndRead();
        }
        g_ReadWriteLock.EndRead();
    }

    void BM_ReadWriteLock_Write(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            g_ReadWriteLock.BeginWrite();
            g_ReadWriteLock.EndWrite();
        }
    }

    void BM_SharedMutex_Write(benchmark::State & a_State)
    {
        for (auto _ : a_State)
        {
            g_SharedMutex.lock();
            g_SharedMutex.unlock();
        }
    }
} // namespace

BENCHMARK(BM_CriticalSection_Lock);
BENCHMARK(BM_RecursiveMutex_Lock);
BENCHMARK(BM_CriticalSection_Lock)->Threads(2)->UseRealTime();
BENCHMARK(BM_RecursiveMutex_Lock)->Threads(2)->UseRealTime();
BENCHMARK(BM_CriticalSection_NestedLock);
BENCHMARK(BM_RecursiveMutex_NestedLock);
BENCHMARK(BM_ReadWriteLock_Read);
BENCHMARK(BM_SharedMutex_Read);
BENCHMARK(BM_ReadWriteLock_Read)->Threads(2)->UseRealTime();
BENCHMARK(BM_SharedMutex_Read)->Threads(2)->UseRealTime();
BENCHMARK(BM_ReadWriteLock_NestedRead);
BENCHMARK(BM_ReadWriteLock_Write);
BENCHMARK(BM_SharedMutex_Write);
BENCHMARK(BM_ReadWriteLock_Write)->Threads(2)->UseRealTime();
BENCHMARK(BM_SharedMutex_Write)->Threads(2)->UseRealTime();
