// Reads a string-to-string map from arbitrary bytes, writes it back and reads
// the result again: the second map must hold the same pairs as the first.

#include <vellmark/containers/oe_map.h>
#include <vellmark/kernel/oe_memorystream.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    bCMemoryStream Input;
    if (a_uSize)
        Input.Write(a_pData, static_cast<unsigned long>(a_uSize));
    Input.SetPosition(0, bEStreamSeekMode_Begin);
    bTStringObjMap<bCString> mapFirst;
    mapFirst.Read(Input);

    bCMemoryStream Output;
    unsigned long const uWritten = mapFirst.Write(Output);
    if (uWritten != static_cast<unsigned long>(Output.GetSize()))
        std::abort();

    Output.SetPosition(0, bEStreamSeekMode_Begin);
    bTStringObjMap<bCString> mapSecond;
    if (!mapSecond.Read(Output) || mapSecond.GetCount() != mapFirst.GetCount())
        std::abort();
    for (auto It = mapFirst.BeginIterator(); It != mapFirst.EndIterator(); ++It)
    {
        bCString const * pValue = mapSecond.Find(It.GetKey());
        if (!pValue || !(*pValue == It.GetValue()))
            std::abort();
    }
    return 0;
}
