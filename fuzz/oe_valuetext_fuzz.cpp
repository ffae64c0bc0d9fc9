// Feeds arbitrary bytes to the value-text parsers: the braced GUID form (as
// 16-bit units and through bCGuid::SetText) and the hex coding of 16-bit text.
// Whatever parses must format back to an equivalent text.

#include <vellmark/kernel/oe_guid.h>
#include <vellmark/kernel/oe_string.h>
#include <vellmark/kernel/oe_unicodestring.h>
#include <vellmark/platform/oe_guidtext.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
    void CheckGuidUnits(uint8_t const * a_pData, size_t a_uSize)
    {
        std::vector<char16_t> arrUnits(a_uSize / 2 + 1, 0);
        std::memcpy(arrUnits.data(), a_pData, a_uSize / 2 * 2);
        _GUID Guid;
        if (!OEIIDFromString(arrUnits.data(), Guid))
            return;
        char16_t arrText[39];
        if (OEStringFromGUID2(Guid, arrText, 39) != 39)
            std::abort();
        _GUID Back;
        if (!OEIIDFromString(arrText, Back) || std::memcmp(&Back, &Guid, sizeof(Guid)) != 0)
            std::abort();
    }

    void CheckGuidText(bCString const & a_strText)
    {
        bCGuid Guid;
        bool bParsed = Guid.SetText(a_strText);
        if (!bParsed)
        {
            if (Guid.IsValid())
                std::abort();
            return;
        }
        // The parser reads up to the first zero byte.
        bCString strBack = Guid.GetText();
        if (strBack.CompareNoCase(a_strText.GetText()) != 0)
            std::abort();
    }

    void CheckHex(bCString const & a_strText)
    {
        bCUnicodeString strUnits(u"unchanged");
        if (!strUnits.SetFromHexCodedString(a_strText))
        {
            if (strUnits != u"unchanged")
                std::abort();
            return;
        }
        bCString strBack = strUnits.GetAsHexCodedString();
        if (strBack.CompareNoCase(a_strText) != 0)
            std::abort();
    }
}

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    CheckGuidUnits(a_pData, a_uSize);
    bCString strText(reinterpret_cast<char const *>(a_pData), static_cast<int>(a_uSize));
    CheckGuidText(strText);
    CheckHex(strText);
    return 0;
}
