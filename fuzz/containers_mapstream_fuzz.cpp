// Reads a string-to-string map from arbitrary bytes, writes it back and reads
// the result again: the second map must hold the same pairs as the first.

#include <vellmark/containers/oe_map.h>

#include <tests/containers/oe_teststream.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    CTestStream Input(a_pData, a_uSize);
    bTStringObjMap<bCString> mapFirst;
    mapFirst.Read(Input);

    CTestStream Output;
    unsigned long const uWritten = mapFirst.Write(Output);
    if (uWritten != Output.GetBytes().size())
        std::abort();

    CTestStream Again(Output.GetBytes().data(), Output.GetBytes().size());
    bTStringObjMap<bCString> mapSecond;
    if (!mapSecond.Read(Again) || mapSecond.GetCount() != mapFirst.GetCount())
        std::abort();
    for (auto It = mapFirst.BeginIterator(); It != mapFirst.EndIterator(); ++It)
    {
        bCString const * pValue = mapSecond.Find(It.GetKey());
        if (!pValue || !(*pValue == It.GetValue()))
            std::abort();
    }
    return 0;
}
