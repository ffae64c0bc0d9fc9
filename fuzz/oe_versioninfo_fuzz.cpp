// Feeds outside bytes to the version resource readers: as a whole ELF image
// (first byte even), or as the resource inside a well-formed ELF file (first
// byte odd), so that the node walker sees deep inputs too. Every query path of
// the version functions is walked over whatever was read.

#include <vellmark/platform/oe_versioninfo.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace
{
    void PutLE(std::vector<uint8_t> & a_arrBytes, size_t a_uOffset, uint64_t a_uValue, int a_iWidth)
    {
        for (int i = 0; i < a_iWidth; ++i)
            a_arrBytes[a_uOffset + i] = static_cast<uint8_t>(a_uValue >> (8 * i));
    }

    // Null section, ".vsversioninfo" holding the given bytes, the name table.
    std::vector<uint8_t> WrapInElf(uint8_t const * a_pData, size_t a_uSize)
    {
        static char const kNames[] = "\0.vsversioninfo\0.shstrtab";
        size_t const uNames = 64 + a_uSize, uHeaders = (uNames + sizeof(kNames) + 7) & ~size_t(7);
        std::vector<uint8_t> arrImage(uHeaders + 3 * 64, 0);
        uint8_t const arrIdent[] = {0x7F, 'E', 'L', 'F', 2, 1, 1};
        std::memcpy(arrImage.data(), arrIdent, sizeof(arrIdent));
        PutLE(arrImage, 0x28, uHeaders, 8);
        PutLE(arrImage, 0x3A, 64, 2);
        PutLE(arrImage, 0x3C, 3, 2);
        PutLE(arrImage, 0x3E, 2, 2);
        if (a_uSize)
            std::memcpy(arrImage.data() + 64, a_pData, a_uSize);
        std::memcpy(arrImage.data() + uNames, kNames, sizeof(kNames));
        PutLE(arrImage, uHeaders + 64 + 0, 1, 4);
        PutLE(arrImage, uHeaders + 64 + 4, 1, 4);
        PutLE(arrImage, uHeaders + 64 + 0x18, 64, 8);
        PutLE(arrImage, uHeaders + 64 + 0x20, a_uSize, 8);
        PutLE(arrImage, uHeaders + 128 + 0, 16, 4);
        PutLE(arrImage, uHeaders + 128 + 4, 3, 4);
        PutLE(arrImage, uHeaders + 128 + 0x18, uNames, 8);
        PutLE(arrImage, uHeaders + 128 + 0x20, sizeof(kNames), 8);
        return arrImage;
    }

    void Query(std::vector<uint8_t> & a_arrInfo, char const * a_pcPath)
    {
        void * pValue = nullptr;
        unsigned int uLength = 0;
        if (!OEVerQueryValue(a_arrInfo.data(), a_pcPath, &pValue, &uLength))
            return;
        // Touch every byte the reader vouched for.
        auto const * pBytes = static_cast<uint8_t const *>(pValue);
        volatile uint8_t uSum = 0;
        for (unsigned int u = 0; u < uLength; ++u)
            uSum = static_cast<uint8_t>(uSum + pBytes[u]);
    }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    if (a_uSize == 0 || a_uSize > 1 << 20)
        return 0;
    std::vector<uint8_t> const arrImage =
        (a_pData[0] & 1) ? WrapInElf(a_pData + 1, a_uSize - 1) : std::vector<uint8_t>(a_pData, a_pData + a_uSize);
    unsigned long const uSize = OEGetImageVersionInfoSize(arrImage.data(), arrImage.size());
    if (!uSize)
        return 0;
    // Exactly the size asked for, and half of it, so that any overrun shows.
    for (unsigned long uLen : {uSize, uSize / 2})
    {
        std::vector<uint8_t> arrInfo(uLen);
        if (!OEGetImageVersionInfo(arrImage.data(), arrImage.size(), uLen, arrInfo.data()))
            continue;
        for (char const * pcPath :
             {"\\", "\\VarFileInfo\\Translation", "\\StringFileInfo\\040904B0\\FileVersion",
              "\\StringFileInfo\\000004B0\\FileVersion", "\\StringFileInfo", "\\\\x\\", "\\StringFileInfo\\040904B0"})
            Query(arrInfo, pcPath);
    }
    return 0;
}
