// Map lookups and small-array sorting beside their standard-library peers.

#include <vellmark/containers/oe_map.h>
#include <vellmark/containers/oe_sort.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace
{
    std::vector<std::string> MakeKeys(int a_iCount)
    {
        // Property-like names of varying length.
        std::vector<std::string> arrKeys;
        for (int i = 0; i < a_iCount; ++i)
            arrKeys.push_back("Property" + std::to_string(i * 7919) + (i % 3 ? "Name" : ""));
        return arrKeys;
    }

    void BM_bTStringValMap_Find(benchmark::State & a_State)
    {
        std::vector<std::string> const arrKeys = MakeKeys(static_cast<int>(a_State.range(0)));
        bTStringValMap<long> mapValues;
        std::vector<bCString> arrLookups;
        for (size_t u = 0; u < arrKeys.size(); ++u)
        {
            mapValues.SetAt(bCString(arrKeys[u].c_str()), static_cast<long>(u));
            arrLookups.emplace_back(arrKeys[u].c_str()); // separate buffers, as keys from callers are
        }
        size_t u = 0;
        for (auto _ : a_State)
        {
            benchmark::DoNotOptimize(mapValues.Find(arrLookups[u]));
            u = u + 1 == arrLookups.size() ? 0 : u + 1;
        }
    }
    BENCHMARK(BM_bTStringValMap_Find)->Arg(40)->Arg(1000);

    void BM_StdUnorderedMap_Find(benchmark::State & a_State)
    {
        std::vector<std::string> const arrKeys = MakeKeys(static_cast<int>(a_State.range(0)));
        std::unordered_map<std::string, long> mapValues;
        std::vector<std::string> arrLookups;
        for (size_t u = 0; u < arrKeys.size(); ++u)
        {
            mapValues[arrKeys[u]] = static_cast<long>(u);
            arrLookups.push_back(arrKeys[u]);
        }
        size_t u = 0;
        for (auto _ : a_State)
        {
            benchmark::DoNotOptimize(mapValues.find(arrLookups[u]));
            u = u + 1 == arrLookups.size() ? 0 : u + 1;
        }
    }
    BENCHMARK(BM_StdUnorderedMap_Find)->Arg(40)->Arg(1000);

    struct SSortItem
    {
        uint32_t m_uKey;
        uint32_t m_uPayload;
    };

    std::vector<SSortItem> MakeItems(int a_iCount)
    {
        std::mt19937 Random(12345);
        std::vector<SSortItem> arrItems(static_cast<size_t>(a_iCount));
        for (SSortItem & Item : arrItems)
            Item = {static_cast<uint32_t>(Random()), 0};
        return arrItems;
    }

    void BM_g_ArrayInsertionSort(benchmark::State & a_State)
    {
        std::vector<SSortItem> const arrSource = MakeItems(static_cast<int>(a_State.range(0)));
        std::vector<SSortItem> arrItems;
        for (auto _ : a_State)
        {
            arrItems = arrSource;
            g_ArrayInsertionSort(arrItems.data(), arrItems.size(), sizeof(SSortItem), g_ArraySortDefaultCompare, false);
            benchmark::DoNotOptimize(arrItems.data());
        }
    }
    BENCHMARK(BM_g_ArrayInsertionSort)->Arg(8)->Arg(64)->Arg(1000);

    void BM_g_ArrayInsertionSort_SwapLimit(benchmark::State & a_State)
    {
        std::vector<SSortItem> const arrSource = MakeItems(static_cast<int>(a_State.range(0)));
        std::vector<SSortItem> arrItems;
        for (auto _ : a_State)
        {
            arrItems = arrSource;
            g_ArrayInsertionSort(arrItems.data(), arrItems.size(), sizeof(SSortItem), g_ArraySortDefaultCompare, true);
            benchmark::DoNotOptimize(arrItems.data());
        }
    }
    BENCHMARK(BM_g_ArrayInsertionSort_SwapLimit)->Arg(8)->Arg(64)->Arg(1000);

    void BM_StdSort(benchmark::State & a_State)
    {
        std::vector<SSortItem> const arrSource = MakeItems(static_cast<int>(a_State.range(0)));
        std::vector<SSortItem> arrItems;
        for (auto _ : a_State)
        {
            arrItems = arrSource;
            std::sort(arrItems.begin(), arrItems.end(),
                      [](SSortItem const & a, SSortItem const & b) { return a.m_uKey < b.m_uKey; });
            benchmark::DoNotOptimize(arrItems.data());
        }
    }
    BENCHMARK(BM_StdSort)->Arg(8)->Arg(64)->Arg(1000);
} // namespace
