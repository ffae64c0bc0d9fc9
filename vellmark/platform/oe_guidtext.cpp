#include <vellmark/platform/oe_guidtext.h>
#include <vellmark/platform/oe_random.h>

#include <cstring>

namespace
{
    // The text form groups the 16 bytes as: Data1, Data2, Data3, Data4[0..1], Data4[2..7].
    constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

    char16_t * WriteHex(char16_t * a_pcDest, unsigned long long a_uValue, int a_iDigits)
    {
        for (int i = a_iDigits - 1; i >= 0; --i)
        {
            a_pcDest[i] = kHexDigits[a_uValue & 0xF];
            a_uValue >>= 4;
        }
        return a_pcDest + a_iDigits;
    }

    int HexValue(char16_t a_cUnit)
    {
        if (a_cUnit >= u'0' && a_cUnit <= u'9')
            return a_cUnit - u'0';
        if (a_cUnit >= u'a' && a_cUnit <= u'f')
            return a_cUnit - u'a' + 10;
        if (a_cUnit >= u'A' && a_cUnit <= u'F')
            return a_cUnit - u'A' + 10;
        return -1;
    }

    // Reads a_iDigits hex digits; advances a_rpcText only on success.
    bool ReadHex(char16_t const *& a_rpcText, int a_iDigits, unsigned long long & a_uValue)
    {
        unsigned long long uValue = 0;
        for (int i = 0; i < a_iDigits; ++i)
        {
            int iDigit = HexValue(a_rpcText[i]);
            if (iDigit < 0)
                return false;
            uValue = (uValue << 4) | static_cast<unsigned>(iDigit);
        }
        a_rpcText += a_iDigits;
        a_uValue = uValue;
        return true;
    }

    bool ReadUnit(char16_t const *& a_rpcText, char16_t a_cExpected)
    {
        if (*a_rpcText != a_cExpected)
            return false;
        ++a_rpcText;
        return true;
    }
} // namespace

bool OECoCreateGuid(_GUID & a_Guid)
{
    unsigned char arrBytes[16];
    if (!OEGetRandomBytes(arrBytes, sizeof(arrBytes)))
        return false;
    std::memcpy(&a_Guid, arrBytes, sizeof(arrBytes));
    a_Guid.Data3 = static_cast<uint16_t>((a_Guid.Data3 & 0x0FFF) | 0x4000);
    a_Guid.Data4[0] = static_cast<uint8_t>((a_Guid.Data4[0] & 0x3F) | 0x80);
    return true;
}

int OEStringFromGUID2(_GUID const & a_Guid, char16_t * a_pcDest, int a_iMax)
{
    if (!a_pcDest || a_iMax < g_iGuidTextLength + 1)
        return 0;
    char16_t * pcOut = a_pcDest;
    *pcOut++ = u'{';
    pcOut = WriteHex(pcOut, a_Guid.Data1, 8);
    *pcOut++ = u'-';
    pcOut = WriteHex(pcOut, a_Guid.Data2, 4);
    *pcOut++ = u'-';
    pcOut = WriteHex(pcOut, a_Guid.Data3, 4);
    *pcOut++ = u'-';
    for (int i = 0; i < 8; ++i)
    {
        if (i == 2)
            *pcOut++ = u'-';
        pcOut = WriteHex(pcOut, a_Guid.Data4[i], 2);
    }
    *pcOut++ = u'}';
    *pcOut = 0;
    return g_iGuidTextLength + 1;
}

bool OEIIDFromString(char16_t const * a_pcText, _GUID & a_Guid)
{
    if (!a_pcText)
        return false;
    _GUID Parsed;
    unsigned long long arrFields[5];
    static constexpr int kDigits[5] = {8, 4, 4, 4, 12};
    char16_t const * pcText = a_pcText;
    if (!ReadUnit(pcText, u'{'))
        return false;
    for (int i = 0; i < 5; ++i)
    {
        if ((i > 0 && !ReadUnit(pcText, u'-')) || !ReadHex(pcText, kDigits[i], arrFields[i]))
            return false;
    }
    if (!ReadUnit(pcText, u'}') || *pcText != 0)
        return false;
    Parsed.Data1 = static_cast<uint32_t>(arrFields[0]);
    Parsed.Data2 = static_cast<uint16_t>(arrFields[1]);
    Parsed.Data3 = static_cast<uint16_t>(arrFields[2]);
    Parsed.Data4[0] = static_cast<uint8_t>(arrFields[3] >> 8);
    Parsed.Data4[1] = static_cast<uint8_t>(arrFields[3]);
    for (int i = 0; i < 6; ++i)
        Parsed.Data4[2 + i] = static_cast<uint8_t>(arrFields[4] >> (8 * (5 - i)));
    a_Guid = Parsed;
    return true;
}
