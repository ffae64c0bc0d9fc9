// Feeds arbitrary bytes to the crash-dump reader: it must neither crash nor
// reserve more than the input justifies, and what it reports must be consistent.

#include "../tools/vellmark-dump/oe_dumpreader.cpp"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    bSDump Dump;
    bool const bIntact = OEReadDump(a_pData, a_uSize, Dump);
    if (bIntact != Dump.m_strDamage.empty())
        std::abort();
    if (Dump.m_arrFrames.size() * 8 > a_uSize || Dump.m_arrParameters.size() * 8 > a_uSize ||
        Dump.m_arrModules.size() * 18 > a_uSize)
        std::abort();
    return 0;
}
