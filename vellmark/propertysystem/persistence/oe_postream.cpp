#include <vellmark/propertysystem/persistence/oe_postream.h>

#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/propertysystem/base/oe_trackednew.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace
{
    constexpr int kMapBuckets = 109;
    constexpr unsigned short kFileVersion = 1;
    constexpr unsigned char kTableVersion = 1;
    constexpr unsigned short kNoIndex = 0xFFFF; // what a failed index read leaves
    constexpr unsigned long kBodyPiece = 4096;

    bCPOStream::bCStringList * s_pStringList = nullptr;
    bCPOStream::bCStringMap * s_pStringMap = nullptr;
    bCPOStream * s_pMainStream = nullptr;
    bool s_bLegacyMode = true;

    void RebuildMap(bCPOStream::bCStringList const & a_List, bCPOStream::bCStringMap & a_Map)
    {
        a_Map.Create(kMapBuckets);
        for (int i = a_List.GetCount() - 1; i >= 0; --i) // the first of equal entries wins
            a_Map.AccessAt(a_List[i]) = i;
    }

    // The strings of a file table; false when the input ends first.
    bool ReadTable(bCIStream & a_In, bCPOStream::bCStringList & a_List)
    {
        unsigned char uVersion = 0;
        unsigned long uCount = 0;
        if (a_In.Read(uVersion) != 1 || a_In.Read(uCount) != 4)
            return false;
        uint32_t const u32Count = static_cast<uint32_t>(uCount);
        if (bCMemoryStream * pMemory = dynamic_cast<bCMemoryStream *>(&a_In))
            if (u32Count > (pMemory->GetSize() - pMemory->GetPosition()) / 2) // 2 bytes per string at least
                return false;
        bCString strEntry;
        for (uint32_t u = 0; u < u32Count; ++u)
        {
            unsigned long const uBytes = a_In.bCIStream::Read(strEntry);
            if (uBytes < 2 || uBytes != 2 + static_cast<unsigned long>(strEntry.GetLength()))
                return false;
            a_List.Add(strEntry);
        }
        return true;
    }

    // The body bytes from an input whose end is unknown; false when it ends
    // first. The buffer grows only by what arrived, so a damaged size never
    // allocates more than the input holds.
    bool ReadBodyInPieces(bCIStream & a_In, uint32_t a_u32Size, std::vector<char> & a_arrBody)
    {
        char arrPiece[kBodyPiece];
        while (a_arrBody.size() < a_u32Size)
        {
            unsigned long const uWant = std::min<unsigned long>(a_u32Size - a_arrBody.size(), kBodyPiece);
            unsigned long const uGot = a_In.Read(arrPiece, uWant);
            a_arrBody.insert(a_arrBody.end(), arrPiece, arrPiece + uGot);
            if (uGot < uWant)
                return false;
        }
        return true;
    }
} // namespace

bCPOStream::bCPOStream() : m_bMain(false), m_bForcedLegacy(false)
{
    if (s_pMainStream)
        return;
    s_pMainStream = this;
    m_bMain = true;
    s_bLegacyMode = true;
    s_pStringList = new ("propertysystem\\persistence\\oe_postream", "bCPOStream", nullptr, __LINE__) bCStringList;
    s_pStringMap = new ("propertysystem\\persistence\\oe_postream", "bCPOStream", nullptr, __LINE__) bCStringMap;
    s_pStringMap->Create(kMapBuckets);
}

bCPOStream::~bCPOStream()
{
    Destroy();
}

void bCPOStream::Create()
{
    if (m_bMain && s_pStringMap)
        s_pStringMap->Create(kMapBuckets);
    m_bForcedLegacy = false;
}

void bCPOStream::Destroy()
{
    if (m_bMain && s_pMainStream == this)
    {
        s_pMainStream = nullptr;
        s_bLegacyMode = true;
        ClearStringHeaderMap();
        g_DeleteTracked(s_pStringList);
        g_DeleteTracked(s_pStringMap);
        s_pStringList = nullptr;
        s_pStringMap = nullptr;
    }
    m_bForcedLegacy = false;
    bCMemoryStream::Destroy();
}

bool bCPOStream::IsPlain() const
{
    return s_bLegacyMode || m_bForcedLegacy || !s_pStringList || !s_pStringMap;
}

