#include <vellmark/kernel/oe_guid.h>
#include <vellmark/kernel/oe_string.h>
#include <vellmark/platform/oe_guidtext.h>

#include <cstring>

namespace
{
    uint32_t Word(_GUID const & a_Guid, int a_iIndex)
    {
        unsigned char const * pBytes = reinterpret_cast<unsigned char const *>(&a_Guid) + 4 * a_iIndex;
        return static_cast<uint32_t>(pBytes[0]) | static_cast<uint32_t>(pBytes[1]) << 8 |
               static_cast<uint32_t>(pBytes[2]) << 16 | static_cast<uint32_t>(pBytes[3]) << 24;
    }

    _GUID MakeZeroGuid()
    {
        _GUID Guid;
        std::memset(&Guid, 0, sizeof(Guid));
        return Guid;
    }
} // namespace

bCGuid::bCGuid() : m_Guid(MakeZeroGuid()), m_bValid(false) {}

bCGuid::bCGuid(bCGuid const & a_Source) : m_Guid(a_Source.m_Guid), m_bValid(a_Source.m_bValid) {}

bCGuid::bCGuid(_GUID const & a_Guid) : m_Guid(a_Guid), m_bValid(true) {}

bCGuid::bCGuid(_GUID const * a_pGuid) : bCGuid()
{
    SetGuid(a_pGuid);
}

bCGuid::bCGuid(bCString const & a_strText) : bCGuid()
{
    SetText(a_strText);
}

void bCGuid::Generate()
{
    // The platform's result is not looked at: a new GUID is always taken as valid.
    OECoCreateGuid(m_Guid);
    m_bValid = true;
}

void bCGuid::SetGuid(_GUID const & a_Guid)
{
    m_Guid = a_Guid;
    m_bValid = true;
}

void bCGuid::SetGuid(_GUID const * a_pGuid)
{
    if (!a_pGuid)
    {
        m_bValid = false;
        return;
    }
    SetGuid(*a_pGuid);
}

bool bCGuid::SetGuid(bCString const & a_strText)
{
    return SetText(a_strText);
}

bool bCGuid::SetText(bCString const & a_strText)
{
    char const * pcText = a_strText.GetText();
    if (std::strcmp(pcText, "{}") == 0)
    {
        m_bValid = false;
        return true;
    }
    // Widened byte by byte; anything longer than the braced form cannot parse.
    char16_t arrText[g_iGuidTextLength + 2];
    int iLength = 0;
    for (; pcText[iLength] && iLength <= g_iGuidTextLength; ++iLength)
        arrText[iLength] = static_cast<unsigned char>(pcText[iLength]);
    arrText[iLength] = 0;
    m_bValid = OEIIDFromString(arrText, m_Guid);
    return m_bValid;
}

bCString bCGuid::GetText() const
{
    if (!m_bValid)
        return bCString("{}");
    char16_t arrText[g_iGuidTextLength + 1];
    OEStringFromGUID2(m_Guid, arrText, g_iGuidTextLength + 1);
    char arrNarrow[g_iGuidTextLength + 1];
    for (int i = 0; i <= g_iGuidTextLength; ++i)
        arrNarrow[i] = static_cast<char>(arrText[i]);
    return bCString(arrNarrow);
}

bCGuid & bCGuid::operator=(_GUID const & a_Guid)
{
    SetGuid(a_Guid);
    return *this;
}

bCGuid & bCGuid::operator=(_GUID const * a_pGuid)
{
    SetGuid(a_pGuid);
    return *this;
}

bCGuid & bCGuid::operator=(bCString const & a_strText)
{
    SetText(a_strText);
    return *this;
}

bCGuid & bCGuid::operator=(bCGuid const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

bool bCGuid::IsValid() const
{
    return m_bValid;
}

void bCGuid::MakeInvalidGuid()
{
    m_bValid = false;
}

void bCGuid::Clear()
{
    m_bValid = false;
}

void bCGuid::Init()
{
    m_bValid = false;
}

void bCGuid::MakeNullGuid()
{
    m_Guid = MakeZeroGuid();
    m_bValid = true;
}

bool bCGuid::IsNull() const
{
    static _GUID const s_Zero = MakeZeroGuid();
    return m_bValid && std::memcmp(&m_Guid, &s_Zero, sizeof(_GUID)) == 0;
}

bCGuid const & bCGuid::GetNullGuid()
{
    static bCGuid const s_NullGuid(MakeZeroGuid());
    return s_NullGuid;
}

bCGuid const & bCGuid::GetInvalidGuid()
{
    static bCGuid const s_InvalidGuid;
    return s_InvalidGuid;
}

_GUID const & bCGuid::GetGuid() const
{
    return m_Guid;
}

_GUID & bCGuid::GetGuid()
{
    return m_Guid;
}

bCGuid::operator _GUID const &() const
{
    return m_Guid;
}

bCGuid::operator _GUID &()
{
    return m_Guid;
}

bCGuid::operator _GUID const *() const
{
    return m_bValid ? &m_Guid : nullptr;
}

bCGuid::operator _GUID *()
{
    return m_bValid ? &m_Guid : nullptr;
}

int bCGuid::Compare(bCGuid const & a_Other) const
{
    for (int i = 0; i < 4; ++i)
    {
        uint32_t uMine = Word(m_Guid, i);
        uint32_t uOther = Word(a_Other.m_Guid, i);
        if (uMine != uOther)
            return uMine < uOther ? -1 : 1;
    }
    return 0;
}

bool bCGuid::IsEqualTo(bCGuid const & a_Other) const
{
    return std::memcmp(&m_Guid, &a_Other.m_Guid, sizeof(_GUID)) == 0;
}

bool bCGuid::IsLessThan(bCGuid const & a_Other) const
{
    return Compare(a_Other) < 0;
}

bool bCGuid::IsGreaterThan(bCGuid const & a_Other) const
{
    return Compare(a_Other) > 0;
}

bool bCGuid::operator==(bCGuid const & a_Other) const
{
    return IsEqualTo(a_Other);
}
bool bCGuid::operator!=(bCGuid const & a_Other) const
{
    return !IsEqualTo(a_Other);
}
bool bCGuid::operator<(bCGuid const & a_Other) const
{
    return Compare(a_Other) < 0;
}
bool bCGuid::operator<=(bCGuid const & a_Other) const
{
    return Compare(a_Other) <= 0;
}
bool bCGuid::operator>(bCGuid const & a_Other) const
{
    return Compare(a_Other) > 0;
}
bool bCGuid::operator>=(bCGuid const & a_Other) const
{
    return Compare(a_Other) >= 0;
}

void bCGuid::CopyFrom(bCGuid const & a_Source)
{
    m_Guid = a_Source.m_Guid;
    m_bValid = a_Source.m_bValid;
}

void bCGuid::CopyTo(bCGuid & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}
