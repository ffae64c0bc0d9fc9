#include <vellmark/containers/oe_hash.h>

#include <vellmark/kernel/oe_string.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace
{
    uint32_t SignedByte(char a_cByte)
    {
        return static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(a_cByte)));
    }

    // hash = hash * 33 + byte, four bytes per step: the powers of 33 spread the
    // same sum over the step, so the result wraps to the same 32-bit value.
    uint32_t HashBytes(char const * a_pcText, size_t a_uLength)
    {
        uint32_t uHash = 0;
        size_t u = 0;
        for (; u + 4 <= a_uLength; u += 4)
            uHash = uHash * 1185921u + SignedByte(a_pcText[u]) * 35937u + SignedByte(a_pcText[u + 1]) * 1089u +
                    SignedByte(a_pcText[u + 2]) * 33u + SignedByte(a_pcText[u + 3]);
        for (; u < a_uLength; ++u)
            uHash = uHash * 33u + SignedByte(a_pcText[u]);
        return uHash;
    }
} // namespace

template <> unsigned long g_GetHashValue<bCString>(bCString const & a_strKey)
{
    // The text ends at its first zero byte, even where the string stores more.
    char const * pcText = a_strKey.GetText();
    size_t const uLength = static_cast<size_t>(a_strKey.GetLength());
    void const * pZero = std::memchr(pcText, 0, uLength);
    return HashBytes(pcText, pZero ? static_cast<size_t>(static_cast<char const *>(pZero) - pcText) : uLength);
}

template <> unsigned long g_GetHashValue<char *>(char * const & a_pcKey)
{
    return a_pcKey ? HashBytes(a_pcKey, std::strlen(a_pcKey)) : 0;
}

template <> unsigned long g_GetHashValue<bCGuid>(bCGuid const &)
{
    return 0;
}