unsigned long bCPOStream::Write(bCString const & a_strValue)
{
    if (IsPlain())
        return bCOStream::Write(a_strValue);
    long lIndex = 0;
    if (!s_pStringMap->GetAt(a_strValue, lIndex))
    {
        if (s_pStringList->GetCount() >= kNoIndex)
        {
            bCErrorAdmin::GetInstance().CallFatalError(
                "bCPOStream::Write - string table full: a file holds at most 65535 strings",
                "s_pStringList->GetCount() < 0xFFFF", "propertysystem\\persistence\\oe_postream", __LINE__);
            return 0;
        }
        lIndex = s_pStringList->Add(a_strValue);
        s_pStringMap->AccessAt(a_strValue) = lIndex;
    }
    bCMemoryStream::Write(static_cast<unsigned short>(lIndex));
    return 2;
}

unsigned long bCPOStream::Read(bCString & a_strValue)
{
    if (IsPlain())
        return bCIStream::Read(a_strValue);
    unsigned short uIndex = kNoIndex;
    bCMemoryStream::Read(uIndex);
    if (uIndex >= s_pStringList->GetCount())
    {
        OE_MESSAGEF_WARN("bCPOStream::Read - warning: can´t find valid index:%d", static_cast<int>(uIndex));
        return 0;
    }
    a_strValue = (*s_pStringList)[uIndex];
    return 4;
}

bool bCPOStream::WriteFile(bCOStream & a_Out)
{
    if (!m_bMain)
        return false;
    a_Out.Write(kFileVersion);
    a_Out.Write(kTableVersion);
    int const iCount = s_pStringList ? s_pStringList->GetCount() : 0;
    a_Out.Write(static_cast<unsigned long>(iCount));
    for (int i = 0; i < iCount; ++i)
        a_Out.bCOStream::Write((*s_pStringList)[i]);
    SetPosition(0, bEStreamSeekMode_Begin);
    unsigned long const uSize = static_cast<unsigned long>(GetSize());
    a_Out.Write(uSize);
    if (uSize)
        a_Out.Write(GetBuffer(uSize), uSize);
    return true;
}

bool bCPOStream::ReadFile(bCIStream & a_In)
{
    if (!m_bMain)
        return false;
    unsigned short uVersion = 0;
    a_In.Read(uVersion);
    if (uVersion != kFileVersion)
    {
        bCMessageAdmin::GetInstance().OnMessage(bEMessageTypes_Warn,
                                                "bCPOStream::ReadFile warning - illegal version in file detected !",
                                                nullptr, nullptr, -1, 5);
        return false;
    }
    bCStringList List;
    unsigned long uBodySize = 0;
    if (!ReadTable(a_In, List) || a_In.Read(uBodySize) != 4 || !s_pStringList || !s_pStringMap)
        return false;
    uint32_t const u32Size = static_cast<uint32_t>(uBodySize);
    bCMemoryStream * pMemory = dynamic_cast<bCMemoryStream *>(&a_In);
    if (pMemory && pMemory != this)
    {
        // The end is known: a body that fits is read in one piece, straight
        // into this stream's buffer, grown once.
        if (u32Size > pMemory->GetSize() - pMemory->GetPosition())
            return false;
        if (!SetCount(u32Size))
            return false;
        SetPosition(0, bEStreamSeekMode_Begin);
        if (u32Size && a_In.Read(AccessBuffer(u32Size), u32Size) != u32Size)
            return false;
    }
    else
    {
        std::vector<char> arrBody;
        if (!ReadBodyInPieces(a_In, u32Size, arrBody))
            return false;
        SetPosition(0, bEStreamSeekMode_Begin);
        SetCount(static_cast<unsigned long>(arrBody.size()));
        if (!arrBody.empty())
            std::memcpy(AccessBuffer(static_cast<unsigned long>(arrBody.size())), arrBody.data(), arrBody.size());
    }
    s_pStringList->CopyFrom(List);
    RebuildMap(*s_pStringList, *s_pStringMap);
    SetPosition(0, bEStreamSeekMode_Begin);
    s_bLegacyMode = false;
    return true;
}

bool bCPOStream::IsInLegacyMode()
{
    return s_bLegacyMode;
}

void bCPOStream::DisableLegacyMode()
{
    s_bLegacyMode = false;
}

void bCPOStream::GetStringList(bCStringList *& a_pList, bCStringMap *& a_pMap)
{
    a_pList = s_pStringList;
    a_pMap = s_pStringMap;
}

void bCPOStream::SetStringList(bCStringList * a_pList, bCStringMap * a_pMap)
{
    s_pStringList = a_pList;
    s_pStringMap = a_pMap;
}

void bCPOStream::ClearStringHeaderMap()
{
    if (s_pStringMap)
        s_pStringMap->Destroy();
    if (s_pStringList)
        s_pStringList->Destroy();
}
