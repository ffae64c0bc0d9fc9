#include <vellmark/propertysystem/base/oe_propertyid.h>

#include <vellmark/kernel/oe_guid.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/propertysystem/base/oe_md5.h>

#include <cstdio>
#include <cstring>

bSPropertyIDCore const g_idInvalid = {{0xFF, 0xFF, 0xFF, 0xFF}};

uint32_t bSPropertyIDCore::GetWord(int a_iIndex) const
{
    uint8_t const * pBytes = m_arrBytes + 4 * a_iIndex;
    return uint32_t(pBytes[0]) | uint32_t(pBytes[1]) << 8 | uint32_t(pBytes[2]) << 16 | uint32_t(pBytes[3]) << 24;
}

void bSPropertyIDCore::SetWord(int a_iIndex, uint32_t a_uValue)
{
    for (int i = 0; i < 4; ++i)
        m_arrBytes[4 * a_iIndex + i] = static_cast<uint8_t>(a_uValue >> (8 * i));
}

bCPropertyID::bCPropertyID() : m_Core{}, m_u32Count(0) {}

bCPropertyID::bCPropertyID(bCPropertyID const & a_Source) : m_Core(a_Source.m_Core), m_u32Count(0) {}

bCPropertyID::bCPropertyID(bCGuid const & a_Guid) : m_Core{}, m_u32Count(0)
{
    SetGuid(a_Guid);
}

bCPropertyID::~bCPropertyID()
{
    Invalidate();
}

bCPropertyID & bCPropertyID::operator=(bCPropertyID const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

bool bCPropertyID::operator==(bCPropertyID const & a_Other) const
{
    return std::memcmp(m_Core.m_arrBytes, a_Other.m_Core.m_arrBytes, 16) == 0;
}

void bCPropertyID::CopyFrom(bCPropertyID const & a_Source)
{
    if (&a_Source == this)
        return;
    m_Core = a_Source.m_Core;
    m_u32Count = 0;
}

bool bCPropertyID::IsValid() const
{
    for (int i = 0; i < 4; ++i)
        if (m_Core.GetWord(i) != 0)
            return true;
    return false;
}

void bCPropertyID::Destroy()
{
    Invalidate();
}

void bCPropertyID::Invalidate()
{
    m_Core = bSCore{};
    m_u32Count = 0;
}

bool bCPropertyID::Create()
{
    m_u32Count = 0;
    return true;
}

bool bCPropertyID::CreateRandom()
{
    bCGuid Guid;
    Guid.Generate();
    std::memcpy(m_Core.m_arrBytes, &static_cast<_GUID const &>(Guid), 16);
    m_u32Count = 0;
    return true;
}

bool bCPropertyID::CreateFromMd5(bCMd5 const & a_Md5)
{
    a_Md5.GetDigest8(m_Core);
    m_u32Count = 0;
    return true;
}

bool bCPropertyID::CreateFromString(bCString const & a_strText)
{
    bCMd5 Md5;
    Md5.Create();
    Md5.Append(a_strText.GetText(), static_cast<unsigned long>(a_strText.GetLength()));
    Md5.Finish(m_Core);
    m_u32Count = 0;
    return true;
}

bool bCPropertyID::SetGuid(bCGuid const & a_Guid)
{
    if (!a_Guid.IsValid() || a_Guid.IsNull())
        return false;
    std::memcpy(m_Core.m_arrBytes, &static_cast<_GUID const &>(a_Guid), 16);
    m_u32Count = 0;
    return true;
}

void bCPropertyID::ExtractGuid(bCGuid & a_Guid) const
{
    _GUID Raw;
    std::memcpy(&Raw, m_Core.m_arrBytes, 16);
    a_Guid.SetGuid(Raw);
}

bCString bCPropertyID::GetText() const
{
    bCGuid Guid;
    ExtractGuid(Guid);
    bCString strText = Guid.GetText();
    strText.ToLower();
    return strText;
}

bool bCPropertyID::SetText(bCString const & a_strText)
{
    bCGuid const Guid(a_strText);
    m_Core = bSCore{};
    if (Guid.IsValid()) // a text that is no GUID leaves the identifier zero
        std::memcpy(m_Core.m_arrBytes, &static_cast<_GUID const &>(Guid), 16);
    m_u32Count = 0;
    return true;
}

bCString bCPropertyID::GetTextEx() const
{
    char arrCount[16];
    std::snprintf(arrCount, sizeof(arrCount), "%i", static_cast<int>(m_u32Count));
    return GetText() + ":" + arrCount;
}

bool bCPropertyID::SetTextEx(bCString const & a_strText)
{
    bCString strWord;
    a_strText.GetWord(0, ":", strWord, true, true);
    SetText(strWord);
    return true;
}

bCString bCPropertyID::GetShortText() const
{
    char arrText[16]; // formatted locally: the shared empty string stays empty
    std::snprintf(arrText, sizeof(arrText), "%08x", m_u32Count);
    return bCString(arrText);
}

bool bCPropertyID::Read(bCIStream & a_Stream)
{
    a_Stream.Read(m_Core.m_arrBytes, 16);
    unsigned long uCount = 0;
    a_Stream.Read(uCount);
    m_u32Count = 0;
    return true;
}

void bCPropertyID::Write(bCOStream & a_Stream) const
{
    a_Stream.Write(m_Core.m_arrBytes, 16);
    a_Stream.Write(static_cast<unsigned long>(m_u32Count));
}

bCIStream & bCPropertyID::operator<<(bCIStream & a_Stream)
{
    Read(a_Stream);
    return a_Stream;
}

bCOStream & bCPropertyID::operator>>(bCOStream & a_Stream) const
{
    Write(a_Stream);
    return a_Stream;
}

bCIStream & operator>>(bCIStream & a_Stream, bCPropertyID & a_ID)
{
    a_ID.Read(a_Stream);
    return a_Stream;
}

bCOStream & operator<<(bCOStream & a_Stream, bCPropertyID const & a_ID)
{
    a_ID.Write(a_Stream);
    return a_Stream;
}

template <> unsigned long g_GetHashValue<bCPropertyID>(bCPropertyID const & a_ID)
{
    return static_cast<uint32_t>((a_ID.GetCore().GetWord(0) >> 3) + static_cast<uint32_t>(a_ID.GetCount()));
}
