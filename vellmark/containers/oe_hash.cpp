#include <vellmark/containers/oe_hash.h>

#include <vellmark/kernel/oe_string.h>

#include <cstdint>

namespace
{
    uint32_t HashText(char const * a_pcText)
    {
        uint32_t uHash = 0;
        if (!a_pcText)
            return uHash;
        for (; *a_pcText; ++a_pcText)
            uHash = uHash * 33u + static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(*a_pcText)));
        return uHash;
    }
} // namespace

template <> unsigned long g_GetHashValue<bCString>(bCString const & a_strKey)
{
    return HashText(a_strKey.GetText());
}

template <> unsigned long g_GetHashValue<char *>(char * const & a_pcKey)
{
    return HashText(a_pcKey);
}

template <> unsigned long g_GetHashValue<bCGuid>(bCGuid const &)
{
    return 0;
}
